// The operator's console on a desktop of two screens, with the real program: a private X server whose
// screen is split into two monitors, the operator's laptop (1280 x 800) and the projector beside it
// (1920 x 1080). The board must go full screen on the projector and the console to the laptop, the
// quiz be scored from the console alone, and nothing the operator calls up cover the board.

#include "options/ScoreboardFile.h"
#include "support/BoardReading.h"
#include "support/RunningProgram.h"
#include "support/TestFiles.h"

#include <QScreen>
#include <QtTest>

using namespace brimley;

namespace {

const QRect Operator(0, 0, 1280, 800);
const QRect Projector(1280, 0, 1920, 1080);
constexpr int Patience = RunningProgram::Patience;

} // namespace

class tst_ConsoleEndToEnd : public QObject
{
    Q_OBJECT

private:
    RunningProgram brimley;
    QString board, console;
    QList<QRect> displays; // where the board's displays stand on the projector

    QStringList scores() { return BoardReading::scoresOn(board, displays); }

private slots:
    void initTestCase()
    {
        SKIP_WITHOUT_X_SERVER_AND_XDOTOOL();
        if (QStandardPaths::findExecutable("xrandr").isEmpty())
            QSKIP("needs xrandr to split the X screen into two monitors");
        for (const char* monitor :
             {"OPERATOR 1280/338x800/211+0+0 none", "PROJECTOR 1920/508x1080/286+1280+0 screen"})
            QVERIFY2(QProcess::execute("xrandr", QString("--setmonitor %1").arg(monitor).split(' ')) == 0,
                     "the X screen could not be split into two monitors");
        QTRY_COMPARE_WITH_TIMEOUT(QGuiApplication::screens().size(), 2, Patience);

        model().Teams = {Team{"Foxes", {}, FlagTrue}, Team{"Owls", {}, FlagTrue},
                         Team{"Larks", {}, FlagTrue}};
        QVERIFY(TestFiles::write(brimley.homePath("quiz.brm"), ScoreboardFile::fileBytes(model())));
        displays = BoardReading::displaysOf(Projector.size());
    }
    void cleanupTestCase()
    {
        const QString errors = brimley.stop();
        QVERIFY2(!errors.contains("Sanitizer") && !errors.contains("runtime error"), qPrintable(errors));
    }

    void theBoardGoesToTheProjectorAndTheConsoleToTheOperator()
    {
        const QString options = brimley.start({"quiz.brm"}, "Brimley - " + brimley.homePath("quiz.brm"));
        QVERIFY2(!options.isEmpty(), "the options window did not appear");
        QVERIFY(brimley.focus(options) && XDoTool::key({"ctrl+g"}));
        board = brimley.waitForWindow("Brimley Scoreboard");
        console = brimley.waitForWindow("Brimley Console");
        QVERIFY2(!board.isEmpty() && !console.isEmpty(), "the board or the console did not appear");
        QTRY_COMPARE_WITH_TIMEOUT(brimley.geometryOf(board), Projector, Patience);
        QVERIFY(Operator.contains(brimley.geometryOf(console)));
        QTRY_COMPARE_WITH_TIMEOUT(scores(), (QStringList{"0", "0", "0"}), Patience);
    }

    void theQuizIsScoredFromTheConsole()
    {
        QVERIFY(brimley.focus(console));
        QVERIFY(XDoTool::key({"4", "2", "Return", "Down", "7", "Return", "Tab", "plus", "3", "Return"}));
        QTRY_COMPARE_WITH_TIMEOUT(scores(), (QStringList{"42", "7", "3"}), Patience);
        QVERIFY(XDoTool::key({"ctrl+z"}));
        QTRY_COMPARE_WITH_TIMEOUT(scores(), (QStringList{"42", "7", "0"}), Patience);
    }

    // The options window and its file dialogs open on the operator's screen, never over the board.
    void whatTheOperatorCallsUpStaysOnTheOperatorsScreen()
    {
        QVERIFY(brimley.focus(console) && XDoTool::key({"F2"}));
        const QString options = brimley.waitForWindow("Brimley - " + brimley.homePath("quiz.brm"));
        QVERIFY2(!options.isEmpty(), "F2 did not bring the options window");
        QVERIFY(Operator.contains(brimley.geometryOf(options).center()));
        QVERIFY(brimley.focus(options) && XDoTool::key({"ctrl+o"}));
        const QString dialog = brimley.waitForWindow("Open");
        QVERIFY2(!dialog.isEmpty(), "File, Open showed no dialog");
        QVERIFY(Operator.contains(brimley.geometryOf(dialog).center()));
        QVERIFY(brimley.focus(dialog) && XDoTool::key({"Escape"}) && brimley.gone("Open", dialog));
        QCOMPARE(brimley.geometryOf(board), Projector);
    }

    // Chosen as the audience screen, the operator's own screen takes the board.
    void theOperatorsScreenChosenTakesTheBoard()
    {
        const QString options = brimley.waitForWindow("Brimley - " + brimley.homePath("quiz.brm"));
        QScreen* operatorScreen = QGuiApplication::screenAt(Operator.center());
        QVERIFY(operatorScreen && operatorScreen->name() == "OPERATOR");
        const QString number = QString::number(QGuiApplication::screens().indexOf(operatorScreen) + 1);
        QVERIFY(brimley.focus(options) && XDoTool::key({"alt+v", "a", number}));
        QTRY_COMPARE_WITH_TIMEOUT(brimley.geometryOf(board), Operator, Patience);
    }

    // The board's screen taken away (its cable pulled), the board goes full screen on one that is left.
    void aScreenTakenAwayTakesTheBoardToOneLeft()
    {
        QCOMPARE(QProcess::execute("xrandr", {"--delmonitor", "OPERATOR"}), 0);
        QTRY_COMPARE_WITH_TIMEOUT(brimley.geometryOf(board), Projector, Patience);
    }
};

QTEST_MAIN(tst_ConsoleEndToEnd)
#include "tst_ConsoleEndToEnd.moc"
