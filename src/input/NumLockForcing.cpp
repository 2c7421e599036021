#include "input/NumLockForcing.h"

namespace brimley::NumLockForcing {

std::optional<bool> wantedState(std::int32_t NumLockForce)
{
    if (NumLockForce == NumLockKeepOn)
        return true;
    if (NumLockForce == NumLockKeepOff)
        return false;
    return std::nullopt;
}

void SetNumLock(NumLock::Keyboard& keyboard, Flag wanted)
{
    const bool on = wanted != FlagFalse;
    const std::optional<bool> current = keyboard.isOn();
    // Changing a state that cannot be read could only be a guess; and an unchanged state sends
    // nothing, which is also what ends the repetition when the change itself reaches the scoreboard
    // as a NumLock key.
    if (!current || *current == on)
        return;
    keyboard.setOn(on);
}

void apply(NumLock::Keyboard& keyboard, std::int32_t NumLockForce)
{
    if (const auto wanted = wantedState(NumLockForce))
        SetNumLock(keyboard, *wanted ? FlagTrue : FlagFalse);
}

} // namespace brimley::NumLockForcing
