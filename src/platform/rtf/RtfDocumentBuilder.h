#pragma once

// The last stage of reading RTF: the QTextDocument. It receives decoded text with its formatting and
// the ends of paragraphs, cells and rows, and builds paragraphs with their block formats (bullets and
// list numbers are text with a hanging indent), runs of formatted text, and tables. It keeps out of
// the document the characters that must not reach it, and counts what the reader's limits measure.

#include "platform/rtf/RtfFormats.h"
#include "platform/rtf/RtfState.h"
#include "platform/rtf/RtfTableBuilder.h"

#include <QString>
#include <QTextCursor>

class QTextDocument;

namespace brimley::rtf {

class RtfColourTable;
class RtfFontTable;

class RtfDocumentBuilder
{
public:
    // Adds to the document, which should be empty, until finish().
    RtfDocumentBuilder(QTextDocument& document, const RtfFontTable& fonts, const RtfColourTable& colours,
                       const RowDefinitions& rows);

    void setDefaultTabDistance(int twips);

    // Text at a depth of tables (0 outside any).
    void insertText(const QString& text, const CharState& chars, int level);
    // The end of a paragraph with that formatting; an empty one takes its height from chars.
    void endParagraph(const ParagraphState& paragraph, const CharState& chars);
    // The end of a cell of the table at that depth, and with it of the cell's last paragraph.
    void endCell(int level, const ParagraphState& paragraph, const CharState& chars);
    // The end of a row of the table at that depth; a cell left open in it keeps its text.
    void endRow(int level, const ParagraphState& paragraph, const CharState& chars);
    // The end of the document: the last paragraph may lack its end, and tables theirs.
    void finish(const ParagraphState& paragraph);

    qsizetype textLength() const { return length; }
    qsizetype paragraphCount() const;
    // Whether the document holds anything but blanks.
    bool hasText() const { return anyText; }

private:
    void enter(int level);
    void cursorMoved();
    void startBlock();
    void endBlock(const ParagraphState& paragraph, const CharState& chars);
    void applyBlockFormat(const ParagraphState& paragraph);

    QTextDocument& document;
    QTextCursor cursor;
    RtfFormats formats;
    RtfTableBuilder tables;
    qsizetype length = 0;
    bool anyText = false;
    bool paragraphPending = false; // the block is complete: text opens a new one, or goes elsewhere
    bool blockEmpty = true;
    bool blockFormatApplied = false; // the current block has appliedParagraph's format
    ParagraphState appliedParagraph;
};

} // namespace brimley::rtf
