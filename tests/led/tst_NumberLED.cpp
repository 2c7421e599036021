#include "app/Colours.h"
#include "led/LedGeometry.h"
#include "led/NumberLED.h"
#include "led/SegmentFont.h"

#include <QtTest>

using namespace brimley;

namespace {

// The colour at the middle of one segment of one digit of a rendered display.
QColor segmentColour(NumberLED& display, int digitIndex, int segment)
{
    const QImage image = display.grab().toImage();
    const QRectF cell = LedGeometry::digitRects(display.ledProperties(), display.size())[std::size_t(digitIndex)];
    const QPointF centre = SegmentFont::segmentPolygons()[std::size_t(segment)].boundingRect().center();
    const QPointF point(cell.left() + centre.x() * cell.width() / SegmentFont::CellWidth,
                        cell.top() + centre.y() * cell.height() / SegmentFont::CellHeight);
    return image.pixelColor(point.toPoint());
}

constexpr int SegmentA = 0;
constexpr int SegmentG = 6;

} // namespace

class tst_NumberLED : public QObject
{
    Q_OBJECT

private slots:
    void sizeFollowsThePropertiesWithoutBeingSet()
    {
        NumberLED display;
        QCOMPARE(display.size(), QSize(86, 67)); // the template's design-time values
        display.setMax(9999);
        QCOMPARE(display.width(), LedGeometry::naturalSizePixels({9999, 90, 90, 180, 55}).width());
        display.setPaddingV(300);
        QCOMPARE(display.height(), 20 + 20 + 55);
        display.setSize(110);
        QCOMPARE(display.sizeHint(), display.size());
        QCOMPARE(display.height(), 40 + 110);
    }

    void litAndUnlitSegmentsAtEverySize_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("40-pixel preview") << 40;
        QTest::newRow("scoreboard") << 220;
        QTest::newRow("4K projector") << 1400;
    }
    void litAndUnlitSegmentsAtEverySize()
    {
        QFETCH(int, size);
        NumberLED display;
        display.setSize(size);
        display.setLitColor(0x0000FF);
        display.setLedBackColor(0);
        display.setCaption("17");

        // "1" lights b and c only; "7" lights a, b and c.
        const QColor lit = segmentColour(display, 1, SegmentA);
        QCOMPARE(lit, QColor(255, 0, 0));
        const QColor unlit = segmentColour(display, 0, SegmentA);
        QVERIFY2(unlit.red() > 0 && unlit.red() < 80, "unlit segments show faintly");
        QCOMPARE(unlit.green(), 0);
    }

    void clearedValueShowsNoLitSegment()
    {
        NumberLED display;
        display.setSize(100);
        display.setCaption("-1");
        const QImage image = display.grab().toImage();
        for (int y = 0; y < image.height(); y += 3)
            for (int x = 0; x < image.width(); x += 3)
                QVERIFY(image.pixelColor(x, y).red() < 100);
    }

    void valueTooWideForItsDigitsShowsDashes()
    {
        NumberLED display;
        display.setSize(100);
        display.setCaption("100");
        QCOMPARE(segmentColour(display, 0, SegmentG), QColor(255, 0, 0));
        QCOMPARE(segmentColour(display, 1, SegmentG), QColor(255, 0, 0));
        QVERIFY(segmentColour(display, 0, SegmentA).red() < 80);
    }

    void coloursComeFromTheProperties()
    {
        NumberLED display;
        display.setLitColor(0x00FF00);     // green
        display.setLedBackColor(0x800000); // dark blue
        display.setCaption("88");
        QCOMPARE(segmentColour(display, 0, SegmentG), QColor(0, 255, 0));
        QCOMPARE(display.grab().toImage().pixelColor(1, 1), QColor(0, 0, 128));
    }

    void keysAreReportedWithTheIndex()
    {
        NumberLED display;
        display.setIndex(3);
        QSignalSpy down(&display, &NumberLED::KeyDown);
        QSignalSpy up(&display, &NumberLED::KeyUp);
        QTest::keyPress(&display, Qt::Key_4);
        QTest::keyRelease(&display, Qt::Key_4);
        QCOMPARE(down.size(), 1);
        QCOMPARE(down[0][0].toInt(), 3);
        QCOMPARE(down[0][1].toInt(), 52);
        QCOMPARE(up.size(), 1);
        QCOMPARE(up[0][1].toInt(), 52);
    }

    void theDisplayTakesTheFocus()
    {
        NumberLED display;
        QVERIFY(display.focusPolicy() & Qt::TabFocus);
        QVERIFY(display.focusPolicy() & Qt::ClickFocus);
    }

    void theFocusCueMarksOnlyTheCornersFaintly_data()
    {
        QTest::addColumn<int>("size");
        QTest::newRow("40-pixel preview") << 40;
        QTest::newRow("scoreboard") << 220;
    }
    void theFocusCueMarksOnlyTheCornersFaintly()
    {
        QFETCH(int, size);
        NumberLED display;
        display.setSize(size);
        display.setCaption("88"); // every segment lit
        display.show();
        QVERIFY(QTest::qWaitForWindowActive(&display));
        display.clearFocus();
        QVERIFY(!display.hasFocus());
        const QImage unfocused = display.grab().toImage();
        display.setFocus();
        QTRY_VERIFY(display.hasFocus());
        const QImage focused = display.grab().toImage();

        // The cue shows in each corner, never where a digit is drawn, in a colour dimmer than a lit
        // segment, and covers only a sliver of the display.
        const auto digits = LedGeometry::digitRects(display.ledProperties(), display.size());
        const QRect area = display.rect();
        int changed = 0;
        QSet<int> corners;
        for (int y = 0; y < area.height(); ++y) {
            for (int x = 0; x < area.width(); ++x) {
                if (focused.pixel(x, y) == unfocused.pixel(x, y))
                    continue;
                ++changed;
                for (const QRectF& digit : digits)
                    QVERIFY2(!digit.contains(x + 0.5, y + 0.5), "the cue covers a digit");
                QVERIFY(focused.pixelColor(x, y).red() < 160);
                corners.insert((x < area.width() / 2 ? 0 : 1) + (y < area.height() / 2 ? 0 : 2));
            }
        }
        QCOMPARE(corners.size(), 4);
        QVERIFY(changed < area.width() * area.height() / 20);
    }
};

QTEST_MAIN(tst_NumberLED)
#include "tst_NumberLED.moc"
