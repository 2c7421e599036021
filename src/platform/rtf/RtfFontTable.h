#pragma once

// The fonts and colours an RTF document defines in its header, read from the \fonttbl and \colortbl
// destinations as the interpreter meets their pieces, and looked up by index for the text.

#include "platform/rtf/RtfCodePages.h"

#include <QByteArray>
#include <QColor>
#include <QFont>
#include <QString>

#include <array>
#include <cstdint>
#include <unordered_map>
#include <vector>

namespace brimley::rtf {

struct FontEntry
{
    QString family;
    int charset = -1;
    int codePage = 0;       // \cpg, 0 when not given
    int symbolCodePage = 0; // RtfCodePage::Symbol or Wingdings for a symbol font, known once named
    QFont::StyleHint hint = QFont::AnyStyle;
};

class RtfFontTable
{
public:
    // The code page of text in fonts that do not name their own (\ansi, \ansicpg...).
    void setDocumentCodePage(int codePage) { documentPage = codePage; }
    int defaultFont() const { return defaultIndex; }
    void setDefaultFont(int index) { defaultIndex = index; }

    // Reading the table: an entry begins with \f, its properties and name follow, ';' or the end of
    // its group ends it.
    void beginEntry(int index);
    // The entry being read, to set a property in: null when none is. Asking for it counts as a change.
    FontEntry* entryBeingRead();
    void appendToName(char byte) { name.append(byte); }
    void endEntry(RtfTextDecoder& decoder);

    const FontEntry* find(int index) const;
    // The code page of text in the font: the font's own, or the document's.
    int codePageOf(int index) const;
    // Changes whenever an entry changes, so that formats made from the table can be made again.
    std::uint32_t revision() const { return changes; }

private:
    std::unordered_map<int, FontEntry> fonts;
    int reading = -1; // the entry being read
    QByteArray name;
    int documentPage = RtfCodePage::Windows1252;
    int defaultIndex = -1;
    std::uint32_t changes = 0;
};

class RtfColourTable
{
public:
    void clear();
    void setComponent(int component, int value); // 0 red, 1 green, 2 blue
    void endEntry();
    // The colour of an index, invalid for the automatic colour and for indices without a colour.
    QColor at(int index) const;
    std::uint32_t revision() const { return changes; }

private:
    std::vector<QColor> colours;
    std::array<int, 3> components{};
    bool given = false;
    std::uint32_t changes = 0;
};

} // namespace brimley::rtf
