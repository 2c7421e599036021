#include "platform/X11Keyboard.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

namespace brimley::X11Keyboard {
namespace {

Display* toDisplay(void* display)
{
    return static_cast<Display*>(display);
}

bool hasXkb(Display* display)
{
    int opcode = 0;
    int event = 0;
    int error = 0;
    int major = XkbMajorVersion;
    int minor = XkbMinorVersion;
    return XkbQueryExtension(display, &opcode, &event, &error, &major, &minor);
}

// NumLock is not a fixed modifier: the keymap binds it to one of Mod1 to Mod5 (usually Mod2).
unsigned int numLockMask(Display* display)
{
    if (!hasXkb(display))
        return 0;
    return XkbKeysymToModifiers(display, XK_Num_Lock);
}

} // namespace

std::optional<bool> numLockLocked(void* display)
{
    Display* x = toDisplay(display);
    const unsigned int mask = numLockMask(x);
    if (mask == 0)
        return std::nullopt;
    XkbStateRec state{};
    if (XkbGetState(x, XkbUseCoreKbd, &state) != Success)
        return std::nullopt;
    return (state.locked_mods & mask) != 0;
}

void lockNumLock(void* display, bool on)
{
    Display* x = toDisplay(display);
    const unsigned int mask = numLockMask(x);
    if (mask == 0)
        return;
    XkbLockModifiers(x, XkbUseCoreKbd, mask, on ? mask : 0);
    // A round trip, so that whoever reads the state next (this program on the next key, or another
    // client) finds it changed.
    XSync(x, False);
}

std::optional<std::uint32_t> unshiftedKeysym(void* display, std::uint32_t keycode)
{
    // X keycodes lie between 8 and 255; events made up inside the program carry none.
    if (keycode < 8 || keycode > 255)
        return std::nullopt;
    const KeySym keysym = XkbKeycodeToKeysym(toDisplay(display), static_cast<KeyCode>(keycode), 0, 0);
    if (keysym == NoSymbol)
        return std::nullopt;
    return static_cast<std::uint32_t>(keysym);
}

} // namespace brimley::X11Keyboard
