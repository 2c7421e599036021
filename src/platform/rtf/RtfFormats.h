#pragma once

// The character and paragraph formatting of RTF as Qt's text formats. Documents switch between a
// handful of character formats thousands of times, so each one is made once and kept.

#include "platform/rtf/RtfState.h"

#include <QTextBlockFormat>
#include <QTextCharFormat>

#include <cstdint>
#include <unordered_map>

namespace brimley::rtf {

class RtfColourTable;
class RtfFontTable;

class RtfFormats
{
public:
    RtfFormats(const RtfFontTable& fonts, const RtfColourTable& colours);

    const QTextCharFormat& charFormat(const CharState& chars);
    static QTextBlockFormat blockFormat(const ParagraphState& paragraph);

private:
    struct Hash
    {
        std::size_t operator()(const CharState& chars) const;
    };
    QTextCharFormat makeCharFormat(const CharState& chars) const;

    const RtfFontTable& fonts;
    const RtfColourTable& colours;
    std::unordered_map<CharState, QTextCharFormat, Hash> made;
    std::uint32_t tablesRevision = 0; // of the font and colour tables the formats were made from
};

} // namespace brimley::rtf
