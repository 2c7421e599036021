#include "platform/WindowManager.h"

#include "platform/X11Connection.h"

#ifdef BRIMLEY_HAVE_X11
#include <algorithm>
#include <vector>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#endif

namespace brimley::WindowManager {

#ifdef BRIMLEY_HAVE_X11
namespace {

// The 32-bit items of a property of the root window, at most `limit` of them; empty when it is absent
// or of another type.
std::vector<unsigned long> rootWindowProperty(Display* x, const char* name, Atom itemType, long limit)
{
    std::vector<unsigned long> items;
    const Atom property = XInternAtom(x, name, True);
    if (property == None)
        return items;
    Atom type = None;
    int format = 0;
    unsigned long count = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    // Xlib hands 32-bit items back as longs.
    if (XGetWindowProperty(x, DefaultRootWindow(x), property, 0, limit, False, itemType, &type, &format,
                           &count, &remaining, &data) == Success &&
        type == itemType && format == 32) {
        const auto* values = reinterpret_cast<const unsigned long*>(data);
        items.assign(values, values + count);
    }
    if (data)
        XFree(data);
    return items;
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
    // window that is gone is an X error), and lists what it supports there: a few hundred atoms at most,
    // the read is bounded all the same.
    const std::vector<unsigned long> check = rootWindowProperty(x, "_NET_SUPPORTING_WM_CHECK", XA_WINDOW, 1);
    if (check.size() != 1 || check[0] == None)
        return false;
    const Atom fullScreen = XInternAtom(x, "_NET_WM_STATE_FULLSCREEN", True);
    const std::vector<unsigned long> supported = rootWindowProperty(x, "_NET_SUPPORTED", XA_ATOM, 4096);
    return fullScreen != None && std::find(supported.begin(), supported.end(), fullScreen) != supported.end();
#else
    return true;
#endif
}

} // namespace brimley::WindowManager
