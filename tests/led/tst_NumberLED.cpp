// The LED score display: its size, worked out without a widget, and the segments its caption lights as
// the audience sees them, read back off a grab by LedReader. The end-to-end tests read the
// scoreboard with LedReader too, so this also keeps the reader honest.

#include "led/LedGeometry.h"
#include "led/NumberLED.h"
#include "led/SegmentFont.h"
#include "support/LedReader.h"

#include <QtTest>

using namespace brimley;

Q_DECLARE_METATYPE(brimley::LedProperties)

class tst_NumberLED : public QObject
{
    Q_OBJECT

private slots:
    // width = 2 PaddingH + digits x (Size x 31/55 pixels) + (digits - 1) PaddingI, height = 2 PaddingV +
    // Size pixels, in twips, then rounded to whole pixels; a maximum of less than 10 has one digit.
    void naturalExtents_data()
    {
        QTest::addColumn<LedProperties>("properties");
        QTest::addColumn<QSize>("pixels");
        // clang-format off
        QTest::newRow("scoreboard template")             << LedProperties{99, 90, 90, 180, 55}  << QSize(86, 67);
        QTest::newRow("options preview")                 << LedProperties{99, 55, 100, 120, 55} << QSize(77, 68);
        QTest::newRow("one digit")                       << LedProperties{9, 90, 90, 180, 55}   << QSize(43, 67);
        QTest::newRow("maximum 0")                       << LedProperties{0, 90, 90, 180, 55}   << QSize(43, 67);
        QTest::newRow("negative maximum")                << LedProperties{-5, 90, 90, 180, 55}  << QSize(43, 67);
        QTest::newRow("negative padding counts as none") << LedProperties{99, -90, 90, 180, 55} << QSize(74, 67);
        // clang-format on
    }
    void naturalExtents()
    {
        QFETCH(LedProperties, properties);
        QFETCH(QSize, pixels);
        QCOMPARE(LedGeometry::naturalSizePixels(properties), pixels);
        const QSizeF exact = LedGeometry::naturalSizeTwips(properties); // within half a pixel of 15 twips
        QVERIFY(qAbs(exact.width() - pixels.width() * 15) <= 7.5 &&
                qAbs(exact.height() - pixels.height() * 15) <= 7.5);
    }

    // A short number stands at the right, as in a column of figures (the reading below cannot tell).
    void aShortNumberIsRightAligned()
    {
        QCOMPARE(LedGeometry::digitSegments("7", 3),
                 (std::vector<std::uint8_t>{0, 0, SegmentFont::segmentsFor('7')}));
    }

    void readsBackAsItsCaption_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("focused");
        // "-1" is blank: nothing lit, as for anything but a number; "123" is too wide: a dash in every digit.
        const std::pair<const char*, const char*> captions[] = {
            {"0", "0"},    {"7", "7"},   {"42", "42"},  {"88", "88"}, {"-1", "-1"},
            {"123", "--"}, {"-5", "-5"}, {"-10", "--"}, {"007", "7"}, {"4x", "-1"}};
        for (const auto& [caption, shown] : captions) {
            QTest::addRow("%s, scoreboard size", caption)
                << QString(caption) << QString(shown) << 220 << false;
            QTest::addRow("%s, small, focused, green on dark blue", caption)
                << QString(caption) << QString(shown) << 60 << true;
        }
    }
    void readsBackAsItsCaption()
    {
        QFETCH(QString, caption);
        QFETCH(int, size);
        QFETCH(bool, focused);
        // The display sits on a grey area, as on the scoreboard.
        QWidget area;
        area.setAutoFillBackground(true);
        area.setPalette(QPalette(QColor(64, 64, 64)));
        area.resize(size * 3, size * 2);
        NumberLED display(&area);
        // Colours are 0x00BBGGRR, red in the low byte.
        display.setLitColor(focused ? 0x00FF00 : 0x0000FF);
        display.setLedBackColor(focused ? 0x800000 : 0);
        display.setSize(size);
        display.setCaption(caption);
        display.move(size / 3, size / 4);
        area.show();
        QVERIFY(QTest::qWaitForWindowActive(&area));
        focused ? display.setFocus() : display.clearFocus(); // the only widget to take it, it has it

        const auto reading = LedReader::read(area.grab().toImage(), focused ? QColor(0, 255, 0) : Qt::red,
                                             focused ? QColor(0, 0, 128) : Qt::black, 2);
        QVERIFY(reading);
        QTEST(reading->value, "shown");
        QCOMPARE(reading->display, display.geometry());
        QCOMPARE(reading->focusCue, focused);
    }
};

QTEST_MAIN(tst_NumberLED)
#include "tst_NumberLED.moc"
