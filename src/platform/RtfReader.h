#pragma once

// Our own reader of RTF, the rich-text format of the help document: Qt shows rich text but has no RTF
// reader. It covers what WordPad and word processors write for ordinary documents (character and
// paragraph formatting, fonts and colours, code pages and Unicode, bullets and list text) and turns it
// into a QTextDocument; pictures, objects, headers, footnotes and the like are skipped.
//
// Damaged input is read as far as it goes: unbalanced braces, absurd nesting, huge numbers, truncated
// files and stray bytes never crash or hang the reader, and whatever text can be recovered is kept.
// A runaway file is read only up to a limit, so that showing it can neither exhaust the memory nor
// keep the program busy for long.

#include <QByteArray>
#include <QString>

class QTextDocument;

namespace brimley {

class RtfReader
{
public:
    enum class Status {
        Read,       // the document holds the text of the file
        ReadInPart, // the document holds the text up to one of the limits below
        NoText,     // an RTF document, but nothing in it to show
        NotRtf,     // the bytes do not begin as an RTF document ("{\rtf")
        CannotOpen, // the file is missing or could not be read
    };

    // Replaces the content of the document by the RTF document in the bytes.
    static Status read(const QByteArray& rtf, QTextDocument& document);

    // The same for a file. Only its first MaximumFileSize bytes are read.
    static Status readFile(const QString& path, QTextDocument& document);

    static constexpr qint64 MaximumFileSize = 64 * 1024 * 1024;
    // Some two hundred and fifty pages: a viewer lays that much out within a second or two.
    static constexpr qsizetype MaximumTextLength = 512 * 1024;
    static constexpr qsizetype MaximumParagraphs = 20000;
};

} // namespace brimley
