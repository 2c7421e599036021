#pragma once

// NumLock through the user32 keyboard calls; compiled on Windows only.

#include <optional>

namespace brimley::WindowsKeyboard {

// From the keyboard state table: NumLock is on when its toggle bit is set.
std::optional<bool> isOn();

// A synthesized NumLock press and release, which toggles it exactly as a typed NumLock key would.
void toggle();

} // namespace brimley::WindowsKeyboard
