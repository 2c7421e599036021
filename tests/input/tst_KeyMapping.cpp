// The keys as the scoreboard sees them: the key code and character of a key event, the commands of
// the keys for the projector, NumLock kept as the settings say, and what typed keys do to a score.

#include "input/KeyMapping.h"
#include "input/NumLockForcing.h"
#include "input/ShowDigits.h"
#include "support/FakeKeyboard.h"

#include <QtTest>

using namespace brimley;
using namespace brimley::KeyMapping;
using NativeKeys::NativeKey;

namespace {

const NativeKey none;

constexpr auto Shift = Qt::ShiftModifier;
constexpr auto Keypad = Qt::KeypadModifier;
const Qt::KeyboardModifiers NoModifier;

class FakeDisplay final : public ShowDigits::ScoreDisplay
{
public:
    QString Name() const override { return QStringLiteral("nledScore"); }
    QString Caption() const override { return caption; }
    void setCaption(const QString& value) override { caption = value; }
    QString caption;
};

} // namespace

Q_DECLARE_METATYPE(NativeKey)

class tst_KeyMapping : public QObject
{
    Q_OBJECT

    // The X11 keysyms a physical key carries on its shift levels, level 1 first, as the XKB data of
    // the layouts has them.
    static NativeKey x11(std::initializer_list<std::uint32_t> keysyms)
    {
        NativeKey native{NativeKey::X11Keysyms, 0, {}};
        std::copy(keysyms.begin(), keysyms.end(), native.keysyms.begin());
        return native;
    }
    static void row(const char* name, Qt::Key key, Qt::KeyboardModifiers modifiers, NativeKey native,
                    int keyCode, int character)
    {
        QTest::newRow(name) << int(key) << modifiers << native << keyCode << character;
    }

private slots:
    void init() { ShowDigits::entryState() = ShowDigits::EntryState{}; }

    void keyEventsGiveTheirCharacter_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<NativeKey>("native");
        QTest::addColumn<int>("keyCode");
        QTest::addColumn<int>("character");
        row("Enter", Qt::Key_Return, NoModifier, x11({0xff0d}), 13, 13);
        row("keypad Enter", Qt::Key_Enter, Keypad, none, 13, 13);
        row("Delete", Qt::Key_Delete, NoModifier, x11({0xffff}), 46, 0);
        row("Shift+equals types plus", Qt::Key_Plus, Shift, x11({'=', '+'}), 187, 43);
        row("keypad plus", Qt::Key_Plus, Keypad, none, 107, 43);
        row("Shift+minus types underscore", Qt::Key_Underscore, Shift, x11({'-', '_'}), 189, 45);
        row("keypad minus", Qt::Key_Minus, Keypad, none, 109, 45);
        row("keypad 0", Qt::Key_0, Keypad, none, 96, 48);
        // The first level of a keypad key (KP_Home) is its NumLock-off meaning: Qt's key decides.
        row("keypad 7", Qt::Key_7, Keypad, x11({0xff95, 0xffb7}), 103, 55);
        row("Shift+8 types an asterisk", Qt::Key_Asterisk, Shift, x11({'8', '*'}), 56, 56);
        row("full stop", Qt::Key_Period, NoModifier, x11({'.', '>'}), 190, 46);
        row("F1", Qt::Key_F1, NoModifier, x11({0xffbe, 0xffbe, 0xffbe, 0xffbe, 0x1008fe01}), 112, -1);
        // NumLock off: the keypad types navigation keys, as on Windows.
        row("keypad 1, NumLock off", Qt::Key_End, Keypad, x11({0xff9c, 0xffb1}), 35, -1);
        row("keypad point, NumLock off", Qt::Key_Delete, Keypad, none, 46, 0);
        // Without the system's word on the key, the shifted characters of a US keyboard.
        row("guessed Shift+8", Qt::Key_Asterisk, Shift, none, 56, 56);
        row("Windows numbers pass through", Qt::Key_1, Keypad, {NativeKey::WindowsVirtualKey, 97, {}}, 97,
            49);

        // Other layouts: a digit anywhere on the key makes it that digit's key, shifted or not; then a
        // plus or a minus. A US keyboard's characters gave the French "&" a 7 and "*" an 8.
        row("fr & 1", Qt::Key_Ampersand, NoModifier, x11({'&', '1', 0xb9 /* onesuperior */, 0xa1}), 49, 49);
        row("fr - 6, the digit wins", Qt::Key_Minus, NoModifier,
            x11({'-', '6', '|', 0xac5 /* fiveeighths */}), 54, 54);
        row("de Shift++ * ~", Qt::Key_Asterisk, Shift, x11({'+', '*', '~', 0xaf /* macron */}), 187, 43);
        // Keys carrying none of them type nothing, whatever a US keyboard's key of that character has.
        row("fr * mu", Qt::Key_Asterisk, NoModifier, x11({'*', 0xb5, 0xfe50, 0xfe55}), 0, -1);
        row("de Shift+<", Qt::Key_Greater, Shift, x11({'<', '>', '|', 0xfe68}), 0, -1);
        // Letters stay letters: Neo's T carries a minus, a Cyrillic key Ctrl+Z's letter only in Qt's key.
        row("Neo T", Qt::Key_T, NoModifier, x11({'t', 'T', '-', 0x7f4, 0xffb6, 0xffb6, 0x8ef}), 84, -1);
        row("Cyrillic Ctrl+Z", Qt::Key_Z, Qt::ControlModifier, x11({0x6d1, 0x6f1}), 90, -1);
    }
    void keyEventsGiveTheirCharacter()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(NativeKey, native);
        QFETCH(int, keyCode);
        QCOMPARE(virtualKeyCode(key, modifiers, native), keyCode);
        QTEST(int(KeyCodeToAsci(static_cast<std::int16_t>(keyCode))), "character");
    }

    void scoreboardKeysGiveTheirCommandAndNoCharacter()
    {
        using C = ScoreboardCommand;
        const auto Ctrl = Qt::ControlModifier;
        // AltGr arrives as Ctrl+Alt on many systems, and types letters of its own.
        // clang-format off
        const std::tuple<Qt::Key, Qt::KeyboardModifiers, C> keys[] = {
            {Qt::Key_F11, {}, C::ToggleFullScreen}, {Qt::Key_F11, Ctrl, C::None}, {Qt::Key_Escape, {}, C::LeaveFullScreen},
            {Qt::Key_Z, Ctrl, C::Undo}, {Qt::Key_Y, Ctrl, C::Redo}, {Qt::Key_Z, Ctrl | Shift, C::Redo},
            {Qt::Key_Y, Ctrl | Shift, C::None}, {Qt::Key_B, Ctrl, C::ToggleBlackout}, {Qt::Key_Z, Ctrl | Qt::AltModifier, C::None}};
        // clang-format on
        for (const auto& [key, modifiers, command] : keys) {
            const std::int16_t keyCode = virtualKeyCode(key, modifiers, none);
            QCOMPARE(scoreboardCommand(keyCode, shiftState(modifiers)), command);
            // The score entry must not see a character in any of them.
            QVERIFY(command == C::None || KeyCodeToAsci(keyCode) == -1);
        }
        // Nor in the codes beside the rows of codes that have one.
        for (int code : {0, 47, 58, 95, 106, 108, 111, 186, 188, 191, 255, -1})
            QVERIFY2(KeyCodeToAsci(static_cast<std::int16_t>(code)) == -1, qPrintable(QString::number(code)));
    }

    // A mode of 3 comes from a hand-edited file and acts as normal; an unknown state is left alone. Applied
    // twice, as the release of a synthesized NumLock key does: only a change is sent.
    void theSettingForcesNumLock()
    {
        using State = std::optional<bool>;
        const std::tuple<int, State, State> cases[] = {{NumLockKeepOn, false, true},
                                                       {NumLockKeepOn, true, true},
                                                       {NumLockKeepOff, true, false},
                                                       {3, false, false},
                                                       {NumLockKeepOn, std::nullopt, std::nullopt}};
        for (const auto& [force, before, after] : cases) {
            FakeKeyboard keyboard;
            keyboard.on = before;
            NumLockForcing::apply(keyboard, force);
            NumLockForcing::apply(keyboard, force);
            QCOMPARE(keyboard.on, after);
            QCOMPARE(keyboard.changes, before == after ? 0 : 1);
        }
    }

    // Keys as typed: digits and signs as themselves, "_" space, "E" Enter, "D" Delete, "." the full stop,
    // "?" a key without a character (a letter, F1).
    void typedKeysChangeTheScore_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("after");
        const auto row = [](const char* name, int maximum, const char* before, const char* keys,
                            const char* after) {
            QTest::newRow(name) << maximum << QString(before) << QString(keys) << QString(after);
        };
        row("a number sets", 99, "10", "42E", "42");
        row("above the maximum is dropped", 99, "10", "123E", "10");
        row("plus adds", 99, "10", "+5E", "15");
        row("a sum above the maximum is dropped", 99, "10", "+95E", "10");
        row("minus subtracts", 99, "10", "-4E", "6");
        row("down to the clear value", 99, "10", "-11E", "-1");
        row("below the clear value is dropped", 99, "10", "-12E", "10");
        row("Delete clears at once", 99, "10", "D", "-1");
        row("the cleared display adds from 0", 99, "-1", "+3E", "3");
        row("a sign after digits ends the number", 99, "10", "12+3E", "12");
        row("space empties the entry", 99, "10", "4_2E", "2");
        row("full stop and letters type nothing", 99, "10", "4.?2E", "42");
        row("an entry is emptied after a drop", 99, "10", "123E+1E", "11");

        row("one digit: each digit sets at once", 9, "0", "45", "5");
        row("one digit: a signed entry waits for Enter", 9, "3", "+2", "3");
        row("one digit: a sum above 9 is dropped", 9, "7", "+5E", "7");

        // Entries that would wrap around in 16 or 32 bits to a value in range are out of range.
        row("2^16 + 42 is not 42", 99, "10", "65578E", "10");
        row("2^32 + 42 is not 42", 99, "10", "4294967338E", "10");
        row("adding 2^32 is not adding 0", 99, "10", "+4294967296E", "10");
        row("a sum just past 16 bits", 32767, "32767", "+1E", "32767");
        row("twenty digits", 99, "10", "99999999999999999999E", "10");
        row("three hundred digits", 99, "10", qPrintable(QString(300, u'9') + "E"), "10");
    }
    void typedKeysChangeTheScore()
    {
        QFETCH(int, maximum);
        QFETCH(QString, before);
        QFETCH(QString, keys);
        FakeDisplay display;
        display.caption = before;
        for (const QChar key : keys) {
            const auto named = QStringLiteral("_ED?").indexOf(key); // keys typed as a letter
            const int code = named < 0 ? key.unicode() : std::array{32, 13, 0, -1}[std::size_t(named)];
            ShowDigits::ScoreEntryKey(display, std::int16_t(code), -1, std::int16_t(maximum));
        }
        QTEST(display.caption, "after");
    }
};

QTEST_MAIN(tst_KeyMapping)
#include "tst_KeyMapping.moc"
