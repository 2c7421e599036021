#include "input/KeyMapping.h"

#include <QtTest>

using namespace brimley;
using namespace brimley::KeyMapping;
using NativeKeys::NativeKey;

namespace {

// X11 keysyms of the keys' first level, as the X server reports them for the physical key.
constexpr std::uint32_t XK_equal = 0x3d;
constexpr std::uint32_t XK_minus = 0x2d;
constexpr std::uint32_t XK_period = 0x2e;
constexpr std::uint32_t XK_8 = 0x38;
constexpr std::uint32_t XK_Return = 0xff0d;
constexpr std::uint32_t XK_Delete = 0xffff;
constexpr std::uint32_t XK_space = 0x20;
constexpr std::uint32_t XK_KP_End = 0xff9c;
constexpr std::uint32_t XK_KP_Home = 0xff95;
constexpr std::uint32_t XK_Num_Lock = 0xff7f;
constexpr std::uint32_t XK_F2 = 0xffbf;

NativeKey x11(std::uint32_t keysym)
{
    return {NativeKey::X11Keysym, keysym};
}
NativeKey none()
{
    return {};
}

constexpr auto Shift = Qt::ShiftModifier;
constexpr auto Keypad = Qt::KeypadModifier;
const Qt::KeyboardModifiers NoModifier;

} // namespace

Q_DECLARE_METATYPE(NativeKey)
Q_DECLARE_METATYPE(ScoreboardCommand)

class tst_KeyMapping : public QObject
{
    Q_OBJECT

private slots:
    void keyEventsGiveTheirCharacter_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<NativeKey>("native");
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<int>("character");

        QTest::newRow("space") << int(Qt::Key_Space) << NoModifier << x11(XK_space) << 32 << 32;
        QTest::newRow("Enter") << int(Qt::Key_Return) << NoModifier << x11(XK_Return) << 13 << 13;
        QTest::newRow("keypad Enter")
            << int(Qt::Key_Enter) << Qt::KeyboardModifiers(Keypad) << none() << 13 << 13;
        QTest::newRow("Delete") << int(Qt::Key_Delete) << NoModifier << x11(XK_Delete) << 46 << 0;
        QTest::newRow("equals") << int(Qt::Key_Equal) << NoModifier << x11(XK_equal) << 187 << 43;
        QTest::newRow("Shift+equals types plus")
            << int(Qt::Key_Plus) << Qt::KeyboardModifiers(Shift) << x11(XK_equal) << 187 << 43;
        QTest::newRow("keypad plus") << int(Qt::Key_Plus) << Qt::KeyboardModifiers(Keypad) << none() << 107
                                     << 43;
        QTest::newRow("Shift+keypad plus") << int(Qt::Key_Plus) << (Keypad | Shift) << none() << 107 << 43;
        QTest::newRow("minus") << int(Qt::Key_Minus) << NoModifier << x11(XK_minus) << 189 << 45;
        QTest::newRow("Shift+minus types underscore")
            << int(Qt::Key_Underscore) << Qt::KeyboardModifiers(Shift) << x11(XK_minus) << 189 << 45;
        QTest::newRow("keypad minus")
            << int(Qt::Key_Minus) << Qt::KeyboardModifiers(Keypad) << none() << 109 << 45;
        QTest::newRow("keypad 0") << int(Qt::Key_0) << Qt::KeyboardModifiers(Keypad) << none() << 96 << 48;
        // The first level of a keypad key is its NumLock-off meaning: Qt's key decides.
        QTest::newRow("keypad 7") << int(Qt::Key_7) << Qt::KeyboardModifiers(Keypad) << x11(XK_KP_Home) << 103
                                  << 55;
        QTest::newRow("keypad 9") << int(Qt::Key_9) << Qt::KeyboardModifiers(Keypad) << none() << 105 << 57;
        QTest::newRow("main 0") << int(Qt::Key_0) << NoModifier << x11('0') << 48 << 48;
        QTest::newRow("main 9") << int(Qt::Key_9) << NoModifier << x11('9') << 57 << 57;
        QTest::newRow("Shift+8 types an asterisk")
            << int(Qt::Key_Asterisk) << Qt::KeyboardModifiers(Shift) << x11(XK_8) << 56 << 56;
        QTest::newRow("keypad decimal point")
            << int(Qt::Key_Period) << Qt::KeyboardModifiers(Keypad) << none() << 110 << 46;
        QTest::newRow("keypad decimal comma")
            << int(Qt::Key_Comma) << Qt::KeyboardModifiers(Keypad) << none() << 110 << 46;
        QTest::newRow("full stop") << int(Qt::Key_Period) << NoModifier << x11(XK_period) << 190 << 46;
        QTest::newRow("Shift+full stop")
            << int(Qt::Key_Greater) << Qt::KeyboardModifiers(Shift) << x11(XK_period) << 190 << 46;
        QTest::newRow("a letter") << int(Qt::Key_A) << NoModifier << x11('a') << 65 << -1;
        QTest::newRow("F1") << int(Qt::Key_F1) << NoModifier << none() << 112 << -1;
        QTest::newRow("F2") << int(Qt::Key_F2) << NoModifier << x11(XK_F2) << 113 << -1;
        QTest::newRow("NumLock") << int(Qt::Key_NumLock) << NoModifier << x11(XK_Num_Lock) << 144 << -1;
        QTest::newRow("arrow") << int(Qt::Key_Down) << NoModifier << none() << 40 << -1;

        // NumLock off: the keypad types navigation keys, as on Windows.
        QTest::newRow("keypad 1, NumLock off")
            << int(Qt::Key_End) << Qt::KeyboardModifiers(Keypad) << x11(XK_KP_End) << 35 << -1;
        QTest::newRow("keypad 5, NumLock off")
            << int(Qt::Key_Clear) << Qt::KeyboardModifiers(Keypad) << none() << 12 << -1;
        QTest::newRow("keypad point, NumLock off")
            << int(Qt::Key_Delete) << Qt::KeyboardModifiers(Keypad) << none() << 46 << 0;

        // Without the system's word on the key, the shifted characters of a US keyboard.
        QTest::newRow("guessed Shift+8")
            << int(Qt::Key_Asterisk) << Qt::KeyboardModifiers(Shift) << none() << 56 << 56;
        QTest::newRow("guessed Shift+0")
            << int(Qt::Key_ParenRight) << Qt::KeyboardModifiers(Shift) << none() << 48 << 48;
        QTest::newRow("guessed Shift+equals")
            << int(Qt::Key_Plus) << Qt::KeyboardModifiers(Shift) << none() << 187 << 43;

        QTest::newRow("Windows numbers pass through")
            << int(Qt::Key_1) << Qt::KeyboardModifiers(Keypad) << NativeKey{NativeKey::WindowsVirtualKey, 97}
            << 97 << 49;
    }
    void keyEventsGiveTheirCharacter()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(NativeKey, native);
        QFETCH(int, keyCode);
        QFETCH(int, character);
        QCOMPARE(virtualKeyCode(key, modifiers, native), keyCode);
        QCOMPARE(KeyCodeToAsci(static_cast<std::int16_t>(keyCode)), character);
    }

    void anEventMadeUpInTheProgramIsMappedByItsQtKey()
    {
        // No native information: the offscreen platform, or a test.
        const QKeyEvent asterisk(QEvent::KeyPress, Qt::Key_Asterisk, Qt::ShiftModifier, QStringLiteral("*"));
        QCOMPARE(virtualKeyCode(asterisk), 56);
        const QKeyEvent release(QEvent::KeyRelease, Qt::Key_NumLock, Qt::NoModifier);
        QCOMPARE(virtualKeyCode(release), 144);
    }

    void keyCodesNextToTheCharacterRowsGiveNone_data()
    {
        QTest::addColumn<int>("keyCode");
        for (int code : {0, 47, 58, 95, 106, 108, 111, 186, 188, 191, 255, -1})
            QTest::newRow(qPrintable(QString::number(code))) << code;
    }
    void keyCodesNextToTheCharacterRowsGiveNone()
    {
        QFETCH(int, keyCode);
        QCOMPARE(KeyCodeToAsci(static_cast<std::int16_t>(keyCode)), -1);
    }

    void scoreboardKeysGiveTheirCommandAndNoCharacter_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<ScoreboardCommand>("command");
        const auto Ctrl = Qt::ControlModifier;
        const auto Alt = Qt::AltModifier;
        using C = ScoreboardCommand;
        QTest::newRow("F11") << int(Qt::Key_F11) << NoModifier << C::ToggleFullScreen;
        QTest::newRow("Ctrl+F11") << int(Qt::Key_F11) << Qt::KeyboardModifiers(Ctrl) << C::None;
        QTest::newRow("Escape") << int(Qt::Key_Escape) << NoModifier << C::LeaveFullScreen;
        QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << Qt::KeyboardModifiers(Ctrl) << C::Undo;
        QTest::newRow("Ctrl+Y") << int(Qt::Key_Y) << Qt::KeyboardModifiers(Ctrl) << C::Redo;
        QTest::newRow("Ctrl+Shift+Z") << int(Qt::Key_Z) << (Ctrl | Shift) << C::Redo;
        QTest::newRow("Ctrl+Shift+Y") << int(Qt::Key_Y) << (Ctrl | Shift) << C::None;
        QTest::newRow("Ctrl+B") << int(Qt::Key_B) << Qt::KeyboardModifiers(Ctrl) << C::ToggleBlackout;
        QTest::newRow("Z alone") << int(Qt::Key_Z) << NoModifier << C::None;
        // AltGr arrives as Ctrl+Alt on many systems, and types letters of its own.
        QTest::newRow("AltGr+Z") << int(Qt::Key_Z) << (Ctrl | Alt) << C::None;
        QTest::newRow("Alt+F11") << int(Qt::Key_F11) << Qt::KeyboardModifiers(Alt) << C::None;
    }
    void scoreboardKeysGiveTheirCommandAndNoCharacter()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(ScoreboardCommand, command);
        const std::int16_t keyCode = virtualKeyCode(key, modifiers, none());
        QCOMPARE(scoreboardCommand(keyCode, shiftState(modifiers)), command);
        // The score entry must not see a character in any of them.
        if (command != ScoreboardCommand::None)
            QCOMPARE(KeyCodeToAsci(keyCode), -1);
    }
};

QTEST_MAIN(tst_KeyMapping)
#include "tst_KeyMapping.moc"
