#pragma once

// How the windows reach each other. Every window is a single instance for the whole run, created on
// first use; showing one makes it visible and brings it to the front.

#include <QString>

class QWidget;

#include <functional>

namespace brimley::Navigation {

// Starts the program: shows the splash window, which leads on to the options window, and keeps watch
// over the program's last window (below). The program ends when its last window closes. A file given
// (from the command line: a scoreboard file opened from the desktop) is opened in the options window
// when the splash leads on to it, as File, Open opens a file.
void start(const QString& fileToOpen = QString());

// From now on, a window that closes as the program's last open window while there are unsaved changes
// first asks the closing save prompt: Cancel, or a save that did not happen, keeps it open. The options
// window asks by itself whenever it closes, so the watch leaves it alone. Calling this again does
// nothing more.
void watchLastWindow();

// The help window; showing it while it is open only brings it to the front.
void showHelp();

// The options window; showing it while it is open only brings it to the front.
void showOptions();

// The scoreboard, shown, brought to the front and rebuilt from the model. On a desktop of two or more
// screens it goes full screen on the audience screen, and the operator's console opens on the
// operator's screen.
void showScoreboard();

// The operator's console, on the operator's screen; showing it while it is open only brings it to the
// front.
void showConsole();

// The window the operator works in, for a question asked from the scoreboard: the console while it is
// up, so that nothing appears over the audience's board; otherwise `fallback`.
QWidget* operatorWindow(QWidget* fallback);

// Puts a shown scoreboard where it belongs after the audience screen was chosen again, or a screen
// came or went: full screen on the audience screen, and never off every screen.
void placeScoreboard();

// Ends the program at once, closing no window and asking nothing (File, Exit has asked already).
void endProgram();

namespace Testing {

// What tests can intercept: the windows shown, and the end of the program.
enum class Window { Help, Options, Console, EndOfProgram };

// While an observer is set, showHelp, showOptions, showConsole and endProgram tell it what they were
// asked for and
// do nothing, so that tests of the keys and commands that open windows (or end the program) need
// none. An empty function restores them.
void interceptShowing(std::function<void(Window)> observer);

// For the functions above: true when the request went to the observer.
bool intercepted(Window window);

} // namespace Testing

} // namespace brimley::Navigation
