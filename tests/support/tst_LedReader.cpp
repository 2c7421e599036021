// The end-to-end tests read scores off the screen with LedReader; here it reads displays whose value
// is known, so that a failure there is the program's and not the reader's.

#include "app/Colours.h"
#include "led/NumberLED.h"
#include "support/LedReader.h"

#include <QtTest>

using namespace brimley;

class tst_LedReader : public QObject
{
    Q_OBJECT

private slots:
    void readsWhatADisplayShows_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("size");
        QTest::addColumn<bool>("focused");
        for (const char* caption : {"0", "7", "42", "88", "19", "-1"}) {
            QTest::addRow("%s, scoreboard size", caption) << QString(caption) << 220 << false;
            QTest::addRow("%s, small, focused", caption) << QString(caption) << 60 << true;
        }
    }
    void readsWhatADisplayShows()
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
        display.setSize(size);
        display.setCaption(caption);
        display.move(size / 3, size / 4);
        area.show();
        QVERIFY(QTest::qWaitForWindowActive(&area));
        if (focused)
            display.setFocus();
        else
            display.clearFocus();

        const auto reading = LedReader::read(area.grab().toImage(), QColor(255, 0, 0), Qt::black, 2);
        QVERIFY(reading);
        QCOMPARE(reading->value, caption);
        QCOMPARE(reading->display, display.geometry());
        QCOMPARE(reading->focusCue, focused);
    }
};

QTEST_MAIN(tst_LedReader)
#include "tst_LedReader.moc"
