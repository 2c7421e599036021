// Exporting a quiz night: the results and the score log as CSV files, with the overwrite question, and
// a failed write told and harmless.

#include "app/Settings.h"
#include "options/ExportCommands.h"
#include "platform/Dialogs.h"
#include "scoreboard/Game.h"

#include <QtTest>

using namespace brimley;
namespace Testing = brimley::Dialogs::Testing;

namespace {

QByteArray contentOf(const QString& path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<none>");
}

} // namespace

class tst_ExportCommands : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;

private slots:
    void init()
    {
        Testing::enable();
        Testing::reset();
        Game::instance().reset();
        SetDefaults();
        model().Teams = {Team{"Ants", {}, FlagTrue}, Team{"Bees, \"the\"", {}, FlagTrue},
                         Team{"Hidden", {}, FlagFalse}, Team{"Cats", {}, FlagTrue}};
    }
    void cleanup() { QCOMPARE(Testing::unexpected(), 0); }

    // The shown teams in standings order, a name with a comma and quotes quoted, a team without a
    // score last with neither rank nor score; ".csv" added to a name typed without one.
    void resultsAreWrittenInStandingsOrder()
    {
        const QVector<Team>& teams = model().Teams;
        Game::instance().setScore(teams[0].Identity, "7");
        Game::instance().setScore(teams[1].Identity, "9");
        Game::instance().setScore(teams[3].Identity, "-1");
        Testing::queueFile(folder.filePath("results"));
        QVERIFY(ExportCommands::exportResults(nullptr));
        QCOMPARE(contentOf(folder.filePath("results.csv")),
                 QByteArray("Rank,Team,Score\r\n1,\"Bees, \"\"the\"\"\",9\r\n2,Ants,7\r\n,Cats,\r\n"));

        // Replacing it is asked first; No keeps it. The dialog starts in the folder exported to.
        Game::instance().setScore(teams[0].Identity, "0");
        Testing::reset();
        Testing::queueFile(folder.filePath("results.csv"));
        Testing::queueAnswer(Dialogs::Answer::No);
        QVERIFY(!ExportCommands::exportResults(nullptr));
        QVERIFY(contentOf(folder.filePath("results.csv")).contains("2,Ants,7"));
        QCOMPARE(QFileInfo(Testing::shown().constFirst().startPath).absolutePath(), folder.path());
        QCOMPARE(Testing::shown().constLast().title, "Overwrite file?");
    }

    // The game's changes as they were made; a new game that changes nothing adds none.
    void theScoreLogHoldsEveryChange()
    {
        const TeamId ants = model().Teams[0].Identity;
        Game::instance().setScore(ants, "12");
        Game::instance().undo();
        Game::instance().newGame(model().Teams);
        Testing::queueFile(folder.filePath("log.csv"));
        QVERIFY(ExportCommands::exportScoreLog(nullptr));
        const QString log =
            QString(contentOf(folder.filePath("log.csv"))).remove(QRegularExpression("\\S{19},"));
        QCOMPARE(log, "Time,Team,Old score,New score,Cause\r\nAnts,0,12,typed\r\nAnts,12,0,undo\r\n");
    }

    void aFailedWriteIsToldAndLeavesNothing()
    {
        const QString path = folder.filePath("missing/results.csv");
        Testing::queueFile(path);
        QVERIFY(!ExportCommands::exportResults(nullptr));
        QCOMPARE(Testing::shown().constLast().kind, Testing::Shown::Message);
        QVERIFY(Testing::shown().constLast().text.contains(path));
        QVERIFY(!QFile::exists(path));
    }
};

QTEST_MAIN(tst_ExportCommands)
#include "tst_ExportCommands.moc"
