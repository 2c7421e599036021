#include "options/TeamListEditor.h"

#include <QtTest>

using namespace brimley;
using namespace brimley::TeamListEditor;

namespace {

// Teams A, B, C: B hidden, C with a picture.
QVector<Team> abc()
{
    return {Team{"A", {}, FlagTrue}, Team{"B", {}, FlagFalse}, Team{"C", "/pictures/c.gif", FlagTrue}};
}

} // namespace

class tst_TeamListEditor : public QObject
{
    Q_OBJECT

private slots:
    // The window moves a team by one row at a time; the operation itself moves it any distance.
    void movingShiftsTheTeamsInBetween_data()
    {
        QTest::addColumn<int>("from");
        QTest::addColumn<int>("to");
        QTest::addColumn<QString>("order");
        QTest::newRow("C up") << 2 << 1 << "ACB";
        QTest::newRow("A to the end") << 0 << 2 << "BCA";
        QTest::newRow("C to the front") << 2 << 0 << "CAB";
        QTest::newRow("onto itself") << 1 << 1 << "ABC";
        QTest::newRow("above the first row") << 0 << -1 << "ABC";
        QTest::newRow("below the last row") << 2 << 3 << "ABC";
    }
    void movingShiftsTheTeamsInBetween()
    {
        QFETCH(int, from);
        QFETCH(int, to);
        QVector<Team> teams = abc();
        MoveTeam(teams, from, to, from >= 0 && from < 3 ? abc()[from].TeamShown : FlagTrue);
        QString order;
        for (const Team& team : teams) {
            order += team.TeamName;
            QVERIFY(abc().contains(team)); // name, picture and shown flag travel together
        }
        QTEST(order, "order");
    }
};

QTEST_MAIN(tst_TeamListEditor)
#include "tst_TeamListEditor.moc"
