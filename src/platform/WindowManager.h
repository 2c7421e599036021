#pragma once

// What the desktop's window manager does for the program. A window is made full screen by asking the
// window manager; on an X server without one (a bare kiosk session in front of a projector) nobody
// answers, and the program must size the window itself.

namespace brimley::WindowManager {

// True when asking for the full-screen state is enough: on X11 a window manager that supports it is
// running; every other platform sizes full-screen windows itself.
bool makesWindowsFullScreen();

} // namespace brimley::WindowManager
