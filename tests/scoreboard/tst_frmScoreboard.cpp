#include "app/Settings.h"
#include "led/NumberLED.h"
#include "platform/ImageBox.h"
#include "platform/PictureBox.h"
#include "scoreboard/Game.h"
#include "scoreboard/frmScoreboard.h"
#include "scoreboard/modGrabKeys.h"

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
            result << window->cells()[k].lblTeamName->text() + ":" + window->cells()[k].nledScore->Caption();
        return result;
    }

private slots:
    void init()
    {
        SetDefaults();
        Game::instance().reset();
        window = std::make_unique<frmScoreboard>();
        window->resize(800, 600);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    }
    void cleanup() { window.reset(); }

    // The cells follow the shown teams, and each team's score follows it into whichever cell shows it.
    void scoresFollowTheirTeams()
    {
        useTeams({"A", "B", "C"});
        const auto displays = [this] {
            QList<NumberLED*> result;
            for (const Cell& cell : window->cells())
                result << cell.nledScore;
            return result;
        };
        const auto before = displays();
        for (int k = 1; k <= 3; ++k)
            window->cells()[k].nledScore->setCaption(QString::number(k + 4));
        window->UpdateForm(); // nothing changed: every control is kept
        QCOMPARE(displays(), before);
        QCOMPARE(cells(), (QStringList{"A:0", "B:0", "C:0"})); // set on the display, no team's score

        QTest::keyClicks(window->cells()[1].nledScore, "5\r");
        QTest::keyClicks(window->cells()[2].nledScore, "6\r");
        QTest::keyClicks(window->cells()[3].nledScore, "7\r");
        QCOMPARE(cells(), (QStringList{"A:5", "B:6", "C:7"}));

        QVector<Team>& teams = model().Teams;
        teams[0].TeamShown = FlagFalse;
        window->UpdateForm();
        QCOMPARE(cells(), (QStringList{"B:6", "C:7"}));
        teams[0].TeamShown = FlagTrue;
        teams[1].TeamName = "Bees";
        teams.move(2, 0);
        window->UpdateForm();
        QCOMPARE(cells(), (QStringList{"C:7", "A:5", "Bees:6"}));
        // A new team starts at 0, wherever it is added; a team read afresh is a new team.
        teams.insert(1, Team{"New", {}, FlagTrue});
        teams.removeLast();
        window->UpdateForm();
        QCOMPARE(cells(), (QStringList{"C:7", "New:0", "A:5"}));
        teams[0] = Team{"C", {}, FlagTrue};
        window->UpdateForm();
        QCOMPARE(cells(), (QStringList{"C:0", "New:0", "A:5"}));

        model().Teams = {Team{"A", {}, FlagFalse}};
        window->UpdateForm();
        QCOMPARE(window->cells().size(), 1); // the hidden template only
    }

    // A cell is reused for another team when teams are hidden: a team whose picture cannot be shown gets
    // the badge a new cell shows, never the picture of the team the cell showed before.
    void aPictureThatCannotBeShownGivesTheBadge_data()
    {
        QTest::addColumn<QByteArray>("content"); // of B's picture file; empty: no file at all
        QTest::newRow("missing file") << QByteArray();
        QTest::newRow("not a picture") << QByteArray("GIF89a, or so it says");
    }
    void aPictureThatCannotBeShownGivesTheBadge()
    {
        QFETCH(QByteArray, content);
        QTemporaryDir folder;
        QImage wide(400, 200, QImage::Format_RGB32);
        wide.fill(Qt::green);
        QVERIFY(wide.save(folder.filePath("a.png")));
        const QString broken = folder.filePath("b.gif");
        if (!content.isEmpty()) {
            QFile file(broken);
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(content) == content.size());
        }
        model().Teams = {Team{"A", folder.filePath("a.png"), FlagTrue}, Team{"B", broken, FlagTrue}};
        window->UpdateForm();
        QCOMPARE(window->cells()[2].imgTeam->picture(), window->cells()[0].imgTeam->placeholder());
        QCOMPARE(window->cells()[2].imgTeam->geometry(),
                 window->cells()[2].picTeam->rect()); // the square badge fills it
        QCOMPARE(window->cells()[1].imgTeam->picture().pixelColor(0, 0), QColor(Qt::green));

        model().Teams[0].TeamShown = FlagFalse;
        window->UpdateForm();
        QCOMPARE(window->cells()[1].imgTeam->picture(), window->cells()[0].imgTeam->placeholder());
        QCOMPARE(window->cells()[1].imgTeam->geometry(), window->cells()[1].picTeam->rect());

        // Without a placeholder the image shows nothing, and keeps to its frame: it does not take the
        // own size of the picture it showed before.
        PictureBox frame;
        frame.resize(100, 50);
        ImageBox image(&frame);
        modGrabKeys::ShowTeamPicture(&image, &frame, folder.filePath("a.png"));
        QCOMPARE(image.geometry(), QRect(0, 0, 100, 50));
        modGrabKeys::ShowTeamPicture(&image, &frame, broken);
        QVERIFY(!image.hasPicture() && frame.rect().contains(image.geometry()));
    }

    // Names are plain text. A name that fits keeps the layout's size; a longer one shrinks to fit, down
    // to half that size, and only then loses its end to "…".
    void namesArePlainTextFittedIntoTheirStrip()
    {
        useTeams({"Foxes", "A<br>B", "<b>x</b>", "The Quizzly Bears", QString(60, u'W')});
        const auto pixelSize = [this](int k) {
            return window->cells()[k].lblTeamName->font().pixelSize();
        };
        const int layoutSize = pixelSize(1);
        for (int k = 1; k <= 5; ++k) {
            // The name as drawn: one line, within its strip.
            const QLabel* name = window->cells()[k].lblTeamName;
            const QSize drawn = name->sizeHint();
            QVERIFY2(drawn.width() <= window->cells()[k].picTeamName->width() + 1, qPrintable(name->text()));
            QVERIFY(drawn.height() < 2 * QFontMetrics(name->font()).height());
        }
        QCOMPARE(window->cells()[2].lblTeamName->text(), "A<br>B");
        QVERIFY(window->cells()[3].lblTeamName->sizeHint().width() >
                QFontMetrics(window->cells()[3].lblTeamName->font()).horizontalAdvance("xxxxxx"));
        QCOMPARE(window->cells()[4].lblTeamName->text(), "The Quizzly Bears");
        QVERIFY(pixelSize(4) < layoutSize && pixelSize(4) >= layoutSize / 2);
        QCOMPARE(pixelSize(5), (layoutSize + 1) / 2);
        QVERIFY(window->cells()[5].lblTeamName->text().endsWith(u'…'));

        // Grown, the board gives the long name room for more of its size.
        window->resize(1600, 1000);
        QVERIFY(pixelSize(1) > layoutSize);
        QCOMPARE(window->cells()[4].lblTeamName->text(), "The Quizzly Bears");
    }

    void theDrawingAreaAndTheCellsFollowTheWindow()
    {
        // The area is laid out against the window's outer size, frame included.
        const QRect before = window->drawingArea()->geometry();
        const QSize outer = window->frameGeometry().size();
        QCOMPARE(before.topLeft(), QPoint(8, 15));
        QCOMPARE(before.width(), outer.width() - 16);
        QVERIFY(qAbs(before.height() - (outer.height() - 700.0 / 15)) <= 0.5);
        window->resize(window->width() + 16, window->height()); // 240 twips wider
        QCOMPARE(window->drawingArea()->geometry(), before.adjusted(0, 0, 16, 0));

        useTeams({"A", "B", "C"});
        for (int m = 1; m <= 3; ++m) {
            const CellRect& cell = window->lastGrid().cells[std::size_t(m - 1)];
            const QRect placed = window->cells()[m].picTeamContainer->geometry();
            QVERIFY(qAbs(placed.left() - cell.Left / 15.0) <= 0.5 &&
                    qAbs(placed.top() - cell.Top / 15.0) <= 0.5);
        }
    }

    void aTinyOrMinimizedWindowKeepsItsCellsUntilRestored()
    {
        QTest::keyClicks(window->cells()[1].nledScore, "9\r");
        const QRect before = window->cells()[1].picTeamContainer->geometry();
        window->resize(10, 10); // too small to lay out: the layout is skipped
        QCOMPARE(window->drawingArea()->height(), 0);
        window->resize(800, 600);
        QCOMPARE(window->cells()[1].picTeamContainer->geometry(), before);

        // Minimized, a resize changes nothing; restoring rebuilds.
        window->showMinimized();
        QTRY_VERIFY(window->isMinimized());
        model().Teams.append(Team{"Later", {}, FlagTrue});
        window->resize(700, 500);
        QCOMPARE(window->cells()[1].picTeamContainer->geometry(), before);
        QCOMPARE(cells(), QStringList{"Team 1:9"});
        window->showNormal();
        QTRY_COMPARE(cells(), (QStringList{"Team 1:9", "Later:0"}));
    }
};

QTEST_MAIN(tst_frmScoreboard)
#include "tst_frmScoreboard.moc"
