#pragma once

// The few Xlib/XKB calls the program makes, behind a header free of X11 types: the X11 headers define
// macros (KeyPress, None, Bool, Status) that break Qt code, so only X11Keyboard.cpp includes them.
// The display is Qt's own Xlib connection, passed as an opaque pointer.

#include <cstdint>
#include <optional>

namespace brimley::X11Keyboard {

// Whether the NumLock modifier is locked; nothing when the keyboard has no NumLock modifier.
std::optional<bool> numLockLocked(void* display);

// Locks or unlocks the NumLock modifier, and waits until the server has done it.
void lockNumLock(void* display, bool on);

// The keysym of a key's first level in the first group: the key as printed unshifted, whatever
// Shift or CapsLock make it type. Nothing for a keycode without one.
std::optional<std::uint32_t> unshiftedKeysym(void* display, std::uint32_t keycode);

} // namespace brimley::X11Keyboard
