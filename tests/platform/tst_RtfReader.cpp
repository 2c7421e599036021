#include "platform/RtfReader.h"

#include <QDir>
#include <QRandomGenerator>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QtTest>

using namespace brimley;
using Status = RtfReader::Status;

Q_DECLARE_METATYPE(RtfReader::Status)

namespace {

// The paragraphs of a document joined by "\n"; a line break inside a paragraph stays U+2028.
QString paragraphs(const QTextDocument& document)
{
    QStringList result;
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next())
        result << block.text();
    return result.join(QLatin1Char('\n'));
}

QString textOf(const QByteArray& rtf)
{
    QTextDocument document;
    RtfReader::read(rtf, document);
    return paragraphs(document);
}

QTextCursor find(const QTextDocument& document, const QString& word)
{
    const QTextCursor found = document.find(word);
    QTextCursor first(found);
    first.setPosition(found.selectionStart() + 1); // the format of the word's first character
    return first;
}

QString describe(const QTextCharFormat& format)
{
    QStringList parts;
    if (format.fontWeight() >= QFont::Bold)
        parts << "bold";
    if (format.fontItalic())
        parts << "italic";
    if (format.fontUnderline())
        parts << "underline";
    if (format.fontStrikeOut())
        parts << "strike";
    if (format.verticalAlignment() == QTextCharFormat::AlignSuperScript)
        parts << "super";
    if (format.verticalAlignment() == QTextCharFormat::AlignSubScript)
        parts << "sub";
    parts << QString::number(format.fontPointSize()) + "pt";
    const QStringList families = format.fontFamilies().toStringList();
    if (!families.isEmpty())
        parts << families.join(',');
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        parts << "colour " + format.foreground().color().name();
    if (format.hasProperty(QTextFormat::BackgroundBrush))
        parts << "background " + format.background().color().name();
    return parts.join(' ');
}

QString describe(const QTextBlockFormat& format)
{
    QStringList parts;
    const Qt::Alignment alignment = format.alignment() & Qt::AlignHorizontal_Mask;
    parts << (alignment == Qt::AlignHCenter   ? "centre"
              : alignment == Qt::AlignRight   ? "right"
              : alignment == Qt::AlignJustify ? "justify"
                                              : "left");
    const auto add = [&](const char* name, double value) {
        if (value != 0)
            parts << QStringLiteral("%1 %2").arg(QLatin1String(name)).arg(value);
    };
    add("li", format.leftMargin());
    add("ri", format.rightMargin());
    add("fi", format.textIndent());
    add("sb", format.topMargin());
    add("sa", format.bottomMargin());
    if (format.lineHeightType() == QTextBlockFormat::ProportionalHeight)
        parts << QStringLiteral("line %1%").arg(format.lineHeight());
    QStringList tabs;
    for (const QTextOption::Tab& tab : format.tabPositions())
        tabs << (tab.type == QTextOption::RightTab ? "right " : "") + QString::number(tab.position);
    if (!tabs.isEmpty())
        parts << "tabs " + tabs.join(',');
    return parts.join(' ');
}

// Characters that must never reach the document from a file, however damaged.
bool holdsOnlyShowableText(const QTextDocument& document, QString& offending)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        const QString text = block.text();
        for (qsizetype i = 0; i < text.size(); ++i) {
            const char16_t c = text.at(i).unicode();
            const bool pairedSurrogate =
                (text.at(i).isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) ||
                (text.at(i).isLowSurrogate() && i > 0 && text.at(i - 1).isHighSurrogate());
            if ((c < 0x20 && c != '\t') || c == 0xFDD0 || c == 0xFDD1 || c == 0xFFFC || c == 0x2029 ||
                (text.at(i).isSurrogate() && !pairedSurrogate)) {
                offending = QStringLiteral("U+%1 in block %2")
                                .arg(int(c), 4, 16, QLatin1Char('0'))
                                .arg(block.blockNumber());
                return false;
            }
        }
    }
    return true;
}

QByteArray repeated(const char* piece, int times)
{
    return QByteArray(piece).repeated(times);
}

QString corpusFolder()
{
    return QStringLiteral(BRIMLEY_CORPUS_DIR "/rtf");
}

} // namespace

class tst_RtfReader : public QObject
{
    Q_OBJECT

private slots:
    void textIsRecovered_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");

        QTest::newRow("paragraphs") << QByteArray("{\\rtf1 one\\par two}") << "one\ntwo";
        QTest::newRow("a final \\par opens no empty paragraph") << QByteArray("{\\rtf1 one\\par}") << "one";
        QTest::newRow("empty paragraphs are kept") << QByteArray("{\\rtf1 a\\par\\par b\\par}") << "a\n\nb";
        QTest::newRow("\\line stays inside the paragraph") << QByteArray("{\\rtf1 a\\line b}") << "a\u2028b";
        QTest::newRow("backslash at the end of a line") << QByteArray("{\\rtf1 a\\\nb}") << "a\nb";
        QTest::newRow("line ends in the file are not text") << QByteArray("{\\rtf1 a\r\nb\nc}") << "abc";
        QTest::newRow("tab") << QByteArray("{\\rtf1 a\\tab b}") << "a\tb";
        QTest::newRow("one blank delimits a control word, the next is text")
            << QByteArray("{\\rtf1\\b  x}") << " x";
        QTest::newRow("a parameter ends at the first non-digit")
            << QByteArray("{\\rtf1\\fs20x\\li-20y}") << "xy";
        QTest::newRow("control symbols")
            << QByteArray("{\\rtf1 \\{x\\}\\\\y\\~z\\_w\\-v}") << "{x}\\y\u00A0z\u2011w\u00ADv";
        QTest::newRow("named characters") << QByteArray("{\\rtf1\\bullet\\emdash\\endash\\lquote\\rdblquote}")
                                          << "\u2022\u2014\u2013\u2018\u201D";

        QTest::newRow("Windows-1252 by default")
            << QByteArray("{\\rtf1\\ansi caf\\'e9 \\'93q\\'94 \\'80\\'E9}") << "café “q” €é";
        QTest::newRow("Symbol font bytes are symbols")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}{\\f1\\'b7 a}\\tab x}")
            << "• α\tx";
        QTest::newRow("a font named Symbol is a symbol font")
            << QByteArray("{\\rtf1{\\fonttbl{\\f2 Symbol;}}{\\f2\\'B7}x}") << "•x";
        QTest::newRow("Wingdings check mark")
            << QByteArray("{\\rtf1{\\fonttbl{\\f3\\fcharset2 Wingdings;}}{\\f3\\'fc}}") << "✓";
        QTest::newRow("Symbol font pictures written as \\u")
            << QByteArray("{\\rtf1{\\fonttbl{\\f1\\fcharset2 Symbol;}}{\\f1\\u-3913 ?}}") << "•";

        QTest::newRow("\\u with its stand-in skipped") << QByteArray("{\\rtf1 \\u8212\\'97x}") << "—x";
        QTest::newRow("a letter as stand-in") << QByteArray("{\\rtf1 \\u945 ab}") << "αb";
        QTest::newRow("\\uc2 skips an escape and a letter")
            << QByteArray("{\\rtf1\\uc2\\u228 \\'e4xy}") << "äy";
        QTest::newRow("\\uc0 skips nothing") << QByteArray("{\\rtf1\\uc0\\u228 x}") << "äx";
        QTest::newRow("\\uc belongs to its group")
            << QByteArray("{\\rtf1{\\uc2\\u228 ab}\\u228 cd}") << "ääd";
        QTest::newRow("a group ends the skipping") << QByteArray("{\\rtf1\\uc3\\u228{x}}") << "äx";
        QTest::newRow("a control word ends the skipping") << QByteArray("{\\rtf1\\u8226\\tab x}") << "•\tx";
        QTest::newRow("characters beyond 32767 written negative")
            << QByteArray("{\\rtf1\\u-10179?\\u-8704?}") << "😀";
        QTest::newRow("a half surrogate pair is replaced") << QByteArray("{\\rtf1 \\u-10179?x}") << "\uFFFDx";
        QTest::newRow("numbers beyond 16 bits are no character")
            << QByteArray("{\\rtf1 a\\u99999999999?b}") << "ab";
        QTest::newRow("control characters are not text")
            << QByteArray("{\\rtf1 a\\'00\\'0d\\'0ab\\u10?c\\u-560?d\\u8233?e}") << "abcde";

        QTest::newRow("tables of fonts, colours, styles and information are not text")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}"
                          "{\\stylesheet{\\s1 Heading;}}{\\info{\\title T}{\\author A}}x}")
            << "x";
        QTest::newRow("pictures are skipped") << QByteArray("{\\rtf1 a{\\pict\\pngblip 89504e47}b}") << "ab";
        QTest::newRow("binary data may hold braces") << QByteArray("{\\rtf1 a{\\pict\\bin4 }{\\}}b}") << "ab";
        QTest::newRow("ignorable destinations") << QByteArray("{\\rtf1 a{\\*\\foo bar{baz}}b}") << "ab";
        QTest::newRow("an unknown group without \\* is text")
            << QByteArray("{\\rtf1 a{\\foo bar}b}") << "abarb";
        QTest::newRow("\\* inside a group is ignored") << QByteArray("{\\rtf1 {a\\*\\foo b}}") << "ab";
        QTest::newRow("field results without instructions")
            << QByteArray("{\\rtf1{\\field{\\*\\fldinst HYPERLINK \"x\"}{\\fldrslt link}}}") << "link";
        QTest::newRow("list text") << QByteArray(
                                          "{\\rtf1{\\pntext\\f0 1.\\tab}Item\\par{\\listtext\\'95\\tab}B}")
                                   << "1.\tItem\n•\tB";
        QTest::newRow("numbering definitions are not text")
            << QByteArray("{\\rtf1{\\*\\pn\\pnlvlblt{\\pntxtb\\'B7}}{\\pn\\pnlvlblt{\\pntxtb\\'B7}}x}")
            << "x";
        QTest::newRow("hidden text") << QByteArray("{\\rtf1 a{\\v secret\\'e9}b}") << "ab";
        QTest::newRow("table cells are separated by tabs")
            << QByteArray(
                   "{\\rtf1\\trowd\\cellx1000\\cellx2000\\pard\\intbl A\\cell B\\cell\\row after\\par}")
            << "A\tB\t\nafter";
        QTest::newRow("cells closed by \\par")
            << QByteArray("{\\rtf1{\\pard\\intbl A\\par\\cell}{B\\par\\cell}\\row}") << "A\tB\t";
        QTest::newRow("a fragment without the header")
            << QByteArray("{\\pard a\\par}\n{\\pard b\\par}") << "a\nb";
    }
    void textIsRecovered()
    {
        QFETCH(QByteArray, rtf);
        QTEST(textOf(rtf), "text");
    }

    void codePagesComeFromFontsBeforeTheDocument_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("\\ansicpg") << QByteArray("{\\rtf1\\ansi\\ansicpg1251 \\'c0\\'e1}") << "Аб";
        QTest::newRow("\\fcharset over \\ansicpg")
            << QByteArray("{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset204 Arial "
                          "Cyr;}{\\f1\\fcharset0 Arial;}}"
                          "\\f0\\'c0\\f1\\'c0}")
            << "АÀ";
        QTest::newRow("\\fcharset1 leaves it to the document")
            << QByteArray("{\\rtf1\\ansicpg1251{\\fonttbl{\\f0\\fcharset1 X;}}\\f0\\'c0}") << "А";
        QTest::newRow("Greek") << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset161 X;}}\\f0\\'e1\\'e2}")
                               << "αβ";
        QTest::newRow("Japanese, two bytes a character")
            << QByteArray("{\\rtf1{\\fonttbl{\\f0\\fcharset128 MS Mincho;}}\\f0\\'82\\'a0\\'82\\'a2}")
            << "あい";
    }
    void codePagesComeFromFontsBeforeTheDocument()
    {
        if (!QStringDecoder("windows-1251").isValid() || !QStringDecoder("Shift_JIS").isValid())
            QSKIP("The system's text converters do not know the Windows code pages here");
        QFETCH(QByteArray, rtf);
        QTEST(textOf(rtf), "text");
    }

    void malformedInputIsSurvived_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("text");
        QTest::newRow("an extra closing brace ends the document") << QByteArray("{\\rtf1 a}} b") << "a";
        QTest::newRow("... also after inner groups") << QByteArray("{\\rtf1 {a}}}x}") << "a";
        QTest::newRow("missing closing braces") << QByteArray("{\\rtf1{\\b a{\\i b") << "ab";
        QTest::newRow("\\' without hex digits is dropped") << QByteArray("{\\rtf1 x\\'zzy}") << "xzzy";
        QTest::newRow("\\' with one hex digit is dropped") << QByteArray("{\\rtf1 x\\'4gy}") << "xgy";
        QTest::newRow("a bad escape does not swallow a brace") << QByteArray("{\\rtf1 {x\\'}y}") << "xy";
        QTest::newRow("truncated escape") << QByteArray("{\\rtf1 x\\'4") << "x";
        QTest::newRow("truncated control word") << QByteArray("{\\rtf1 x\\pa") << "x";
        QTest::newRow("lone backslash at the end") << QByteArray("{\\rtf1 x\\") << "x";
        QTest::newRow("binary data beyond the end")
            << QByteArray("{\\rtf1 a\\bin99999999999999999 bc}") << "a";
        QTest::newRow("negative binary length") << QByteArray("{\\rtf1 a\\bin-5 bc}") << "abc";
        QTest::newRow("huge parameters saturate")
            << QByteArray("{\\rtf1\\fs99999999999999999999\\li-99999999999999 x}") << "x";
        QTest::newRow("endless control word") << "{\\rtf1 \\" + repeated("a", 100000) + " x}"
                                              << "x";
        QTest::newRow("groups nested 300000 deep")
            << "{\\rtf1 " + repeated("{", 300000) + "deep" + repeated("}", 300000) + " after}"
            << "deep after";
        QTest::newRow("groups opened 300000 deep, never closed") << "{\\rtf1 " + repeated("{", 300000) + "x"
                                                                 << "x";
        QTest::newRow("skipped groups nested 300000 deep")
            << "{\\rtf1 {\\*\\x" + repeated("{", 300000) + repeated("}", 300000) + "}y}"
            << "y";
        QTest::newRow("a thousand closing braces") << "{\\rtf1 z" + repeated("}", 1000) << "z";
    }
    void malformedInputIsSurvived()
    {
        QFETCH(QByteArray, rtf);
        QTEST(textOf(rtf), "text");
    }

    void statusTellsWhatWasRead_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Status>("status");
        QTest::newRow("empty") << QByteArray() << Status::NotRtf;
        QTest::newRow("plain text") << QByteArray("Help for Brimley") << Status::NotRtf;
        QTest::newRow("a lone brace") << QByteArray("{") << Status::NotRtf;
        QTest::newRow("RTF without text") << QByteArray("{\\rtf1}") << Status::NoText;
        QTest::newRow("only blanks") << QByteArray("{\\rtf1 \\par   \\tab}") << Status::NoText;
        QTest::newRow("only a picture") << QByteArray("{\\rtf1{\\pict 0a0b}}") << Status::NoText;
        QTest::newRow("text") << QByteArray("{\\rtf1 hi}") << Status::Read;
        QTest::newRow("byte-order mark and blanks first")
            << QByteArray("\xEF\xBB\xBF \r\n{\\rtf1 hi}") << Status::Read;
    }
    void statusTellsWhatWasRead()
    {
        QFETCH(QByteArray, bytes);
        QTextDocument document;
        QTEST(RtfReader::read(bytes, document), "status");
    }

    void filesThatCannotBeOpenedAreReported()
    {
        QTemporaryDir folder;
        QTextDocument document;
        QCOMPARE(RtfReader::readFile(folder.filePath("absent.rtf"), document), Status::CannotOpen);
        QCOMPARE(RtfReader::readFile(folder.path(), document), Status::CannotOpen);
    }

    void randomInputNeverBreaksTheReader()
    {
        // Random bytes, and random sequences of the tokens that matter most, after a valid header.
        const char* const tokens[] = {"{",
                                      "}",
                                      "\\",
                                      "\\'",
                                      "\\'4",
                                      "\\'e9",
                                      "\\u",
                                      "\\u-3913",
                                      "\\uc2",
                                      "\\uc0",
                                      "\\bin3 ",
                                      "\\bin-1",
                                      "\\*",
                                      "\\par",
                                      "\\pard",
                                      "\\plain",
                                      "\\line",
                                      "\\b",
                                      "\\fs99999",
                                      "\\f1",
                                      "\\fonttbl",
                                      "\\colortbl",
                                      "\\red",
                                      ";",
                                      "\\pict",
                                      "\\cell",
                                      "\\row",
                                      "\\tx-5",
                                      "\\li-99999999999",
                                      "\\fi",
                                      "text ",
                                      "\xff",
                                      "\r\n",
                                      " ",
                                      "\\~",
                                      "\\tab",
                                      "\\u-10179",
                                      "\\v",
                                      "\\fcharset128",
                                      "\\'82"};
        QRandomGenerator random(20240601);
        for (int round = 0; round < 300; ++round) {
            QByteArray rtf("{\\rtf1 ");
            if (round % 2 == 0) {
                for (int i = 0; i < 4000; ++i)
                    rtf.append(static_cast<char>(random.bounded(256)));
            } else {
                for (int i = 0; i < 1500; ++i)
                    rtf.append(tokens[random.bounded(int(std::size(tokens)))]);
            }
            QTextDocument document;
            RtfReader::read(rtf, document);
            QString offending;
            QVERIFY2(holdsOnlyShowableText(document, offending), qPrintable(offending));
        }
    }

    void aDocumentOf50MegabytesIsRead()
    {
        QByteArray rtf(
            "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red200\\green0\\blue0;}\n");
        const QByteArray paragraph(
            "\\pard\\sa120 Round {\\b 12}: the {\\i Quizzers} scored \\'e9\\u8212\\'97 "
            "{\\cf1 forty-two} points{\\*\\bkmkstart x}.\\par\n");
        const QByteArray picture = "{\\pict\\pngblip " + QByteArray(4096, 'f') + "}\n";
        while (rtf.size() < 50 * 1024 * 1024)
            rtf += rtf.size() % 7 == 0 ? picture : paragraph;
        rtf += "The end.}";
        QTextDocument document;
        QCOMPARE(RtfReader::read(rtf, document), Status::ReadInPart);
        QCOMPARE(document.firstBlock().text(),
                 QStringLiteral("Round 12: the Quizzers scored é— forty-two points."));
        const qsizetype text = document.characterCount() - document.blockCount(); // less the paragraph ends
        QVERIFY(text >= RtfReader::MaximumTextLength);
        QVERIFY(text < RtfReader::MaximumTextLength + 100);
    }

    void aSingleEndlessRunOfTextStopsAtTheLimit()
    {
        QTextDocument document;
        const QByteArray rtf = "{\\rtf1 " + QByteArray(RtfReader::MaximumTextLength + 100, 'x') + "}";
        QCOMPARE(RtfReader::read(rtf, document), Status::ReadInPart);
        QCOMPARE(document.characterCount(), RtfReader::MaximumTextLength + 1); // with the paragraph's end
    }

    void endlessParagraphsAndTablesAreBounded()
    {
        QTextDocument document;
        QCOMPARE(RtfReader::read("{\\rtf1 x" + repeated("\\par", 1000000) + "}", document),
                 Status::ReadInPart);
        QCOMPARE(document.blockCount(), RtfReader::MaximumParagraphs);
        QByteArray fonts("{\\rtf1{\\fonttbl");
        for (int i = 0; i < 300000; ++i)
            fonts += "\\f" + QByteArray::number(i) + " F;";
        QCOMPARE(RtfReader::read(fonts + "}{\\colortbl" + repeated(";", 1000000) + "}\\f299999\\cf999999 x}",
                                 document),
                 Status::Read);
        QCOMPARE(paragraphs(document), QStringLiteral("x"));
    }

    void characterFormatting_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("format");
        const QByteArray fonts("{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss\\fcharset0 Arial;}"
                               "{\\f2\\fcharset2 Symbol;}}");
        const QByteArray colours("{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}");

        QTest::newRow("defaults") << QByteArray("{\\rtf1 x}") << "x"
                                  << "12pt";
        QTest::newRow("a group scopes its formatting") << QByteArray("{\\rtf1{\\b a}x}") << "x"
                                                       << "12pt";
        QTest::newRow("inside the group") << QByteArray("{\\rtf1{\\b a}x}") << "a"
                                          << "bold 12pt";
        QTest::newRow("all at once") << QByteArray("{\\rtf1\\b\\i\\ul\\strike x}") << "x"
                                     << "bold italic underline strike 12pt";
        QTest::newRow("a zero turns off")
            << QByteArray("{\\rtf1\\b\\i\\ul\\strike\\b0\\i0\\ulnone\\strike0 x}") << "x"
            << "12pt";
        QTest::newRow("font size in half points") << QByteArray("{\\rtf1\\fs21 x}") << "x"
                                                  << "10.5pt";
        QTest::newRow("huge font size is held") << QByteArray("{\\rtf1\\fs99999999999 x}") << "x"
                                                << "1638pt";
        QTest::newRow("subscript ends") << QByteArray("{\\rtf1\\sub x\\nosupersub y}") << "y"
                                        << "12pt";
        QTest::newRow("font from the table") << "{\\rtf1" + fonts + "\\f1 x}"
                                             << "x"
                                             << "12pt Arial";
        QTest::newRow("default font") << "{\\rtf1\\deff0" + fonts + " x}"
                                      << "x"
                                      << "12pt Times New Roman";
        QTest::newRow("\\plain goes back to the default font")
            << "{\\rtf1\\deff0" + fonts + "\\f1\\b\\fs40\\plain x}"
            << "x"
            << "12pt Times New Roman";
        QTest::newRow("font table without groups")
            << QByteArray("{\\rtf1{\\fonttbl\\f0\\fswiss Helvetica;\\f1\\fmodern Courier;}\\f1 x}") << "x"
            << "12pt Courier";
        QTest::newRow("a symbol font is not named") << "{\\rtf1" + fonts + "\\f2\\'b7}"
                                                    << "•"
                                                    << "12pt";
        QTest::newRow("colour from the table") << "{\\rtf1" + colours + "\\cf2 x}"
                                               << "x"
                                               << "12pt colour #0000ff";
        QTest::newRow("\\cf0 is the automatic colour") << "{\\rtf1" + colours + "\\cf1\\cf0 x}"
                                                       << "x"
                                                       << "12pt";
        QTest::newRow("a colour missing from the table") << "{\\rtf1" + colours + "\\cf9 x}"
                                                         << "x"
                                                         << "12pt";
        QTest::newRow("highlight") << "{\\rtf1" + colours + "\\highlight1 x}"
                                   << "x"
                                   << "12pt background #ff0000";
        QTest::newRow("formatting beyond the depth kept is undone")
            << "{\\rtf1 " + repeated("{\\b ", 1000) + "x" + repeated("}", 1000) + "y}"
            << "y"
            << "12pt";
    }
    void characterFormatting()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, word);
        QTextDocument document;
        RtfReader::read(rtf, document);
        QVERIFY(!document.find(word).isNull());
        QTEST(describe(find(document, word).charFormat()), "format");
    }

    void paragraphFormatting_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("format");
        QTest::newRow("centred") << QByteArray("{\\rtf1\\qc x}") << "x"
                                 << "centre";
        QTest::newRow("indents and spacing in twips")
            << QByteArray("{\\rtf1\\li720\\ri360\\fi-360\\sb240\\sa120 x\\par}") << "x"
            << "left li 48 ri 24 fi -24 sb 16 sa 8 tabs 24";
        QTest::newRow("\\pard resets") << QByteArray("{\\rtf1\\qc\\li720 a\\par\\pard b}") << "b"
                                       << "left";
        QTest::newRow("without \\pard the next paragraph keeps it")
            << QByteArray("{\\rtf1\\qc a\\par b}") << "b"
            << "centre";
        QTest::newRow("a last paragraph without \\par") << QByteArray("{\\rtf1 a\\par\\qr b}") << "b"
                                                        << "right";
        QTest::newRow("tab stops from the left margin")
            << QByteArray("{\\rtf1\\li720\\tx1440\\tqr\\tx2880 x\\par}") << "x"
            << "left li 48 tabs 48,right 144";
        QTest::newRow("huge indents are held") << QByteArray("{\\rtf1\\li999999999999 x}") << "x"
                                               << "left li 2112";
        QTest::newRow("line spacing as a multiple") << QByteArray("{\\rtf1\\sl360\\slmult1 x}") << "x"
                                                    << "left line 150%";
    }
    void paragraphFormatting()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, word);
        QTextDocument document;
        RtfReader::read(rtf, document);
        QVERIFY(!document.find(word).isNull());
        QTEST(describe(document.find(word).block().blockFormat()), "format");
    }

    void emptyParagraphsAreAsHighAsTheirFont()
    {
        QTextDocument document;
        RtfReader::read("{\\rtf1 a\\par\\fs48\\par b}", document);
        QCOMPARE(document.findBlockByNumber(1).charFormat().fontPointSize(), 24.0);
    }

    void corpusDocumentsAreRead_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<Status>("status");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        struct Expected
        {
            Status status;
            QStringList present;
            QStringList absent;
        };
        const QMap<QString, Expected> expected = {
            {"accent.rtf", {Status::Read, {"le café où on ne fume pas"}, {}}},
            {"bookmark.rtf", {Status::Read, {"Bookmark_1", "click me"}, {"HYPERLINK", "bookmark_1"}}},
            {"data_templates_default.rtf", {Status::Read, {"$body$"}, {"Helvetica"}}},
            {"footnote.rtf",
             {Status::Read,
              {"Mead's landmark study has been amply annotated.", "turning point for Margaret Mead."},
              {}}},
            {"formatting.rtf",
             {Status::Read,
              {"This is a test of formatting.", "Small Caps", "bold and italics", "strikeout"},
              {"secret", "Normal Table"}}},
            {"heading.rtf",
             {Status::Read, {"Heading 1\nHeading 2\nHeading 3\nParagraph"}, {"Calibri", "Cambria"}}},
            {"image.rtf", {Status::NoText, {}, {"ffd8"}}},
            {"link.rtf", {Status::Read, {"pandoc"}, {"http"}}},
            {"list_complex.rtf",
             {Status::Read, {"1.\tOne", "ii.\tSix", "Out of list!", "8.\tEight Continue"}, {}}},
            {"list_legacy.rtf", {Status::Read, {"1.\tA\nNumbered\nList", "•\tA\nBulleted\nList"}, {"·"}}},
            {"list_multiparagraph.rtf",
             {Status::Read,
              {"•\tFirst item, paragraph one.\nFirst item, paragraph two.\n\t•\tSecond item."},
              {}}},
            {"list_simple.rtf", {Status::Read, {"•\tone", "•\ttwo", "⁃\tsub", "•\tnew list"}, {}}},
            {"table_error_codes.rtf",
             {Status::Read, {"Code\tError", "3\tPandocFailOnWarningError", "67\tPandocSyntaxMapError"}, {}}},
            {"table_nested.rtf",
             {Status::Read, {"Deep A\tDeep B", "Outer after", "Outside table"}, {"FALLBACK"}}},
            {"table_nested_malformed_itap.rtf", {Status::Read, {"Child at skipped level", "Outer cell"}, {}}},
            {"table_simple.rtf", {Status::Read, {"A \tB \tC \tD \t\nE \tF \tG \tH"}, {}}},
            {"tables.rtf", {Status::Read, {"Right\tLeft\tCenter\tDefault", "Here’s the caption."}, {}}},
            {"unicode.rtf", {Status::Read, {"“hi”‘hi’", "αä"}, {"?", "a"}}},
            {"writer.rtf",
             {Status::Read,
              {"Pandoc Test Suite", "John Gruber’s markdown test suite", "o umlaut: ö", "Left brace: {",
               "Backslash: \\\n", "hard line break\u2028here."},
              {"\\par", "\\u8217", "fldinst"}}},
        };
        const QDir folder(corpusFolder());
        const QStringList files = folder.entryList({"*.rtf"}, QDir::Files, QDir::Name);
        for (const QString& file : files) {
            const Expected e = expected.value(file, Expected{Status::Read, {}, {}});
            QTest::newRow(qPrintable(file)) << folder.filePath(file) << e.status << e.present << e.absent;
        }
        if (files.isEmpty())
            QTest::newRow("no corpus") << QString() << Status::Read << QStringList() << QStringList();
    }
    void corpusDocumentsAreRead()
    {
        QFETCH(QString, file);
        if (file.isEmpty())
            QSKIP("The corpus of RTF documents is not beside the project (" BRIMLEY_CORPUS_DIR ")");
        QTextDocument document;
        QTEST(RtfReader::readFile(file, document), "status");
        const QString text = paragraphs(document);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        for (const QString& piece : present)
            QVERIFY2(text.contains(piece), qPrintable(piece));
        for (const QString& piece : absent)
            QVERIFY2(!text.contains(piece), qPrintable(piece));
        QString offending;
        QVERIFY2(holdsOnlyShowableText(document, offending), qPrintable(offending));
    }

    void theShippedHelpDocumentIsAManual()
    {
        QTextDocument document;
        QCOMPARE(RtfReader::readFile(QStringLiteral(BRIMLEY_SOURCE_DIR "/resources/brimleyhelpfile.rtf"),
                                     document),
                 Status::Read);
        const QString text = paragraphs(document);
        QVERIFY(!text.contains(QRegularExpression("\\\\[a-z]")));
        QVERIFY(!text.contains('{'));
        // Headings, bold terms and bulleted lists, as the reader must show them.
        QStringList headings;
        int boldRuns = 0;
        int bullets = 0;
        for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
            if (block.blockFormat().headingLevel() == 1)
                headings << block.text();
            if (block.text().startsWith(u"•\t") && block.blockFormat().textIndent() < 0)
                ++bullets;
            for (auto fragment = block.begin(); !fragment.atEnd(); ++fragment)
                boldRuns += fragment.fragment().charFormat().fontWeight() >= QFont::Bold ? 1 : 0;
        }
        for (const char* heading :
             {"Starting Brimley", "The Options window", "The team list", "Scoreboard files",
              "Going to the scoreboard", "Typing scores", "The function keys F1 and F2",
              "Full screen, undo and blackout", "The NumLock modes", "Tips for a projector"})
            QVERIFY2(headings.contains(QLatin1String(heading)), heading);
        QVERIFY(boldRuns > 50);
        QVERIFY(bullets > 30);
        QCOMPARE(document.firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::AlignHCenter);
        QCOMPARE(find(document, QStringLiteral("Brimley turns")).charFormat().fontPointSize(), 10.5);
    }
};

QTEST_MAIN(tst_RtfReader)
#include "tst_RtfReader.moc"
