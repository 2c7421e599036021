// The scoreboard's layout: the grid of cells in the drawing area, the name, picture and display
// within a cell, and the team pictures, read safely and only as large as shown, fitted into their square.

#include "scoreboard/CellLayout.h"
#include "scoreboard/PictureCache.h"
#include "scoreboard/PictureFit.h"
#include "scoreboard/modCenterObjects.h"
#include "support/TestFiles.h"

#include <QtTest>

#include <sys/stat.h>

using namespace brimley;

class tst_modCenterObjects : public QObject
{
    Q_OBJECT

private:
    QTemporaryDir folder;

    QString writePhoto(const QString& name, QSize size, QColor colour)
    {
        QImage photo(size, QImage::Format_RGB32);
        photo.fill(colour);
        photo.save(folder.filePath(name));
        return folder.filePath(name);
    }

private slots:
    void rowsFillTopFirstAndDifferByAtMostOne()
    {
        const QList<QList<int>> expected{{0},          {1},          {1, 1},      {2, 1},    {2, 2},
                                         {2, 2, 1},    {2, 2, 2},    {3, 2, 2},   {3, 3, 2}, {3, 3, 3},
                                         {3, 3, 2, 2}, {3, 3, 3, 2}, {3, 3, 3, 3}};
        for (int n = 0; n <= 12; ++n) {
            const auto counts = modCenterObjects::LayoutGrid(n, 1500, 2400, 8000, 12000);
            QCOMPARE(QList<int>(counts.begin(), counts.end()), expected[n]);
        }
    }

    // The cells fill 80% of the limiting direction; gaps around them are equal, shorter rows centred.
    void cellsFillEightyPercentWithEqualGaps_data()
    {
        QTest::addColumn<int>("n");
        QTest::addColumn<double>("scale");
        QTest::addColumn<double>("VG");
        QTest::addColumn<int>("HG");
        QTest::addColumn<QList<QRectF>>("cells");
        // Cells are placed in single precision.
        const double g = float(2000.0 / 3), g2 = float(2 * 2000.0 / 3 + 3000);
        QTest::newRow("1") << 1 << 4.0 << 1000.0 << 1200 << QList<QRectF>{{1200, 1000, 9600, 6000}};
        QTest::newRow("3") << 3 << 2.0 << 2000.0 / 3 << 800
                           << QList<QRectF>{
                                  {800, g, 4800, 3000}, {6400, g, 4800, 3000}, {3600, g2, 4800, 3000}};
    }
    void cellsFillEightyPercentWithEqualGaps()
    {
        QFETCH(int, n);
        GridLayout grid;
        grid.BH = 1500;
        grid.BW = 2400;
        placeCells(grid, n, 12000, 8000);
        QTEST(grid.CellScale, "scale");
        QTEST(grid.VG, "VG");
        QTEST(grid.HG, "HG");
        QList<QRectF> cells;
        for (const CellRect& cell : grid.cells)
            cells << QRectF(cell.Left, cell.Top, cell.Width, cell.Height);
        QTEST(cells, "cells");
    }

    void theBaseCellFollowsTheSettings()
    {
        const auto base = [](int name, int picture) {
            Settings settings;
            settings.PosNameToScore = name;
            settings.PosImgToScore = picture;
            const GridLayout grid = computeGridLayout(4, settings, 12000, 8000);
            return QSize(grid.BW, grid.BH);
        };
        // The default paddings (6, 6 pixels) and spacing (8 pixels) give a 1230 x 1005 twip display;
        // the name adds 0.55 and the picture 1.05 display heights.
        QCOMPARE(base(SideNone, SideNone), QSize(1230, 1005));
        QCOMPARE(base(SideTop, SideRight), QSize(2285, 1558));
        QCOMPARE(base(SideBottom, SideLeft), QSize(2285, 1558));
        // Settings from a hand-edited file make the nearest usable display.
        const auto display = [](int digits, int padding) {
            Settings settings;
            settings.DigitsWide = std::int16_t(digits);
            settings.HPadding = std::int16_t(padding);
            const LedProperties d = scoreDisplayProperties(settings);
            return QList<int>{d.Max, d.PaddingH, d.Size};
        };
        QCOMPARE(display(3, 20), (QList<int>{999, 300, 55}));
        QCOMPARE(display(7, 3000), (QList<int>{9999, 32760, 55})); // padding beyond 16-bit twips
        QCOMPARE(display(-3, -40), (QList<int>{9, 0, 55}));
    }

    // Modern screens: an 8K drawing area is 115,200 twips wide, far beyond 16 bits.
    void largeAreasAndManyTeamsNeverOverlapOrTouchTheEdges()
    {
        const std::tuple<int, float, float> cases[] = {{0, 12000, 8000},
                                                       {1000, 115200, 64800},
                                                       {7, 3000, 60000} /* tall and narrow */,
                                                       {32767, 115200, 64800}};
        for (const auto& [n, W, H] : cases) {
            const GridLayout grid = computeGridLayout(n, Settings{}, W, H);
            QCOMPARE(int(grid.cells.size()), n);
            QVERIFY(grid.RowCounts.front() - grid.RowCounts.back() <= 1); // larger rows first, by one at most
            // Cells come row by row, left to right.
            for (std::size_t i = 0; i < grid.cells.size(); ++i) {
                const CellRect& cell = grid.cells[i];
                QVERIFY(cell.Left > 0 && cell.Top > 0 && cell.Left + cell.Width < W &&
                        cell.Top + cell.Height < H);
                const CellRect* before = i > 0 ? &grid.cells[i - 1] : nullptr;
                QVERIFY(!before || (before->Top == cell.Top ? before->Left + before->Width <= cell.Left
                                                            : before->Top + before->Height <= cell.Top));
            }
        }
    }

    // The default template display, 1290 x 1005 twips, at scale 4 is h = 4020 twips high and w = 5160
    // wide, so 0.05 h = 201, 0.5 h = 2010, 0.55 h = 2211, and the cell w + 1.05 h = 9381 wide.
    void everyNameAndPicturePositionInACell_data()
    {
        QTest::addColumn<int>("name");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QRectF>("strip");
        QTest::addColumn<QRectF>("square");
        QTest::addColumn<QPointF>("display");
        const QRectF no, above(0, 0, 9381, 2010), below(0, 4221, 9381, 2010);
        QTest::newRow("none, none") << 0 << 0 << no << no << QPointF(0, 0);
        QTest::newRow("above, none") << 1 << 0 << above << no << QPointF(0, 2211);
        QTest::newRow("below, none") << 2 << 0 << below << no << QPointF(0, 0);
        QTest::newRow("none, left") << 0 << 3 << no << QRectF(0, 0, 4020, 4020) << QPointF(4221, 0);
        QTest::newRow("none, right") << 0 << 4 << no << QRectF(5361, 0, 4020, 4020) << QPointF(0, 0);
        QTest::newRow("above, left") << 1 << 3 << above << QRectF(0, 2211, 4020, 4020) << QPointF(4221, 2211);
        QTest::newRow("above, right")
            << 1 << 4 << above << QRectF(5361, 2211, 4020, 4020) << QPointF(0, 2211);
        QTest::newRow("below, left") << 2 << 3 << below << QRectF(0, 0, 4020, 4020) << QPointF(4221, 0);
        QTest::newRow("below, right") << 2 << 4 << below << QRectF(5361, 0, 4020, 4020) << QPointF(0, 0);
    }
    void everyNameAndPicturePositionInACell()
    {
        QFETCH(int, name);
        QFETCH(int, picture);
        Settings settings;
        settings.PosNameToScore = name;
        settings.PosImgToScore = picture;
        const CellComposition cell = composeCell(settings, LedProperties{}, 1005, 1290, 4, 9381);
        QCOMPARE(cell.nameVisible, name != 0);
        QCOMPARE(cell.pictureVisible, picture != 0);
        QTEST(cell.nameVisible ? cell.nameStrip : QRectF(), "strip");
        QTEST(cell.pictureVisible ? cell.picture : QRectF(), "square");
        QTEST(cell.displayPos, "display");
    }

    void theDisplayAndTheNameScaleWithTheCell()
    {
        const LedProperties d = composeCell(Settings{}, LedProperties{}, 1005, 1290, 2.5, 5000).display;
        // 90, 90, 180 twips of padding and spacing times 2.5; 137.5 goes to the even neighbour.
        QCOMPARE((QList<int>{d.Max, d.PaddingH, d.PaddingV, d.PaddingI, d.Size}),
                 (QList<int>{99, 225, 225, 450, 138}));
        // A strip of 2010 twips (134 pixels) gets a font of 2010 x 0.5 / 15 = 67 points.
        QCOMPARE(composeCell(Settings{}, LedProperties{}, 1005, 1290, 4, 9381).namePoints, 67.0);
        QCOMPARE(pointsToPixels(67.0), 89);
        QCOMPARE(pointsToPixels(0.1), 1);
    }

    // Pictures touch two edges of their square and are centred; degenerate sizes fill the container
    // instead of dividing by zero.
    void picturesAreFittedIntoTheirSquare()
    {
        QCOMPARE(PictureFit::fit({3000, 1500}, {1200, 1200}), QRectF(0, 300, 1200, 600));
        QCOMPARE(PictureFit::fit({1500, 3000}, {1200, 1200}), QRectF(300, 0, 600, 1200));
        QCOMPARE(PictureFit::fit({150, 150}, {1815, 1215}), QRectF(300, 0, 1215, 1215));
        QCOMPARE(PictureFit::fit({0, 100}, {300, 200}), QRectF(0, 0, 300, 200));
        QCOMPARE(PictureFit::fit({100, 100}, {0, 200}), QRectF(0, 0, 0, 200));
    }

    // A 4000 x 3000 photo shown at 300 x 225 is decoded near that size, once while the file stays as
    // it is and the frame does not grow much; a changed file is decoded again.
    void photosAreDecodedAtTheSizeShownAndOnlyWhenNeeded()
    {
        PictureCache cache;
        const QString path = writePhoto("big.jpg", {4000, 3000}, Qt::darkGreen);
        QCOMPARE(cache.ownSize(path), std::optional<QSize>(QSize(4000, 3000)));
        const QImage shown = cache.image(path, {300, 225}, {1920, 1080});
        QVERIFY(shown.width() >= 300 && shown.height() >= 225);
        QVERIFY2(shown.width() <= 400, "decoded far larger than shown");
        cache.image(path, {300, 225}, {});
        cache.image(path, {280, 210}, {});
        QCOMPARE(cache.decodeCount(), 1);
        cache.image(path, {900, 675}, {});
        QCOMPARE(cache.decodeCount(), 2);

        const QString png = writePhoto("changing.png", {64, 64}, Qt::red);
        QCOMPARE(cache.image(png, {64, 64}, {}).pixelColor(5, 5), QColor(Qt::red));
        writePhoto("changing.png", {64, 48}, Qt::yellow);
        QFile(png).setFileTime(QDateTime::currentDateTime().addSecs(5), QFileDevice::FileModificationTime);
        QCOMPARE(cache.image(png, {64, 48}, {}).pixelColor(5, 5), QColor(Qt::yellow));
    }

    void filesThatAreNotReadablePicturesAreRefused()
    {
        const std::pair<const char*, QByteArray> files[] = {
            {"empty.jpg", {}},
            {"notes.gif", "these are not the pixels you are looking for"},
            // A BMP header claiming 5000 x 5000 pixels of 24 bits, with none of them behind it: refused
            // before anything is allocated.
            {"claims.bmp",
             QByteArray::fromHex("424d f6687804 00000000 36000000 28000000 88130000 88130000 0100 1800 "
                                 "00000000 c0687804 130b0000 130b0000 00000000 00000000")}};
        PictureCache cache;
        for (const auto& [name, bytes] : files) {
            const QString file = folder.filePath(name);
            QVERIFY(TestFiles::write(file, bytes));
            QVERIFY2(!cache.ownSize(file) && cache.image(file, {200, 200}, {}).isNull(), name);
        }
        // Only ordinary files are opened: opening a FIFO would block for ever.
        const QString fifo = folder.filePath("pipe.jpg");
        QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        QVERIFY(!cache.ownSize(fifo));
        QVERIFY(!PictureCache::isOrdinaryFile(QFileInfo(writePhoto(".hidden.png", {10, 10}, Qt::red))));
    }

    void brokenPicturesFromTheWildAreSurvived()
    {
        const QDir corpus(QStringLiteral(BRIMLEY_CORPUS_DIR "/images"));
        if (!corpus.exists())
            QSKIP("The shared picture corpus is not beside this checkout");
        const QStringList files = corpus.entryList({"*.bmp", "*.gif", "*.jpg"}, QDir::Files);
        QVERIFY(files.size() >= 20);
        PictureCache cache;
        for (const QString& name : files) {
            const QImage image = cache.image(corpus.filePath(name), {200, 200}, {1920, 1080});
            QVERIFY2(image.width() <= 1920 && image.height() <= 1080, qPrintable(name));
        }
        // The valid pictures among them still load.
        for (const char* name : {"hopper.jpg", "hopper.gif", "rgb24.bmp", "pal8.bmp", "chi.gif"})
            QVERIFY2(!cache.image(corpus.filePath(name), {100, 100}, {}).isNull(), name);
    }
};

QTEST_GUILESS_MAIN(tst_modCenterObjects)
#include "tst_modCenterObjects.moc"
