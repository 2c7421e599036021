#include "platform/X11Keyboard.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <algorithm>

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

// Xlib's description of the keyboard, kept for the one display the program uses and refreshed one key
// at a time.
XkbDescPtr keymap(Display* display)
{
    static Display* owner = nullptr;
    static XkbDescPtr xkb = nullptr;
    if (display != owner) {
        if (xkb)
            XkbFreeKeyboard(xkb, 0, True);
        xkb = hasXkb(display) ? XkbGetMap(display, XkbKeySymsMask, XkbUseCoreKbd) : nullptr;
        owner = display;
    }
    return xkb;
}

// Keys such as Return have one group however many layouts the keyboard has: for a group a key lacks
// the server picks one it has, as the key's own setting says (wrapping round unless told otherwise).
int groupOfKey(XkbDescPtr xkb, KeyCode key, int group)
{
    const int groups = XkbKeyNumGroups(xkb, key);
    if (groups <= 0)
        return -1;
    if (group < groups)
        return group;
    const unsigned char info = XkbKeyGroupInfo(xkb, key);
    switch (XkbOutOfRangeGroupAction(info)) {
    case XkbClampIntoRange:
        return groups - 1;
    case XkbRedirectIntoRange: {
        const int redirected = XkbOutOfRangeGroupNumber(info);
        return redirected < groups ? redirected : 0;
    }
    default:
        return group % groups;
    }
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

int groupOfState(std::uint32_t state)
{
    return XkbGroupForCoreState(state);
}

std::optional<KeyLevels> keyLevels(void* display, std::uint32_t keycode, int group)
{
    XkbDescPtr xkb = keymap(toDisplay(display));
    // X keycodes lie between 8 and 255; events made up inside the program carry none.
    if (!xkb || keycode < xkb->min_key_code || keycode > xkb->max_key_code)
        return std::nullopt;
    // Qt reads the server's events itself, so Xlib never hears of a new keymap: the key is fetched
    // again every time (one small round trip, well below a millisecond).
    XkbMapChangesRec changes{};
    changes.changed = XkbKeySymsMask;
    changes.first_key_sym = static_cast<KeyCode>(keycode);
    changes.num_key_syms = 1;
    if (XkbGetMapChanges(toDisplay(display), xkb, &changes) != Success)
        return std::nullopt;

    const auto key = static_cast<KeyCode>(keycode);
    const int index = groupOfKey(xkb, key, group);
    if (index < 0)
        return std::nullopt;
    KeyLevels levels{};
    const std::size_t width = std::min<std::size_t>(XkbKeyGroupsWidth(xkb, key), levels.size());
    for (std::size_t level = 0; level < width; ++level)
        levels[level] = static_cast<std::uint32_t>(XkbKeySymEntry(xkb, key, static_cast<int>(level), index));
    if (std::all_of(levels.begin(), levels.end(), [](std::uint32_t keysym) { return keysym == NoSymbol; }))
        return std::nullopt;
    return levels;
}

} // namespace brimley::X11Keyboard
