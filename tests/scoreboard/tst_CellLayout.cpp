#include "scoreboard/CellLayout.h"

#include <QtTest>

using namespace brimley;

// The default template display, 1290 x 1005 twips, at scale 4: the scaled display is h = 4020 twips
// high and w = 5160 wide, so 0.05 h = 201, 0.5 h = 2010, 0.55 h = 2211 and 1.05 h = 4221.
namespace {
constexpr double TH = 1005;
constexpr double TW = 1290;
constexpr double S = 4;
constexpr double CellWidth = 9381; // w + 1.05 h
} // namespace

class tst_CellLayout : public QObject
{
    Q_OBJECT

private slots:
    void everyNameAndPicturePosition_data()
    {
        QTest::addColumn<int>("name");
        QTest::addColumn<int>("picture");
        QTest::addColumn<QRectF>("strip");
        QTest::addColumn<QRectF>("square");
        QTest::addColumn<QPointF>("display");
        const QRectF hidden;
        const QRectF above(0, 0, CellWidth, 2010);
        const QRectF below(0, 4221, CellWidth, 2010);
        QTest::newRow("none, none") << 0 << 0 << hidden << hidden << QPointF(0, 0);
        QTest::newRow("above, none") << 1 << 0 << above << hidden << QPointF(0, 2211);
        QTest::newRow("below, none") << 2 << 0 << below << hidden << QPointF(0, 0);
        QTest::newRow("none, left") << 0 << 3 << hidden << QRectF(0, 0, 4020, 4020) << QPointF(4221, 0);
        QTest::newRow("none, right") << 0 << 4 << hidden << QRectF(5361, 0, 4020, 4020) << QPointF(0, 0);
        QTest::newRow("above, left") << 1 << 3 << above << QRectF(0, 2211, 4020, 4020) << QPointF(4221, 2211);
        QTest::newRow("above, right") << 1 << 4 << above << QRectF(5361, 2211, 4020, 4020) << QPointF(0, 2211);
        QTest::newRow("below, left") << 2 << 3 << below << QRectF(0, 0, 4020, 4020) << QPointF(4221, 0);
        QTest::newRow("below, right") << 2 << 4 << below << QRectF(5361, 0, 4020, 4020) << QPointF(0, 0);
    }
    void everyNameAndPicturePosition()
    {
        QFETCH(int, name);
        QFETCH(int, picture);
        QFETCH(QRectF, strip);
        QFETCH(QRectF, square);
        QFETCH(QPointF, display);
        Settings settings;
        settings.PosNameToScore = name;
        settings.PosImgToScore = picture;
        const LedProperties templateDisplay; // 99, 90, 90, 180, 55

        const CellComposition cell = composeCell(settings, templateDisplay, TH, TW, S, CellWidth);

        QCOMPARE(cell.nameVisible, name != 0);
        QCOMPARE(cell.pictureVisible, picture != 0);
        if (cell.nameVisible)
            QCOMPARE(cell.nameStrip, strip);
        if (cell.pictureVisible)
            QCOMPARE(cell.picture, square);
        QCOMPARE(cell.displayPos, display);
    }

    void theDisplayIsTheTemplateTimesTheScale()
    {
        Settings settings;
        settings.DigitsWide = 3;
        const LedProperties templateDisplay;
        const CellComposition cell = composeCell(settings, templateDisplay, TH, TW, 2.5, 5000);
        QCOMPARE(cell.display.PaddingH, std::int16_t(225));
        QCOMPARE(cell.display.PaddingV, std::int16_t(225));
        QCOMPARE(cell.display.PaddingI, std::int16_t(450));
        QCOMPARE(cell.display.Size, std::int16_t(138)); // 137.5, a half to the even neighbour
        QCOMPARE(cell.display.Max, std::int16_t(999));
        // The scaled display is as large as the template times the scale, up to rounding.
        const QSizeF scaled = LedGeometry::naturalSizeTwips(cell.display);
        const QSizeF expected = LedGeometry::naturalSizeTwips({999, 90, 90, 180, 55}) * 2.5;
        QVERIFY(qAbs(scaled.width() - expected.width()) < 15);
        QVERIFY(qAbs(scaled.height() - expected.height()) < 15);
    }

    void theNameScalesWithTheStrip()
    {
        const CellComposition cell = composeCell(Settings{}, LedProperties{}, TH, TW, S, CellWidth);
        // A strip of 2010 twips (134 pixels) gets a font of 2010 x 0.5 / 15 = 67 points.
        QCOMPARE(cell.namePoints, 67.0);
        QCOMPARE(pointsToPixels(67.0), 89);
        QCOMPARE(pointsToPixels(0.1), 1);
    }

    void switchingTheNameSideKeepsTheCellHeight()
    {
        Settings top;
        top.PosNameToScore = SideTop;
        Settings bottom;
        bottom.PosNameToScore = SideBottom;
        const CellComposition above = composeCell(top, LedProperties{}, TH, TW, 1.37, 3000);
        const CellComposition below = composeCell(bottom, LedProperties{}, TH, TW, 1.37, 3000);
        const double h = TH * 1.37;
        // Both are 1.55 display heights high, up to the rounding of the running top.
        QVERIFY(qAbs((above.displayPos.y() + h) - 1.55 * h) <= 1.0);
        QVERIFY(qAbs(below.nameStrip.bottom() - 1.55 * h) <= 1.0);
    }
};

QTEST_APPLESS_MAIN(tst_CellLayout)
#include "tst_CellLayout.moc"
