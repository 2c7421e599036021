// Score entry on the real program: it runs on the test's private X server, keys are typed through the
// server with xdotool onto its focused score display, and the score is read off the screen as the
// audience sees it.

#include "support/LedReader.h"
#include "support/RunningProgram.h"
#include "support/XkbProbe.h"

#include <QScreen>
#include <QtTest>

namespace {

constexpr int Patience = RunningProgram::Patience;

// The scoreboard's colours with the default settings: red digits on black.
const QColor LitColour(255, 0, 0);
const QColor LedBackground(0, 0, 0);

} // namespace

class tst_KeyboardEndToEnd : public QObject
{
    Q_OBJECT

private:
    RunningProgram brimley;
    QString window;

    std::optional<LedReader::Reading> readDisplay()
    {
        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(window.toULongLong()).toImage();
        return LedReader::read(shot, LitColour, LedBackground, 2);
    }
    QString score()
    {
        const auto reading = readDisplay();
        return reading ? reading->value : QStringLiteral("(no display on screen)");
    }

private slots:
    void initTestCase()
    {
        SKIP_WITHOUT_X_SERVER_AND_XDOTOOL();
        QVERIFY(XkbProbe::connect());

        // The operator's way to the scoreboard: a click on the splash window, then Go To Scoreboard
        // (Ctrl+G) on the options window, which asks nothing as nothing has changed.
        const QString options = brimley.start({}, "Brimley");
        QVERIFY(!options.isEmpty() && RunningProgram::focus(options) && XDoTool::key({"ctrl+g"}));
        window = brimley.waitForWindow("Brimley Scoreboard");
        QVERIFY2(!window.isEmpty(), "the scoreboard did not appear");

        // Without a window manager every window opens at the same place and nobody moves the focus: the
        // scoreboard is raised and focused, and its display clicked, as the operator does.
        QVERIFY(XDoTool::run({"windowraise", window}) && XDoTool::run({"windowfocus", window}));
        QTRY_VERIFY_WITH_TIMEOUT(readDisplay(), Patience);
        QTRY_COMPARE_WITH_TIMEOUT(XDoTool::run({"getwindowfocus"}).value_or(QString()), window, Patience);
        const QPoint centre = readDisplay()->display.center();
        QVERIFY(XDoTool::run({"mousemove", "--window", window, QString::number(centre.x()),
                              QString::number(centre.y()), "click", "1"}));
        QTRY_VERIFY_WITH_TIMEOUT(readDisplay() && readDisplay()->focusCue, Patience);
        QCOMPARE(score(), QStringLiteral("0"));
    }

    void cleanupTestCase()
    {
        XkbProbe::disconnect();
        // A sanitizer build of the program reports its findings here.
        const QString errors = brimley.stop();
        QVERIFY2(!errors.contains("Sanitizer") && !errors.contains("runtime error"), qPrintable(errors));
    }

    void typedKeysChangeTheScore_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<bool>("numLock");
        QTest::addColumn<QString>("after");

        // Every row starts on a cleared display with an empty entry. What the entry does with the
        // characters is tested in full in tst_KeyMapping; here the keys are typed for real, keypad keys
        // by their keycodes (asked for a keypad keysym, xdotool would switch NumLock itself) and so are
        // keys named as XKB names them (AE04, the number row's fourth), which type what the layout has.
        QTest::newRow("keypad digits, keypad Enter")
            << "us" << QStringList{"KP_End", "KP_Home", "KP_Enter"} << true << "17";
        QTest::newRow("keypad plus adds")
            << "us" << QStringList{"1", "0", "Return", "KP_Add", "KP_Left", "KP_Enter"} << true << "14";
        QTest::newRow("Shift+8 is the 8 key") << "us" << QStringList{"shift+8", "Return"} << true << "8";
        QTest::newRow("keypad point types nothing")
            << "us" << QStringList{"4", "KP_Delete", "2", "Return"} << true << "42";
        QTest::newRow("keypad without NumLock types no digits")
            << "us" << QStringList{"1", "0", "Return", "KP_End", "KP_End", "Return", "plus", "1", "Return"}
            << false << "11";
        // The French "4 '" and "2 é" keys, unshifted and shifted.
        QTest::newRow("French digits") << "fr" << QStringList{"AE04", "shift+AE02", "Return"} << true << "42";
    }
    void typedKeysChangeTheScore()
    {
        QFETCH(QString, layout);
        QFETCH(QStringList, keys);
        QFETCH(bool, numLock);
        QFETCH(QString, after);

        XkbProbe::setNumLock(true);
        QVERIFY(XDoTool::key({"space", "Delete"}));
        QTRY_COMPARE_WITH_TIMEOUT(score(), QStringLiteral("-1"), Patience);

        XkbProbe::setNumLock(numLock);
        for (QString& key : keys)
            key = key.startsWith("KP_") ? QString::number(XkbProbe::keycodeOf(qPrintable(key)))
                                        : XkbProbe::byKeycode(key);
        const bool otherLayout = layout != QLatin1String("us");
        if (otherLayout && QStandardPaths::findExecutable("setxkbmap").isEmpty())
            QSKIP("needs setxkbmap to switch the X server's keyboard layout");
        const auto restoreLayout = qScopeGuard([otherLayout] {
            if (otherLayout)
                QProcess::execute("setxkbmap", {"-layout", "us"});
        });
        if (otherLayout)
            QCOMPARE(QProcess::execute("setxkbmap", {"-layout", layout}), 0);
        QVERIFY(XDoTool::key(keys));
        QTRY_COMPARE_WITH_TIMEOUT(score(), after, Patience);
    }
};

QTEST_MAIN(tst_KeyboardEndToEnd)
#include "tst_KeyboardEndToEnd.moc"
