#pragma once

// What the windowing system itself says about a key event, beyond Qt's key and modifiers: on X11
// every keysym the physical key carries in the layout it was pressed in, on Windows its virtual-key
// number. Qt's key() is the character the key typed (Shift+8 is an asterisk); the program identifies
// keys by the key pressed.

#include "platform/X11Keyboard.h"

#include <QKeyEvent>
#include <cstdint>

namespace brimley::NativeKeys {

struct NativeKey
{
    enum Kind { Unknown, X11Keysyms, WindowsVirtualKey };
    Kind kind = Unknown;
    // Windows: the virtual-key number.
    std::uint32_t value = 0;
    // X11: the keysyms of the key's shift levels, level 1 first.
    X11Keyboard::KeyLevels keysyms{};
};

// Unknown for events made up inside the program (tests) and on systems without such information.
NativeKey identify(const QKeyEvent& event);

} // namespace brimley::NativeKeys
