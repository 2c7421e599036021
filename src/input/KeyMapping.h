#pragma once

// Keys are identified by Windows virtual-key numbers, the numbering the score entry and the function
// keys are written against. This is the one place where Qt's key events become those numbers.
//
// A key is identified by the physical key, not by the character it typed: Shift+8 is the 8 key, and
// the equals/plus key is the same key with or without Shift. On other layouts it goes by what the key
// carries: a key with a digit is that digit's key, else a key with "+" or "-" the plus or minus key
// (the French "4 '" key is the 4 key, the German "+ * ~" key the plus key). Keypad keys are told
// apart from the main block (Qt marks them with the keypad modifier); with NumLock off they are the
// navigation keys they then type (End, Down, ...), as on Windows.

#include "platform/NativeKeys.h"

#include <QKeyEvent>
#include <cstdint>

namespace brimley::KeyMapping {

// Virtual-key numbers the program refers to by name.
enum VirtualKey : std::int16_t {
    VK_RETURN = 13,
    VK_ESCAPE = 27,
    VK_SPACE = 32,
    VK_LEFT = 37,
    VK_RIGHT = 39,
    VK_DELETE = 46,
    VK_B = 66,
    VK_N = 78,
    VK_Y = 89,
    VK_Z = 90,
    VK_NUMPAD0 = 96,
    VK_NUMPAD9 = 105,
    VK_ADD = 107,
    VK_SUBTRACT = 109,
    VK_DECIMAL = 110,
    VK_F1 = 112,
    VK_F2 = 113,
    VK_F3 = 114,
    VK_F5 = 116,
    VK_F11 = 122,
    VK_NUMLOCK = 144,
    VK_OEM_PLUS = 187,
    VK_OEM_MINUS = 189,
    VK_OEM_PERIOD = 190,
};

// The virtual-key number of the physical key of an event; 0 for a key without one.
std::int16_t virtualKeyCode(const QKeyEvent& event);

// The same from the parts of an event: Qt's key and modifiers, and what the windowing system says
// about the key. Without native information (offscreen, Wayland, events made up in the program) the
// key is guessed from Qt's key on a US layout.
std::int16_t virtualKeyCode(int qtKey, Qt::KeyboardModifiers modifiers, NativeKeys::NativeKey native);

// The shift state delivered with key events: 1 Shift, 2 Ctrl, 4 Alt.
std::int16_t shiftState(Qt::KeyboardModifiers modifiers);

// The character code of a virtual key: the ASCII code of its digit, "+", "-", ".", space or Enter,
// 0 for Delete (the clear request) and -1 for a key without a character.
std::int16_t KeyCodeToAsci(std::int16_t keyCode);

// The scoreboard's keys beyond F1 and F2, none of which types a character: F11 full screen, Escape
// back to a window, Ctrl+Z undo, Ctrl+Y and Ctrl+Shift+Z redo, Ctrl+B blackout, Ctrl+Shift+N a new
// game, F5 the standings, Shift+F5 the standings to be revealed team by team.
enum class ScoreboardCommand {
    None,
    ToggleFullScreen,
    LeaveFullScreen,
    Undo,
    Redo,
    ToggleBlackout,
    NewGame,
    ShowStandings,
    RevealStandings,
};

// The command of a key-down, from its virtual key and shift state (1 Shift, 2 Ctrl, 4 Alt).
ScoreboardCommand scoreboardCommand(std::int16_t keyCode, std::int16_t shift);

} // namespace brimley::KeyMapping
