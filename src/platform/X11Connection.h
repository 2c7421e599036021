#pragma once

namespace brimley::X11Connection {

// Qt's own Xlib display when the program runs on X11 (the xcb platform) with a live connection;
// null on every other platform. The offscreen platform can offer Qt's X11 interface too, with a null
// display or with a display that is not the one the program draws on: it never counts.
void* display();

} // namespace brimley::X11Connection
