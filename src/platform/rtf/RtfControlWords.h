#pragma once

// The control words the RTF reader acts on, and what each one needs to know to be acted on; every
// other control word is read and ignored.

#include "platform/rtf/RtfState.h"

#include <string_view>

namespace brimley::rtf {

enum class Word : std::uint8_t {
    Unknown,
    CodePage,            // value: the document's code page
    AnsiCodePage,        // \ansicpg, the parameter is the code page
    DefaultFont,         // \deff
    DefaultTab,          // \deftab
    FontTable,           // \fonttbl
    ColourTable,         // \colortbl
    SkippedDestination,  // a group without text to show
    Font,                // \f: in the font table a new entry, elsewhere the font of the text
    Charset,             // \fcharset
    FontCodePage,        // \cpg
    FontFamily,          // value: the QFont::StyleHint of \froman, \fswiss...
    ColourComponent,     // value: 0 red, 1 green, 2 blue
    Plain,               // \plain
    Flag,                // flag: a character property switched on, or off by a parameter 0
    FlagOff,             // flag: a character property switched off
    Capitals,            // value: 1 all capitals, 2 small capitals
    VerticalAlignment,   // value: 1 superscript, -1 subscript, 0 neither
    Raise,               // value: 1 for \up, -1 for \dn
    FontSize,            // \fs
    ColourIndex,         // \cf
    Highlight,           // \highlight, \cb
    Pard,                // \pard
    Alignment,           // value: the Qt::Alignment
    SignedLength,        // length: an indent or the line spacing (\sl), in twips
    Length,              // length: space before or after, in twips
    LineMultiple,        // \slmult
    OutlineLevel,        // \outlinelevel
    TabPosition,         // \tx
    TabKind,             // value: the QTextOption::TabType of the next \tx
    InTable,             // \intbl
    NestingLevel,        // \itap
    RowDefaults,         // \trowd
    RowLeft,             // \trleft
    RowGap,              // \trgaph
    CellEdge,            // \cellx
    NestedRowDefinition, // \nesttableprops
    Par,                 // \par and the other ends of a paragraph
    Cell,                // value: 0 for \cell, 1 for \nestcell
    Row,                 // value: 0 for \row, 1 for \nestrow
    Unicode,             // \u
    UnicodeSkip,         // \uc
    Character            // value: the character of \line, \tab, \bullet, \emdash...
};

struct WordInfo
{
    Word word = Word::Unknown;
    int value = 0;
    bool CharState::*flag = nullptr;
    int ParagraphState::*length = nullptr;
};

// What the reader knows of a control word; Word::Unknown for a word it ignores.
const WordInfo& lookUpWord(std::string_view name);

} // namespace brimley::rtf
