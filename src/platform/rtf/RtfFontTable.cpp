// Reading and looking up the fonts and colours of an RTF document.

#include "platform/rtf/RtfFontTable.h"

#include <algorithm>

namespace brimley::rtf {
namespace {

// Fonts and colours a document may define; real documents define dozens.
constexpr std::size_t MaximumEntries = 4096;

} // namespace

void RtfFontTable::beginEntry(int index)
{
    reading = -1;
    name.clear();
    if (fonts.size() >= MaximumEntries && fonts.count(index) == 0)
        return;
    reading = index;
    fonts[index] = FontEntry();
    ++changes;
}

FontEntry* RtfFontTable::entryBeingRead()
{
    if (reading < 0)
        return nullptr;
    ++changes;
    return &fonts[reading];
}

void RtfFontTable::endEntry(RtfTextDecoder& decoder)
{
    if (reading < 0) {
        name.clear();
        return;
    }
    FontEntry& font = fonts[reading];
    // A symbol font's name is in the document's code page, not in the font's own.
    QString family;
    decoder.decode(font.charset == 2 ? documentPage : codePageOf(reading), name, family);
    font.family = family.trimmed();
    if (font.family.startsWith(QLatin1String("Wingdings"), Qt::CaseInsensitive))
        font.symbolCodePage = RtfCodePage::Wingdings;
    else if (font.charset == 2 || font.family.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0)
        font.symbolCodePage = RtfCodePage::Symbol;
    name.clear();
    reading = -1;
    ++changes;
}

const FontEntry* RtfFontTable::find(int index) const
{
    const auto found = fonts.find(index);
    return found == fonts.end() ? nullptr : &found->second;
}

int RtfFontTable::codePageOf(int index) const
{
    const FontEntry* entry = find(index);
    if (!entry)
        return documentPage;
    if (entry->codePage > 0)
        return entry->codePage;
    if (entry->symbolCodePage != 0)
        return entry->symbolCodePage;
    const int codePage = RtfCodePage::forCharset(entry->charset);
    return codePage != 0 ? codePage : documentPage;
}

void RtfColourTable::clear()
{
    colours.clear();
    components = {};
    given = false;
    ++changes;
}

void RtfColourTable::setComponent(int component, int value)
{
    components[static_cast<std::size_t>(component)] = std::clamp(value, 0, 255);
    given = true;
}

void RtfColourTable::endEntry()
{
    // An entry without any colour is the automatic colour (the first entry usually is).
    if (colours.size() < MaximumEntries)
        colours.push_back(given ? QColor(components[0], components[1], components[2]) : QColor());
    components = {};
    given = false;
    ++changes;
}

QColor RtfColourTable::at(int index) const
{
    if (index <= 0 || static_cast<std::size_t>(index) >= colours.size())
        return {};
    return colours[static_cast<std::size_t>(index)];
}

} // namespace brimley::rtf
