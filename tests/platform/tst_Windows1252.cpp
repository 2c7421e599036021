// Tests of the Windows-1252 table: what each byte stands for, and that no byte is lost on the way back.

#include "platform/Windows1252.h"

#include <QtTest>

using namespace brimley;

class tst_Windows1252 : public QObject
{
    Q_OBJECT

private slots:
    // Characters without a byte are written as '?' and so do not read back.
    void bytesAndCharacters_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("representable");
        QTest::newRow("ASCII, Latin-1 and control characters")
            << QByteArray("\x00\t\x1b Az\x7f\xa0\xe9\xff", 10)
            << QString::fromUtf16(u"\0\t\x1b Az\x7f\u00a0éÿ", 10) << true;
        QTest::newRow("0x80 to 0x9F, the five undefined bytes as control characters")
            << QByteArray("\x80\x81\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8D\x8E\x8F"
                          "\x90\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9D\x9E\x9F")
            << QString::fromUtf8(u8"€\u0081‚ƒ„…†‡ˆ‰Š‹Œ\u008DŽ\u008F\u0090‘’“”•–—˜™š›œ\u009DžŸ") << true;
        QTest::newRow("U+0080, whose byte stands for the euro sign")
            << QByteArray("a?b") << QStringLiteral("a\u0080b") << false;
        QTest::newRow("Latin Extended") << QByteArray("?\x9C") << QStringLiteral("\u0100\u0153") << false;
        QTest::newRow("Cyrillic and a dash from another table")
            << QByteArray("??") << QStringLiteral("Я\u2015") << false;
    }
    void bytesAndCharacters()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, representable);
        QCOMPARE(Windows1252::isRepresentable(text), representable);
        QCOMPARE(Windows1252::encode(text), bytes);
        if (representable)
            QCOMPARE(Windows1252::decode(bytes), text);
    }

    void everyByteSurvivesARoundTrip()
    {
        QByteArray all(256, 0);
        std::iota(all.begin(), all.end(), 0);
        QCOMPARE(Windows1252::encode(Windows1252::decode(all)), all);
    }
};

QTEST_MAIN(tst_Windows1252)
#include "tst_Windows1252.moc"
