// A quiz night on the real program, on the test's private X server, driven with xdotool as a person
// drives it, through the real Qt file dialogs: the quiz set up and saved, scores typed (keypad, NumLock,
// another layout), the program killed and the scores restored, the standings revealed, the results
// exported, and File, Exit. Files are compared byte for byte, scores read off the screen; where to click
// is learnt from windows of the same classes built inside the test (never shown).

#include "options/ScoreboardFile.h"
#include "options/frmOptions.h"
#include "platform/OptionButton.h"
#include "scoreboard/StandingsLayout.h"
#include "support/BoardReading.h"
#include "support/Controls.h"
#include "support/RunningProgram.h"
#include "support/TestFiles.h"

using TestFiles::contentOf;
#include "support/XkbProbe.h"

#include <QLayout>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QtTest>

using namespace brimley;

namespace {

constexpr int Patience = RunningProgram::Patience;

// The file as the quiz host saves it: the default settings but the names below the scores, and three
// shown teams without pictures (name, ESC, picture path, ESC, shown; '|' stands for ESC here).
const QByteArray SavedQuiz =
    QByteArray("NumLockForce:0\r\nBackColor:4210752\r\nLEDColor:255\r\nLEDBackColor:0\r\n"
               "TextColor:16777215\r\nPosNameToScore:Bottom\r\nPosImgToScore:Right\r\nDigitsWide:2\r\n"
               "HPadding:6\r\nVPadding:6\r\nSpacing:8\r\n---Team Data---\r\nFoxes||1\r\nOwls, Night||1\r\n"
               "Larks||1\r\n")
        .replace('|', '\x1b');

} // namespace

class tst_QuizHostEndToEnd : public QObject
{
    Q_OBJECT

private:
    RunningProgram brimley;
    std::unique_ptr<frmOptions> form; // where the options window has its controls
    QString quizFile, options, board; // the file, and the program's windows
    QList<QRect> displays;            // where the scoreboard's displays stand, cell by cell

    bool clickControl(const QWidget* control, const QRect& part = {})
    {
        return brimley.click(options,
                             control->mapTo(form.get(), (part.isNull() ? control->rect() : part).center()));
    }
    bool renameTeam(const QString& name)
    {
        return clickControl(control<QLineEdit>(form.get(), "txtTeamName")) && XDoTool::key({"ctrl+a"}) &&
               brimley.type(name);
    }
    // Answers the dialog with this title: what is typed into it (a file's full path) if anything, then a key.
    bool answer(const QString& title, const QString& typed = {}, const char* key = "Return")
    {
        const QString dialog = brimley.waitForWindow(title);
        return !dialog.isEmpty() && brimley.focus(dialog) &&
               (typed.isEmpty() || (XDoTool::key({"ctrl+a"}) && brimley.type(typed))) &&
               XDoTool::key({key}) && brimley.gone(title, dialog);
    }
    QStringList scores() { return BoardReading::scoresOn(board, displays); }
    // The standings rows that show, "rank score", read off the screen.
    QStringList standings()
    {
        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(board.toULongLong()).toImage();
        QStringList rows;
        for (const StandingsLayout::Row& row : StandingsLayout::layout(3, shot.size(), 9, 99).rows) {
            const auto rank =
                LedReader::read(shot.copy(row.rank.adjusted(-2, -2, 2, 2)), Qt::red, Qt::black, 1);
            const auto score =
                LedReader::read(shot.copy(row.score.adjusted(-2, -2, 2, 2)), Qt::red, Qt::black, 2);
            rows << (rank && score ? rank->value + " " + score->value : "hidden");
        }
        return rows;
    }

private slots:
    void initTestCase()
    {
        SKIP_WITHOUT_X_SERVER_AND_XDOTOOL();
        QVERIFY(XkbProbe::connect());
        quizFile = brimley.homePath("quiz.brm");
        form = std::make_unique<frmOptions>();
        form->setAttribute(Qt::WA_DontShowOnScreen);
        form->show();
        form->layout()->activate();
        for (int row = 2; row <= 3; ++row) // three rows, as the quiz host will have
            control<QPushButton>(form.get(), "cmdAddTeam")->click();
    }
    void cleanupTestCase()
    {
        XkbProbe::disconnect();
        const QString errors = brimley.stop(); // a sanitizer build of the program reports here
        QVERIFY2(!errors.contains("Sanitizer") && !errors.contains("runtime error"), qPrintable(errors));
    }

    // Three teams, named; the names below the scores. No file is open yet: Save asks for a name. Then to
    // the scoreboard without a question, nothing being changed since.
    void aQuizIsSavedAndScored()
    {
        options = brimley.start({}, "Brimley");
        QVERIFY2(!options.isEmpty(), "the splash did not lead to the options window");
        QVERIFY(brimley.focus(options) && renameTeam("Foxes"));
        QVERIFY(clickControl(control<QPushButton>(form.get(), "cmdAddTeam")) && renameTeam("Owls, Night"));
        QVERIFY(clickControl(control<QPushButton>(form.get(), "cmdAddTeam")) && renameTeam("Larks"));
        QVERIFY(clickControl(control<OptionButton>(form.get(), "otnNameBottom")));
        QVERIFY(XDoTool::key({"ctrl+s"}) && answer("Save As", quizFile));
        QCOMPARE(brimley.waitForWindow("Brimley - " + quizFile), options);
        QCOMPARE(contentOf(quizFile), SavedQuiz);
        QVERIFY(brimley.focus(options) && XDoTool::key({"ctrl+g"}));
        board = brimley.waitForWindow("Brimley Scoreboard");
        QVERIFY2(!board.isEmpty(), "the scoreboard did not appear");
        QVERIFY(brimley.gone("Brimley - " + quizFile, options));
        QVERIFY(ScoreboardFile::OpenFile(quizFile));
        displays = BoardReading::displaysOf(RunningProgram::geometryOf(board).size());
        QTRY_COMPARE_WITH_TIMEOUT(scores(), QStringList({"0", "0", "0"}), Patience);
        QVERIFY(brimley.focus(board) && brimley.click(board, displays[0].center()));
    }

    void typedKeysChangeTheScore_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QStringList>("keys");
        QTest::addColumn<bool>("numLock");
        QTest::addColumn<QString>("after");
        // Each row starts on a cleared first display. Keypad keys are typed by their keycodes (asked for a
        // keypad keysym, xdotool would switch NumLock itself), and so are keys named as XKB names them
        // (AE04, the number row's fourth), which type what the layout has.
        QTest::newRow("keypad digits, keypad Enter")
            << "us" << QStringList{"KP_End", "KP_Home", "KP_Enter"} << true << "17";
        QTest::newRow("keypad plus adds")
            << "us" << QStringList{"1", "0", "Return", "KP_Add", "KP_Left", "KP_Enter"} << true << "14";
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
        QTRY_COMPARE_WITH_TIMEOUT(scores().value(0), "-1", Patience);

        XkbProbe::setNumLock(numLock);
        for (QString& key : keys)
            key = key.startsWith("KP_") ? QString::number(XkbProbe::keycodeOf(qPrintable(key)))
                                        : XkbProbe::byKeycode(key);
        if (layout != "us") {
            if (QStandardPaths::findExecutable("setxkbmap").isEmpty())
                QSKIP("needs setxkbmap to switch the X server's keyboard layout");
            QCOMPARE(QProcess::execute("setxkbmap", {"-layout", layout}), 0);
        }
        const auto restoreLayout = qScopeGuard([] { QProcess::execute("setxkbmap", {"-layout", "us"}); });
        QVERIFY(XDoTool::key(keys));
        QTRY_COMPARE_WITH_TIMEOUT(scores(), QStringList({after, "0", "0"}), Patience);
    }

    // Killed outright, and started again with the file named, as a file manager starts it (relative
    // to its folder here): the scores of the same set-up are offered back, as the default (Yes) has it.
    void scoresSurviveAKilledProgram()
    {
        QVERIFY(brimley.click(board, displays[2].center()) &&
                XDoTool::key({"7", "Return", "plus", "5", "Return"}));
        QTRY_COMPARE_WITH_TIMEOUT(scores(), QStringList({"42", "0", "12"}), Patience);
        brimley.stop(); // SIGKILL: nothing of the program runs after it
        options = brimley.start({"quiz.brm"}, "Brimley - " + quizFile);
        QVERIFY2(!options.isEmpty(), "the file named did not open");
        QVERIFY(brimley.focus(options) && XDoTool::key({"ctrl+g"}));
        QVERIFY2(answer("Restore Scores?"), "the scores were not offered back");
        board = brimley.waitForWindow("Brimley Scoreboard");
        QVERIFY(!board.isEmpty() && brimley.xdo({"windowraise", board}) && brimley.focus(board));
        QTRY_COMPARE_WITH_TIMEOUT(scores(), QStringList({"42", "0", "12"}), Patience);
    }

    void theStandingsAreRevealedFromLastPlaceToFirst()
    {
        QVERIFY(brimley.click(board, displays[0].center()) && XDoTool::key({"shift+F5"}));
        QTRY_COMPARE_WITH_TIMEOUT(standings(), QStringList({"hidden", "hidden", "hidden"}), Patience);
        const QList<QStringList> reveal{
            {"hidden", "hidden", "3 0"}, {"hidden", "2 12", "3 0"}, {"1 42", "2 12", "3 0"}};
        for (const QStringList& shown : reveal) {
            QVERIFY(XDoTool::key({"space"}));
            QTRY_COMPARE_WITH_TIMEOUT(standings(), shown, Patience);
        }
        QVERIFY(XDoTool::key({"Escape"}));
        QTRY_COMPARE_WITH_TIMEOUT(scores(), QStringList({"42", "0", "12"}), Patience);
    }

    void theResultsAreExportedInStandingsOrder()
    {
        QVERIFY(XDoTool::key({"F2"}));
        options = brimley.waitForWindow("Brimley - " + quizFile);
        QVERIFY(!options.isEmpty() && brimley.focus(options) && XDoTool::key({"alt+f", "r"}));
        const QString results = brimley.homePath("night.csv");
        QVERIFY(answer("Save As", results));
        QVERIFY(brimley.waitFor([&] { return QFileInfo(results).size() > 0; }));
        QCOMPARE(contentOf(results),
                 "Rank,Team,Score\r\n1,Foxes,42\r\n2,Larks,12\r\n3,\"Owls, Night\",0\r\n");
    }

    // One more change, and File, Exit: the closing save question. Cancel stays; Yes (its default)
    // saves, and the program ends.
    void fileExitAsksToSaveAndEnds()
    {
        QVERIFY(brimley.focus(options) && clickControl(control<QPushButton>(form.get(), "cmdAddTeam")));
        const QMenuBar* menuBar = form->menuBar();
        const QRect fileMenu = menuBar->actionGeometry(control<QMenu>(form.get(), "mnuFile")->menuAction());
        for (const char* key : {"Escape", "Return"}) {
            QVERIFY(brimley.focus(options) && clickControl(menuBar, fileMenu) && XDoTool::key({"x"}));
            QVERIFY2(answer("Save Changes?", {}, key), "File, Exit did not ask to save the changes");
        }
        QVERIFY2(brimley.program().waitForFinished(Patience), "File, Exit did not end the program");
        QCOMPARE(brimley.program().exitCode(), 0);
        QCOMPARE(contentOf(quizFile), SavedQuiz + QByteArray("Team||1\r\n").replace('|', '\x1b'));
    }
};

QTEST_MAIN(tst_QuizHostEndToEnd)
#include "tst_QuizHostEndToEnd.moc"
