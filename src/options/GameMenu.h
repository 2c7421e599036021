#pragma once

// The Game menu of the windows the operator works in (the options window and the console): New Game.

class QAction;
class QMainWindow;
class QMenu;

namespace brimley::GameMenu {

// Adds the menu to the window's menu bar, before `before` (null: at the end).
QMenu* add(QMainWindow& window, QAction* before);

} // namespace brimley::GameMenu
