#pragma once

// The keyboard's NumLock state, read and set. One implementation per windowing system: XKB on X11,
// the user32 keyboard calls on Windows, and a keyboard that knows nothing elsewhere (Wayland, the
// offscreen platform), where the program leaves NumLock alone.

#include <optional>

namespace brimley::NumLock {

class Keyboard
{
public:
    virtual ~Keyboard() = default;
    // Whether NumLock is on; nothing when the system does not say.
    virtual std::optional<bool> isOn() = 0;
    // Turns NumLock on or off; only called when it is in the other state.
    virtual void setOn(bool on) = 0;
};

// The keyboard of the system the program runs on.
Keyboard& system();

namespace Testing {
// Makes system() answer with this keyboard; null restores the real one.
void replaceSystem(Keyboard* keyboard);
} // namespace Testing

} // namespace brimley::NumLock
