#include "scoreboard/modCenterObjects.h"

#include <QtTest>

using namespace brimley;

namespace {

QList<int> rows(const std::vector<std::int32_t>& counts) { return QList<int>(counts.begin(), counts.end()); }

GridLayout baseCell(std::int32_t BH, std::int32_t BW)
{
    GridLayout grid;
    grid.BH = BH;
    grid.BW = BW;
    return grid;
}

} // namespace

class tst_modCenterObjects : public QObject
{
    Q_OBJECT

private slots:
    void rowCountsOfTheWorkedExample_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("1") << 1 << QList<int>{1};
        QTest::newRow("2") << 2 << QList<int>{1, 1};
        QTest::newRow("3") << 3 << QList<int>{2, 1};
        QTest::newRow("4") << 4 << QList<int>{2, 2};
        QTest::newRow("5") << 5 << QList<int>{2, 2, 1};
        QTest::newRow("6") << 6 << QList<int>{2, 2, 2};
        QTest::newRow("7") << 7 << QList<int>{3, 2, 2};
        QTest::newRow("8") << 8 << QList<int>{3, 3, 2};
        QTest::newRow("9") << 9 << QList<int>{3, 3, 3};
        QTest::newRow("10") << 10 << QList<int>{3, 3, 2, 2};
        QTest::newRow("11") << 11 << QList<int>{3, 3, 3, 2};
        QTest::newRow("12") << 12 << QList<int>{3, 3, 3, 3};
    }
    void rowCountsOfTheWorkedExample()
    {
        QFETCH(int, n);
        QFETCH(QList<int>, expected);
        QCOMPARE(rows(modCenterObjects::LayoutGrid(n, 1500, 2400, 8000, 12000)), expected);
    }

    void noCellsGiveOneEmptyRow()
    {
        QCOMPARE(rows(modCenterObjects::LayoutGrid(0, 1500, 2400, 8000, 12000)), QList<int>{0});
    }

    void rowsDifferByAtMostOneAndLargerRowsComeFirst()
    {
        for (int n = 1; n <= 500; ++n) {
            const auto counts = modCenterObjects::LayoutGrid(n, 1005, 2360, 16000, 28800);
            int total = 0;
            for (std::size_t i = 0; i < counts.size(); ++i) {
                total += counts[i];
                if (i > 0) {
                    QVERIFY2(counts[i] <= counts[i - 1], qPrintable(QString::number(n)));
                    QVERIFY2(counts[0] - counts[i] <= 1, qPrintable(QString::number(n)));
                }
            }
            QCOMPARE(total, n);
        }
    }

    void oneCellFillsEightyPercentOfTheWidthAndIsCentred()
    {
        GridLayout grid = baseCell(1500, 2400);
        placeCells(grid, 1, 12000, 8000);
        QCOMPARE(grid.CW, 9600.0);
        QCOMPARE(grid.CH, 6000.0);
        QCOMPARE(grid.CellScale, 4.0);
        QCOMPARE(grid.VG, 1000.0);
        QCOMPARE(grid.HG, 1200);
        QCOMPARE(grid.cells.size(), std::size_t(1));
        QCOMPARE(grid.cells[0].Left, 1200.0f);
        QCOMPARE(grid.cells[0].Top, 1000.0f);
        QCOMPARE(grid.cells[0].Width, 9600.0f);
        QCOMPARE(grid.cells[0].Height, 6000.0f);
    }

    void threeCellsCentreTheShorterRow()
    {
        GridLayout grid = baseCell(1500, 2400);
        placeCells(grid, 3, 12000, 8000);
        QCOMPARE(grid.CW, 4800.0);
        QCOMPARE(grid.CH, 3000.0);
        QCOMPARE(grid.CellScale, 2.0);
        QCOMPARE(grid.VG, 2000.0 / 3);
        QCOMPARE(grid.HG, 800);
        QCOMPARE(grid.cells.size(), std::size_t(3));
        QCOMPARE(grid.cells[0].Left, 800.0f);
        QCOMPARE(grid.cells[1].Left, 6400.0f);
        QCOMPARE(grid.cells[2].Left, 3600.0f);
        // Rows are separated and surrounded by the same vertical gap.
        QCOMPARE(grid.cells[0].Top, float(2000.0 / 3));
        QCOMPARE(grid.cells[2].Top, float(2 * 2000.0 / 3 + 3000));
    }

    void noCellsStillSetTheScaleFromTheHeight()
    {
        GridLayout grid = baseCell(1500, 2400);
        placeCells(grid, 0, 12000, 8000);
        QVERIFY(grid.cells.empty());
        QCOMPARE(grid.CellScale, 8000 * double(0.8f) / 1500);
    }

    void baseCellIsTheDisplayWhenNeitherNameNorPictureIsShown()
    {
        Settings settings;
        settings.PosNameToScore = SideNone;
        settings.PosImgToScore = SideNone;
        const GridLayout grid = computeGridLayout(1, settings, 12000, 8000);
        // The default paddings (6, 6 pixels) and spacing (8 pixels) give a 1230 x 1005 twip display.
        QCOMPARE(grid.TH, 1005.0);
        QCOMPARE(grid.TW, 1230.0);
        QCOMPARE(grid.BH, 1005);
        QCOMPARE(grid.BW, 1230);
    }

    void baseCellMakesRoomForNameAndPicture_data()
    {
        QTest::addColumn<int>("name");
        QTest::addColumn<int>("picture");
        QTest::addColumn<int>("BH");
        QTest::addColumn<int>("BW");
        // The default display is 1230 x 1005 twips; the name adds 0.55 and the picture 1.05 heights.
        QTest::newRow("name above, picture right") << 1 << 4 << 1558 << 2285;
        QTest::newRow("name below, picture left") << 2 << 3 << 1558 << 2285;
        QTest::newRow("name only") << 1 << 0 << 1558 << 1230;
        QTest::newRow("picture only") << 0 << 4 << 1005 << 2285;
    }
    void baseCellMakesRoomForNameAndPicture()
    {
        QFETCH(int, name);
        QFETCH(int, picture);
        Settings settings;
        settings.PosNameToScore = name;
        settings.PosImgToScore = picture;
        const GridLayout grid = computeGridLayout(4, settings, 12000, 8000);
        QTEST(grid.BH, "BH");
        QTEST(grid.BW, "BW");
    }

    void settingsFromAHandEditedFileUseTheNearestUsableDisplay_data()
    {
        QTest::addColumn<int>("digits");
        QTest::addColumn<int>("padding");
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("paddingTwips");
        QTest::newRow("in range") << 3 << 20 << 999 << 300;
        QTest::newRow("seven digits") << 7 << 6 << 9999 << 90;
        QTest::newRow("no digits") << 0 << 6 << 9 << 90;
        QTest::newRow("negative digits") << -3 << 6 << 9 << 90;
        QTest::newRow("padding beyond 16-bit twips") << 2 << 3000 << 99 << 32760;
        QTest::newRow("negative padding") << 2 << -40 << 99 << 0;
    }
    void settingsFromAHandEditedFileUseTheNearestUsableDisplay()
    {
        QFETCH(int, digits);
        QFETCH(int, padding);
        Settings settings;
        settings.DigitsWide = static_cast<std::int16_t>(digits);
        settings.HPadding = static_cast<std::int16_t>(padding);
        const LedProperties display = scoreDisplayProperties(settings);
        QTEST(int(display.Max), "max");
        QTEST(int(display.PaddingH), "paddingTwips");
        QCOMPARE(display.Size, std::int16_t(55));
    }

    // Modern screens: an 8K drawing area is 115,200 twips wide, far beyond 16 bits.
    void largeAreasAndManyTeamsNeverOverlapOrTouchTheEdges_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<float>("W");
        QTest::addColumn<float>("H");
        QTest::newRow("1 team, 4K") << 1 << 57600.f << 32400.f;
        QTest::newRow("40 teams, 4K") << 40 << 57600.f << 32400.f;
        QTest::newRow("163 teams, 8K") << 163 << 115200.f << 64800.f;
        QTest::newRow("1000 teams, 8K") << 1000 << 115200.f << 64800.f;
        QTest::newRow("7 teams, tall and narrow") << 7 << 3000.f << 60000.f;
        QTest::newRow("32767 teams, 8K") << 32767 << 115200.f << 64800.f;
    }
    void largeAreasAndManyTeamsNeverOverlapOrTouchTheEdges()
    {
        QFETCH(int, n);
        QFETCH(float, W);
        QFETCH(float, H);
        const GridLayout grid = computeGridLayout(n, Settings{}, W, H);
        QCOMPARE(int(grid.cells.size()), n);
        QVERIFY(grid.CellScale > 0);
        const auto& cells = grid.cells;
        for (std::size_t i = 0; i < cells.size(); ++i) {
            const CellRect& cell = cells[i];
            QVERIFY(cell.Left > 0 && cell.Top > 0);
            QVERIFY(cell.Left + cell.Width < W && cell.Top + cell.Height < H);
            if (i > 0 && cells[i - 1].Top == cell.Top)
                QVERIFY(cells[i - 1].Left + cells[i - 1].Width <= cell.Left);
            if (i > 0 && cells[i - 1].Top != cell.Top)
                QVERIFY(cells[i - 1].Top + cells[i - 1].Height <= cell.Top);
        }
    }
};

QTEST_APPLESS_MAIN(tst_modCenterObjects)
#include "tst_modCenterObjects.moc"
