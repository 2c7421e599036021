// The keyboard on a real X server: a key typed through the server is identified by the physical key
// and what the layout in use puts on it, and NumLock is forced as NumLockForce asks, checked from a
// connection of the test's own. The scoreboard runs inside the test so that the setting can be chosen
// directly. (The running program's score entry is tested in tst_KeyboardEndToEnd.)

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

// Counts the NumLock releases the program receives, wherever they go.
class NumLockReleases : public QObject
{
public:
    int count = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == Qt::Key_NumLock &&
            qobject_cast<QWindow*>(watched))
            ++count;
        return false;
    }
};

// The virtual keys of the key presses a control receives, and how many releases.
class KeysTyped : public QObject
{
public:
    QList<int> downs;
    int ups = 0;

protected:
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() == QEvent::KeyPress)
            downs.append(KeyMapping::virtualKeyCode(*static_cast<QKeyEvent*>(event)));
        else if (event->type() == QEvent::KeyRelease)
            ++ups;
        return false;
    }
};

} // namespace

class tst_X11Keyboard : public QObject
{
    Q_OBJECT

private:
    static constexpr int VK_Shift = 16;
    std::unique_ptr<frmScoreboard> window;
    NumLockReleases releases;

    QWidget* control(const QString& name)
    {
        if (name == "frmScoreboard")
            return window.get();
        if (name == "picDrawingArea")
            return window->drawingArea();
        if (name == "picTeamName")
            return window->cells()[1].picTeamName;
        return window->cells()[1].nledScore;
    }

    void giveFocus(const QString& name)
    {
        if (name == "frmScoreboard") {
            if (QWidget* focused = QApplication::focusWidget())
                focused->clearFocus();
            QTRY_VERIFY(!QApplication::focusWidget());
        } else {
            control(name)->setFocus();
            QTRY_COMPARE(QApplication::focusWidget(), control(name));
        }
    }

private slots:
    void initTestCase()
    {
        SKIP_WITHOUT_X_SERVER_AND_XDOTOOL();
        QVERIFY(XkbProbe::connect());
        QVERIFY2(XkbProbe::numLock().has_value(), "the X server's keymap has no NumLock modifier");
        // Window-wide keys must not open real windows in the middle of the test.
        Navigation::Testing::interceptShowing([](Navigation::Testing::Window) {});
        // Releases are counted where they reach the native window, the first stop of every key event;
        // by the time the count shows, the event has been handled.
        qApp->installEventFilter(&releases);
    }
    void cleanupTestCase()
    {
        qApp->removeEventFilter(&releases);
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
        releases.count = 0;
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
        QTest::newRow("gb") << "gb" << QStringList{"BKSL", "shift+BKSL", "shift+AE03"}
                            << QList<int>{0, 0, 51};
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
        NumberLED* display = window->cells()[1].nledScore;
        giveFocus("nledScore");
        // The virtual keys of the key-downs that reach the display, as the scoreboard reads them.
        KeysTyped typed;
        display->installEventFilter(&typed);
        QVERIFY(XDoTool::key(keys));
        const auto collected = [&] {
            QList<int> codes = typed.downs;
            codes.removeAll(VK_Shift);
            return codes.size() >= keyCodes.size() && typed.ups == typed.downs.size() ? codes : QList<int>();
        };
        QTRY_VERIFY_WITH_TIMEOUT(!collected().isEmpty(), 20000);
        QCOMPARE(collected(), keyCodes);
    }

    void releasingNumLockOnTheScoreboardReappliesTheSetting_data()
    {
        QTest::addColumn<QString>("controlName");
        QTest::addColumn<int>("NumLockForce");
        QTest::addColumn<bool>("before");
        QTest::addColumn<bool>("after");
        // The key itself toggles NumLock; the release on a cell control turns it back at once.
        QTest::newRow("display, keep on") << "nledScore" << 1 << true << true;
        QTest::newRow("display, keep off") << "nledScore" << 2 << false << false;
        QTest::newRow("display, normal") << "nledScore" << 0 << true << false;
        QTest::newRow("name strip, keep on") << "picTeamName" << 1 << true << true;
        // The drawing area and the window do not answer key-ups.
        QTest::newRow("drawing area, keep on") << "picDrawingArea" << 1 << true << false;
        QTest::newRow("window, keep on") << "frmScoreboard" << 1 << true << false;
    }
    void releasingNumLockOnTheScoreboardReappliesTheSetting()
    {
        QFETCH(QString, controlName);
        QFETCH(int, NumLockForce);
        QFETCH(bool, before);
        QFETCH(bool, after);
        model().NumLockForce = NumLockForce;
        XkbProbe::setNumLock(before);
        giveFocus(controlName);

        QVERIFY(XDoTool::key({"Num_Lock"}));
        QTRY_COMPARE(releases.count, 1);
        QCOMPARE(XkbProbe::numLock(), std::optional(after));
    }
};

QTEST_MAIN(tst_X11Keyboard)
#include "tst_X11Keyboard.moc"
