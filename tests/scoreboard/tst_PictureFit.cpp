#include "scoreboard/PictureFit.h"

#include <QtTest>

using namespace brimley;

class tst_PictureFit : public QObject
{
    Q_OBJECT

private slots:
    void picturesTouchTwoEdgesAndAreCentred_data()
    {
        QTest::addColumn<QSizeF>("picture");
        QTest::addColumn<QSizeF>("container");
        QTest::addColumn<QRectF>("place");
        QTest::newRow("twice as wide as high in a square")
            << QSizeF(3000, 1500) << QSizeF(1200, 1200) << QRectF(0, 300, 1200, 600);
        QTest::newRow("twice as high as wide in a square")
            << QSizeF(1500, 3000) << QSizeF(1200, 1200) << QRectF(300, 0, 600, 1200);
        QTest::newRow("same proportions fill exactly")
            << QSizeF(480, 320) << QSizeF(1815, 1210) << QRectF(0, 0, 1815, 1210);
        QTest::newRow("small picture is enlarged")
            << QSizeF(150, 150) << QSizeF(1815, 1215) << QRectF(300, 0, 1215, 1215);
        QTest::newRow("large picture is reduced")
            << QSizeF(60000, 45000) << QSizeF(1200, 1200) << QRectF(0, 150, 1200, 900);
    }
    void picturesTouchTwoEdgesAndAreCentred()
    {
        QFETCH(QSizeF, picture);
        QFETCH(QSizeF, container);
        QFETCH(QRectF, place);
        QCOMPARE(PictureFit::fit(picture, container), place);
    }

    void degenerateSizesFillTheContainerInsteadOfDividingByZero()
    {
        QCOMPARE(PictureFit::fit(QSizeF(0, 100), QSizeF(300, 200)), QRectF(0, 0, 300, 200));
        QCOMPARE(PictureFit::fit(QSizeF(100, 100), QSizeF(0, 200)), QRectF(0, 0, 0, 200));
    }
};

QTEST_APPLESS_MAIN(tst_PictureFit)
#include "tst_PictureFit.moc"
