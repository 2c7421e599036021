// Score entry on the real program: it runs on the test's private X server, keys are typed through the
// server with xdotool onto its focused score display, and the score is read off the screen as the
// audience sees it.

#include "support/LedReader.h"
#include "support/XDoTool.h"
#include "support/XkbProbe.h"

#include <QScreen>
#include <QtTest>

namespace {

constexpr int Patience = 20000; // ms; generous, for slow machines and sanitizer builds

// The scoreboard's colours with the default settings: red digits on black.
const QColor LitColour(255, 0, 0);
const QColor LedBackground(0, 0, 0);
const QColor Background(0x40, 0x40, 0x40);
constexpr int Digits = 2;

// The X windows of the visible top-level windows with this exact title.
QStringList findWindows(const QString& title)
{
    const auto found = XDoTool::run({"search", "--onlyvisible", "--name", "^" + title + "$"}, false);
    return found ? found->split(u'\n', Qt::SkipEmptyParts) : QStringList();
}

std::optional<QString> findWindow(const QString& title)
{
    const QStringList found = findWindows(title);
    return found.isEmpty() ? std::nullopt : std::optional(found.first());
}

QString focusedWindow()
{
    return XDoTool::run({"getwindowfocus"}).value_or(QString());
}

// Waits for a window with this exact title other than `besides` to appear.
std::optional<QString> waitForWindow(const QProcess& program, const QString& title,
                                     const QString& besides = {})
{
    QDeadlineTimer deadline(Patience);
    while (!deadline.hasExpired() && program.state() == QProcess::Running) {
        for (const QString& window : findWindows(title))
            if (window != besides)
                return window;
        QTest::qWait(50);
    }
    return std::nullopt;
}

// Starts the program and leads it to its scoreboard as the operator does, returning the scoreboard's
// X window: a click on the splash window, then Go To Scoreboard (Ctrl+G) on the options window, which
// asks nothing as nothing has changed.
std::optional<QString> reachScoreboard(QProcess& program)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "xcb");
    program.setProcessEnvironment(environment);
    program.setProgram(BRIMLEY_RUNTIME_DIR "/brimley");
    program.start();
    if (!program.waitForStarted(Patience))
        return std::nullopt;
    const auto splash = waitForWindow(program, "Brimley");
    if (!splash || !XDoTool::run({"mousemove", "--sync", "--window", *splash, "20", "20", "click", "1"}))
        return std::nullopt;
    const auto options = waitForWindow(program, "Brimley", *splash);
    if (!options || !XDoTool::run({"windowfocus", "--sync", *options}) || !XDoTool::key({"ctrl+g"}))
        return std::nullopt;
    return waitForWindow(program, "Brimley Scoreboard");
}

// xdotool's names for keys, keypad keys turned into keycodes: asked for a keypad keysym, xdotool
// would switch NumLock itself to reach it.
QStringList physicalKeys(const QStringList& keys)
{
    QStringList result;
    for (const QString& key : keys)
        result << (key.startsWith("KP_") ? QString::number(XkbProbe::keycodeOf(qPrintable(key))) : key);
    return result;
}

} // namespace

class tst_KeyboardEndToEnd : public QObject
{
    Q_OBJECT

private:
    QProcess program;
    QString window;

    std::optional<LedReader::Reading> readDisplay()
    {
        const QPixmap shot = QGuiApplication::primaryScreen()->grabWindow(window.toULongLong());
        return LedReader::read(shot.toImage(), LitColour, LedBackground, Digits);
    }

    QSize windowSize() { return QGuiApplication::primaryScreen()->grabWindow(window.toULongLong()).size(); }

    bool showsOnly(QColor colour)
    {
        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(window.toULongLong()).toImage();
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixelColor(x, y) != colour)
                    return false;
        return !shot.isNull();
    }

    QString score()
    {
        const auto reading = readDisplay();
        return reading ? reading->value : QStringLiteral("(no display on screen)");
    }

    // Click the score display, as the operator does, and see it take the focus. Without a window
    // manager every window opens at the same place, so the scoreboard is raised above the others.
    void clickTheDisplay()
    {
        QVERIFY(XDoTool::run({"windowraise", window}));
        QVERIFY(XDoTool::run({"windowfocus", window}));
        QTRY_COMPARE_WITH_TIMEOUT(focusedWindow(), window, Patience);
        const QPoint centre = readDisplay()->display.center();
        QVERIFY(XDoTool::run({"mousemove", "--window", window, QString::number(centre.x()),
                              QString::number(centre.y()), "click", "1"}));
        QTRY_VERIFY_WITH_TIMEOUT(readDisplay() && readDisplay()->focusCue, Patience);
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs a real X server (the xcb platform); this one runs on another platform");
        if (!XDoTool::installed())
            QSKIP("needs xdotool to type on the X server");
        QVERIFY(XkbProbe::connect());

        const auto scoreboard = reachScoreboard(program);
        QVERIFY2(scoreboard, qPrintable("the scoreboard did not appear: " + program.readAllStandardError()));
        window = *scoreboard;

        QTRY_VERIFY_WITH_TIMEOUT(readDisplay(), Patience);
        clickTheDisplay();
        if (QTest::currentTestFailed())
            return;
        QCOMPARE(score(), QStringLiteral("0"));
    }

    void cleanupTestCase()
    {
        program.kill();
        program.waitForFinished(Patience);
        XkbProbe::disconnect();
        // A sanitizer build of the program reports its findings here.
        const QString errors = QString::fromLocal8Bit(program.readAllStandardError());
        QVERIFY2(!errors.contains("Sanitizer"), qPrintable(errors));
    }

    void typedKeysChangeTheScore_data()
    {
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<bool>("numLock");
        QTest::addColumn<QString>("after");

        // Every row starts on a cleared display with an empty entry. Where a key should change
        // nothing, the row goes on with keys whose result depends on it. (What the entry does with
        // the characters is tested in full in tst_ShowDigits; here every key is typed for real.)
        QTest::newRow("digits, Enter") << QStringList{"4", "2", "Return"} << true << "42";
        QTest::newRow("keypad digits, keypad Enter")
            << QStringList{"KP_End", "KP_Home", "KP_Enter"} << true << "17";
        QTest::newRow("plus adds") << QStringList{"1", "0", "Return", "plus", "5", "Return"} << true << "15";
        QTest::newRow("equals adds too")
            << QStringList{"1", "0", "Return", "equal", "7", "Return"} << true << "17";
        QTest::newRow("keypad plus adds")
            << QStringList{"1", "0", "Return", "KP_Add", "KP_Left", "KP_Enter"} << true << "14";
        QTest::newRow("minus subtracts")
            << QStringList{"1", "0", "Return", "minus", "4", "Return"} << true << "6";
        QTest::newRow("keypad minus subtracts")
            << QStringList{"1", "0", "Return", "KP_Subtract", "KP_Down", "Return"} << true << "8";
        QTest::newRow("Delete clears")
            << QStringList{"4", "2", "Return", "Delete", "plus", "3", "Return"} << true << "3";
        QTest::newRow("Shift+8 is the 8 key") << QStringList{"shift+8", "Return"} << true << "8";
        QTest::newRow("full stop types nothing") << QStringList{"4", "period", "2", "Return"} << true << "42";
        QTest::newRow("keypad point types nothing")
            << QStringList{"4", "KP_Delete", "2", "Return"} << true << "42";
        QTest::newRow("letters type nothing") << QStringList{"4", "a", "2", "Return"} << true << "42";
        QTest::newRow("space empties the entry") << QStringList{"4", "space", "2", "Return"} << true << "2";
        QTest::newRow("keypad without NumLock types no digits")
            << QStringList{"1", "0", "Return", "KP_End", "KP_End", "Return", "plus", "1", "Return"} << false
            << "11";
    }
    void typedKeysChangeTheScore()
    {
        QFETCH(QStringList, keys);
        QFETCH(bool, numLock);
        QFETCH(QString, after);

        XkbProbe::setNumLock(true);
        QVERIFY(XDoTool::key({"space", "Delete"}));
        QTRY_COMPARE_WITH_TIMEOUT(score(), QStringLiteral("-1"), Patience);

        XkbProbe::setNumLock(numLock);
        QVERIFY(XDoTool::key(physicalKeys(keys)));
        QTRY_COMPARE_WITH_TIMEOUT(score(), after, Patience);
    }

    // Full screen with nobody but the program to size it (the private X server runs no window manager),
    // the blackout as the audience sees it, and undo and redo typed for real.
    void keysForTheProjector()
    {
        clickTheDisplay();
        if (QTest::currentTestFailed())
            return;
        QVERIFY(XDoTool::key({"space", "4", "2", "Return", "plus", "5", "Return"}));
        QTRY_COMPARE_WITH_TIMEOUT(score(), QStringLiteral("47"), Patience);
        QVERIFY(XDoTool::key({"ctrl+z"}));
        QTRY_COMPARE_WITH_TIMEOUT(score(), QStringLiteral("42"), Patience);
        QVERIFY(XDoTool::key({"ctrl+y"}));
        QTRY_COMPARE_WITH_TIMEOUT(score(), QStringLiteral("47"), Patience);

        const QSize windowed = windowSize();
        QVERIFY(XDoTool::key({"F11"}));
        const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
        QTRY_COMPARE_WITH_TIMEOUT(windowSize(), screen, Patience);
        QTRY_COMPARE_WITH_TIMEOUT(score(), QStringLiteral("47"), Patience);

        // Blacked out, the whole screen is the background colour, and scores go on being typed.
        QVERIFY(XDoTool::key({"ctrl+b"}));
        QTRY_VERIFY_WITH_TIMEOUT(showsOnly(Background), Patience);
        QVERIFY(XDoTool::key({"ctrl+z", "9", "Return"}));
        QVERIFY(XDoTool::key({"ctrl+b"}));
        QTRY_COMPARE_WITH_TIMEOUT(score(), QStringLiteral("9"), Patience);

        QVERIFY(XDoTool::key({"Escape"}));
        QTRY_COMPARE_WITH_TIMEOUT(windowSize(), windowed, Patience);
        QVERIFY(XDoTool::key({"ctrl+z"}));
        QTRY_COMPARE_WITH_TIMEOUT(score(), QStringLiteral("42"), Patience);
    }

    // Last: the windows opened here take the keyboard from the scoreboard.
    void functionKeysShowOneHelpAndOneOptionsWindow()
    {
        for (const auto& [key, title] : {std::pair("F1", "Brimley Help"), std::pair("F2", "Brimley")}) {
            for (int press = 1; press <= 2; ++press) {
                clickTheDisplay();
                if (QTest::currentTestFailed())
                    return;
                QVERIFY(XDoTool::key({key}));
                // Shown means brought to the front with the keyboard focus, also the second time.
                QTRY_VERIFY_WITH_TIMEOUT(findWindow(title) && focusedWindow() == *findWindow(title),
                                         Patience);
                QCOMPARE(findWindows(title).size(), 1);
            }
        }
        QVERIFY(findWindow("Brimley Scoreboard"));
    }
};

QTEST_MAIN(tst_KeyboardEndToEnd)
#include "tst_KeyboardEndToEnd.moc"
