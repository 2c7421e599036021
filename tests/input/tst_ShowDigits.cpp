// Typed score entry on a display: what the keys typed do to its score.

#include "input/ShowDigits.h"

#include <QtTest>

using namespace brimley;
using namespace brimley::ShowDigits;

namespace {

class FakeDisplay final : public ScoreDisplay
{
public:
    QString Name() const override { return QStringLiteral("nledScore"); }
    QString Caption() const override { return caption; }
    void setCaption(const QString& value) override { caption = value; }
    QString caption;
};

} // namespace

class tst_ShowDigits : public QObject
{
    Q_OBJECT

private slots:
    void init() { entryState() = EntryState{}; }

    // Keys as typed: digits and signs as themselves, "_" space, "E" Enter, "D" Delete, "." the full stop,
    // "?" a key without a character (a letter, F1).
    void typedKeysChangeTheScore_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("after");
        const auto row = [](const char* name, int maximum, const char* before, const char* keys,
                            const char* after) {
            QTest::newRow(name) << maximum << QString(before) << QString(keys) << QString(after);
        };
        row("a number sets", 99, "10", "42E", "42");
        row("above the maximum is dropped", 99, "10", "123E", "10");
        row("plus adds", 99, "10", "+5E", "15");
        row("a sum above the maximum is dropped", 99, "10", "+95E", "10");
        row("minus subtracts", 99, "10", "-4E", "6");
        row("down to the clear value", 99, "10", "-11E", "-1");
        row("below the clear value is dropped", 99, "10", "-12E", "10");
        row("Delete clears at once", 99, "10", "D", "-1");
        row("the cleared display adds from 0", 99, "-1", "+3E", "3");
        row("a sign after digits ends the number", 99, "10", "12+3E", "12");
        row("space empties the entry", 99, "10", "4_2E", "2");
        row("full stop and letters type nothing", 99, "10", "4.?2E", "42");
        row("an entry is emptied after a drop", 99, "10", "123E+1E", "11");

        row("one digit: each digit sets at once", 9, "0", "45", "5");
        row("one digit: a signed entry waits for Enter", 9, "3", "+2", "3");
        row("one digit: a sum above 9 is dropped", 9, "7", "+5E", "7");

        // Entries that would wrap around in 16 or 32 bits to a value in range are out of range.
        row("2^16 + 42 is not 42", 99, "10", "65578E", "10");
        row("2^32 + 42 is not 42", 99, "10", "4294967338E", "10");
        row("adding 2^32 is not adding 0", 99, "10", "+4294967296E", "10");
        row("a sum just past 16 bits", 32767, "32767", "+1E", "32767");
        row("twenty digits", 99, "10", "99999999999999999999E", "10");
        row("three hundred digits", 99, "10", qPrintable(QString(300, u'9') + "E"), "10");
    }
    void typedKeysChangeTheScore()
    {
        QFETCH(int, maximum);
        QFETCH(QString, before);
        QFETCH(QString, keys);
        FakeDisplay display;
        display.caption = before;
        for (const QChar key : keys) {
            const auto named = QStringLiteral("_ED?").indexOf(key); // keys typed as a letter
            const int code = named < 0 ? key.unicode() : std::array{32, 13, 0, -1}[std::size_t(named)];
            ScoreEntryKey(display, std::int16_t(code), -1, std::int16_t(maximum));
        }
        QTEST(display.caption, "after");
    }
};

QTEST_APPLESS_MAIN(tst_ShowDigits)
#include "tst_ShowDigits.moc"
