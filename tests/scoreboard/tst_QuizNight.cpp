// The logic behind the quiz-night features: standings and the reveal order.

#include "scoreboard/Standings.h"

#include <QtTest>

using namespace brimley;

class tst_QuizNight : public QObject
{
    Q_OBJECT

private slots:
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
        const QVector<Standings::Place> reveal = Standings::revealOrder(standings);
        QVERIFY(std::equal(reveal.begin(), reveal.end(), standings.rbegin(),
                           [](auto& a, auto& b) { return a.entry.team == b.entry.team; }));
    }

    // Against the definition: a team's rank is one more than the number of teams that scored more.
    void aFullTeamListIsRankedByTheDefinition()
    {
        const int n = 32767;
        QVector<Standings::Entry> cells;
        int higher[101] = {}; // teams scoring more than 0..100; every seventh team is cleared
        for (int i = 0; i < n; ++i) {
            const int score = i % 7 == 0 ? -1 : (i * 37) % 101;
            cells.append({TeamId(i), {}, QString::number(score)});
            for (int s = 0; s < score; ++s)
                ++higher[s];
        }
        const QVector<Standings::Place> standings = Standings::ranked(cells);
        QCOMPARE(standings.size(), n);
        for (int i = 0; i < n; ++i) {
            const int score = standings[i].entry.score.toInt();
            QCOMPARE(standings[i].rank, score < 0 ? 0 : higher[score] + 1);
            if (i > 0 && standings[i - 1].entry.score == standings[i].entry.score)
                QVERIFY(standings[i - 1].entry.team < standings[i].entry.team);
        }
    }
};

QTEST_MAIN(tst_QuizNight)
#include "tst_QuizNight.moc"
