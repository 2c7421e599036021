#include "input/KeyMapping.h"

#include <optional>
#include <unordered_map>

namespace brimley::KeyMapping {
namespace {

using NativeKeys::NativeKey;

// Windows names of the keys that have no character of interest, kept so that every key still has
// its own number (the routing compares against F1, F2 and NumLock).
enum OtherKey : std::int16_t {
    VK_BACK = 8,
    VK_TAB = 9,
    VK_CLEAR = 12,
    VK_SHIFT = 16,
    VK_CONTROL = 17,
    VK_MENU = 18,
    VK_PAUSE = 19,
    VK_CAPITAL = 20,
    VK_PRIOR = 33,
    VK_NEXT = 34,
    VK_END = 35,
    VK_HOME = 36,
    VK_UP = 38,
    VK_DOWN = 40,
    VK_SNAPSHOT = 44,
    VK_INSERT = 45,
    VK_LWIN = 91,
    VK_RWIN = 92,
    VK_APPS = 93,
    VK_MULTIPLY = 106,
    VK_DIVIDE = 111,
    VK_SCROLL = 145,
    VK_OEM_1 = 186,     // ;:
    VK_OEM_COMMA = 188, // ,<
    VK_OEM_2 = 191,     // /?
    VK_OEM_3 = 192,     // `~
    VK_OEM_4 = 219,     // [{
    VK_OEM_5 = 220,     // \|
    VK_OEM_6 = 221,     // ]}
    VK_OEM_7 = 222,     // '"
};

constexpr std::int16_t NoKey = 0;

std::int16_t vk(int value)
{
    return static_cast<std::int16_t>(value);
}

// Keys of the numeric keypad as Qt reports them, NumLock on. With NumLock off Qt reports the
// navigation keys, which take the same numbers as the main block's.
std::optional<std::int16_t> fromKeypadKey(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return vk(VK_NUMPAD0 + (key - Qt::Key_0));
    switch (key) {
    case Qt::Key_Plus:
        return VK_ADD;
    case Qt::Key_Minus:
        return VK_SUBTRACT;
    case Qt::Key_Asterisk:
        return VK_MULTIPLY;
    case Qt::Key_Slash:
        return VK_DIVIDE;
    case Qt::Key_Period:
    case Qt::Key_Comma:
        return VK_DECIMAL; // the decimal key types a comma in many countries
    case Qt::Key_Enter:
    case Qt::Key_Return:
        return VK_RETURN;
    default:
        return std::nullopt;
    }
}

// X11 keysyms of the first level of a key.
std::int16_t fromKeysym(std::uint32_t keysym)
{
    if (keysym >= '0' && keysym <= '9')
        return vk(static_cast<int>(keysym));
    if (keysym >= 'a' && keysym <= 'z')
        return vk(static_cast<int>(keysym) - 'a' + 'A');
    if (keysym >= 'A' && keysym <= 'Z')
        return vk(static_cast<int>(keysym));
    constexpr std::uint32_t XK_F1 = 0xffbe;
    constexpr std::uint32_t XK_F24 = 0xffd5;
    if (keysym >= XK_F1 && keysym <= XK_F24)
        return vk(VK_F1 + static_cast<int>(keysym - XK_F1));
    constexpr std::uint32_t XK_KP_0 = 0xffb0;
    if (keysym >= XK_KP_0 && keysym <= XK_KP_0 + 9)
        return vk(VK_NUMPAD0 + static_cast<int>(keysym - XK_KP_0));

    // clang-format off
    static const std::unordered_map<std::uint32_t, std::int16_t> table = {
        {0x0020, VK_SPACE},     {0x003d, VK_OEM_PLUS},  {0x002d, VK_OEM_MINUS}, {0x002e, VK_OEM_PERIOD},
        {0x002c, VK_OEM_COMMA}, {0x002f, VK_OEM_2},     {0x003b, VK_OEM_1},     {0x0060, VK_OEM_3},
        {0x005b, VK_OEM_4},     {0x005c, VK_OEM_5},     {0x005d, VK_OEM_6},     {0x0027, VK_OEM_7},
        {0xff0d, VK_RETURN},    {0xff8d, VK_RETURN},    {0xffff, VK_DELETE},    {0xff08, VK_BACK},
        {0xff09, VK_TAB},       {0xfe20, VK_TAB},       {0xff1b, VK_ESCAPE},    {0xff63, VK_INSERT},
        {0xff50, VK_HOME},      {0xff51, VK_LEFT},      {0xff52, VK_UP},        {0xff53, VK_RIGHT},
        {0xff54, VK_DOWN},      {0xff55, VK_PRIOR},     {0xff56, VK_NEXT},      {0xff57, VK_END},
        {0xff0b, VK_CLEAR},     {0xff7f, VK_NUMLOCK},   {0xffe5, VK_CAPITAL},   {0xff14, VK_SCROLL},
        {0xff13, VK_PAUSE},     {0xff61, VK_SNAPSHOT},  {0xff67, VK_APPS},      {0xffe1, VK_SHIFT},
        {0xffe2, VK_SHIFT},     {0xffe3, VK_CONTROL},   {0xffe4, VK_CONTROL},   {0xffe9, VK_MENU},
        {0xffea, VK_MENU},      {0xff7e, VK_MENU},      {0xfe03, VK_MENU},      {0xffeb, VK_LWIN},
        {0xffec, VK_RWIN},      {0xffab, VK_ADD},       {0xffad, VK_SUBTRACT},  {0xffaa, VK_MULTIPLY},
        {0xffaf, VK_DIVIDE},    {0xffae, VK_DECIMAL},   {0xffac, VK_DECIMAL},
    };
    // clang-format on
    const auto found = table.find(keysym);
    return found == table.end() ? NoKey : found->second;
}

// Qt's keys, for events that carry no native information. The shifted characters are taken to be
// those of a US keyboard, so that Shift+8 (an asterisk) is still the 8 key.
std::int16_t fromQtKey(int key)
{
    if (key >= Qt::Key_0 && key <= Qt::Key_9)
        return vk(key);
    if (key >= Qt::Key_A && key <= Qt::Key_Z)
        return vk(key);
    if (key >= Qt::Key_F1 && key <= Qt::Key_F24)
        return vk(VK_F1 + (key - Qt::Key_F1));

    // clang-format off
    static const std::unordered_map<int, std::int16_t> table = {
        {Qt::Key_Return, VK_RETURN},      {Qt::Key_Enter, VK_RETURN},        {Qt::Key_Space, VK_SPACE},
        {Qt::Key_Delete, VK_DELETE},      {Qt::Key_NumLock, VK_NUMLOCK},     {Qt::Key_Equal, VK_OEM_PLUS},
        {Qt::Key_Plus, VK_OEM_PLUS},      {Qt::Key_Minus, VK_OEM_MINUS},     {Qt::Key_Underscore, VK_OEM_MINUS},
        {Qt::Key_Period, VK_OEM_PERIOD},  {Qt::Key_Greater, VK_OEM_PERIOD},  {Qt::Key_Comma, VK_OEM_COMMA},
        {Qt::Key_Less, VK_OEM_COMMA},     {Qt::Key_ParenRight, '0'},         {Qt::Key_Exclam, '1'},
        {Qt::Key_At, '2'},                {Qt::Key_NumberSign, '3'},         {Qt::Key_Dollar, '4'},
        {Qt::Key_Percent, '5'},           {Qt::Key_AsciiCircum, '6'},        {Qt::Key_Ampersand, '7'},
        {Qt::Key_Asterisk, '8'},          {Qt::Key_ParenLeft, '9'},          {Qt::Key_Slash, VK_OEM_2},
        {Qt::Key_Question, VK_OEM_2},     {Qt::Key_Semicolon, VK_OEM_1},     {Qt::Key_Colon, VK_OEM_1},
        {Qt::Key_QuoteLeft, VK_OEM_3},    {Qt::Key_AsciiTilde, VK_OEM_3},    {Qt::Key_BracketLeft, VK_OEM_4},
        {Qt::Key_BraceLeft, VK_OEM_4},    {Qt::Key_Backslash, VK_OEM_5},     {Qt::Key_Bar, VK_OEM_5},
        {Qt::Key_BracketRight, VK_OEM_6}, {Qt::Key_BraceRight, VK_OEM_6},    {Qt::Key_Apostrophe, VK_OEM_7},
        {Qt::Key_QuoteDbl, VK_OEM_7},     {Qt::Key_Backspace, VK_BACK},      {Qt::Key_Tab, VK_TAB},
        {Qt::Key_Backtab, VK_TAB},        {Qt::Key_Escape, VK_ESCAPE},       {Qt::Key_Insert, VK_INSERT},
        {Qt::Key_Home, VK_HOME},          {Qt::Key_End, VK_END},             {Qt::Key_PageUp, VK_PRIOR},
        {Qt::Key_PageDown, VK_NEXT},      {Qt::Key_Left, VK_LEFT},           {Qt::Key_Up, VK_UP},
        {Qt::Key_Right, VK_RIGHT},        {Qt::Key_Down, VK_DOWN},           {Qt::Key_Clear, VK_CLEAR},
        {Qt::Key_Shift, VK_SHIFT},        {Qt::Key_Control, VK_CONTROL},     {Qt::Key_Alt, VK_MENU},
        {Qt::Key_AltGr, VK_MENU},         {Qt::Key_CapsLock, VK_CAPITAL},    {Qt::Key_ScrollLock, VK_SCROLL},
        {Qt::Key_Pause, VK_PAUSE},        {Qt::Key_Print, VK_SNAPSHOT},      {Qt::Key_Menu, VK_APPS},
        {Qt::Key_Meta, VK_LWIN},          {Qt::Key_Super_L, VK_LWIN},        {Qt::Key_Super_R, VK_RWIN},
    };
    // clang-format on
    const auto found = table.find(key);
    return found == table.end() ? NoKey : found->second;
}

// A main-block key on X11, from every keysym it carries in the layout in use (level 1 first), as the
// keys of a Windows keyboard are numbered: a French key with "4" and an apostrophe is the 4 key with or
// without Shift, a German key with "+" and "*" the plus key.
std::int16_t fromKeyLevels(const X11Keyboard::KeyLevels& levels, int qtKey)
{
    // A letter stays its letter (Ctrl+Z, Ctrl+Y, Ctrl+B) whatever its AltGr levels carry: Neo puts a
    // minus on the T key.
    const std::uint32_t first = levels.front();
    if ((first >= 'a' && first <= 'z') || (first >= 'A' && first <= 'Z'))
        return fromKeysym(first);
    // The digit wins over anything else on its key: the French 6 key carries a minus.
    std::int16_t sign = NoKey;
    for (const std::uint32_t keysym : levels) {
        if (keysym >= '0' && keysym <= '9')
            return vk(static_cast<int>(keysym));
        if (keysym == '+')
            sign = VK_OEM_PLUS;
        else if (keysym == '-' && sign == NoKey)
            sign = VK_OEM_MINUS;
    }
    if (sign != NoKey)
        return sign;
    if (const std::int16_t code = fromKeysym(first); code != NoKey)
        return code;
    // Left are keys the program has no use for, such as "#", "ß" or dead accents. The guess from the
    // character typed counts only for a Latin letter, which Qt reports for Ctrl on a Cyrillic or Greek
    // layout (Ctrl+Z is still undo there); any other guess is a US keyboard's, wrong here (Shift+3 for
    // "#", Shift+9 for "(").
    const std::int16_t guess = fromQtKey(qtKey);
    return guess >= 'A' && guess <= 'Z' ? guess : NoKey;
}

} // namespace

std::int16_t virtualKeyCode(const QKeyEvent& event)
{
    return virtualKeyCode(event.key(), event.modifiers(), NativeKeys::identify(event));
}

std::int16_t virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers, NativeKey native)
{
    if (native.kind == NativeKey::WindowsVirtualKey)
        return vk(static_cast<int>(native.value));
    // On X11 the first level of a keypad key is its NumLock-off meaning (KP_End for the 1 key), so
    // keypad keys go by what Qt says they typed, which follows NumLock.
    if (modifiers.testFlag(Qt::KeypadModifier)) {
        if (const auto keypad = fromKeypadKey(qtKey))
            return *keypad;
        return fromQtKey(qtKey);
    }
    if (native.kind == NativeKey::X11Keysyms)
        return fromKeyLevels(native.keysyms, qtKey);
    return fromQtKey(qtKey);
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
    // The order of the tests is the order in which the first match decides.
    if (keyCode == VK_SPACE)
        return 32;
    if (keyCode == VK_RETURN)
        return 13;
    if (keyCode == VK_DELETE)
        return 0;
    if (keyCode == VK_OEM_PLUS)
        return 43;
    if (keyCode == VK_ADD)
        return 43;
    if (keyCode == VK_OEM_MINUS)
        return 45;
    if (keyCode == VK_SUBTRACT)
        return 45;
    if (keyCode >= VK_NUMPAD0 && keyCode <= VK_NUMPAD9)
        return static_cast<std::int16_t>('0' + (keyCode - VK_NUMPAD0));
    if (keyCode >= '0' && keyCode <= '9')
        return keyCode;
    if (keyCode == VK_DECIMAL)
        return 46;
    if (keyCode == VK_OEM_PERIOD)
        return 46;
    return -1;
}

ScoreboardCommand scoreboardCommand(std::int16_t keyCode, std::int16_t shift)
{
    constexpr std::int16_t Shift = 1;
    constexpr std::int16_t Ctrl = 2;
    constexpr std::int16_t Alt = 4;
    // Alt is left out everywhere: Ctrl+Alt is AltGr on many keyboards, typing letters of their own.
    if (shift & Alt)
        return ScoreboardCommand::None;
    if (keyCode == VK_F11 && !(shift & Ctrl))
        return ScoreboardCommand::ToggleFullScreen;
    if (keyCode == VK_F5 && !(shift & Ctrl))
        return shift & Shift ? ScoreboardCommand::RevealStandings : ScoreboardCommand::ShowStandings;
    if (keyCode == VK_ESCAPE)
        return ScoreboardCommand::LeaveFullScreen;
    if (shift == Ctrl) {
        switch (keyCode) {
        case VK_Z:
            return ScoreboardCommand::Undo;
        case VK_Y:
            return ScoreboardCommand::Redo;
        case VK_B:
            return ScoreboardCommand::ToggleBlackout;
        default:
            return ScoreboardCommand::None;
        }
    }
    if (shift == (Ctrl | Shift) && keyCode == VK_Z)
        return ScoreboardCommand::Redo;
    if (shift == (Ctrl | Shift) && keyCode == VK_N)
        return ScoreboardCommand::NewGame;
    return ScoreboardCommand::None;
}

} // namespace brimley::KeyMapping
