#pragma once

// What the RTF reader keeps track of while it reads: the character and paragraph formatting in force in
// a group, and the definition of a table row. The interpreter changes them as control words come; the
// document builder turns them into Qt's formats.
//
// Every number a file gives is held to a sensible range here, so that a damaged file's huge numbers
// can neither overflow the arithmetic nor make the document absurdly large.

#include "app/Numbers.h"

#include <QTextOption>

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>

namespace brimley::rtf {

// Lengths in twips are held to the largest page that RTF describes (22 inches), font sizes to the
// largest \fs that word processors accept; beyond that a number can only be damage.
constexpr int MaximumLength = 31680;
constexpr int MaximumHalfPoints = 3276;
constexpr int DefaultHalfPoints = 24;
constexpr std::size_t MaximumTabStops = 32;
// Word processors allow 63 cells in a row. Tables nested deeper than a few levels are unreadable, and
// Qt lays each level out twice for the one around it: a table in a cell of a table in a cell already
// takes four times as long to lay out as one of the outermost table, and text nested deeper goes into
// the third level.
constexpr int MaximumColumns = 64;
constexpr int MaximumTableDepth = 3;
// The distance between default tab stops when a document does not give one (\deftab): half an inch.
constexpr int DefaultTabDistance = 720;

// Lengths reach the document in pixels, 15 twips to the pixel as everywhere else in the program; font
// sizes stay in points.
constexpr double twipsToPixelsExact(int twips)
{
    return static_cast<double>(twips) / TwipsPerPixel;
}

struct CharState
{
    int font = -1; // \f index into the font table, -1 for none
    int halfPoints = DefaultHalfPoints;
    int colour = 0;                    // \cf index into the colour table, 0 is automatic
    int highlight = 0;                 // \highlight or \cb index, 0 is none
    std::int16_t raise = 0;            // \up, \dn: half points above the baseline, negative below it
    std::int8_t verticalAlignment = 0; // 1 superscript, -1 subscript
    std::uint8_t capitals = 0;         // 1 all capitals, 2 small capitals
    bool bold = false;
    bool italic = false;
    bool underline = false;
    bool strike = false;
    bool hidden = false;

    bool operator==(const CharState& other) const
    {
        return font == other.font && halfPoints == other.halfPoints && colour == other.colour &&
               highlight == other.highlight && raise == other.raise &&
               verticalAlignment == other.verticalAlignment && capitals == other.capitals &&
               bold == other.bold && italic == other.italic && underline == other.underline &&
               strike == other.strike && hidden == other.hidden;
    }
    bool operator!=(const CharState& other) const { return !(*this == other); }
};

struct TabStop
{
    int position = 0;
    QTextOption::TabType type = QTextOption::LeftTab;
};

struct ParagraphState
{
    Qt::Alignment alignment = Qt::AlignLeft;
    int leftIndent = 0; // twips
    int rightIndent = 0;
    int firstIndent = 0;
    int spaceBefore = 0;
    int spaceAfter = 0;
    int lineSpacing = 0; // \sl: 0 single; positive at least, negative exactly, or 240ths with \slmult1
    bool lineMultiple = false;
    bool inTable = false;     // \intbl
    std::uint8_t nesting = 0; // \itap, the depth of tables the paragraph is in; 0 when not given
    int outlineLevel = -1;
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
    std::size_t tabCount = 0;
    std::array<TabStop, MaximumTabStops> tabs{};

    // The depth of tables the paragraph stands in: 0 outside any, 1 in a cell of a table, 2 in a cell
    // of a table in a cell, and so on.
    int tableLevel() const { return inTable ? (nesting > 0 ? nesting : 1) : 0; }

    // Whether two states give the same block format.
    bool sameFormat(const ParagraphState& other) const
    {
        const auto sameTab = [](const TabStop& a, const TabStop& b) {
            return a.position == b.position && a.type == b.type;
        };
        return alignment == other.alignment && leftIndent == other.leftIndent &&
               rightIndent == other.rightIndent && firstIndent == other.firstIndent &&
               spaceBefore == other.spaceBefore && spaceAfter == other.spaceAfter &&
               lineSpacing == other.lineSpacing && lineMultiple == other.lineMultiple &&
               outlineLevel == other.outlineLevel && tabCount == other.tabCount &&
               std::equal(tabs.begin(), tabs.begin() + static_cast<std::ptrdiff_t>(tabCount),
                          other.tabs.begin(), sameTab);
    }
};

// A table row as \trowd and what follows it define it: where its cells end.
struct RowDefinition
{
    int left = 0; // \trleft: the row's left edge, twips from the margin
    int gap = -1; // \trgaph: half the space between the text of two cells, twips; -1 when not given
    int cellCount = 0;
    std::array<int, MaximumColumns> rightEdges{}; // \cellx: each cell's right edge, twips from the margin
};

// The row definitions in force, one for each depth of tables: the rows of a nested table are defined
// apart from those of the table around it.
class RowDefinitions
{
public:
    RowDefinition& at(int level) { return levels[index(level)]; }
    const RowDefinition& at(int level) const { return levels[index(level)]; }

private:
    static std::size_t index(int level)
    {
        return static_cast<std::size_t>(std::clamp(level, 1, MaximumTableDepth));
    }
    std::array<RowDefinition, MaximumTableDepth + 1> levels{};
};

} // namespace brimley::rtf
