// The logic behind the quiz-night features: standings and the reveal order, and the CSV exports.

#include "scoreboard/CsvExport.h"
#include "scoreboard/Standings.h"

#include <QtTest>

using namespace brimley;

namespace {

// A strict RFC 4180 reader: nothing for a bare CR or LF, a stray quote or a record left unended.
std::optional<QList<QStringList>> parsedCsv(const QByteArray& bytes)
{
    const QString text = QString::fromUtf8(bytes);
    QList<QStringList> rows;
    QStringList row;
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        if (c == u'"' && field.isEmpty() && !quoted) {
            quoted = true;
            continue;
        }
        if (c == u'"' && quoted && text.mid(i, 2) == QStringLiteral("\"\"")) {
            field += c;
            ++i;
        } else if (quoted) {
            quoted = c != u'"';
            if (quoted)
                field += c;
            else if (i + 1 < text.size() && text[i + 1] != u',' && text[i + 1] != u'\r')
                return std::nullopt;
        } else if (c == u',' || text.mid(i, 2) == QStringLiteral("\r\n")) {
            row << field;
            field.clear();
            if (c == u'\r') {
                rows << row;
                row.clear();
                ++i;
            }
        } else if (c == u'"' || c == u'\r' || c == u'\n') {
            return std::nullopt;
        } else {
            field += c;
        }
    }
    if (quoted || !row.isEmpty() || !field.isEmpty())
        return std::nullopt;
    return rows;
}

} // namespace

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

    void csvOfRandomNamesReadsBackExactly()
    {
        const QStringList pool{",", "\"", "\r", "\n", "\r\n", " ", "a", "Z", "é", "Ω", "🏀", "\"\""};
        QRandomGenerator random(4180);
        QList<QStringList> rows;
        for (int r = 0; r < 300; ++r) {
            QStringList row;
            for (int f = 0; f < 3; ++f) {
                QString field;
                for (int k = random.bounded(6); k > 0; --k)
                    field += pool[random.bounded(int(pool.size()))];
                row << field;
            }
            rows << row;
        }
        QCOMPARE(parsedCsv(CsvExport::csv(rows)), rows);
    }

    void exportsHoldTheirHeaderAndOneRowEach()
    {
        const QVector<Standings::Place> standings =
            Standings::ranked({{1, "Owls", "9"}, {2, "Cleared", "-1"}, {3, "Ants, Bees", "9"}});
        QCOMPARE(CsvExport::resultsCsv(standings),
                 "Rank,Team,Score\r\n1,Owls,9\r\n1,\"Ants, Bees\",9\r\n,Cleared,\r\n");
        const QDateTime at(QDate(2026, 12, 7), QTime(20, 15, 3, 999), Qt::LocalTime);
        const QList<ScoreLogEntry> log{{at, "Owls", "-1", "5", ScoreCause::Typed},
                                       {at, "Owls", "5", "-1", ScoreCause::Undo},
                                       {at, "Owls", "-1", "5", ScoreCause::Redo},
                                       {at, "Owls", "5", "0", ScoreCause::NewGame},
                                       {at.addSecs(60), "Owls", "0", "5", ScoreCause::Restored}};
        QCOMPARE(CsvExport::scoreLogCsv(log), "Time,Team,Old score,New score,Cause\r\n"
                                              "2026-12-07T20:15:03,Owls,,5,typed\r\n"
                                              "2026-12-07T20:15:03,Owls,5,,undo\r\n"
                                              "2026-12-07T20:15:03,Owls,,5,redo\r\n"
                                              "2026-12-07T20:15:03,Owls,5,0,new game\r\n"
                                              "2026-12-07T20:16:03,Owls,0,5,restored\r\n");
    }
};

QTEST_MAIN(tst_QuizNight)
#include "tst_QuizNight.moc"
