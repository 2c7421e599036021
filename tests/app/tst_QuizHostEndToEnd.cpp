// The whole path of a quiz host, on the real program: it runs on the test's private X server and is
// driven through the server with xdotool, as a person at the mouse and keyboard would drive it. The
// real Qt file dialogs are used; the saved file is compared byte for byte, and the scores are read off
// the screen as the audience sees them.
//
// Where to click is learnt from windows of the same classes built inside the test (never shown), so
// the test follows the program's own layout instead of guessing pixels.

#include "app/Settings.h"
#include "led/NumberLED.h"
#include "options/ScoreboardFile.h"
#include "options/frmOptions.h"
#include "platform/OptionButton.h"
#include "scoreboard/frmScoreboard.h"
#include "support/LedReader.h"
#include "support/XDoTool.h"

#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>
#include <QtTest>

using namespace brimley;

namespace {

constexpr int Patience = 30000; // ms; generous, for slow machines and sanitizer builds

// The scoreboard's colours with the default settings: red digits on black.
const QColor LitColour(255, 0, 0);
const QColor LedBackground(0, 0, 0);

// A shown team without a picture: name, ESC, empty picture path, ESC, "1".
QByteArray teamLine(const QByteArray& name)
{
    return name + '\x1b' + '\x1b' + "1\r\n";
}

// The file as the quiz host saves it, before and after renaming a team on the way back to the
// scoreboard: the default settings but the names below the scores, and three teams.
QByteArray expectedFile(const QByteArray& secondTeam)
{
    return QByteArray("NumLockForce:0\r\n"
                      "BackColor:4210752\r\n"
                      "LEDColor:255\r\n"
                      "LEDBackColor:0\r\n"
                      "TextColor:16777215\r\n"
                      "PosNameToScore:Bottom\r\n"
                      "PosImgToScore:Right\r\n"
                      "DigitsWide:2\r\n"
                      "HPadding:6\r\n"
                      "VPadding:6\r\n"
                      "Spacing:8\r\n"
                      "---Team Data---\r\n") +
           teamLine("Foxes") + teamLine(secondTeam) + teamLine("Larks");
}

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// xdotool matches titles as POSIX extended regular expressions; these titles are matched exactly.
QString exactly(const QString& title)
{
    QString pattern;
    for (const QChar c : title) {
        if (QStringLiteral(".[]()*+?{}|^$\\").contains(c))
            pattern += QLatin1Char('\\');
        pattern += c;
    }
    return QLatin1Char('^') + pattern + QLatin1Char('$');
}

// The X windows that are on the screen with this exact title.
QStringList windowsTitled(const QString& title)
{
    const auto found = XDoTool::run({"search", "--onlyvisible", "--name", exactly(title)}, false);
    return found && !found->isEmpty() ? found->split(u'\n') : QStringList();
}

QPoint centreOf(const QWidget* window, const QWidget* control, const QRect& part = {})
{
    return control->mapTo(window, (part.isNull() ? control->rect() : part).center());
}

} // namespace

class tst_QuizHostEndToEnd : public QObject
{
    Q_OBJECT

private:
    QProcess program;
    QTemporaryDir home;
    QString quizFile;

    // Where the program's windows have their controls, from windows of the same classes.
    std::unique_ptr<frmOptions> optionsLayout;

    // Waits for a window with this title other than `besides` to appear; its X window.
    QString waitForWindow(const QString& title, const QString& besides = {})
    {
        QDeadlineTimer deadline(Patience);
        while (!deadline.hasExpired() && program.state() == QProcess::Running) {
            for (const QString& window : windowsTitled(title))
                if (window != besides)
                    return window;
            QTest::qWait(50);
        }
        return {};
    }
    bool waitUntilGone(const QString& title, const QString& window)
    {
        QDeadlineTimer deadline(Patience);
        while (windowsTitled(title).contains(window)) {
            if (deadline.hasExpired())
                return false;
            QTest::qWait(50);
        }
        return true;
    }
    // Gives a window the keyboard, as clicking its title bar would, and waits until it has it.
    bool focus(const QString& window) { return XDoTool::run({"windowfocus", "--sync", window}).has_value(); }
    bool click(const QString& window, QPoint at)
    {
        return XDoTool::run({"mousemove", "--sync", "--window", window, QString::number(at.x()),
                             QString::number(at.y()), "click", "1"})
            .has_value();
    }
    bool type(const QString& text) { return XDoTool::run({"type", "--delay", "30", text}).has_value(); }
    // Replaces the text of the options window's team name box.
    bool renameTeam(const QString& options, const QString& name)
    {
        return click(options, centreOf(optionsLayout.get(), optionsLayout->txtTeamName)) &&
               XDoTool::key({"ctrl+a"}) && type(name);
    }
    bool clickRow(const QString& options, int row)
    {
        const QListWidget* list = optionsLayout->lstTeams;
        return click(options,
                     centreOf(optionsLayout.get(), list->viewport(), list->visualItemRect(list->item(row))));
    }
    // Answers a file dialog by typing the file's full path into it.
    bool answerFileDialog(const QString& title, const QString& path)
    {
        const QString dialog = waitForWindow(title);
        return !dialog.isEmpty() && focus(dialog) && type(path) && XDoTool::key({"Return"}) &&
               waitUntilGone(title, dialog);
    }
    // Waits for the file to hold exactly these bytes.
    bool waitForFile(const QString& path, const QByteArray& bytes)
    {
        QDeadlineTimer deadline(Patience);
        while (contentOf(path) != bytes) {
            if (deadline.hasExpired())
                return false;
            QTest::qWait(50);
        }
        return true;
    }

    // A scoreboard of the program's size with the test's model, which the test keeps equal to the
    // program's: its displays stand where the program's do.
    QSize scoreboardSize;
    std::unique_ptr<frmScoreboard> scoreboardLayout()
    {
        auto layout = std::make_unique<frmScoreboard>();
        layout->setAttribute(Qt::WA_DontShowOnScreen);
        layout->resize(scoreboardSize);
        layout->show();
        layout->UpdateForm();
        return layout;
    }
    bool learnScoreboardSize(const QString& scoreboard)
    {
        const auto geometry = XDoTool::run({"getwindowgeometry", "--shell", scoreboard});
        if (!geometry)
            return false;
        scoreboardSize = QSize(geometry->section("WIDTH=", 1).section('\n', 0, 0).toInt(),
                               geometry->section("HEIGHT=", 1).section('\n', 0, 0).toInt());
        return !scoreboardSize.isEmpty();
    }
    QPoint displayCentre(int cell)
    {
        const auto layout = scoreboardLayout();
        return centreOf(layout.get(), layout->nledScore.value(cell, layout->nledScore[0]));
    }
    // The scores on the scoreboard, read off the screen, cell by cell.
    QStringList scores(const QString& scoreboard)
    {
        const auto layout = scoreboardLayout();
        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(scoreboard.toULongLong()).toImage();
        QStringList result;
        for (int cell = 1; cell < layout->nledScore.size(); ++cell) {
            const NumberLED* display = layout->nledScore[cell];
            const QRect area(display->mapTo(layout.get(), QPoint(0, 0)), display->size());
            const auto reading =
                LedReader::read(shot.copy(area.adjusted(-4, -4, 4, 4)), LitColour, LedBackground, 2);
            result << (reading ? reading->value : QStringLiteral("(unreadable)"));
        }
        return result;
    }

private slots:
    void initTestCase()
    {
        if (QGuiApplication::platformName() != QLatin1String("xcb"))
            QSKIP("needs a real X server (the xcb platform); this one runs on another platform");
        if (!XDoTool::installed())
            QSKIP("needs xdotool to click and type on the X server");
        QVERIFY(home.isValid());
        quizFile = home.filePath("quiz.brm");

        optionsLayout = std::make_unique<frmOptions>();
        optionsLayout->setAttribute(Qt::WA_DontShowOnScreen);
        optionsLayout->show();
        optionsLayout->layout()->activate();
        // Three rows, as the quiz host will have.
        optionsLayout->cmdAddTeam->click();
        optionsLayout->cmdAddTeam->click();
    }
    void cleanupTestCase()
    {
        optionsLayout.reset();
        if (program.state() != QProcess::NotRunning) {
            program.kill();
            program.waitForFinished(Patience);
        }
    }

    void aQuizHostsWholePath()
    {
        // A home of its own: nothing the file dialogs remember from other runs.
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        environment.insert("QT_QPA_PLATFORM", "xcb");
        environment.insert("HOME", home.path());
        environment.insert("XDG_CONFIG_HOME", home.filePath("config"));
        program.setProcessEnvironment(environment);
        program.setWorkingDirectory(home.path());
        program.setProgram(BRIMLEY_RUNTIME_DIR "/brimley");
        program.start();
        QVERIFY(program.waitForStarted(Patience));

        // The splash window; a click on it leads to the options window.
        const QString splash = waitForWindow("Brimley");
        QVERIFY2(!splash.isEmpty(), "the splash window did not appear");
        QVERIFY(click(splash, QPoint(20, 20)));
        const QString options = waitForWindow("Brimley", splash);
        QVERIFY2(!options.isEmpty(), "the options window did not appear");
        QVERIFY(waitUntilGone("Brimley", splash));

        // Three teams, named; the names below the scores.
        QVERIFY(focus(options));
        QVERIFY(renameTeam(options, "Foxes"));
        QVERIFY(click(options, centreOf(optionsLayout.get(), optionsLayout->cmdAddTeam)));
        QVERIFY(renameTeam(options, "Owls"));
        QVERIFY(click(options, centreOf(optionsLayout.get(), optionsLayout->cmdAddTeam)));
        QVERIFY(renameTeam(options, "Larks"));
        QVERIFY(click(options, centreOf(optionsLayout.get(), optionsLayout->otnNameBottom)));

        // Save: no file is open yet, so the save dialog asks for a name.
        QVERIFY(XDoTool::key({"ctrl+s"}));
        QVERIFY(answerFileDialog("Save As", quizFile));
        QVERIFY(!waitForWindow("Brimley - " + quizFile).isEmpty());
        QCOMPARE(contentOf(quizFile), expectedFile("Owls"));

        // New, then open the file again.
        QVERIFY(focus(options));
        QVERIFY(XDoTool::key({"ctrl+n"}));
        QCOMPARE(waitForWindow("Brimley"), options);
        QVERIFY(XDoTool::key({"ctrl+o"}));
        QVERIFY(answerFileDialog("Open", quizFile));
        QCOMPARE(waitForWindow("Brimley - " + quizFile), options);

        // To the scoreboard: nothing to save, so nothing is asked.
        QVERIFY(focus(options));
        QVERIFY(XDoTool::key({"ctrl+g"}));
        const QString scoreboard = waitForWindow("Brimley Scoreboard");
        QVERIFY2(!scoreboard.isEmpty(), "the scoreboard did not appear");
        QVERIFY(waitUntilGone("Brimley - " + quizFile, options));

        // Scores typed on the first and the third team's displays.
        QVERIFY(ScoreboardFile::OpenFile(quizFile));
        QVERIFY(learnScoreboardSize(scoreboard));
        QTRY_COMPARE_WITH_TIMEOUT(scores(scoreboard), QStringList({"0", "0", "0"}), Patience);
        QVERIFY(focus(scoreboard));
        QVERIFY(click(scoreboard, displayCentre(1)));
        QVERIFY(XDoTool::key({"4", "2", "Return"}));
        QVERIFY(click(scoreboard, displayCentre(3)));
        QVERIFY(XDoTool::key({"7", "Return", "plus", "5", "Return"}));
        QTRY_COMPARE_WITH_TIMEOUT(scores(scoreboard), QStringList({"42", "0", "12"}), Patience);

        // F1: help. F2 on the scoreboard again: the options, with the file still open.
        QVERIFY(XDoTool::key({"F1"}));
        QVERIFY(!waitForWindow("Brimley Help").isEmpty());
        QVERIFY(focus(scoreboard));
        QVERIFY(XDoTool::key({"F2"}));
        const QString optionsAgain = waitForWindow("Brimley - " + quizFile);
        QVERIFY2(!optionsAgain.isEmpty(), "F2 did not bring the options window back");

        // A team renamed, and back to the scoreboard: the save prompt, answered Yes (its default).
        QVERIFY(focus(optionsAgain));
        QVERIFY(clickRow(optionsAgain, 1));
        QVERIFY(renameTeam(optionsAgain, "Night Owls"));
        QVERIFY(XDoTool::key({"ctrl+g"}));
        const QString prompt = waitForWindow("Save Changes?");
        QVERIFY2(!prompt.isEmpty(), "going to the scoreboard did not ask to save the changes");
        QVERIFY(focus(prompt));
        QVERIFY(XDoTool::key({"Return"}));
        QVERIFY(waitForFile(quizFile, expectedFile("Night Owls")));
        QVERIFY(waitUntilGone("Brimley - " + quizFile, optionsAgain));
        // The scores stay with their cells.
        QVERIFY(ScoreboardFile::OpenFile(quizFile));
        QTRY_COMPARE_WITH_TIMEOUT(scores(scoreboard), QStringList({"42", "0", "12"}), Patience);

        // F2, one more change, and File, Exit: the program ends at once, asking nothing.
        QVERIFY(focus(scoreboard));
        QVERIFY(XDoTool::key({"F2"}));
        const QString lastOptions = waitForWindow("Brimley - " + quizFile);
        QVERIFY(!lastOptions.isEmpty());
        QVERIFY(focus(lastOptions));
        QVERIFY(click(lastOptions, centreOf(optionsLayout.get(), optionsLayout->cmdAddTeam)));
        const QMenuBar* menuBar = optionsLayout->menuBar();
        QVERIFY(click(lastOptions, centreOf(optionsLayout.get(), menuBar,
                                            menuBar->actionGeometry(optionsLayout->mnuFile->menuAction()))));
        QVERIFY(XDoTool::key({"x"}));
        QVERIFY2(program.waitForFinished(Patience), "File, Exit did not end the program");
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
        QCOMPARE(contentOf(quizFile), expectedFile("Night Owls"));
        const QByteArray errors = program.readAllStandardError();
        QVERIFY2(!errors.contains("ERROR: AddressSanitizer") && !errors.contains("runtime error"),
                 errors.constData());
    }
};

QTEST_MAIN(tst_QuizHostEndToEnd)
#include "tst_QuizHostEndToEnd.moc"
