#pragma once

// NumLock forcing: the setting NumLockForce asks the program to hold NumLock on (1) or off (2) while
// the scoreboard is in use; any other value leaves it alone. The keyboard is read afresh every time
// and touched only when it differs from what is wanted.

#include "app/Settings.h"
#include "platform/NumLock.h"

#include <cstdint>
#include <optional>

namespace brimley::NumLockForcing {

// The state NumLockForce asks for: on for 1, off for 2, nothing for any other value.
std::optional<bool> wantedState(std::int32_t NumLockForce);

// Brings NumLock to the wanted state (a flag: any non-zero value is true). Nothing happens when it is
// already there or when the keyboard does not tell its state.
void SetNumLock(NumLock::Keyboard& keyboard, Flag wanted);

// Applies NumLockForce to the keyboard.
void apply(NumLock::Keyboard& keyboard, std::int32_t NumLockForce);

} // namespace brimley::NumLockForcing
