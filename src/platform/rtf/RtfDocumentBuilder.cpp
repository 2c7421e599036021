// Building the QTextDocument of an RTF document.

#include "platform/rtf/RtfDocumentBuilder.h"

#include <QTextDocument>

#include <algorithm>

namespace brimley::rtf {
namespace {

// Characters that must not reach the document as text: control characters (a line feed would start a
// new paragraph), the paragraph separator, QTextDocument's own frame markers and object placeholder,
// and halves of surrogate pairs without their other half.
bool isKeptOut(char16_t u)
{
    return (u < 0x20 && u != '\t') || (u >= 0x7F && u < 0xA0) || u == 0x2029 || u == 0xFDD0 || u == 0xFDD1 ||
           u == 0xFFFC || u == 0xFEFF;
}

bool needsCleaning(const QString& text)
{
    return std::any_of(text.cbegin(), text.cend(),
                       [](QChar c) { return isKeptOut(c.unicode()) || c.isSurrogate(); });
}

QString cleaned(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        if (isKeptOut(c.unicode()))
            continue;
        if (c.isHighSurrogate() && i + 1 < text.size() && text.at(i + 1).isLowSurrogate()) {
            result += c;
            result += text.at(++i);
        } else if (c.isSurrogate()) {
            result += QChar(0xFFFD);
        } else {
            result += c;
        }
    }
    return result;
}

} // namespace

RtfDocumentBuilder::RtfDocumentBuilder(QTextDocument& target, const RtfFontTable& fonts,
                                       const RtfColourTable& colours, const RowDefinitions& rows)
    : document(target), cursor(&target), formats(fonts, colours), tables(cursor, rows)
{
    // One edit block for the whole document: outside one, every insertion would lay its paragraph out
    // again to place the cursor.
    cursor.beginEditBlock();
    setDefaultTabDistance(DefaultTabDistance);
}

void RtfDocumentBuilder::setDefaultTabDistance(int twips)
{
    QTextOption option = document.defaultTextOption();
    option.setTabStopDistance(twipsToPixelsExact(twips));
    document.setDefaultTextOption(option);
}

qsizetype RtfDocumentBuilder::paragraphCount() const
{
    return document.blockCount();
}

void RtfDocumentBuilder::insertText(const QString& text, const CharState& chars, int level)
{
    enter(level);
    const QString& shown = needsCleaning(text) ? cleaned(text) : text;
    if (shown.isEmpty())
        return;
    startBlock();
    length += shown.size();
    cursor.insertText(shown, formats.charFormat(chars));
    blockEmpty = false;
    if (!anyText)
        anyText = std::any_of(shown.cbegin(), shown.cend(), [](QChar c) { return !c.isSpace(); });
}

void RtfDocumentBuilder::endParagraph(const ParagraphState& paragraph, const CharState& chars)
{
    enter(paragraph.tableLevel());
    startBlock();
    endBlock(paragraph, chars);
    paragraphPending = true;
}

void RtfDocumentBuilder::endCell(int level, const ParagraphState& paragraph, const CharState& chars)
{
    // Many writers end the text of a cell with \par before \cell: the cell ends with that paragraph.
    enter(level);
    if (!paragraphPending)
        endBlock(paragraph, chars);
    // Whatever comes next goes into the next cell, or a paragraph of its own in a row's last cell.
    tables.endCell();
    paragraphPending = true;
}

void RtfDocumentBuilder::endRow(int level, const ParagraphState& paragraph, const CharState& chars)
{
    if (tables.depth() < level)
        return;
    if (tables.depth() > level) {
        tables.leaveTo(level);
        cursorMoved();
    }
    if (tables.isAt(level) && !paragraphPending)
        endBlock(paragraph, chars);
    tables.endRow();
    paragraphPending = true;
}

void RtfDocumentBuilder::finish(const ParagraphState& paragraph)
{
    // The last paragraph may lack its \par; it keeps its formatting all the same.
    if (!paragraphPending)
        applyBlockFormat(paragraph);
    tables.leaveTo(0);
    cursor.endEditBlock();
}

// Text at another depth of tables than the last goes into a cell of its own, or after the table.
void RtfDocumentBuilder::enter(int level)
{
    if (tables.isAt(level))
        return;
    tables.enter(level);
    cursorMoved();
}

// The cursor is now in an empty block: a cell's, or the one that follows a table.
void RtfDocumentBuilder::cursorMoved()
{
    paragraphPending = false;
    blockEmpty = true;
    blockFormatApplied = false;
}

void RtfDocumentBuilder::startBlock()
{
    if (!paragraphPending)
        return;
    cursor.insertBlock();
    paragraphPending = false;
    blockEmpty = true;
}

void RtfDocumentBuilder::endBlock(const ParagraphState& paragraph, const CharState& chars)
{
    applyBlockFormat(paragraph);
    // An empty paragraph is as high as the font it was written in.
    if (blockEmpty)
        cursor.setBlockCharFormat(formats.charFormat(chars));
}

// A new block takes the format of the block before it, and most paragraphs repeat that format.
void RtfDocumentBuilder::applyBlockFormat(const ParagraphState& paragraph)
{
    if (blockFormatApplied && paragraph.sameFormat(appliedParagraph))
        return;
    cursor.setBlockFormat(RtfFormats::blockFormat(paragraph));
    appliedParagraph = paragraph;
    blockFormatApplied = true;
}

} // namespace brimley::rtf
