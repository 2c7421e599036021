// The keyboard on a real X server: a key typed through the server is identified by the physical key,
// and NumLock is forced as NumLockForce asks, checked from a connection of the test's own. The
// scoreboard runs inside the test so that the setting can be chosen directly. (The running program's
// score entry is tested in tst_KeyboardEndToEnd.)

#include "app/Navigation.h"
#include "app/Settings.h"
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

} // namespace

class tst_X11Keyboard : public QObject
{
    Q_OBJECT

private:
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

    void shiftedDigitsOfAGermanKeyboardAreStillDigits()
    {
        // On a German keyboard Shift+7 types "/", which a guess from the character (a US keyboard's
        // "/" key) would take for no digit at all; the physical key is the 7.
        if (QStandardPaths::findExecutable("setxkbmap").isEmpty())
            QSKIP("needs setxkbmap to switch the X server's keyboard layout");
        QCOMPARE(QProcess::execute("setxkbmap", {"-layout", "de"}), 0);
        const auto restoreLayout = qScopeGuard([] { QProcess::execute("setxkbmap", {"-layout", "us"}); });
        NumberLED* display = window->cells()[1].nledScore;
        giveFocus("nledScore");
        QVERIFY(XDoTool::key({"shift+7", "Return"}));
        QTRY_COMPARE(display->Caption(), "7");
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
