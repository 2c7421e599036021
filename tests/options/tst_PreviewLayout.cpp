#include "options/PreviewLayout.h"

#include <QtTest>

using namespace brimley;
using PreviewLayout::Input;
using PreviewLayout::Placement;

namespace {

// The options window's sample area (3735 x 2295 twips), label height 375 twips.
Input sample(float displayWidth, float displayHeight, Side picture, Side name)
{
    return Input{3735, 2295, displayWidth, displayHeight, 375, picture, name};
}

} // namespace

class tst_PreviewLayout : public QObject
{
    Q_OBJECT

private slots:
    void placesTheSampleCellToTheTwip_data()
    {
        QTest::addColumn<Input>("input");
        QTest::addColumn<QPointF>("display");
        QTest::addColumn<bool>("pictureVisible");
        QTest::addColumn<QRectF>("picture");
        QTest::addColumn<bool>("labelVisible");
        QTest::addColumn<QRectF>("label");
        // Where a part is hidden its place does not matter.

        // The worked example: a display of 1155 x 1020 twips.
        QTest::newRow("picture right, name above")
            << sample(1155, 1020, SideRight, SideTop) << QPointF(754.5, 850.5) << true
            << QRectF(1960.5, 850.5, 1020, 1020) << true << QRectF(729, 424.5, 2226, 375);
        QTest::newRow("picture left, name above")
            << sample(1155, 1020, SideLeft, SideTop) << QPointF(1825.5, 850.5) << true
            << QRectF(754.5, 850.5, 1020, 1020) << true << QRectF(729, 424.5, 2226, 375);
        QTest::newRow("picture right, name below")
            << sample(1155, 1020, SideRight, SideBottom) << QPointF(754.5, 424.5) << true
            << QRectF(1960.5, 424.5, 1020, 1020) << true << QRectF(729, 1495.5, 2226, 375);
        // The label keeps the group's width even without a picture.
        QTest::newRow("no picture, name above")
            << sample(1155, 1020, SideNone, SideTop) << QPointF(1290, 850.5) << false << QRectF() << true
            << QRectF(729, 424.5, 2226, 375);
        QTest::newRow("no picture, no name") << sample(1155, 1020, SideNone, SideNone) << QPointF(1290, 637.5)
                                             << false << QRectF() << false << QRectF();
        // Sides that do not belong to a setting count as none.
        QTest::newRow("sides of the other setting")
            << sample(1155, 1020, SideTop, SideLeft) << QPointF(1290, 637.5) << false << QRectF() << false
            << QRectF();
        // A display wider than the area is placed as computed, off the area's left edge.
        QTest::newRow("display wider than the area")
            << sample(5000, 1000, SideRight, SideNone) << QPointF(-1157.5, 647.5) << true
            << QRectF(3892.5, 647.5, 1000, 1000) << false << QRectF();
    }
    void placesTheSampleCellToTheTwip()
    {
        QFETCH(Input, input);
        const Placement placement = PreviewLayout::compute(input);
        QTEST(placement.display, "display");
        QTEST(placement.pictureVisible, "pictureVisible");
        QTEST(placement.labelVisible, "labelVisible");
        if (placement.pictureVisible)
            QTEST(placement.picture, "picture");
        if (placement.labelVisible)
            QTEST(placement.label, "label");
    }
};

QTEST_MAIN(tst_PreviewLayout)
#include "tst_PreviewLayout.moc"
