#include "led/LedGeometry.h"
#include "led/SegmentFont.h"

#include <QtTest>

using namespace brimley;

using Segments = std::vector<std::uint8_t>;
Q_DECLARE_METATYPE(Segments)
Q_DECLARE_METATYPE(brimley::LedProperties)

class tst_LedGeometry : public QObject
{
    Q_OBJECT

private slots:
    // width = 2 PaddingH + digits x (Size x 31/55 pixels) + (digits - 1) PaddingI, height = 2 PaddingV +
    // Size pixels, in twips, then rounded to whole pixels.
    void naturalExtents_data()
    {
        QTest::addColumn<LedProperties>("properties");
        QTest::addColumn<QSize>("pixels");
        QTest::addColumn<QSize>("twips"); // the pixels in twips: within a pixel of the exact extent
        QTest::newRow("scoreboard template") << LedProperties{99, 90, 90, 180, 55} << QSize(86, 67) << QSize(1290, 1005);
        QTest::newRow("options preview") << LedProperties{99, 55, 100, 120, 55} << QSize(77, 68) << QSize(1155, 1020);
        QTest::newRow("one digit") << LedProperties{9, 90, 90, 180, 55} << QSize(43, 67) << QSize(645, 1005);
        QTest::newRow("negative padding counts as none") << LedProperties{99, -90, 90, 180, 55} << QSize(74, 67) << QSize(1110, 1005);
    }
    void naturalExtents()
    {
        QFETCH(LedProperties, properties);
        QFETCH(QSize, twips);
        const QSize natural = LedGeometry::naturalSizePixels(properties);
        QTEST(natural, "pixels");
        QCOMPARE(natural * 15, twips);
        const QSizeF exact = LedGeometry::naturalSizeTwips(properties);
        QVERIFY(qAbs(exact.width() - twips.width()) <= 7.5 && qAbs(exact.height() - twips.height()) <= 7.5);
    }

    void digitCountFollowsTheMaximum()
    {
        using LedGeometry::digitCount;
        QCOMPARE(QList<int>({digitCount(9), digitCount(9999), digitCount(0), digitCount(-5)}), QList<int>({1, 4, 1, 1}));
    }

    void captionsLightTheRightSegments_data()
    {
        const std::uint8_t blank = 0, dash = SegmentFont::segmentsFor('-');
        const auto digit = [](char c) { return SegmentFont::segmentsFor(c); };
        QTest::addColumn<QString>("caption");
        QTest::addColumn<Segments>("segments");
        QTest::newRow("42") << "42" << Segments{digit('4'), digit('2')};
        QTest::newRow("7 right-aligned") << "7" << Segments{blank, digit('7')};
        QTest::newRow("-1 is blank") << "-1" << Segments{blank, blank};
        QTest::newRow("not a number is blank") << "4x" << Segments{blank, blank};
        QTest::newRow("too wide shows dashes") << "123" << Segments{dash, dash};
        QTest::newRow("negative") << "-5" << Segments{dash, digit('5')};
        QTest::newRow("negative too wide") << "-10" << Segments{dash, dash};
        QTest::newRow("leading zeros are dropped") << "007" << Segments{blank, digit('7')};
    }
    void captionsLightTheRightSegments()
    {
        QFETCH(QString, caption);
        QTEST(LedGeometry::digitSegments(caption, 2), "segments");
    }
};

QTEST_APPLESS_MAIN(tst_LedGeometry)
#include "tst_LedGeometry.moc"
