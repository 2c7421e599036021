// The keyboard on a real X server: a key typed through the server is identified by the physical key
// and what the layout in use puts on it, and NumLock is forced as NumLockForce asks, checked from a
// connection of the test's own. The scoreboard runs inside the test so that the setting can be chosen
// directly. (The running program's score entry is tested in tst_QuizHostEndToEnd.)

#include "app/Navigation.h"
#include "app/Settings.h"
#include "input/KeyMapping.h"
#include "led/NumberLED.h"
#include "platform/PictureBox.h"
#include "scoreboard/frmScoreboard.h"
#include "support/XDoTool.h"
#include "support/XkbProbe.h"

#include <QtTest>

using namespace brimley;

namespace {

// The virtual keys of the key presses a control receives, as the scoreboard reads them, and how many
// releases: by the time the test sees a count, the control has handled the key.
struct KeysTyped : QObject
{
    QList<int> downs;
    int ups = 0;
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            downs.append(KeyMapping::virtualKeyCode(*static_cast<QKeyEvent*>(event)));
        ups += event->type() == QEvent::KeyRelease ? 1 : 0;
        return false;
    }
};

} // namespace

class tst_X11Keyboard : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<frmScoreboard> window;

    // Types the keys through the X server onto a control of the first cell, given the focus.
    static bool typeOn(QWidget* control, KeysTyped& typed, const QStringList& keys)
    {
        control->setFocus();
        if (!QTest::qWaitFor([&] { return QApplication::focusWidget() == control; }))
            return false;
        control->installEventFilter(&typed);
        return XDoTool::key(keys);
    }

private slots:
    void initTestCase()
    {
        SKIP_WITHOUT_X_SERVER_AND_XDOTOOL();
        QVERIFY(XkbProbe::connect());
        QVERIFY2(XkbProbe::numLock().has_value(), "the X server's keymap has no NumLock modifier");
        // Window-wide keys must not open real windows in the middle of the test.
        Navigation::Testing::interceptShowing([](Navigation::Testing::Window) {});
    }
    void cleanupTestCase()
    {
        Navigation::Testing::interceptShowing({});
        XkbProbe::disconnect();
    }

    void init()
    {
        SetDefaults();
        model().Teams.append(Team{QStringLiteral("Team 2"), QString(), FlagTrue});
        window = std::make_unique<frmScoreboard>();
        window->resize(900, 600);
        window->show();
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup() { window.reset(); }

    void keysGoByWhatTheLayoutPutsOnThem_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<QList<int>>("keyCodes");
        // The layouts come from the system's XKB data. Keys are named as XKB names the physical keys
        // (AE04 is the fourth of the number row, AD12 the one left of Return on the row of Q, BKSL the
        // one beside Return, AB10 the last before Right Shift) and typed by their keycodes. Shift's own
        // key-downs are left out.
        const QStringList numberRow{"AE01", "AE02", "AE03", "AE04", "AE05",
                                    "AE06", "AE07", "AE08", "AE09", "AE10"};
        const QList<int> digits{49, 50, 51, 52, 53, 54, 55, 56, 57, 48};
        QTest::newRow("us") << "us"
                            << numberRow +
                                   QStringList{"shift+AE08", "AE11", "shift+AE11", "AE12", "shift+AE12"}
                            << digits + QList<int>{56, 189, 189, 187, 187};
        // "& 1", "é 2", ... "à 0": the digits are the shifted characters. ") °" and "* µ" type nothing,
        // where a US keyboard's characters made them 0 and 8.
        QTest::newRow("fr") << "fr" << numberRow + QStringList{"shift+AE04", "shift+AE06", "AE11", "BKSL"}
                            << digits + QList<int>{52, 54, 0, 0};
        // "+ * ~" is the plus key, "ß ?" and "# '" type nothing, and the letters are where printed.
        QTest::newRow("de") << "de" << QStringList{"shift+AE07", "AD12", "shift+AD12", "AB10", "AE11",
                                                   "shift+AE11", "BKSL", "shift+BKSL", "AD06", "AB01"}
                            << QList<int>{55, 187, 187, 189, 0, 0, 0, 0, 90, 89};
        // The layout in use counts, not the first: xdotool switches to the second layout for a keysym
        // only that one has. In the first, these keys are the minus key and "[".
        QTest::newRow("second layout") << "us,de" << QStringList{"ssharp", "udiaeresis"} << QList<int>{0, 0};
    }
    void keysGoByWhatTheLayoutPutsOnThem()
    {
        QFETCH(QString, layout);
        QFETCH(QStringList, keys);
        QFETCH(QList<int>, keyCodes);
        if (QStandardPaths::findExecutable("setxkbmap").isEmpty())
            QSKIP("needs setxkbmap to switch the X server's keyboard layout");
        for (QString& key : keys)
            key = XkbProbe::byKeycode(key);
        QCOMPARE(QProcess::execute("setxkbmap", {"-layout", layout}), 0);
        const auto restoreLayout = qScopeGuard([] { QProcess::execute("setxkbmap", {"-layout", "us"}); });
        KeysTyped typed;
        QVERIFY(typeOn(window->cells()[1].nledScore, typed, keys));
        const auto withoutShift = [&typed] {
            QList<int> codes = typed.downs;
            codes.removeAll(16); // VK_SHIFT
            return codes;
        };
        QTRY_VERIFY_WITH_TIMEOUT(withoutShift().size() >= keyCodes.size() && typed.ups == typed.downs.size(),
                                 20000);
        QCOMPARE(withoutShift(), keyCodes);
    }

    // The key itself toggles NumLock; its release on a cell's display or name strip turns it back at
    // once. (That the window and the drawing area leave it alone is tested in tst_frmScoreboard.)
    void releasingNumLockOnTheScoreboardReappliesTheSetting_data()
    {
        QTest::addColumn<bool>("nameStrip");
        QTest::addColumn<int>("NumLockForce");
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("after");
        QTest::newRow("display, keep on") << false << 1 << true << true;
        QTest::newRow("display, keep off") << false << 2 << false << false;
        QTest::newRow("display, normal") << false << 0 << true << false;
        QTest::newRow("name strip, keep on") << true << 1 << true << true;
    }
    void releasingNumLockOnTheScoreboardReappliesTheSetting()
    {
        QFETCH(bool, nameStrip);
        QFETCH(int, NumLockForce);
        QFETCH(bool, before);
        QFETCH(bool, after);
        model().NumLockForce = NumLockForce;
        XkbProbe::setNumLock(before);
        const Cell& cell = window->cells()[1];
        KeysTyped typed;
        QVERIFY(typeOn(nameStrip ? static_cast<QWidget*>(cell.picTeamName) : cell.nledScore, typed,
                       {"Num_Lock"}));
        QTRY_COMPARE(typed.ups, 1);
        QCOMPARE(XkbProbe::numLock(), std::optional(after));
    }
};

QTEST_MAIN(tst_X11Keyboard)
#include "tst_X11Keyboard.moc"
