#pragma once

// The test's own look at the X server's keyboard, through a connection of its own: what the program
// did to NumLock is checked from outside the program. Free of X11 types, like the program's own
// platform headers.

#include <QString>
#include <optional>

namespace XkbProbe {

// False when no X server can be reached (DISPLAY unset or dead).
bool connect();
void disconnect();

// Whether the NumLock modifier is locked; nothing without a NumLock modifier.
std::optional<bool> numLock();
void setNumLock(bool on);

// The keycode of the key that carries a keysym ("KP_End"), 0 when no key does.
int keycodeOf(const char* keysymName);

// A key for xdotool with a physical key's XKB name ("AE04", the number row's fourth key, or
// "shift+AE04") given as its keycode, so that it types whatever the layout in use has on that key.
// Anything else is left for xdotool to find.
QString byKeycode(const QString& key);

} // namespace XkbProbe
