// The real program on the test's private X server, driven with xdotool as a person at the mouse and
// keyboard drives it, through the real Qt file dialogs. The saved file is compared byte for byte and
// the scores are read off the screen as the audience sees them. Where to click is learnt from windows
// of the same classes built inside the test (never shown), not from guessed pixels.

#include "led/NumberLED.h"
#include "options/ScoreboardFile.h"
#include "options/frmOptions.h"
#include "platform/OptionButton.h"
#include "scoreboard/frmScoreboard.h"
#include "support/BoardReading.h"
#include "support/RunningProgram.h"

#include "support/Controls.h"
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPushButton>
#include <QScreen>

#include <QtTest>

using namespace brimley;

namespace {

constexpr int Patience = RunningProgram::Patience;

// The file as the quiz host saves it: the default settings but the names below the scores, and three
// shown teams without pictures (name, ESC, picture path, ESC, shown).
QByteArray expectedFile(const QByteArray& secondTeam)
{
    QByteArray file = "NumLockForce:0\r\nBackColor:4210752\r\nLEDColor:255\r\nLEDBackColor:0\r\n"
                      "TextColor:16777215\r\nPosNameToScore:Bottom\r\nPosImgToScore:Right\r\nDigitsWide:2\r\n"
                      "HPadding:6\r\nVPadding:6\r\nSpacing:8\r\n---Team Data---\r\n";
    for (const QByteArray& name : {QByteArray("Foxes"), secondTeam, QByteArray("Larks")})
        file += name + "\x1b\x1b"
                       "1\r\n";
    return file;
}

QByteArray contentOf(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

bool focus(const QString& window)
{
    return RunningProgram::focus(window);
}
bool type(const QString& text)
{
    return RunningProgram::type(text);
}
bool click(const QString& window, QPoint at)
{
    return RunningProgram::click(window, at);
}
bool gone(const QString& title, const QString& window)
{
    return RunningProgram::gone(title, window);
}
template <typename Condition> bool waitFor(Condition done)
{
    return RunningProgram::waitFor(done);
}

} // namespace

class tst_QuizHostEndToEnd : public QObject
{
    Q_OBJECT

private:
    RunningProgram brimley;
    std::unique_ptr<frmOptions> options; // where the options window has its controls
    QList<QRect> displays;               // where the scoreboard's displays stand, cell by cell

    QString waitForWindow(const QString& title, const QString& besides = {})
    {
        return brimley.waitForWindow(title, besides);
    }
    bool clickControl(const QString& window, const QWidget* control, const QRect& part = {})
    {
        return click(window,
                     control->mapTo(options.get(), (part.isNull() ? control->rect() : part).center()));
    }
    bool renameTeam(const QString& window, const QString& name)
    {
        return clickControl(window, control<QLineEdit>(options.get(), "txtTeamName")) &&
               XDoTool::key({"ctrl+a"}) && type(name);
    }
    // Answers a file dialog by typing the file's full path into it.
    bool answerFileDialog(const QString& title, const QString& path)
    {
        const QString dialog = waitForWindow(title);
        return !dialog.isEmpty() && focus(dialog) && type(path) && XDoTool::key({"Return"}) &&
               gone(title, dialog);
    }
    // From a scoreboard of the program's size showing the same file, built here.
    bool learnDisplays(const QString& scoreboard, const QString& file)
    {
        if (!ScoreboardFile::OpenFile(file))
            return false;
        displays = BoardReading::displaysOf(RunningProgram::geometryOf(scoreboard).size());
        return true;
    }
    QStringList scores(const QString& scoreboard) { return BoardReading::scoresOn(scoreboard, displays); }

private slots:
    void initTestCase()
    {
        SKIP_WITHOUT_X_SERVER_AND_XDOTOOL();
        options = std::make_unique<frmOptions>();
        options->setAttribute(Qt::WA_DontShowOnScreen);
        options->show();
        options->layout()->activate();
        control<QPushButton>(options.get(), "cmdAddTeam")->click(); // three rows, as the quiz host will have
        control<QPushButton>(options.get(), "cmdAddTeam")->click();
    }
    void cleanupTestCase()
    {
        options.reset();
        brimley.stop();
    }

    void aQuizHostsWholePath()
    {
        const QString quizFile = brimley.homePath("quiz.brm");
        const QString window = brimley.start({}, "Brimley");
        QVERIFY2(!window.isEmpty(), "the splash did not lead to the options window");

        // Three teams, named; the names below the scores. No file is open yet: Save asks for a name.
        QVERIFY(focus(window));
        QVERIFY(renameTeam(window, "Foxes"));
        QVERIFY(clickControl(window, control<QPushButton>(options.get(), "cmdAddTeam")));
        QVERIFY(renameTeam(window, "Owls"));
        QVERIFY(clickControl(window, control<QPushButton>(options.get(), "cmdAddTeam")));
        QVERIFY(renameTeam(window, "Larks"));
        QVERIFY(clickControl(window, control<OptionButton>(options.get(), "otnNameBottom")));
        QVERIFY(XDoTool::key({"ctrl+s"}));
        QVERIFY(answerFileDialog("Save As", quizFile));
        QCOMPARE(waitForWindow("Brimley - " + quizFile), window);
        QCOMPARE(contentOf(quizFile), expectedFile("Owls"));

        // New, then the file opened again.
        QVERIFY(focus(window));
        QVERIFY(XDoTool::key({"ctrl+n"}));
        QCOMPARE(waitForWindow("Brimley"), window);
        QVERIFY(XDoTool::key({"ctrl+o"}));
        QVERIFY(answerFileDialog("Open", quizFile));
        QCOMPARE(waitForWindow("Brimley - " + quizFile), window);

        // To the scoreboard without a question, nothing being changed since.
        QVERIFY(focus(window));
        QVERIFY(XDoTool::key({"ctrl+g"}));
        const QString scoreboard = waitForWindow("Brimley Scoreboard");
        QVERIFY2(!scoreboard.isEmpty(), "the scoreboard did not appear");
        QVERIFY(gone("Brimley - " + quizFile, window));

        // Scores typed on the first and the third team's displays.
        QVERIFY(learnDisplays(scoreboard, quizFile));
        QTRY_COMPARE_WITH_TIMEOUT(scores(scoreboard), QStringList({"0", "0", "0"}), Patience);
        QVERIFY(focus(scoreboard));
        QVERIFY(click(scoreboard, displays[0].center()));
        QVERIFY(XDoTool::key({"4", "2", "Return"}));
        QVERIFY(click(scoreboard, displays[2].center()));
        QVERIFY(XDoTool::key({"7", "Return", "plus", "5", "Return"}));
        QTRY_COMPARE_WITH_TIMEOUT(scores(scoreboard), QStringList({"42", "0", "12"}), Patience);

        // F1: help, over the scoreboard.
        QVERIFY(XDoTool::key({"F1"}));
        QVERIFY2(!waitForWindow("Brimley Help").isEmpty(), "F1 did not show the help window");
        QVERIFY(focus(scoreboard));
        // F2: the options, the file still open. A team renamed, and back: the save prompt, answered Yes
        // (its default); the scores stay with their cells.
        QVERIFY(XDoTool::key({"F2"}));
        QString again = waitForWindow("Brimley - " + quizFile);
        QVERIFY2(!again.isEmpty(), "F2 did not bring the options window back");
        QVERIFY(focus(again));
        const QListWidget* list = control<QListWidget>(options.get(), "lstTeams");
        QVERIFY(clickControl(again, list->viewport(), list->visualItemRect(list->item(1))));
        QVERIFY(renameTeam(again, "Night Owls"));
        QVERIFY(XDoTool::key({"ctrl+g"}));
        const QString prompt = waitForWindow("Save Changes?");
        QVERIFY2(!prompt.isEmpty(), "going to the scoreboard did not ask to save the changes");
        QVERIFY(focus(prompt));
        QVERIFY(XDoTool::key({"Return"}));
        QVERIFY(waitFor([&] { return contentOf(quizFile) == expectedFile("Night Owls"); }));
        QVERIFY(gone("Brimley - " + quizFile, again));
        QTRY_COMPARE_WITH_TIMEOUT(scores(scoreboard), QStringList({"42", "0", "12"}), Patience);

        // F2, one more change, and File, Exit: the closing save prompt. Cancel stays; Yes (its default)
        // saves, and the program ends.
        QVERIFY(focus(scoreboard));
        QVERIFY(XDoTool::key({"F2"}));
        again = waitForWindow("Brimley - " + quizFile);
        QVERIFY(focus(again));
        QVERIFY(clickControl(again, control<QPushButton>(options.get(), "cmdAddTeam")));
        const QMenuBar* menuBar = options->menuBar();
        for (const char* answer : {"Escape", "Return"}) {
            QVERIFY(focus(again));
            QVERIFY(clickControl(
                again, menuBar,
                menuBar->actionGeometry(control<QMenu>(options.get(), "mnuFile")->menuAction())));
            QVERIFY(XDoTool::key({"x"}));
            const QString exitPrompt = waitForWindow("Save Changes?");
            QVERIFY2(!exitPrompt.isEmpty(), "File, Exit did not ask to save the changes");
            QVERIFY(focus(exitPrompt) && XDoTool::key({answer}) && gone("Save Changes?", exitPrompt));
        }
        QVERIFY2(brimley.program().waitForFinished(Patience), "File, Exit did not end the program");
        QCOMPARE(brimley.program().exitCode(), 0);
        QCOMPARE(contentOf(quizFile), expectedFile("Night Owls") + "Team\x1b\x1b"
                                                                   "1\r\n");
        const QString errors = brimley.stop();
        QVERIFY2(!errors.contains("Sanitizer") && !errors.contains("runtime error"), qPrintable(errors));

        // Started again with the file named, as a file manager starts it (relative to its folder here).
        QVERIFY2(!brimley.start({"quiz.brm"}, "Brimley - " + quizFile).isEmpty(),
                 "the file named did not open");
    }
};

QTEST_MAIN(tst_QuizHostEndToEnd)
#include "tst_QuizHostEndToEnd.moc"
