// A quiz night on the real program: scores typed, the program killed outright, started again on the
// same set-up and the scores restored; the standings revealed from last place to first, read off the
// screen; and the results exported and read back as a spreadsheet reads CSV.

#include "options/ScoreboardFile.h"
#include "scoreboard/StandingsLayout.h"
#include "support/BoardReading.h"
#include "support/RunningProgram.h"

#include <QtTest>

using namespace brimley;

namespace {

constexpr int Patience = RunningProgram::Patience;

// RFC 4180, as a spreadsheet reads it: quoted fields may hold commas, doubled quotes and line breaks.
QList<QStringList> readCsv(const QString& text)
{
    QList<QStringList> rows{{}};
    QString field;
    bool quoted = false;
    for (int i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (quoted && c == u'"' && i + 1 < text.size() && text[i + 1] == u'"')
            field += c, ++i;
        else if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u',')
            rows.last() << field, field.clear();
        else if (!quoted && c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            rows.last() << field, field.clear(), rows.append(QStringList()), ++i;
        else
            field += c;
    }
    rows.removeLast(); // after the last line's end
    return rows;
}

} // namespace

class tst_QuizNightEndToEnd : public QObject
{
    Q_OBJECT

private:
    RunningProgram brimley;
    QString quizFile, board;
    QList<QRect> displays;

    QStringList scores() { return BoardReading::scoresOn(board, displays); }

    // From the splash to the scoreboard, answering the question whether to restore the scores if asked.
    bool toTheScoreboard(bool expectRestoreQuestion)
    {
        const QString options = brimley.start({"quiz.brm"}, "Brimley - " + quizFile);
        if (options.isEmpty() || !RunningProgram::focus(options) || !XDoTool::key({"ctrl+g"}))
            return false;
        if (expectRestoreQuestion) {
            const QString question = brimley.waitForWindow("Restore Scores?");
            if (question.isEmpty() || !RunningProgram::focus(question) || !XDoTool::key({"Return"}))
                return false;
        }
        board = brimley.waitForWindow("Brimley Scoreboard");
        return !board.isEmpty() && RunningProgram::xdo({"windowraise", board}) &&
               RunningProgram::focus(board);
    }
    // The standings rows that show, "rank score", read off the screen.
    QStringList standings()
    {
        const QImage shot = QGuiApplication::primaryScreen()->grabWindow(board.toULongLong()).toImage();
        const auto table = StandingsLayout::layout(3, shot.size(), 1, 2);
        QStringList rows;
        for (const StandingsLayout::Row& row : table.rows) {
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
        quizFile = brimley.homePath("quiz.brm");
        model().Teams = {Team{"Foxes", {}, FlagTrue}, Team{"Owls, Night", {}, FlagTrue},
                         Team{"Larks", {}, FlagTrue}};
        QFile file(quizFile);
        QVERIFY(file.open(QIODevice::WriteOnly) && file.write(ScoreboardFile::fileBytes(model())) > 0);
    }
    void cleanupTestCase()
    {
        const QString errors = brimley.stop();
        QVERIFY2(!errors.contains("Sanitizer") && !errors.contains("runtime error"), qPrintable(errors));
    }

    void scoresSurviveAKilledProgram()
    {
        QVERIFY2(toTheScoreboard(false), "the scoreboard did not appear");
        displays = BoardReading::displaysOf(RunningProgram::geometryOf(board).size());
        QTRY_COMPARE_WITH_TIMEOUT(scores(), (QStringList{"0", "0", "0"}), Patience);
        QVERIFY(RunningProgram::click(board, displays[0].center()) && XDoTool::key({"4", "2", "Return"}));
        QVERIFY(RunningProgram::click(board, displays[2].center()) && XDoTool::key({"7", "Return"}));
        QTRY_COMPARE_WITH_TIMEOUT(scores(), (QStringList{"42", "0", "7"}), Patience);

        brimley.stop(); // SIGKILL: nothing of the program runs after it
        QVERIFY2(toTheScoreboard(true), "the scores were not offered back");
        QTRY_COMPARE_WITH_TIMEOUT(scores(), (QStringList{"42", "0", "7"}), Patience);
    }

    void theStandingsAreRevealedFromLastPlaceToFirst()
    {
        QVERIFY(RunningProgram::click(board, displays[0].center()) && XDoTool::key({"shift+F5"}));
        QTRY_COMPARE_WITH_TIMEOUT(standings(), (QStringList{"hidden", "hidden", "hidden"}), Patience);
        const QList<QStringList> reveal{
            {"hidden", "hidden", "3 0"}, {"hidden", "2 7", "3 0"}, {"1 42", "2 7", "3 0"}};
        for (const QStringList& shown : reveal) {
            QVERIFY(XDoTool::key({"space"}));
            QTRY_COMPARE_WITH_TIMEOUT(standings(), shown, Patience);
        }
        QVERIFY(XDoTool::key({"Escape"}));
        QTRY_COMPARE_WITH_TIMEOUT(scores(), (QStringList{"42", "0", "7"}), Patience);
    }

    void theResultsReadBackAsASpreadsheetReadsThem()
    {
        QVERIFY(XDoTool::key({"F2"}));
        const QString options = brimley.waitForWindow("Brimley - " + quizFile);
        QVERIFY(!options.isEmpty() && RunningProgram::focus(options) && XDoTool::key({"alt+f", "r"}));
        const QString dialog = brimley.waitForWindow("Save As");
        const QString results = brimley.homePath("night.csv");
        QVERIFY(!dialog.isEmpty() && RunningProgram::focus(dialog) && XDoTool::key({"ctrl+a"}) &&
                RunningProgram::type(results) && XDoTool::key({"Return"}));
        QFile file(results);
        QVERIFY(RunningProgram::waitFor([&] { return file.exists() && file.size() > 0; }));
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(readCsv(QString::fromUtf8(file.readAll())), (QList<QStringList>{{"Rank", "Team", "Score"},
                                                                                 {"1", "Foxes", "42"},
                                                                                 {"2", "Larks", "7"},
                                                                                 {"3", "Owls, Night", "0"}}));
    }
};

QTEST_MAIN(tst_QuizNightEndToEnd)
#include "tst_QuizNightEndToEnd.moc"
