// Displays are checked as the audience sees them: LedReader reads each one back off a grab. The
// end-to-end tests read the scoreboard with LedReader too, so this also keeps the reader honest.

#include "led/NumberLED.h"
#include "support/LedReader.h"

#include <QtTest>

using namespace brimley;

class tst_NumberLED : public QObject
{
    Q_OBJECT

private slots:
    void sizeFollowsThePropertiesWithoutBeingSet()
    {
        NumberLED display;
        display.setMax(9999);
        display.setPaddingV(300);
        display.setSize(110);
        QCOMPARE(display.size(), QSize(296, 150)); // 180 + 4 x 930 + 3 x 180 by 600 + 1650 twips
    }

    void readsBackAsItsCaption_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("shown");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("focused");
        const QList<std::pair<const char*, const char*>> captions{
            {"0", "0"}, {"7", "7"}, {"42", "42"}, {"88", "88"},
            {"-1", "-1"},  // blank: nothing lit
            {"123", "--"}, // too wide: a dash in every digit
            {"-5", "-5"}};
        for (const auto& [caption, shown] : captions) {
            QTest::addRow("%s, scoreboard size", caption) << QString(caption) << QString(shown) << 220 << false;
            QTest::addRow("%s, small, focused, green on dark blue", caption) << QString(caption) << QString(shown) << 60 << true;
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
        const QColor lit = focused ? QColor(0, 255, 0) : Qt::red, background = focused ? QColor(0, 0, 128) : Qt::black;
        display.setLitColor(focused ? 0x00FF00 : 0x0000FF);
        display.setLedBackColor(focused ? 0x800000 : 0);
        display.setSize(size);
        display.setCaption(caption);
        display.move(size / 3, size / 4);
        area.show();
        QVERIFY(QTest::qWaitForWindowActive(&area));
        if (focused)
            display.setFocus();
        else
            display.clearFocus(); // the only widget to take it, it has it

        const auto reading = LedReader::read(area.grab().toImage(), lit, background, 2);
        QVERIFY(reading);
        QTEST(reading->value, "shown");
        QCOMPARE(reading->display, display.geometry());
        QCOMPARE(reading->focusCue, focused);
    }
};

QTEST_MAIN(tst_NumberLED)
#include "tst_NumberLED.moc"
