#pragma once

// The last stage of reading RTF: the QTextDocument. It receives decoded text with its formatting and
// the ends of paragraphs, and builds paragraphs with their block formats (bullets and list numbers are
// text with a hanging indent) and runs of formatted text; a table row is a paragraph whose cells are
// separated by tabs. It keeps out of the document the characters that must not reach it, and counts
// what the reader's limits measure.

#include "platform/rtf/RtfFormats.h"
#include "platform/rtf/RtfState.h"

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
    RtfDocumentBuilder(QTextDocument& document, const RtfFontTable& fonts, const RtfColourTable& colours);

    void insertText(const QString& text, const CharState& chars);
    // The end of a paragraph with that formatting, or of a table row; an empty one takes its height
    // from chars.
    void endParagraph(const ParagraphState& paragraph, const CharState& chars, bool endsRow);
    // A cell ends: many writers end the text of a cell with \par before \cell, and the next cell still
    // goes on the same line.
    void continueRow();
    // The end of the document: the last paragraph may lack its end.
    void finish(const ParagraphState& paragraph);

    qsizetype textLength() const { return length; }
    qsizetype paragraphCount() const;
    // Whether the document holds anything but blanks.
    bool hasText() const { return anyText; }

private:
    void startBlock();
    void endBlock(const ParagraphState& paragraph, const CharState& chars);
    void applyBlockFormat(const ParagraphState& paragraph);

    QTextDocument& document;
    QTextCursor cursor;
    RtfFormats formats;
    qsizetype length = 0;
    bool anyText = false;
    bool paragraphPending = false; // the block is complete: text opens a new one
    bool rowEnded = false;         // ... and it was the end of a table row
    bool blockEmpty = true;
    bool blockFormatApplied = false; // the current block has appliedParagraph's format
    ParagraphState appliedParagraph;
};

} // namespace brimley::rtf
