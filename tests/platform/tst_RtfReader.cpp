// Tests of the RTF reader: the text, formatting and tables it recovers from documents, sound, damaged
// and written by other programs.

#include "platform/RtfReader.h"

#include <QDir>
#include <QPainter>
#include <QRandomGenerator>
#include <QScreen>
#include <QStringDecoder>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
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

QString describe(const QTextCharFormat& format)
{
    QStringList parts;
    const bool flags[] = {format.fontWeight() >= QFont::Bold, format.fontItalic(), format.fontUnderline(),
                          format.fontStrikeOut(),
                          format.verticalAlignment() == QTextCharFormat::AlignSuperScript};
    for (int i = 0; i < 5; ++i)
        if (flags[i])
            parts << QStringList{"bold", "italic", "underline", "strike", "super"}[i];
    parts << QString::number(format.fontPointSize()) + "pt" << format.fontFamilies().toStringList().join(',');
    if (format.hasProperty(QTextFormat::ForegroundBrush))
        parts << "colour " + format.foreground().color().name();
    if (format.hasProperty(QTextFormat::BackgroundBrush))
        parts << "background " + format.background().color().name();
    parts.removeAll(QString());
    return parts.join(' ');
}

QString describe(const QTextBlockFormat& format)
{
    const int alignment = format.alignment() & Qt::AlignHorizontal_Mask;
    QStringList parts{
        QMap<int, QString>{{Qt::AlignHCenter, "centre"}, {Qt::AlignRight, "right"}}.value(alignment, "left")};
    const double lengths[] = {format.leftMargin(), format.rightMargin(), format.textIndent(),
                              format.topMargin(), format.bottomMargin()};
    for (int i = 0; i < 5; ++i)
        if (lengths[i] != 0)
            parts << QStringList{"li", "ri", "fi", "sb", "sa"}[i] + ' ' + QString::number(lengths[i]);
    QStringList tabs;
    for (const QTextOption::Tab& tab : format.tabPositions())
        tabs << (tab.type == QTextOption::RightTab ? "right " : "") + QString::number(tab.position);
    if (!tabs.isEmpty())
        parts << "tabs " + tabs.join(',');
    if (format.headingLevel() > 0)
        parts << "heading " + QString::number(format.headingLevel());
    return parts.join(' ');
}

// The text of a frame's blocks and tables, empty blocks left out: a table is "[a|b/c|d]", its rows
// separated by '/' and their cells by '|'.
QString outline(QTextFrame::iterator it)
{
    QStringList parts;
    for (; !it.atEnd(); ++it) {
        if (const auto* table = qobject_cast<QTextTable*>(it.currentFrame())) {
            QStringList rows;
            for (int row = 0; row < table->rows(); ++row) {
                QStringList cells;
                for (int column = 0; column < table->columns(); ++column)
                    cells << outline(table->cellAt(row, column).begin());
                rows << cells.join('|');
            }
            parts << '[' + rows.join('/') + ']';
        } else if (!it.currentBlock().text().isEmpty()) {
            parts << it.currentBlock().text();
        }
    }
    return parts.join('\n');
}

// What must never reach the document from a file, however damaged: control characters but the tab,
// object and paragraph marks, halves of surrogate pairs. Empty when there is none.
QString unshowable(const QTextDocument& document)
{
    static const QRegularExpression unshowable("[\\x{0}-\\x{8}\\x{a}-\\x{1f}\\x{fffc}\\x{2029}]");
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        if (block.text().contains(unshowable) || !block.text().isValidUtf16())
            return QStringLiteral("block %1: %2").arg(block.blockNumber()).arg(block.text().left(60));
    }
    return {};
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
        QTest::addColumn<Status>("status");
        const auto row = [](const char* name, const QByteArray& rtf, const QString& text,
                            Status status = Status::Read) {
            QTest::newRow(name) << rtf << text << status;
        };
        // clang-format off
        row("paragraphs, a final \\par opens none; \\line stays inside, line ends in the file are not text",
            "{\\rtf1 a\\par\\par b\\line c\r\nd\\\ne\\par}", "a\n\nb\u2028cd\ne");
        row("one blank delimits a control word, the next is text", "{\\rtf1\\b  x\\fs20y\\li-20z}", " xyz");
        row("control symbols", "{\\rtf1 \\{x\\}\\\\y\\~z\\_w\\-v\\tab u}", "{x}\\y\u00A0z\u2011w\u00ADv\tu");
        row("Windows-1252 by default", "{\\rtf1\\ansi caf\\'e9 \\'93q\\'94 \\'80}", "café “q” €");
        row("Symbol font bytes are symbols", "{\\rtf1{\\fonttbl{\\f0 Arial;}{\\f1\\fcharset2 Symbol;}}{\\f1\\'b7 a}\\tab x}", "• α\tx");
        row("code page: \\fcharset over \\ansicpg",
            "{\\rtf1\\ansi\\ansicpg1252{\\fonttbl{\\f0\\fcharset204 Arial Cyr;}{\\f1\\fcharset0 Arial;}}\\f0\\'c0\\f1\\'c0}", "АÀ");
        row("code page: Japanese, two bytes a character", "{\\rtf1{\\fonttbl{\\f0\\fcharset128 MS Mincho;}}\\f0\\'82\\'a0\\'82\\'a2}", "あい");
        row("\\u with its stand-in skipped, beyond 32767 written negative", "{\\rtf1 \\u8212\\'97x\\u-10179?\\u-8704?}", "—x😀");
        row("\\uc2 skips an escape and a letter", "{\\rtf1\\uc2\\u228 \\'e4xy}", "äy");
        row("a control word ends the skipping", "{\\rtf1\\u8226\\tab x}", "•\tx");
        row("control characters are not text", "{\\rtf1 a\\'00\\'0d\\'0ab\\u10?c\\u99999999999?d\\u8233?e}", "abcde");
        row("tables of fonts, colours, styles and information, pictures and binary data are not text",
            "{\\rtf1{\\fonttbl{\\f0 Arial;}}{\\colortbl;\\red1\\green2\\blue3;}{\\stylesheet{\\s1 Heading;}}{\\info{\\title T}}"
            "a{\\pict\\pngblip 89504e47}{\\pict\\bin4 }{\\}}b}", "ab");
        row("ignorable destinations, unknown groups", "{\\rtf1 a{\\*\\foo bar{baz}}b{\\foo c}}", "abc");
        row("list text", "{\\rtf1{\\pntext\\f0 1.\\tab}Item\\par{\\listtext\\'95\\tab}B}", "1.\tItem\n•\tB");
        row("not RTF: empty", "", "", Status::NotRtf);
        row("not RTF: plain text", "Help for Brimley", "", Status::NotRtf);
        row("no text: only blanks and a picture", "{\\rtf1 \\par \\tab{\\pict 0a}}", "\n\t", Status::NoText);
        row("byte-order mark and blanks first", "\xEF\xBB\xBF \r\n{\\rtf1 hi}", "hi");
        // Damaged files: whatever text there is, and no crash or hang.
        row("an extra closing brace ends the document", "{\\rtf1 {a}}}x}", "a");
        row("missing closing braces", "{\\rtf1{\\b a{\\i b", "ab");
        row("\\' with bad hex digits is dropped", "{\\rtf1 x\\'4gy\\'zz}", "xgyzz");
        row("binary data beyond the end", "{\\rtf1 a\\bin99999999999999999 bc}", "a");
        row("huge parameters saturate", "{\\rtf1\\fs99999999999999999999\\li-99999999999999 x}", "x");
        row("groups nested 300000 deep", "{\\rtf1 " + QByteArray(300000, '{') + "deep" + QByteArray(300000, '}') + " after}", "deep after");
        row("skipped groups nested 300000 deep, never closed", "{\\rtf1 y{\\*\\x" + QByteArray(300000, '{'), "y");
        // clang-format on
    }
    void textIsRecovered()
    {
        QFETCH(QByteArray, rtf);
        if (QByteArray(QTest::currentDataTag()).startsWith("code page") &&
            (!QStringDecoder("windows-1251").isValid() || !QStringDecoder("Shift_JIS").isValid()))
            QSKIP("The system's text converters do not know the Windows code pages here");
        QTextDocument document;
        QTEST(RtfReader::read(rtf, document), "status");
        QTEST(paragraphs(document), "text");
    }

    void randomInputNeverBreaksTheReader()
    {
        // Random bytes, and random sequences of the tokens that matter most, after a valid header.
        const QList<QByteArray> tokens =
            QByteArray(
                "{ } \\ \\' \\'4 \\'e9 \\u \\u-3913 \\u-10179 \\uc2 \\uc0 \\bin3 \\bin-1 \\* \\par \\pard "
                "\\plain \\line \\b \\fs99999 \\f1 \\fonttbl \\colortbl \\red ; \\pict \\cell \\row \\tx-5 "
                "\\li-99999999999 \\fi text \xff \r\n \\~ \\tab \\v \\fcharset128 \\'82 \\intbl \\itap3 "
                "\\itap0 \\nestcell \\nestrow \\trowd \\cellx900 \\cellx-5 {\\*\\nesttableprops \\up99999")
                .split(' ');
        QRandomGenerator random(20240601);
        for (int round = 0; round < 300; ++round) {
            QByteArray rtf("{\\rtf1 ");
            for (int i = 0; i < 2000; ++i)
                rtf += round % 2 ? tokens[random.bounded(int(tokens.size()))] + (i % 3 ? "" : " ")
                                 : QByteArray(1, char(random.bounded(256)));
            QTextDocument document;
            RtfReader::read(rtf, document);
            QVERIFY2(unshowable(document).isEmpty(), qPrintable(unshowable(document)));
        }
    }

    void hugeDocumentsAreReadInPart()
    {
        QByteArray rtf(
            "{\\rtf1\\ansi{\\fonttbl{\\f0\\fswiss Arial;}}{\\colortbl;\\red200\\green0\\blue0;}\n");
        const QByteArray paragraph(
            "\\pard\\sa120 Round {\\b 12}: the {\\i Quizzers} scored \\'e9\\u8212\\'97 "
            "{\\cf1 forty-two} points{\\*\\bkmkstart x}.\\par\n");
        const QByteArray picture = "{\\pict\\pngblip " + QByteArray(4096, 'f') + "}\n";
        while (rtf.size() < 50 * 1024 * 1024)
            rtf += rtf.size() % 7 == 0 ? picture : paragraph;
        QTextDocument document;
        QCOMPARE(RtfReader::read(rtf + "The end.}", document), Status::ReadInPart);
        QCOMPARE(document.firstBlock().text(),
                 QStringLiteral("Round 12: the Quizzers scored é— forty-two points."));
        const qsizetype text = document.characterCount() - document.blockCount(); // less the paragraph ends
        QVERIFY(text >= RtfReader::MaximumTextLength && text < RtfReader::MaximumTextLength + 100);

        QCOMPARE(RtfReader::read("{\\rtf1 x" + QByteArray("\\par").repeated(1000000) + "}", document),
                 Status::ReadInPart);
        QCOMPARE(document.blockCount(), RtfReader::MaximumParagraphs);
        QByteArray fonts("{\\rtf1{\\fonttbl");
        for (int i = 0; i < 300000; ++i)
            fonts += "\\f" + QByteArray::number(i) + " F;";
        QCOMPARE(RtfReader::read(fonts + "}{\\colortbl" + QByteArray(";").repeated(1000000) +
                                     "}\\f299999\\cf999999 x}",
                                 document),
                 Status::Read);
        QCOMPARE(paragraphs(document), QStringLiteral("x"));
    }

    void formatting_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("word");
        QTest::addColumn<QString>("format");
        const QByteArray fonts("{\\fonttbl{\\f0\\froman Times New Roman;}{\\f1\\fswiss\\fcharset0 Arial;}"
                               "{\\f2\\fcharset2 Symbol;}}");
        const QByteArray colours("{\\colortbl;\\red255\\green0\\blue0;\\red0\\green0\\blue255;}");
        const auto row = [](const char* name, const QByteArray& rtf, const char* word, const char* format) {
            QTest::newRow(name) << rtf << QString(word) << QString(format);
        };
        // clang-format off
        row("a group scopes its formatting", "{\\rtf1{\\b\\i\\ul\\strike a}x}", "x", "12pt | left");
        row("inside the group", "{\\rtf1{\\b\\i\\ul\\strike a}x}", "a", "bold italic underline strike 12pt | left");
        row("font size in half points", "{\\rtf1\\fs21 x}", "x", "10.5pt | left");
        row("font from the table", "{\\rtf1" + fonts + "\\f1 x}", "x", "12pt Arial | left");
        row("\\plain goes back to the default font", "{\\rtf1\\deff0" + fonts + "\\f1\\b\\fs40\\plain x}", "x", "12pt Times New Roman | left");
        row("colours from the table", "{\\rtf1" + colours + "\\cf2\\highlight1 x}", "x", "12pt colour #0000ff background #ff0000 | left");
        row("formatting beyond the depth kept is undone", "{\\rtf1 " + QByteArray("{\\b ").repeated(1000) + "x" + QByteArray(1000, '}') + "y}", "y", "12pt | left");
        row("indents and spacing in twips", "{\\rtf1\\qc\\li720\\ri360\\fi-360\\sb240\\sa120 x\\par}", "x", "12pt | centre li 48 ri 24 fi -24 sb 16 sa 8 tabs 24");
        row("an outline level is a heading", "{\\rtf1\\outlinelevel1 x\\par}", "x", "12pt | left heading 2");
        row("\\pard resets", "{\\rtf1\\qc\\li720 a\\par\\pard b}", "b", "12pt | left");
        row("tab stops from the left margin", "{\\rtf1\\li720\\tx1440\\tqr\\tx2880 x\\par}", "x", "12pt | left li 48 tabs 48,right 144");
        row("superscript", "{\\rtf1{\\super x}}", "x", "super 12pt | left");
        row("\\nosupersub ends it", "{\\rtf1\\super\\nosupersub x}", "x", "12pt | left");
        const QByteArray cells("{\\rtf1\\trowd\\cellx900\\cellx1800\\pard\\intbl\\qc A\\cell{\\pard\\intbl\\qr 42}\\cell\\row}");
        row("a cell keeps its paragraph's formatting", cells, "42", "12pt | right");
        row("and the cell before it its own", cells, "A", "12pt | centre");
        // clang-format on
    }
    void formatting()
    {
        QFETCH(QByteArray, rtf);
        QFETCH(QString, word);
        QTextDocument document;
        RtfReader::read(rtf, document);
        QTextCursor found = document.find(word); // and the format of its first character
        QVERIFY(!found.isNull());
        found.setPosition(found.selectionStart() + 1);
        QTEST(describe(found.charFormat()) + " | " + describe(found.block().blockFormat()), "format");
    }

    void tablesAreBuiltCellByCell_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<QString>("outline");
        QTest::addColumn<QString>("widths"); // of the outermost table's columns, in pixels
        const auto row = [](const char* name, const QByteArray& rtf, const QString& outline,
                            const char* widths) {
            QTest::newRow(name) << "{\\rtf1" + rtf + "}" << outline << QString(widths);
        };
        row("rows from \\trowd to \\row, cells ended by \\cell, widths from \\cellx",
            "\\trowd\\cellx1440\\cellx3600\\pard\\intbl A\\cell B\\cell\\row"
            "\\trowd\\cellx1440\\cellx3600\\intbl C\\cell D\\cell\\row\\pard after\\par",
            "[A|B/C|D]\nafter", "96,144");
        row("widths from the row's left edge, each from the first row that gives it",
            "\\trowd\\trleft720\\cellx2160\\pard\\intbl A\\cell\\row"
            "\\trowd\\cellx1000\\cellx3160\\intbl B\\cell C\\cell\\row",
            "[A|/B|C]", "96,144");
        row("paragraphs ended before their cell, as some writers end them",
            "{\\trowd\\cellx1440{{\\pard\\intbl A\\par}\\cell}"
            "{{\\pard\\intbl B\\par\\pard\\intbl C\\par}\\cell}\\intbl\\row}",
            "[A|B\nC]", "96,auto");
        row("a table nested in a cell, its row defined at its end",
            "\\trowd\\cellx4500\\pard\\intbl\\itap2 X\\nestcell Y\\nestcell"
            "{\\*\\nesttableprops\\trowd\\cellx900\\cellx1800\\nestrow}{\\nonesttables X Y\\par}"
            "\\pard\\intbl\\itap1 Z\\cell\\row",
            "[[X|Y]\nZ]", "300");
        row("levels skipped in the nesting are filled in",
            "\\trowd\\cellx4500\\pard\\intbl P\\par\\pard\\intbl\\itap3 Q\\nestcell"
            "{\\*\\nesttableprops\\trowd\\cellx1500\\nestrow}\\pard\\intbl\\itap1 S\\cell\\row",
            "[P\n[[Q]]\nS]", "300");
        row("nesting held to three tables", "\\intbl\\itap99 deep\\par", "[[[deep]]]", "");
        row("a row held to 64 cells, the last taking the rest",
            "\\pard\\intbl " + QByteArray("c\\cell ").repeated(66),
            "[" + QString("c|").repeated(63) + "c\nc\nc]", "");
        row("cells and rows without their ends keep their text", "\\pard\\intbl A\\cell B", "[A|B]", "");
    }
    void tablesAreBuiltCellByCell()
    {
        QFETCH(QByteArray, rtf);
        QTextDocument document;
        RtfReader::read(rtf, document);
        QTEST(outline(document.rootFrame()->begin()), "outline");
        QStringList widths;
        if (const auto* table = qobject_cast<QTextTable*>(document.rootFrame()->childFrames().value(0))) {
            for (const QTextLength& width : table->format().columnWidthConstraints())
                widths << (width.type() == QTextLength::FixedLength ? QString::number(width.rawValue())
                                                                    : "auto");
        }
        QTEST(widths.join(','), "widths");
    }

    // Where the last character is drawn: how far from the line's start, after tabs (default tab stops
    // every \deftab, half an inch without one), and how many points above the first character.
    void textIsPlacedAsWritten_data()
    {
        QTest::addColumn<QByteArray>("rtf");
        QTest::addColumn<qreal>("x");
        QTest::addColumn<double>("raised");
        // clang-format off
        QTest::newRow("tab stops every half inch")           << QByteArray("{\\rtf1 H\\tab H\\tab H}")                   << 96.0  << 0.0;
        QTest::newRow("\\deftab")                            << QByteArray("{\\rtf1\\deftab360 H\\tab H\\tab H}")        << 48.0  << 0.0;
        QTest::newRow("after the paragraph's own tab stops") << QByteArray("{\\rtf1\\deftab360\\tx1440 H\\tab H\\tab H}") << 120.0 << 0.0;
        QTest::newRow("\\up in half points")                 << QByteArray("{\\rtf1 H\\tab{\\up12 H}}")                  << 48.0  << 6.0;
        QTest::newRow("\\up alone")                          << QByteArray("{\\rtf1 H\\tab{\\up H}}")                    << 48.0  << 3.0;
        QTest::newRow("\\dn")                                << QByteArray("{\\rtf1 H\\tab{\\dn8 H}}")                   << 48.0  << -4.0;
        QTest::newRow("\\up0 undoes it")                     << QByteArray("{\\rtf1 H\\tab{\\up12\\up0 H}}")             << 48.0  << 0.0;
        // clang-format on
    }
    void textIsPlacedAsWritten()
    {
        QFETCH(QByteArray, rtf);
        QTextDocument document;
        RtfReader::read(rtf, document);
        document.setDocumentMargin(40);
        QImage page(300, 150, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        document.drawContents(&painter);
        painter.end();
        const QTextLine line = document.firstBlock().layout()->lineAt(0);
        const auto inkTop = [&](int character) { // the first row of the character's ink
            for (int y = 0; y < page.height(); ++y)
                for (auto x = int(40 + line.cursorToX(character)); x < 40 + line.cursorToX(character + 1);
                     ++x)
                    if (qGray(page.pixel(x, y)) < 128)
                        return y;
            return -1;
        };
        const int last = document.firstBlock().length() - 2;
        QTEST(line.cursorToX(last), "x");
        QFETCH(double, raised);
        const int drawnHigher = inkTop(0) - inkTop(last);
        QVERIFY2(qAbs(drawnHigher - raised * QGuiApplication::primaryScreen()->logicalDotsPerInchY() / 72) <=
                     1,
                 qPrintable(QString::number(drawnHigher)));
    }

    // Documents written by other programs, and the manual: every one is read, its text recovered and
    // nothing unshowable kept.
    void corpusDocumentsAreRead_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("present");
        QTest::addColumn<QStringList>("absent");
        const QMap<QString, std::pair<QStringList, QStringList>> expected = {
            {"accent.rtf", {{"le café où on ne fume pas"}, {}}},
            {"formatting.rtf", {{"Small Caps", "bold and italics", "strikeout"}, {"secret", "Normal Table"}}},
            {"list_legacy.rtf", {{"1.\tA\nNumbered\nList", "•\tA\nBulleted\nList"}, {"·"}}},
            {"unicode.rtf", {{"“hi”‘hi’", "αä"}, {"?"}}},
            {"writer.rtf",
             {{"Pandoc Test Suite", "o umlaut: ö", "Left brace: {", "Backslash: \\\n",
               "hard line break\u2028here."},
              {"\\par", "\\u8217", "fldinst"}}},
        };
        const QDir folder(QStringLiteral(BRIMLEY_CORPUS_DIR "/rtf"));
        const QStringList files = folder.entryList({"*.rtf"}, QDir::Files, QDir::Name);
        for (const QString& file : files)
            QTest::newRow(qPrintable(file))
                << folder.filePath(file) << expected.value(file).first << expected.value(file).second;
        if (files.isEmpty())
            QTest::newRow("no corpus") << QString() << QStringList() << QStringList();
        // The manual shipped with the program, whole, with the headings of its chapters.
        QTest::newRow("the shipped manual")
            << QString(BRIMLEY_SOURCE_DIR "/resources/brimleyhelpfile.rtf")
            << QStringList{"Starting Brimley", "The Options window", "The team list",
                           "Scoreboard files", "Typing scores",      "Full screen, undo and blackout",
                           "The NumLock modes"}
            << QStringList{"{", "}"};
    }
    void corpusDocumentsAreRead()
    {
        QFETCH(QString, file);
        if (file.isEmpty())
            QSKIP("The corpus of RTF documents is not beside the project (" BRIMLEY_CORPUS_DIR ")");
        QTextDocument document;
        const Status status = RtfReader::readFile(file, document);
        QVERIFY(status == Status::Read || (status == Status::NoText && file.endsWith("image.rtf")));
        const QString text = paragraphs(document);
        QFETCH(QStringList, present);
        QFETCH(QStringList, absent);
        for (const QString& piece : present)
            QVERIFY2(text.contains(piece), qPrintable(piece));
        for (const QString& piece : absent)
            QVERIFY2(!text.contains(piece), qPrintable(piece));
        QVERIFY2(unshowable(document).isEmpty(), qPrintable(unshowable(document)));
        if (file.startsWith(BRIMLEY_SOURCE_DIR)) // the manual: no control word left in its text
            QVERIFY(!text.contains(QRegularExpression("\\\\[a-z]")));
    }
};

QTEST_MAIN(tst_RtfReader)
#include "tst_RtfReader.moc"
