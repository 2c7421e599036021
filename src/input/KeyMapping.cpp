#include "input/KeyMapping.h"

namespace brimley::KeyMapping {

std::int16_t virtualKeyCode(const QKeyEvent& event)
{
    const int key = event.key();
    const bool keypad = event.modifiers().testFlag(Qt::KeypadModifier);
    if (keypad) {
        if (key >= Qt::Key_0 && key <= Qt::Key_9)
            return static_cast<std::int16_t>(VK_NUMPAD0 + (key - Qt::Key_0));
        switch (key) {
        case Qt::Key_Plus: return VK_ADD;
        case Qt::Key_Minus: return VK_SUBTRACT;
        case Qt::Key_Period:
        case Qt::Key_Comma: return VK_DECIMAL;
        case Qt::Key_Enter: return VK_RETURN;
        default: break;
        }
    }
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return static_cast<std::int16_t>(key);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return static_cast<std::int16_t>(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return static_cast<std::int16_t>(VK_F1 + (key - Qt::Key_F1));
    switch (key) {
    case Qt::Key_Return:
    case Qt::Key_Enter: return VK_RETURN;
    case Qt::Key_Space: return VK_SPACE;
    case Qt::Key_Delete: return VK_DELETE;
    case Qt::Key_NumLock: return VK_NUMLOCK;
    case Qt::Key_Plus:
    case Qt::Key_Equal: return VK_OEM_PLUS;
    case Qt::Key_Minus:
    case Qt::Key_Underscore: return VK_OEM_MINUS;
    case Qt::Key_Period:
    case Qt::Key_Greater: return VK_OEM_PERIOD;
    default: return 0;
    }
}

std::int16_t shiftState(Qt::KeyboardModifiers modifiers)
{
    std::int16_t state = 0;
    if (modifiers.testFlag(Qt::ShiftModifier))
        state |= 1;
    if (modifiers.testFlag(Qt::ControlModifier))
        state |= 2;
    if (modifiers.testFlag(Qt::AltModifier))
        state |= 4;
    return state;
}

std::int16_t KeyCodeToAsci(std::int16_t keyCode)
{
    if (keyCode == VK_SPACE)
        return 32;
    if (keyCode == VK_RETURN)
        return 13;
    if (keyCode == VK_DELETE)
        return 0;
    if (keyCode == VK_OEM_PLUS || keyCode == VK_ADD)
        return 43;
    if (keyCode == VK_OEM_MINUS || keyCode == VK_SUBTRACT)
        return 45;
    if (keyCode >= VK_NUMPAD0 && keyCode <= VK_NUMPAD0 + 9)
        return static_cast<std::int16_t>(48 + (keyCode - VK_NUMPAD0));
    if (keyCode >= 48 && keyCode <= 57)
        return keyCode;
    if (keyCode == VK_DECIMAL || keyCode == VK_OEM_PERIOD)
        return 46;
    return -1;
}

} // namespace brimley::KeyMapping
