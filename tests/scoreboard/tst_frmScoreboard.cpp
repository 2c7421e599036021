#include "app/Settings.h"
#include "led/NumberLED.h"
#include "platform/ImageBox.h"
#include "platform/PictureBox.h"
#include "scoreboard/frmScoreboard.h"

#include <QLabel>
#include <QtTest>

using namespace brimley;

namespace {

void useTeams(const QList<Team>& teams)
{
    SetDefaults();
    model().Teams = QVector<Team>(teams.begin(), teams.end());
}

Team shown(const QString& name, const QString& picture = {}) { return Team{name, picture, FlagTrue}; }
Team hidden(const QString& name) { return Team{name, {}, FlagFalse}; }

QStringList captions(const frmScoreboard& window)
{
    QStringList result;
    for (int k = 1; k <= window.TotalObjs(); ++k)
        result << window.nledScore[k]->Caption();
    return result;
}

QStringList names(const frmScoreboard& window)
{
    QStringList result;
    for (int k = 1; k <= window.TotalObjs(); ++k)
        result << window.lblTeamName[k]->text();
    return result;
}

} // namespace

class tst_frmScoreboard : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<frmScoreboard> window;

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

    void theWindowIsTheScoreboard()
    {
        QCOMPARE(window->windowTitle(), QStringLiteral("Brimley Scoreboard"));
        QCOMPARE(window->TotalObjs(), 1);
        QCOMPARE(names(*window), QStringList{"Team 1"});
        // Templates exist and stay hidden.
        QVERIFY(!window->nledScore[0]->isVisible());
        QVERIFY(window->nledScore[1]->isVisible());
    }

    void thePoolFollowsTheShownTeams_data()
    {
        QTest::addColumn<QList<Team>>("teams");
        QTest::addColumn<int>("cells");
        QTest::newRow("none shown") << QList<Team>{hidden("A"), hidden("B")} << 0;
        QTest::newRow("one of three") << QList<Team>{hidden("A"), shown("B"), hidden("C")} << 1;
        QTest::newRow("all of five") << QList<Team>{shown("A"), shown("B"), shown("C"), shown("D"), shown("E")} << 5;
    }
    void thePoolFollowsTheShownTeams()
    {
        QFETCH(QList<Team>, teams);
        QFETCH(int, cells);
        useTeams(teams);
        window->UpdateForm();
        QCOMPARE(window->TotalObjs(), cells);
        QCOMPARE(window->nledScore.size(), cells + 1);
        QCOMPARE(window->picTeamContainer.size(), cells + 1);
        QCOMPARE(window->picDrawingArea->findChildren<NumberLED*>(QString(), Qt::FindDirectChildrenOnly).size(), 1);
    }

    void scoresBelongToCellsNotTeams()
    {
        useTeams({shown("A"), shown("B"), shown("C")});
        window->UpdateForm();
        window->nledScore[1]->setCaption("5");
        window->nledScore[2]->setCaption("6");
        window->nledScore[3]->setCaption("7");

        model().Teams[0].TeamShown = FlagFalse;
        window->UpdateForm();

        QCOMPARE(window->TotalObjs(), 2);
        QCOMPARE(names(*window), (QStringList{"B", "C"}));
        QCOMPARE(captions(*window), (QStringList{"5", "6"}));

        model().Teams[0].TeamShown = FlagTrue;
        window->UpdateForm();
        QCOMPARE(names(*window), (QStringList{"A", "B", "C"}));
        QCOMPARE(captions(*window), (QStringList{"5", "6", "0"})); // a new cell starts afresh
    }

    void anUnchangedRebuildKeepsEveryControl()
    {
        useTeams({shown("A"), shown("B")});
        window->UpdateForm();
        const auto displays = window->nledScore;
        window->nledScore[2]->setCaption("12");
        window->UpdateForm();
        window->UpdateForm();
        QCOMPARE(window->nledScore, displays);
        QCOMPARE(window->nledScore[2]->Caption(), QStringLiteral("12"));
    }

    void theDrawingAreaFollowsTheWindow()
    {
        // The area is laid out against the window's outer size, frame included.
        const QRect before = window->picDrawingArea->geometry();
        const QSize outer = window->frameGeometry().size();
        QCOMPARE(before.topLeft(), QPoint(8, 15));
        QCOMPARE(before.width(), outer.width() - 16);
        QVERIFY(qAbs(before.height() - (outer.height() - 700.0 / 15)) <= 0.5);

        window->resize(window->width() + 16, window->height()); // 240 twips wider
        QCOMPARE(window->picDrawingArea->geometry(), before.adjusted(0, 0, 16, 0));
    }

    void cellsArePlacedOnTheGridInPixels()
    {
        useTeams({shown("A"), shown("B"), shown("C")});
        window->UpdateForm();
        const GridLayout& grid = window->lastGrid();
        QCOMPARE(grid.RowCounts.size(), std::size_t(2));
        for (int m = 1; m <= 3; ++m) {
            const CellRect& cell = grid.cells[std::size_t(m - 1)];
            const QRect placed = window->picTeamContainer[m]->geometry();
            QVERIFY(qAbs(placed.left() - cell.Left / 15.0) <= 0.5);
            QVERIFY(qAbs(placed.top() - cell.Top / 15.0) <= 0.5);
            QVERIFY(qAbs(placed.width() - cell.Width / 15.0) <= 1);
        }
        // The single cell of the second row sits midway between the two of the first.
        const int middle = (window->picTeamContainer[1]->geometry().center().x() +
                            window->picTeamContainer[2]->geometry().center().x()) / 2;
        QVERIFY(qAbs(window->picTeamContainer[3]->geometry().center().x() - middle) <= 1);
    }

    void cellsAreComposedInTheSettingsColours()
    {
        model().BackColor = 0x102030;
        model().LEDColor = 0x00FF00;
        model().TextColor = 0x0000FF;
        window->UpdateForm();
        QCOMPARE(window->picDrawingArea->BackColor(), 0x102030);
        QCOMPARE(window->picTeamContainer[1]->BackColor(), 0x102030);
        QCOMPARE(window->nledScore[1]->LitColor(), 0x00FF00);
        QCOMPARE(window->lblTeamName[1]->palette().color(QPalette::WindowText), QColor(255, 0, 0));
        // The name is centred in its strip.
        const QLabel* name = window->lblTeamName[1];
        const QWidget* strip = window->picTeamName[1];
        QVERIFY(qAbs(name->geometry().center().x() - strip->rect().center().x()) <= 1);
    }

    void hiddenPartsAreHiddenNotDestroyed()
    {
        model().PosNameToScore = SideNone;
        model().PosImgToScore = SideNone;
        window->UpdateForm();
        QVERIFY(!window->picTeamName[1]->isVisible());
        QVERIFY(!window->picTeam[1]->isVisible());
        QCOMPARE(window->nledScore[1]->pos(), QPoint(0, 0));
    }

    void aMissingPictureKeepsTheBuiltInIconAndAnEmptyPathClearsIt()
    {
        // Cell 1 exists already and has shown the default team's empty picture; cell 2 is new.
        useTeams({shown("A", "/nonexistent/picture.jpg"), shown("B", "/nonexistent/picture.jpg")});
        window->UpdateForm();
        QVERIFY(!window->imgTeam[1]->hasPicture());
        QVERIFY(window->imgTeam[2]->hasPicture());
        QCOMPARE(window->imgTeam[2]->ownSize(), QSize(32, 32));
        QVERIFY(window->imgTeam[1]->isVisible());
        QVERIFY(window->imgTeam[2]->isVisible());
    }

    void aTeamPictureIsFittedIntoItsSquare()
    {
        QTemporaryDir folder;
        QImage wide(200, 100, QImage::Format_RGB32);
        wide.fill(Qt::green);
        const QString path = folder.filePath("wide.png");
        QVERIFY(wide.save(path));
        useTeams({shown("A", path)});
        window->UpdateForm();
        const QRect square = window->picTeam[1]->rect();
        const QRect image = window->imgTeam[1]->geometry();
        QVERIFY(qAbs(image.width() - square.width()) <= 1);
        QVERIFY(qAbs(image.height() - square.height() / 2) <= 1);
        QVERIFY(qAbs(image.top() - square.height() / 4) <= 1);
    }

    void manyTeamsOnALargeWindow()
    {
        QList<Team> teams;
        for (int i = 0; i < 400; ++i)
            teams << shown(QString::number(i));
        useTeams(teams);
        window->resize(3840, 2160);
        QCOMPARE(window->TotalObjs(), 400);
        for (int m = 1; m <= 400; ++m)
            QVERIFY(window->picDrawingArea->rect().contains(window->picTeamContainer[m]->geometry()));
    }

    void aTinyWindowSkipsTheLayoutWithoutFailing()
    {
        window->resize(10, 10);
        QCOMPARE(window->picDrawingArea->height(), 0);
        QCOMPARE(window->TotalObjs(), 1);
        window->resize(800, 600);
        QVERIFY(window->nledScore[1]->width() > 0);
    }

    void minimizingChangesNothing()
    {
        window->nledScore[1]->setCaption("9");
        const QRect before = window->picTeamContainer[1]->geometry();
        window->showMinimized();
        model().Teams.append(shown("Later"));
        QCoreApplication::processEvents();
        QCOMPARE(window->picTeamContainer[1]->geometry(), before);
        QCOMPARE(window->nledScore[1]->Caption(), QStringLiteral("9"));
    }
};

QTEST_MAIN(tst_frmScoreboard)
#include "tst_frmScoreboard.moc"
