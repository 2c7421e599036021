// Tests of the Windows-1252 table: what each byte stands for, and that no byte is lost on the way back.

#include "platform/Windows1252.h"

#include <QtTest>

using namespace brimley;

class tst_Windows1252 : public QObject
{
    Q_OBJECT

private slots:
    void bytesAndCharacters_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::newRow("ASCII and Latin-1")
            << QByteArray("Az \xA0\xE9\xFF") << QString::fromUtf8(u8"Az \u00A0éÿ");
        QTest::newRow("0x80 to 0x9F")
            << QByteArray("\x80\x82\x83\x84\x85\x86\x87\x88\x89\x8A\x8B\x8C\x8E"
                          "\x91\x92\x93\x94\x95\x96\x97\x98\x99\x9A\x9B\x9C\x9E\x9F")
            << QString::fromUtf8(u8"€‚ƒ„…†‡ˆ‰Š‹ŒŽ‘’“”•–—˜™š›œžŸ");
        QTest::newRow("the five undefined bytes are control characters")
            << QByteArray("\x81\x8D\x8F\x90\x9D") << QStringLiteral("\u0081\u008D\u008F\u0090\u009D");
        QTest::newRow("control characters below 0x20")
            << QByteArray("\x00\x09\x1B", 3) << QString::fromUtf8("\0\t\x1b", 3);
    }
    void bytesAndCharacters()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QCOMPARE(Windows1252::decode(bytes), text);
        QVERIFY(Windows1252::isRepresentable(text));
        QCOMPARE(Windows1252::encode(text), bytes);
    }

    void charactersWithoutAByteBecomeQuestionMarks_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("U+0080, whose byte stands for the euro sign")
            << QStringLiteral("a\u0080b") << QByteArray("a?b");
        QTest::newRow("Latin Extended") << QStringLiteral("\u0100\u0153") << QByteArray("?\x9C");
        QTest::newRow("Cyrillic and a dash from another table")
            << QStringLiteral("Я\u2015") << QByteArray("??");
    }
    void charactersWithoutAByteBecomeQuestionMarks()
    {
        QFETCH(QString, text);
        QVERIFY(!Windows1252::isRepresentable(text));
        QTEST(Windows1252::encode(text), "bytes");
    }

    void everyByteSurvivesARoundTrip()
    {
        QByteArray all;
        for (int byte = 0; byte < 256; ++byte)
            all.append(char(byte));
        const QString text = Windows1252::decode(all);
        QCOMPARE(text.size(), 256);
        QVERIFY(Windows1252::isRepresentable(text));
        QCOMPARE(Windows1252::encode(text), all);
    }
};

QTEST_MAIN(tst_Windows1252)
#include "tst_Windows1252.moc"
