#pragma once

// The game's commands that ask the operator first, shared by the scoreboard's keys, the options
// window's menus and the console's.

class QWidget;

namespace brimley::GameCommands {

// New Game: after the operator confirms, every team's score goes back to 0, as one step that can be
// undone. Returns whether the new game began.
bool newGame(QWidget* parent);

} // namespace brimley::GameCommands
