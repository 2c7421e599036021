#include "app/Settings.h"
#include "led/NumberLED.h"
#include "platform/PictureBox.h"
#include "scoreboard/frmScoreboard.h"

#include <QLabel>
#include <QtTest>

using namespace brimley;

class tst_frmScoreboard : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<frmScoreboard> window;

    void useTeams(const QStringList& shownTeams)
    {
        model().Teams.clear();
        for (const QString& name : shownTeams)
            model().Teams.append(Team{name, QString(), FlagTrue});
        window->UpdateForm();
    }
    // "name:score" of every cell.
    QStringList cells()
    {
        QStringList result;
        for (int k = 1; k <= window->TotalObjs(); ++k)
            result << window->lblTeamName[k]->text() + ":" + window->nledScore[k]->Caption();
        return result;
    }

private slots:
    void init()
    {
        SetDefaults();
        window = std::make_unique<frmScoreboard>();
        window->resize(800, 600);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    // The cells follow the shown teams, but a score stays with its cell: with team A hidden, cell 1
    // shows team B and keeps cell 1's score.
    void scoresBelongToCellsNotTeams()
    {
        useTeams({"A", "B", "C"});
        const auto displays = window->nledScore;
        for (int k = 1; k <= 3; ++k)
            window->nledScore[k]->setCaption(QString::number(k + 4));
        window->UpdateForm(); // nothing changed: every control is kept
        QCOMPARE(window->nledScore, displays);

        model().Teams[0].TeamShown = FlagFalse;
        window->UpdateForm();
        QCOMPARE(cells(), (QStringList{"B:5", "C:6"}));
        model().Teams[0].TeamShown = FlagTrue;
        window->UpdateForm();
        QCOMPARE(cells(), (QStringList{"A:5", "B:6", "C:0"})); // a new cell starts afresh

        model().Teams = {Team{"A", {}, FlagFalse}};
        window->UpdateForm();
        QCOMPARE(window->nledScore.size(), 1); // the hidden template only
    }

    void theDrawingAreaAndTheCellsFollowTheWindow()
    {
        // The area is laid out against the window's outer size, frame included.
        const QRect before = window->picDrawingArea->geometry();
        const QSize outer = window->frameGeometry().size();
        QCOMPARE(before.topLeft(), QPoint(8, 15));
        QCOMPARE(before.width(), outer.width() - 16);
        QVERIFY(qAbs(before.height() - (outer.height() - 700.0 / 15)) <= 0.5);
        window->resize(window->width() + 16, window->height()); // 240 twips wider
        QCOMPARE(window->picDrawingArea->geometry(), before.adjusted(0, 0, 16, 0));

        useTeams({"A", "B", "C"});
        for (int m = 1; m <= 3; ++m) {
            const CellRect& cell = window->lastGrid().cells[std::size_t(m - 1)];
            const QRect placed = window->picTeamContainer[m]->geometry();
            QVERIFY(qAbs(placed.left() - cell.Left / 15.0) <= 0.5 &&
                    qAbs(placed.top() - cell.Top / 15.0) <= 0.5);
        }
    }

    void aTinyOrMinimizedWindowKeepsItsCells()
    {
        window->nledScore[1]->setCaption("9");
        const QRect before = window->picTeamContainer[1]->geometry();
        window->resize(10, 10); // too small to lay out: the layout is skipped
        QCOMPARE(window->picDrawingArea->height(), 0);
        window->resize(800, 600);
        QCOMPARE(window->picTeamContainer[1]->geometry(), before);

        window->showMinimized();
        model().Teams.append(Team{"Later", {}, FlagTrue});
        QCoreApplication::processEvents();
        QCOMPARE(window->picTeamContainer[1]->geometry(), before);
        QCOMPARE(cells(), QStringList{"Team 1:9"});
    }
};

QTEST_MAIN(tst_frmScoreboard)
#include "tst_frmScoreboard.moc"
