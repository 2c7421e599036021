#include "platform/WindowManager.h"

#include "platform/X11Connection.h"

#ifdef BRIMLEY_HAVE_X11
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace brimley::WindowManager {

#ifdef BRIMLEY_HAVE_X11
namespace {

// The first window of a window property of the root window, or None.
Window rootWindowProperty(Display* x, const char* name)
{
    const Atom property = XInternAtom(x, name, True);
    if (property == None)
        return None;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    Window result = None;
    if (XGetWindowProperty(x, DefaultRootWindow(x), property, 0, 1, False, XA_WINDOW, &type, &format, &count,
                           &remaining, &data) == Success &&
        type == XA_WINDOW && format == 32 && count == 1)
        result = *reinterpret_cast<Window*>(data);
    if (data)
        XFree(data);
    return result;
}

bool supportsFullScreen(Display* x)
{
    const Atom supported = XInternAtom(x, "_NET_SUPPORTED", True);
    const Atom fullScreen = XInternAtom(x, "_NET_WM_STATE_FULLSCREEN", True);
    if (supported == None || fullScreen == None)
        return false;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    bool found = false;
    // A window manager lists a few hundred atoms at most; the read is bounded all the same.
    if (XGetWindowProperty(x, DefaultRootWindow(x), supported, 0, 4096, False, XA_ATOM, &type, &format,
                           &count, &remaining, &data) == Success &&
        type == XA_ATOM && format == 32) {
        const auto* atoms = reinterpret_cast<const Atom*>(data);
        for (unsigned long i = 0; i < count && !found; ++i)
            found = atoms[i] == fullScreen;
    }
    if (data)
        XFree(data);
    return found;
}

} // namespace
#endif

bool makesWindowsFullScreen()
{
#ifdef BRIMLEY_HAVE_X11
    auto* x = static_cast<Display*>(X11Connection::display());
    if (!x)
        return true;
    // A window manager announces itself on the root window (its own window is not looked at: reading a
    // window that is gone is an X error).
    const Window check = rootWindowProperty(x, "_NET_SUPPORTING_WM_CHECK");
    if (check == None)
        return false;
    return supportsFullScreen(x);
#else
    return true;
#endif
}

} // namespace brimley::WindowManager
