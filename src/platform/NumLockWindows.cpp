#include "platform/NumLockWindows.h"

#include <windows.h>

namespace brimley::WindowsKeyboard {
namespace {
constexpr BYTE NumLockScanCode = 0x45;
} // namespace

std::optional<bool> isOn()
{
    BYTE keys[256] = {};
    if (!GetKeyboardState(keys))
        return std::nullopt;
    // The low bit is the toggle; the high bit only says the key is held down at this moment.
    return (keys[VK_NUMLOCK] & 0x01) != 0;
}

void toggle()
{
    keybd_event(VK_NUMLOCK, NumLockScanCode, KEYEVENTF_EXTENDEDKEY, 0);
    keybd_event(VK_NUMLOCK, NumLockScanCode, KEYEVENTF_EXTENDEDKEY | KEYEVENTF_KEYUP, 0);
}

} // namespace brimley::WindowsKeyboard
