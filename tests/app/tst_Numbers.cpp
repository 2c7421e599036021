#include "app/Numbers.h"

#include <QtTest>

using namespace brimley;

class tst_Numbers : public QObject
{
    Q_OBJECT

private slots:
    void roundsHalvesToTheEvenNeighbour_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("rounded");
        QTest::newRow("2.5 down") << 2.5 << qint64(2);
        QTest::newRow("3.5 up") << 3.5 << qint64(4);
        QTest::newRow("-2.5 towards zero") << -2.5 << qint64(-2);
        QTest::newRow("-3.5 away from zero") << -3.5 << qint64(-4);
        QTest::newRow("0.5 to zero") << 0.5 << qint64(0);
        QTest::newRow("just above a half") << 2.5000001 << qint64(3);
        QTest::newRow("just below a half") << 2.4999999 << qint64(2);
        QTest::newRow("754.5 twips") << 754.5 << qint64(754);
        QTest::newRow("NaN") << std::nan("") << qint64(0);
        QTest::newRow("huge") << 1e300 << std::numeric_limits<qint64>::max();
        QTest::newRow("huge negative") << -1e300 << std::numeric_limits<qint64>::min();
    }
    void roundsHalvesToTheEvenNeighbour()
    {
        QFETCH(double, value);
        QFETCH(qint64, rounded);
        QCOMPARE(roundHalfEven(value), rounded);
    }

    void sixteenBitValuesSaturateInsteadOfWrapping_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<int>("stored");
        QTest::newRow("fits") << 32767.0 << 32767;
        QTest::newRow("one over") << 32768.0 << 32767;
        QTest::newRow("a 4K window in twips") << 57600.0 << 32767;
        QTest::newRow("negative fits") << -32768.0 << -32768;
        QTest::newRow("negative over") << -40000.0 << -32768;
        QTest::newRow("rounded first") << 32766.5 << 32766;
    }
    void sixteenBitValuesSaturateInsteadOfWrapping()
    {
        QFETCH(double, value);
        QFETCH(int, stored);
        QCOMPARE(int(roundTo16(value)), stored);
    }

    void twipsBecomeWholePixels()
    {
        QCOMPARE(twipsToPixels(1290), 86);
        QCOMPARE(twipsToPixels(1155), 77);
        QCOMPARE(twipsToPixels(7.5), 0);  // half a pixel, to the even neighbour
        QCOMPARE(twipsToPixels(22.5), 2);
        QCOMPARE(twipsToPixels(57600), 3840);
    }
};

QTEST_APPLESS_MAIN(tst_Numbers)
#include "tst_Numbers.moc"
