#include "led/LedGeometry.h"
#include "led/SegmentFont.h"

#include <QtTest>

using namespace brimley;

namespace {
constexpr std::uint8_t Blank = 0;
const std::uint8_t Dash = SegmentFont::segmentsFor('-');
std::uint8_t digit(char c) { return SegmentFont::segmentsFor(c); }
} // namespace

Q_DECLARE_METATYPE(std::vector<std::uint8_t>)

class tst_LedGeometry : public QObject
{
    Q_OBJECT

private slots:
    void designTimeExtents_data()
    {
        QTest::addColumn<int>("paddingH");
        QTest::addColumn<int>("paddingV");
        QTest::addColumn<int>("paddingI");
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<QSize>("twips");
        QTest::newRow("scoreboard template") << 90 << 90 << 180 << QSize(86, 67) << QSize(1290, 1005);
        QTest::newRow("options preview") << 55 << 100 << 120 << QSize(77, 68) << QSize(1155, 1020);
    }
    void designTimeExtents()
    {
        QFETCH(int, paddingH);
        QFETCH(int, paddingV);
        QFETCH(int, paddingI);
        QFETCH(QSize, pixels);
        QFETCH(QSize, twips);
        const LedProperties properties{99, std::int16_t(paddingH), std::int16_t(paddingV), std::int16_t(paddingI), 55};
        const QSize natural = LedGeometry::naturalSizePixels(properties);
        QCOMPARE(natural, pixels);
        QCOMPARE(natural * 15, twips);
    }

    void moreDigitsPaddingOrSpacingMakeTheDisplayLarger()
    {
        const QSize base = LedGeometry::naturalSizePixels({99, 90, 90, 180, 55});
        QVERIFY(LedGeometry::naturalSizePixels({9999, 90, 90, 180, 55}).width() > base.width());
        QVERIFY(LedGeometry::naturalSizePixels({99, 300, 90, 180, 55}).width() > base.width());
        QVERIFY(LedGeometry::naturalSizePixels({99, 90, 300, 180, 55}).height() > base.height());
        QVERIFY(LedGeometry::naturalSizePixels({99, 90, 90, 300, 55}).width() > base.width());
        QCOMPARE(LedGeometry::naturalSizePixels({9, 90, 90, 180, 55}).width(), 12 + 31);
    }

    void scalingEveryLengthScalesTheDisplay_data()
    {
        QTest::addColumn<int>("k");
        QTest::newRow("x2") << 2;
        QTest::newRow("x7") << 7;
        QTest::newRow("x30 (a 4K projector)") << 30;
    }
    void scalingEveryLengthScalesTheDisplay()
    {
        QFETCH(int, k);
        const QSizeF base = LedGeometry::naturalSizeTwips({999, 90, 90, 180, 55});
        const auto scaled = [k](int v) { return std::int16_t(v * k); };
        const QSizeF big = LedGeometry::naturalSizeTwips({999, scaled(90), scaled(90), scaled(180), scaled(55)});
        QCOMPARE(big, base * k);
    }

    void digitCountFollowsTheMaximum_data()
    {
        QTest::addColumn<int>("max");
        QTest::addColumn<int>("digits");
        QTest::newRow("9") << 9 << 1;
        QTest::newRow("99") << 99 << 2;
        QTest::newRow("9999") << 9999 << 4;
        QTest::newRow("0") << 0 << 1;
        QTest::newRow("negative") << -5 << 1;
    }
    void digitCountFollowsTheMaximum()
    {
        QFETCH(int, max);
        QTEST(LedGeometry::digitCount(std::int16_t(max)), "digits");
    }

    void captionsLightTheRightSegments_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("digits");
        QTest::addColumn<std::vector<std::uint8_t>>("segments");
        QTest::newRow("42") << "42" << 2 << std::vector<std::uint8_t>{digit('4'), digit('2')};
        QTest::newRow("7 right-aligned") << "7" << 2 << std::vector<std::uint8_t>{Blank, digit('7')};
        QTest::newRow("0") << "0" << 3 << std::vector<std::uint8_t>{Blank, Blank, digit('0')};
        QTest::newRow("-1 is blank") << "-1" << 2 << std::vector<std::uint8_t>{Blank, Blank};
        QTest::newRow("not a number is blank") << "4x" << 2 << std::vector<std::uint8_t>{Blank, Blank};
        QTest::newRow("empty is blank") << "" << 1 << std::vector<std::uint8_t>{Blank};
        QTest::newRow("too wide shows dashes") << "123" << 2 << std::vector<std::uint8_t>{Dash, Dash};
        QTest::newRow("negative") << "-5" << 2 << std::vector<std::uint8_t>{Dash, digit('5')};
        QTest::newRow("negative too wide") << "-10" << 2 << std::vector<std::uint8_t>{Dash, Dash};
        QTest::newRow("leading zeros are dropped") << "007" << 2 << std::vector<std::uint8_t>{Blank, digit('7')};
    }
    void captionsLightTheRightSegments()
    {
        QFETCH(QString, caption);
        QFETCH(int, digits);
        QFETCH(std::vector<std::uint8_t>, segments);
        QCOMPARE(LedGeometry::digitSegments(caption, digits), segments);
    }

    void everyDigitHasItsOwnShape()
    {
        QSet<std::uint8_t> shapes;
        for (char c = '0'; c <= '9'; ++c)
            shapes.insert(SegmentFont::segmentsFor(c));
        QCOMPARE(shapes.size(), 10);
        QCOMPARE(SegmentFont::segmentsFor('8'), std::uint8_t(0x7F));
    }

    void segmentsStayInsideTheirCellAndDoNotOverlap()
    {
        const auto& polygons = SegmentFont::segmentPolygons();
        const QRectF cell(0, 0, SegmentFont::CellWidth, SegmentFont::CellHeight);
        for (std::size_t i = 0; i < polygons.size(); ++i) {
            QVERIFY(cell.contains(polygons[i].boundingRect()));
            for (std::size_t j = i + 1; j < polygons.size(); ++j)
                QVERIFY2(polygons[i].intersected(polygons[j]).isEmpty(), "segments must keep a gap");
        }
    }
};

QTEST_APPLESS_MAIN(tst_LedGeometry)
#include "tst_LedGeometry.moc"
