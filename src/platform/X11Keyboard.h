#pragma once

// The few Xlib/XKB calls the program makes, behind a header free of X11 types: the X11 headers define
// macros (KeyPress, None, Bool, Status) that break Qt code, so only X11Keyboard.cpp includes them.
// The display is Qt's own Xlib connection, passed as an opaque pointer.

#include <array>
#include <cstdint>
#include <optional>

namespace brimley::X11Keyboard {

// Whether the NumLock modifier is locked; nothing when the keyboard has no NumLock modifier.
std::optional<bool> numLockLocked(void* display);

// Locks or unlocks the NumLock modifier, and waits until the server has done it.
void lockNumLock(void* display, bool on);

// The keysyms a key carries on its shift levels in one group, level 1 first, 0 (NoSymbol) for a level
// without one: everything printed on the key, whatever Shift, AltGr or CapsLock make it type. Eight
// levels hold every key type of the XKB data in common use.
using KeyLevels = std::array<std::uint32_t, 8>;

// The group a key event's state field reports (XKB puts it beside the modifiers): the layout the key
// was pressed in, which may have changed again by the time the program reads the event.
int groupOfState(std::uint32_t state);

// A key's levels in a group, read from the server: the keyboard layout may be changed while the
// program runs. Nothing for a keycode the keyboard does not have or a key carrying no keysym.
std::optional<KeyLevels> keyLevels(void* display, std::uint32_t keycode, int group);

} // namespace brimley::X11Keyboard
