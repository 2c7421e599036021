#include "app/Numbers.h"

#include <QtTest>

using namespace brimley;

class tst_Numbers : public QObject
{
    Q_OBJECT

private slots:
    // Halves go to the even neighbour; 16-bit values saturate instead of wrapping; NaN and values
    // beyond 64 bits saturate rather than being undefined.
    void roundsHalvesToEvenAndSaturates_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<qint64>("rounded");
        QTest::addColumn<int>("stored16");
        constexpr qint64 max = std::numeric_limits<qint64>::max(), min = std::numeric_limits<qint64>::min();
        QTest::newRow("2.5 down") << 2.5 << qint64(2) << 2;
        QTest::newRow("3.5 up") << 3.5 << qint64(4) << 4;
        QTest::newRow("-2.5 towards zero") << -2.5 << qint64(-2) << -2;
        QTest::newRow("just above a half") << 2.5000001 << qint64(3) << 3;
        QTest::newRow("32766.5, rounded first") << 32766.5 << qint64(32766) << 32766;
        QTest::newRow("a 4K window in twips") << 57600.0 << qint64(57600) << 32767;
        QTest::newRow("negative over 16 bits") << -40000.0 << qint64(-40000) << -32768;
        QTest::newRow("NaN") << std::nan("") << qint64(0) << 0;
        QTest::newRow("huge") << 1e300 << max << 32767;
        QTest::newRow("huge negative") << -1e300 << min << -32768;
    }
    void roundsHalvesToEvenAndSaturates()
    {
        QFETCH(double, value);
        QTEST(qint64(roundHalfEven(value)), "rounded");
        QTEST(int(roundTo16(value)), "stored16");
    }
};

QTEST_APPLESS_MAIN(tst_Numbers)
#include "tst_Numbers.moc"
