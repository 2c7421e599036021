#pragma once

// The View menu of the windows the operator works in: the operator's console (F3), and which screen
// the audience sees ("Audience Screen": Automatic, or one of the desktop's screens by name and size).
// The choice holds for the run; a scoreboard already up moves to the screen chosen.

class QAction;
class QMainWindow;
class QMenu;

namespace brimley::ViewMenu {

// Adds the menu to the window's menu bar, before `before` (null: at the end).
QMenu* add(QMainWindow& window, QAction* before);

} // namespace brimley::ViewMenu
