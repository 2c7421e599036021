#pragma once

// The game's commands that ask the operator first, shared by the scoreboard's keys, the options
// window's menus and the console's.

class QWidget;

namespace brimley::GameCommands {

// New Game: after the operator confirms, every team's score goes back to 0, as one step that can be
// undone. Returns whether the new game began.
bool newGame(QWidget* parent);

// Before the scoreboard is first shown in a run: when the recovery file holds the scores of an
// unfinished game of this very set-up, asks whether to restore them. Yes gives every team its score
// back (one step that can be undone); No starts from 0 and discards the file.
void offerRecovery(QWidget* parent);

} // namespace brimley::GameCommands
