#include "input/ShowDigits.h"

#include <QtTest>

using namespace brimley;
using namespace brimley::ShowDigits;

namespace {

class FakeDisplay final : public ScoreDisplay
{
public:
    explicit FakeDisplay(QString initialCaption, QString controlName = QStringLiteral("nledScore"))
        : caption(std::move(initialCaption)), name(std::move(controlName))
    {
    }
    QString Name() const override { return name; }
    QString Caption() const override { return caption; }
    void setCaption(const QString& value) override { caption = value; }

    QString caption;
    QString name;
};

// Keys as typed: digits and signs as themselves, "_" space, "E" Enter, "D" Delete, "." the full stop,
// "?" a key without a character (a letter, F1).
std::int16_t characterCode(QChar key)
{
    switch (key.unicode()) {
    case u'_':
        return 32;
    case u'E':
        return 13;
    case u'D':
        return 0;
    case u'?':
        return -1;
    default:
        return static_cast<std::int16_t>(key.unicode());
    }
}

void row(const char* name, int maximum, const char* before, const char* keys, const char* after)
{
    QTest::newRow(name) << maximum << QString(before) << QString(keys) << QString(after);
}

void type(FakeDisplay& display, const QString& keys, std::int16_t maximum)
{
    for (QChar key : keys)
        ScoreEntryKey(display, characterCode(key), -1, maximum);
}

} // namespace

class tst_ShowDigits : public QObject
{
    Q_OBJECT

private slots:
    void init() { entryState() = EntryState{}; }

    void typedKeysChangeTheScore_data()
    {
        QTest::addColumn<int>("maximum");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("keys");
        QTest::addColumn<QString>("after");

        row("a number sets", 99, "10", "42E", "42");
        row("leading zeros are dropped", 99, "10", "007E", "7");
        row("above the maximum is dropped", 99, "10", "123E", "10");
        row("plus adds", 99, "10", "+5E", "15");
        row("a sum above the maximum is dropped", 99, "10", "+95E", "10");
        row("minus subtracts", 99, "10", "-4E", "6");
        row("down to the clear value", 99, "10", "-11E", "-1");
        row("below the clear value is dropped", 99, "10", "-12E", "10");
        row("Delete clears at once", 99, "10", "D", "-1");
        row("the cleared display adds from 0", 99, "-1", "+3E", "3");
        row("a lone plus on a cleared display gives 0", 99, "-1", "+E", "0");
        row("a sign after digits ends the number", 99, "10", "12+3E", "12");
        row("space empties the entry", 99, "10", "4_2E", "2");
        row("Delete keeps the entry for Enter", 99, "10", "4DE", "4");
        row("Enter alone changes nothing", 99, "10", "E", "10");
        row("plus plus adds", 99, "10", "++5E", "15");
        row("plus minus subtracts", 99, "10", "+-5E", "5");
        row("minus minus adds", 99, "10", "--5E", "15");
        row("full stop and letters type nothing", 99, "10", "4.?2E", "42");
        row("an entry is emptied after a drop", 99, "10", "123E+1E", "11");

        row("one digit: a digit sets at once", 9, "3", "7", "7");
        row("one digit: a signed entry waits for Enter", 9, "3", "+2", "3");
        row("one digit: plus 2 Enter adds", 9, "3", "+2E", "5");
        row("one digit: a sum above 9 is dropped", 9, "7", "+5E", "7");
        row("one digit: other keys with an empty entry", 9, "7", "?.", "7");
        row("one digit: each digit on its own", 9, "0", "45", "5");

        // Entries that would wrap around in 16 or 32 bits to a value in range are out of range.
        row("2^16 + 42 is not 42", 99, "10", "65578E", "10");
        row("2^32 + 42 is not 42", 99, "10", "4294967338E", "10");
        row("adding 2^32 is not adding 0", 99, "10", "+4294967296E", "10");
        row("subtracting 2^32 + 1", 99, "10", "-4294967297E", "10");
        row("a sum just past 16 bits", 32767, "32767", "+1E", "32767");
        row("the largest 16-bit score", 32767, "32766", "+1E", "32767");
        row("twenty digits", 99, "10", "99999999999999999999E", "10");
    }
    void typedKeysChangeTheScore()
    {
        QFETCH(int, maximum);
        QFETCH(QString, before);
        QFETCH(QString, keys);
        QFETCH(QString, after);
        FakeDisplay display(before);
        type(display, keys, static_cast<std::int16_t>(maximum));
        QCOMPARE(display.caption, after);
    }

    void anEntryIsSharedByDisplaysOfOneName()
    {
        FakeDisplay first("10");
        FakeDisplay second("10");
        type(first, "4", 99);
        type(second, "2E", 99);
        QCOMPARE(first.caption, QStringLiteral("10"));
        QCOMPARE(second.caption, QStringLiteral("42"));
        QCOMPARE(EntryDisplayName(), QStringLiteral("nledScore"));
    }

    void aDisplayOfAnotherNameStartsAFreshEntry()
    {
        FakeDisplay scoreboard("10");
        FakeDisplay preview("10", "nledPreview");
        type(scoreboard, "4", 99);
        type(preview, "2E", 99);
        QCOMPARE(preview.caption, QStringLiteral("2"));
        QCOMPARE(EntryDisplayName(), QStringLiteral("nledPreview"));
    }

    void hundredsOfDigitsAreOutOfRangeAndTheEntryStaysBounded()
    {
        FakeDisplay display("10");
        type(display, QString(300, u'0') + "7", 99);
        QCOMPARE(EntryBuffer().size(), MaxEntryLength);
        type(display, "E", 99);
        QCOMPARE(display.caption, QStringLiteral("10"));
        QVERIFY(EntryBuffer().isEmpty());
        // The next entry is whole again.
        type(display, "+1E", 99);
        QCOMPARE(display.caption, QStringLiteral("11"));
    }

    void applyingAnEntryDirectly_data()
    {
        QTest::addColumn<QString>("entry");
        QTest::addColumn<QString>("after");
        QTest::newRow("empty") << ""
                               << "10";
        QTest::newRow("clear request") << QString(QChar(0)) << "-1";
        QTest::newRow("a letter first") << "x5"
                                        << "10";
        QTest::newRow("a space first") << " 5"
                                       << "10";
        QTest::newRow("a long entry with its leading zeros") << QString(60, u'0') + "8"
                                                             << "8";
    }
    void applyingAnEntryDirectly()
    {
        QFETCH(QString, entry);
        QFETCH(QString, after);
        FakeDisplay display("10");
        ScoreEntryApply(display, entry, -1, 99);
        QCOMPARE(display.caption, after);
    }
};

QTEST_APPLESS_MAIN(tst_ShowDigits)
#include "tst_ShowDigits.moc"
