// The game's safety net and its questions: every score change reaches the recovery file, a failed
// write is told once, and an unfinished game of the same set-up is offered back when the scoreboard
// is next shown.

#include "app/Settings.h"
#include "platform/Dialogs.h"
#include "scoreboard/Game.h"
#include "scoreboard/GameCommands.h"
#include "scoreboard/RecoveryKeeper.h"
#include "scoreboard/ScoreRecovery.h"

#include <QtTest>

using namespace brimley;
namespace Testing = brimley::Dialogs::Testing;

class tst_GameCommands : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;
    QString recoveryFile = folder.filePath("kept/recovery.scores");

    // The teams' scores in the game, "name:score".
    QStringList scores()
    {
        QStringList teams;
        for (const Team& team : model().Teams)
            teams << team.TeamName + ":" + Game::instance().scoreOf(team.Identity);
        return teams;
    }
    // A fresh run of the same set-up: the same teams read from the file again, no score yet.
    void startAgain()
    {
        Game::instance().reset();
        QVector<Team> again;
        for (const Team& team : model().Teams)
            again.append(Team{team.TeamName, team.TeamPicture, team.TeamShown});
        model().Teams = again;
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
        model().Teams = {Team{"Ants", {}, FlagTrue}, Team{"Bees", {}, FlagFalse}, Team{"Cats", {}, FlagTrue}};
    }
    void cleanup() { QCOMPARE(Testing::unexpected(), 0); }

    // Every change is kept as it is made; the game is offered back once a run, as the game has begun.
    void anUnfinishedGameOfTheSameSetUpIsOfferedBackOnce_data()
    {
        QTest::addColumn<QString>("answer"); // empty: no question
        QTest::addColumn<QString>("file");
        QTest::addColumn<bool>("leftTheStart");
        QTest::addColumn<QStringList>("after");
        const QStringList zeroes{"Ants:0", "Bees:0", "Cats:0"};
        const QString finals = "/quiz/finals.brm", semis = "/quiz/semis.brm";
        QTest::newRow("Yes restores")
            << "Yes" << finals << true << QStringList{"Ants:12", "Bees:0", "Cats:-1"};
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
            Game::instance().setScore(model().Teams[2].Identity, "-1");
        }
        Game::instance().setScore(ants, "3");
        Game::instance().undo(); // kept as well
        QCOMPARE(RecoveryKeeper::instance()->problem(), QString());
        startAgain();
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
            QCOMPARE(scores(), (QStringList{"Ants:0", "Bees:0", "Cats:0"}));
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
};

QTEST_MAIN(tst_GameCommands)
#include "tst_GameCommands.moc"
