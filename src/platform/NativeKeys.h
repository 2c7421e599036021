#pragma once

// What the windowing system itself says about a key event, beyond Qt's key and modifiers: on X11
// the unshifted keysym of the physical key, on Windows its virtual-key number. Qt's key() is the
// character the key typed (Shift+8 is an asterisk); the program identifies keys by the key pressed.

#include <QKeyEvent>
#include <cstdint>

namespace brimley::NativeKeys {

struct NativeKey
{
    enum Kind { Unknown, X11Keysym, WindowsVirtualKey };
    Kind kind = Unknown;
    std::uint32_t value = 0;
};

// Unknown for events made up inside the program (tests) and on systems without such information.
NativeKey identify(const QKeyEvent& event);

} // namespace brimley::NativeKeys
