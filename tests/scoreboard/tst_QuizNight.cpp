// The quiz-night features: the standings, the CSV exports and their commands, and the recovery file
// that brings scores back after a crash, with the game's commands that keep and offer it.

#include "app/Settings.h"
#include "options/ExportCommands.h"
#include "platform/Dialogs.h"
#include "scoreboard/CsvExport.h"
#include "scoreboard/Game.h"
#include "scoreboard/GameCommands.h"
#include "scoreboard/RecoveryKeeper.h"
#include "scoreboard/ScoreRecovery.h"
#include "scoreboard/Standings.h"
#include "support/TestFiles.h"

#include <QtTest>

using namespace brimley;
using ScoreRecovery::Recovery;
using TestFiles::contentOf;
namespace Testing = brimley::Dialogs::Testing;

Q_DECLARE_METATYPE(brimley::ScoreRecovery::Recovery)

namespace {

// A strict RFC 4180 reader: nothing for a bare CR or LF, a stray quote, or a last record without CR LF.
std::optional<QList<QStringList>> parsedCsv(const QByteArray& bytes)
{
    static const QRegularExpression field(R"re((?:"((?:[^"]|"")*)"|([^,"\r\n]*))(,|\r\n))re");
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> rows{{}};
    for (qsizetype at = 0; at < text.size();) {
        const QRegularExpressionMatch match = field.match(text, at, QRegularExpression::NormalMatch,
                                                          QRegularExpression::AnchorAtOffsetMatchOption);
        if (!match.hasMatch())
            return std::nullopt;
        rows.back() << match.captured(1).replace("\"\"", "\"") + match.captured(2);
        if (match.captured(3) == "\r\n")
            rows.append(QStringList());
        at = match.capturedEnd();
    }
    if (!rows.back().isEmpty())
        return std::nullopt;
    rows.removeLast();
    return rows;
}

// "-" before a name hides the team; each row has a picture of its own.
QVector<Team> teams(std::initializer_list<const char*> names)
{
    QVector<Team> list;
    for (const char* name : names) {
        const bool hidden = name[0] == '-';
        const QString picture = QString("/p/%1.png").arg(list.size());
        list.append(Team{hidden ? name + 1 : name, picture, hidden ? FlagFalse : FlagTrue});
    }
    return list;
}

Recovery sample()
{
    return {"/quiz/Friday.brm",
            QDateTime(QDate(2026, 12, 7), QTime(20, 15, 3, 250), Qt::UTC),
            {{0, "Café Ωмега 🏀", "/p/a.png", "12"}, {2, "Two\r\nlines, \"quoted\"", "", "-1"}}};
}

// JSON under a header that vouches for it, to reach the checks behind the hash.
QByteArray sealed(const QByteArray& json)
{
    return "Brimley score recovery 1 " + QCryptographicHash::hash(json, QCryptographicHash::Sha256).toHex() +
           '\n' + json;
}

} // namespace

class tst_QuizNight : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;
    QString recoveryFile = folder.filePath("kept/recovery.scores");

    // The scores of the teams in the list, shown or not.
    QString scores()
    {
        QStringList scores;
        for (const Team& team : model().Teams)
            scores << Game::instance().scoreOf(team.Identity);
        return scores.join(' ');
    }

private slots:
    void initTestCase()
    {
        Testing::enable();
        RecoveryKeeper::start(recoveryFile);
    }
    void init()
    {
        Testing::reset();
        Game::instance().reset();
        ScoreRecovery::discard(recoveryFile);
        SetDefaults();
        model().CurrentFile = "/quiz/finals.brm";
        model().Teams = {Team{"Ants", {}, FlagTrue}, Team{"Bees, \"the\"", {}, FlagTrue},
                         Team{"Hidden", {}, FlagFalse}, Team{"Cats", {}, FlagTrue}};
    }
    void cleanup() { QCOMPARE(Testing::unexpected(), 0); }

    void standingsRankTiesAlikeAndScorelessTeamsLast_data()
    {
        QTest::addColumn<QStringList>("scores");    // in cell order
        QTest::addColumn<QString>("cellsAndRanks"); // standings order, cell:rank
        QTest::newRow("ties skip ranks") << QStringList{"3", "7", "9", "7"} << "2:1 1:2 3:2 0:4";
        QTest::newRow("cleared last") << QStringList{"-1", "5", "-1", "6"} << "3:1 1:2 0:0 2:0";
        QTest::newRow("all cleared") << QStringList{"-1", "-1", "-1"} << "0:0 1:0 2:0";
        QTest::newRow("one team") << QStringList{"0"} << "0:1";
        QTest::newRow("no team") << QStringList{} << "";
        QTest::newRow("all equal") << QStringList{"4", "4", "4", "4"} << "0:1 1:1 2:1 3:1";
        QTest::newRow("odd captions")
            << QStringList{"+5", "007", " 8", "", "1e3", "٣", "7", "-5"} << "1:1 6:1 0:0 2:0 3:0 4:0 5:0 7:0";
        QTest::newRow("beyond 64 bits")
            << QStringList{"9999999999999999999", "100000000000000000000"} << "1:1 0:2";
        QStringList alike; // more than a sort leaves to its insertion pass: equal scores keep cell order
        for (int i = 0; i < 20; ++i)
            alike << QString::number(i) + ":1";
        QTest::newRow("twenty alike") << QStringList(20, "4") << alike.join(' ');
    }
    void standingsRankTiesAlikeAndScorelessTeamsLast()
    {
        QFETCH(QStringList, scores);
        QVector<Standings::Entry> cells;
        for (int i = 0; i < scores.size(); ++i)
            cells.append({TeamId(100 + i), QString::number(i), scores[i]});
        const QVector<Standings::Place> standings = Standings::ranked(cells);
        QStringList placed;
        for (const Standings::Place& place : standings) {
            QCOMPARE(place.entry.team, TeamId(100 + place.entry.name.toInt()));
            placed << place.entry.name + ':' + QString::number(place.rank);
        }
        QTEST(placed.join(' '), "cellsAndRanks");
    }

    void csvQuotesOnlyWhereNeeded_data()
    {
        QTest::addColumn<QStringList>("row");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("plain") << QStringList{"a", "b c"} << QByteArray("a,b c\r\n");
        QTest::newRow("comma") << QStringList{"a,b"} << QByteArray("\"a,b\"\r\n");
        QTest::newRow("quote") << QStringList{"say \"hi\""} << QByteArray("\"say \"\"hi\"\"\"\r\n");
        QTest::newRow("CR") << QStringList{"a\rb"} << QByteArray("\"a\rb\"\r\n");
        QTest::newRow("LF") << QStringList{"a\nb"} << QByteArray("\"a\nb\"\r\n");
        QTest::newRow("CRLF") << QStringList{"a\r\nb"} << QByteArray("\"a\r\nb\"\r\n");
        QTest::newRow("blank ends") << QStringList{" a", "b\t"} << QByteArray("\" a\",\"b\t\"\r\n");
        QTest::newRow("empty fields") << QStringList{"", ""} << QByteArray(",\r\n");
        QTest::newRow("one empty field") << QStringList{""} << QByteArray("\"\"\r\n");
        QTest::newRow("non-ASCII") << QStringList{"Café Ωмега 🏀"} << QString("Café Ωмега 🏀\r\n").toUtf8();
    }
    void csvQuotesOnlyWhereNeeded()
    {
        QFETCH(QStringList, row);
        QTEST(CsvExport::csv({row}), "bytes");
        QCOMPARE(parsedCsv(CsvExport::csv({row})), QList<QStringList>{row});
    }

    void recoverySurvivesARoundTripThroughItsFile_data()
    {
        QTest::addColumn<Recovery>("recovery");
        QTest::newRow("names with line ends, quotes, non-ASCII") << sample();
        QTest::newRow("no file open, no time, no team") << Recovery{};
        QTest::newRow("last row") << Recovery{
            "C:\\q.brm", QDateTime::currentDateTime(), {{32766, "", "", "0"}}};
    }
    // Back whole from its file, gone once discarded; every cut of it is refused.
    void recoverySurvivesARoundTripThroughItsFile()
    {
        QFETCH(Recovery, recovery);
        QTemporaryDir dir;
        const QString path = dir.filePath("made/for/it/recovery.scores");
        QVERIFY(ScoreRecovery::save(recovery, path));
        QCOMPARE(ScoreRecovery::load(path), recovery);
        ScoreRecovery::discard(path);
        QCOMPARE(ScoreRecovery::load(path), std::nullopt);
        const QByteArray whole = ScoreRecovery::bytes(recovery);
        for (qsizetype n = 0; n < whole.size(); ++n)
            QVERIFY2(!ScoreRecovery::read(whole.left(n)), qPrintable(QString::number(n)));
    }

    void damagedRecoveryIsRefused_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray good = ScoreRecovery::bytes(sample());
        const QByteArray json = good.mid(good.indexOf('\n') + 1);
        QCOMPARE(sealed(json), good);
        const auto with = [&json](const char* from, const char* to) {
            return sealed(QByteArray(json).replace(from, to));
        };
        QTest::newRow("empty") << QByteArray();
        QTest::newRow("random bytes") << QByteArray("\x89PNG\r\n\x1a\n\0\xff{\"", 12);
        QTest::newRow("no header") << json;
        QTest::newRow("other format") << QByteArray(good).replace("Brimley score", "Brimley");
        QTest::newRow("later version") << QByteArray(good).replace("recovery 1 ", "recovery 2 ");
        QTest::newRow("a score changed") << QByteArray(good).replace("\"12\"", "\"13\"");
        QTest::newRow("a list") << sealed("[]");
        QTest::newRow("bad time") << with("2026-12-07", "2026-13-07");
        QTest::newRow("teams as object") << sealed(R"({"file":"","teams":{},"written":""})");
        QTest::newRow("index as text") << with("\"index\":0", "\"index\":\"0\"");
        QTest::newRow("rows out of order") << with("\"index\":0", "\"index\":2");
        QTest::newRow("row past the list") << with("\"index\":2", "\"index\":32767");
        QTest::newRow("score as number") << with("\"score\":\"12\"", "\"score\":12");
        QTest::newRow("score not a display's") << with("\"score\":\"12\"", "\"score\":\"012\"");
        QTest::newRow("name missing") << with("\"name\":", "\"nom\":");
        QTest::newRow("trailing bytes") << sealed(json + "}");
    }
    void damagedRecoveryIsRefused()
    {
        QFETCH(QByteArray, bytes);
        QCOMPARE(ScoreRecovery::read(bytes), std::nullopt);
    }

    void recoveryMatchesOnlyItsOwnSetUp_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QVector<Team>>("list");
        QTest::addColumn<bool>("matches");
        QTest::newRow("same") << "/q.brm" << teams({"A", "-B", "C"}) << true;
        QTest::newRow("hidden team added last") << "/q.brm" << teams({"A", "-B", "C", "-D"}) << true;
        QTest::newRow("other file") << "/r.brm" << teams({"A", "-B", "C"}) << false;
        QTest::newRow("renamed") << "/q.brm" << teams({"A", "-B", "c"}) << false;
        QTest::newRow("reordered") << "/q.brm" << teams({"C", "-B", "A"}) << false;
        QTest::newRow("team hidden") << "/q.brm" << teams({"A", "-B", "-C"}) << false;
        QTest::newRow("hidden team shown") << "/q.brm" << teams({"A", "B", "C"}) << false;
        QTest::newRow("team added") << "/q.brm" << teams({"A", "-B", "C", "D"}) << false;
        QTest::newRow("rows moved") << "/q.brm" << teams({"A", "C"}) << false;
        QVector<Team> otherPicture = teams({"A", "-B", "C"});
        otherPicture[2].TeamPicture.clear();
        QTest::newRow("other picture") << "/q.brm" << otherPicture << false;
    }
    void recoveryMatchesOnlyItsOwnSetUp()
    {
        QFETCH(QString, file);
        QFETCH(QVector<Team>, list);
        const Recovery recovery = ScoreRecovery::capture("/q.brm", teams({"A", "-B", "C"}), {}, {});
        QTEST(ScoreRecovery::matches(recovery, file, list), "matches");
    }

    // A file of up to 16 MB is read, one byte more is not (a full team list fits well below it); scores
    // too many to be read again are not written, so that they never replace a good file.
    void recoveryFilesStayWithin16MB()
    {
        const QString path = folder.filePath("large.scores");
        const QByteArray good = ScoreRecovery::bytes(sample());
        for (const int size : {16 * 1024 * 1024, 16 * 1024 * 1024 + 1}) {
            const QByteArray json = good.mid(good.indexOf('\n') + 1) + QByteArray(size - good.size(), ' ');
            QVERIFY(TestFiles::write(path, sealed(json))); // blanks, which JSON allows
            QCOMPARE(ScoreRecovery::load(path).has_value(), size == 16 * 1024 * 1024);
        }
        QVERIFY(ScoreRecovery::save(sample(), path));
        Recovery tooMany;
        tooMany.currentFile = QString(16 * 1024 * 1024, u'x');
        const SafeFile::Result result = ScoreRecovery::save(tooMany, path);
        QVERIFY2(!result && result.reason.contains("too many"), qPrintable(result.reason));
        QCOMPARE(ScoreRecovery::load(path), sample());
    }

    // Every change is kept as it is made; the game is offered back once a run, as the game has begun.
    void anUnfinishedGameOfTheSameSetUpIsOfferedBackOnce_data()
    {
        QTest::addColumn<QString>("answer"); // empty: no question
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("leftTheStart");
        QTest::addColumn<QString>("after");
        const QString zeroes = "0 0 0 0";
        const QString finals = "/quiz/finals.brm", semis = "/quiz/semis.brm";
        QTest::newRow("Yes restores") << "Yes" << finals << true << "12 0 0 -1";
        QTest::newRow("No starts from 0") << "No" << finals << true << zeroes;
        QTest::newRow("another set-up: not asked") << "" << semis << true << zeroes;
        QTest::newRow("never left the start: not asked") << "" << finals << false << zeroes;
    }
    void anUnfinishedGameOfTheSameSetUpIsOfferedBackOnce()
    {
        QFETCH(QString, answer);
        QFETCH(QString, file);
        QFETCH(bool, leftTheStart);
        const TeamId ants = model().Teams[0].Identity;
        if (leftTheStart) {
            Game::instance().setScore(ants, "12");
            Game::instance().setScore(model().Teams[3].Identity, "-1");
        }
        Game::instance().setScore(ants, "3");
        Game::instance().undo(); // kept as well
        QCOMPARE(RecoveryKeeper::instance()->problem(), QString());
        Game::instance().reset(); // a fresh run: the same teams read from their file again, as new teams
        for (Team& team : model().Teams)
            team = Team{team.TeamName, team.TeamPicture, team.TeamShown};
        model().CurrentFile = file;
        if (!answer.isEmpty())
            Testing::queueAnswer(answer == "Yes" ? Dialogs::Answer::Yes : Dialogs::Answer::No);
        GameCommands::offerRecovery(nullptr);
        QTEST(scores(), "after");
        QCOMPARE(Testing::shown().size(), answer.isEmpty() ? 0 : 1);
        if (answer == "No")
            QVERIFY(!QFile::exists(recoveryFile));
        if (answer == "Yes") {
            QVERIFY(Testing::shown().constFirst().text.startsWith("Scores of an unfinished game from "));
            Game::instance().undo(); // the restore is one step
            QCOMPARE(scores(), "0 0 0 0");
        }
        GameCommands::offerRecovery(nullptr);
    }

    // A file that cannot be written (here: its folder is a file) is told once, and the game goes on.
    void aFailedWriteIsToldOnceAndTheGameGoesOn()
    {
        const QString blocked = folder.filePath("blocked");
        QFile(blocked).open(QIODevice::WriteOnly);
        RecoveryKeeper keeperOfAFile(blocked + "/recovery.scores");
        QSignalSpy told(&keeperOfAFile, &RecoveryKeeper::problemChanged);
        for (const char* score : {"1", "2", "3"})
            Game::instance().setScore(model().Teams[0].Identity, score);
        QCOMPARE(told.size(), 1);
        QVERIFY2(keeperOfAFile.problem().contains("cannot be made"), qPrintable(keeperOfAFile.problem()));
        QCOMPARE(Game::instance().scoreOf(model().Teams[0].Identity), "3");
    }

    // The shown teams in standings order, a name with a comma and quotes quoted, a team without a
    // score last with neither rank nor score; ".csv" added to a name typed without one.
    void resultsAreExportedInStandingsOrderOnlyWhereAllowed()
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
        // A failed write is told, and leaves nothing.
        const QString missing = folder.filePath("missing/results.csv");
        Testing::queueFile(missing);
        QVERIFY(!ExportCommands::exportResults(nullptr));
        QCOMPARE(Testing::shown().constLast().kind, Testing::Shown::Message);
        QVERIFY(Testing::shown().constLast().text.contains(missing) && !QFile::exists(missing));
    }

    // The game's changes as they were made, to the second, with what caused them; a cleared display is an
    // empty score. A new game adds a change for each team it changes, and none for the others.
    void theScoreLogHoldsEveryChangeAndItsCause()
    {
        const TeamId ants = model().Teams[0].Identity;
        Game::instance().setScore(ants, "12");
        Game::instance().undo();
        Game::instance().redo();
        Game::instance().setScore(ants, "-1");
        Game::instance().newGame(model().Teams);
        Testing::queueFile(folder.filePath("log.csv"));
        QVERIFY(ExportCommands::exportScoreLog(nullptr));
        const QString log = contentOf(folder.filePath("log.csv"));
        static const QRegularExpression time("\\n\\d{4}-\\d\\d-\\d\\dT\\d\\d:\\d\\d:\\d\\d,");
        QCOMPARE(QString(log).replace(time, "\n"),
                 "Time,Team,Old score,New score,Cause\r\nAnts,0,12,typed\r\n"
                 "Ants,12,0,undo\r\nAnts,0,12,redo\r\nAnts,12,,typed\r\n"
                 "Ants,,0,new game\r\n");
    }
};

QTEST_MAIN(tst_QuizNight)
#include "tst_QuizNight.moc"
