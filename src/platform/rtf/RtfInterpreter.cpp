// The meaning of RTF's groups and control words.

#include "platform/rtf/RtfInterpreter.h"

#include "platform/RtfReader.h"
#include "platform/rtf/RtfControlWords.h"
#include "platform/rtf/RtfDocumentBuilder.h"
#include "platform/rtf/RtfFontTable.h"
#include "platform/rtf/RtfTokenizer.h"

#include <algorithm>

namespace brimley::rtf {
namespace {

// Real documents nest groups a few dozen deep. Deeper groups are still counted, so that the braces
// stay balanced, but they share the state of the deepest level kept: nesting costs no memory and no
// recursion however deep a damaged file goes.
constexpr std::size_t MaximumGroupDepth = 512;

// \up and \dn without a number raise and lower by 3 points.
constexpr int DefaultRaise = 6;

bool sameTablePlace(const ParagraphState& a, const ParagraphState& b)
{
    return a.tableLevel() == b.tableLevel() && a.sameFormat(b);
}

// The depth of the table that a row definition, a cell or a row belongs to: a nested table's is the
// paragraph's own depth, and at least the second; every other's is the outermost table.
int tableDepth(bool nested, const ParagraphState& paragraph)
{
    return nested ? std::max(paragraph.tableLevel(), 2) : 1;
}

} // namespace

RtfInterpreter::RtfInterpreter(RtfTokenizer& source, RtfDocumentBuilder& target, RtfFontTable& fontTable,
                               RtfColourTable& colourTable, RowDefinitions& rowDefinitions)
    : tokenizer(source), builder(target), fonts(fontTable), colours(colourTable), rows(rowDefinitions)
{
}

bool RtfInterpreter::read(bool insideDocumentGroup)
{
    stack.reserve(MaximumGroupDepth);
    stack.emplace_back();
    groupJustOpened = insideDocumentGroup;
    while (!finished) {
        if (limitReached()) {
            endDocument();
            return false;
        }
        const RtfToken token = tokenizer.next();
        switch (token.kind) {
        case RtfToken::Kind::End:
            // A document cut short (the closing braces missing) ends where the bytes end.
            endDocument();
            return true;
        case RtfToken::Kind::GroupOpen:
            openGroup();
            continue;
        case RtfToken::Kind::GroupClose:
            closeGroup();
            break;
        case RtfToken::Kind::ControlWord:
            controlWord(token);
            break;
        case RtfToken::Kind::ControlSymbol:
            controlSymbol(token.symbol);
            break;
        case RtfToken::Kind::HexByte:
            if (!skipStandIn())
                byte(token.symbol);
            break;
        case RtfToken::Kind::Text:
            text(token.text);
            break;
        case RtfToken::Kind::Binary:
            // Binary data counts as the one character that stands in for a \u character.
            skipStandIn();
            break;
        }
        groupJustOpened = false;
    }
    return true;
}

bool RtfInterpreter::limitReached() const
{
    return builder.textLength() + run.size() >= RtfReader::MaximumTextLength ||
           builder.paragraphCount() >= RtfReader::MaximumParagraphs;
}

void RtfInterpreter::openGroup()
{
    pendingSkip = 0;
    groupJustOpened = true;
    if (stack.size() < MaximumGroupDepth) {
        stack.push_back(stack.back());
        stack.back().paragraphChanged = false;
    } else {
        ++excessDepth;
    }
}

void RtfInterpreter::closeGroup()
{
    pendingSkip = 0;
    if (excessDepth > 0) {
        --excessDepth;
        return;
    }
    // The brace that closes the outermost group ends the document; anything after it is not read.
    if (stack.size() == 1) {
        endDocument();
        return;
    }
    const Group& leaving = stack.back();
    const Group& outer = stack[stack.size() - 2];
    if (leaving.paragraphChanged && paragraphTouched && !paragraphKept &&
        !sameTablePlace(leaving.paragraph, outer.paragraph)) {
        keptParagraph = leaving.paragraph;
        paragraphKept = true;
    }
    const bool fontTableEnds =
        leaving.destination == Destination::FontTable && outer.destination != Destination::FontTable;
    stack.pop_back();
    if (fontTableEnds)
        fonts.endEntry(decoder);
}

// Destinations without text to show are passed over whole.
void RtfInterpreter::skipGroup()
{
    if (tokenizer.skipGroup())
        closeGroup();
}

void RtfInterpreter::controlWord(const RtfToken& token)
{
    const WordInfo& info = lookUpWord(token.text);
    pendingSkip = 0;

    const bool hasParameter = token.hasParameter;
    const int parameter = token.parameter;
    Group& group = state();
    CharState& chars = group.chars;
    const bool on = !hasParameter || parameter != 0;
    const bool inText = group.destination == Destination::Text;

    switch (info.word) {
    case Word::Unknown:
        break;
    case Word::CodePage:
        fonts.setDocumentCodePage(info.value);
        break;
    case Word::AnsiCodePage:
        if (hasParameter && parameter > 0)
            fonts.setDocumentCodePage(parameter);
        break;
    case Word::DefaultFont:
        if (hasParameter) {
            fonts.setDefaultFont(parameter);
            if (chars.font < 0)
                chars.font = parameter;
        }
        break;
    case Word::DefaultTab:
        if (hasParameter && parameter > 0)
            builder.setDefaultTabDistance(std::min(parameter, MaximumLength));
        break;
    case Word::FontTable:
        group.destination = Destination::FontTable;
        break;
    case Word::ColourTable:
        group.destination = Destination::ColourTable;
        colours.clear();
        break;
    case Word::SkippedDestination:
        skipGroup();
        break;
    case Word::Font:
        if (group.destination == Destination::FontTable) {
            fonts.endEntry(decoder);
            fonts.beginEntry(parameter);
        } else if (hasParameter) {
            chars.font = parameter;
        }
        break;
    case Word::Charset:
        if (FontEntry* font = fontBeingRead())
            font->charset = parameter;
        break;
    case Word::FontCodePage:
        if (FontEntry* font = fontBeingRead())
            font->codePage = parameter;
        break;
    case Word::FontFamily:
        if (FontEntry* font = fontBeingRead())
            font->hint = static_cast<QFont::StyleHint>(info.value);
        break;
    case Word::ColourComponent:
        if (group.destination == Destination::ColourTable)
            colours.setComponent(info.value, parameter);
        break;
    case Word::Plain:
        chars = CharState();
        chars.font = fonts.defaultFont();
        break;
    case Word::Flag:
        chars.*info.flag = on;
        break;
    case Word::FlagOff:
        chars.*info.flag = false;
        break;
    case Word::Capitals:
        chars.capitals = on ? static_cast<std::uint8_t>(info.value) : 0;
        break;
    case Word::VerticalAlignment:
        chars.verticalAlignment = static_cast<std::int8_t>(info.value);
        break;
    case Word::Raise:
        chars.raise = static_cast<std::int16_t>(
            info.value * (hasParameter ? std::clamp(parameter, 0, MaximumHalfPoints) : DefaultRaise));
        break;
    case Word::FontSize:
        chars.halfPoints = hasParameter ? std::clamp(parameter, 1, MaximumHalfPoints) : DefaultHalfPoints;
        break;
    case Word::ColourIndex:
        chars.colour = std::max(parameter, 0);
        break;
    case Word::Highlight:
        chars.highlight = std::max(parameter, 0);
        break;
    case Word::Pard:
    case Word::Alignment:
    case Word::SignedLength:
    case Word::Length:
    case Word::LineMultiple:
    case Word::OutlineLevel:
    case Word::TabKind:
    case Word::TabPosition:
    case Word::InTable:
    case Word::NestingLevel:
        paragraphWord(info, on, parameter);
        break;
    case Word::RowDefaults:
    case Word::RowLeft:
    case Word::RowGap:
    case Word::CellEdge:
        tableWord(info, hasParameter, parameter);
        break;
    case Word::NestedRowDefinition:
        if (inText)
            group.destination = Destination::NestedRowDefinition;
        break;
    case Word::Par:
        if (inText)
            endMark(Mark::Paragraph, false);
        break;
    case Word::Cell:
        if (inText)
            endMark(Mark::Cell, info.value != 0);
        break;
    case Word::Row:
        if (inText || group.destination == Destination::NestedRowDefinition)
            endMark(Mark::Row, info.value != 0);
        break;
    case Word::Character:
        character(static_cast<char16_t>(info.value));
        break;
    case Word::Unicode:
        if (hasParameter) {
            unicodeCharacter(parameter);
            pendingSkip = group.unicodeSkip;
        }
        break;
    case Word::UnicodeSkip:
        group.unicodeSkip = std::clamp(parameter, 0, 255);
        break;
    }
}

// The words that set a property of the paragraph.
void RtfInterpreter::paragraphWord(const WordInfo& info, bool on, int parameter)
{
    ParagraphState& paragraph = state().paragraph;
    switch (info.word) {
    case Word::Pard:
        paragraph = ParagraphState();
        break;
    case Word::Alignment:
        paragraph.alignment = static_cast<Qt::Alignment>(info.value);
        break;
    case Word::SignedLength:
        paragraph.*info.length = std::clamp(parameter, -MaximumLength, MaximumLength);
        break;
    case Word::Length:
        paragraph.*info.length = std::clamp(parameter, 0, MaximumLength);
        break;
    case Word::LineMultiple:
        paragraph.lineMultiple = on;
        break;
    case Word::OutlineLevel:
        paragraph.outlineLevel = std::clamp(parameter, -1, 8);
        break;
    case Word::TabKind:
        paragraph.nextTabType = static_cast<QTextOption::TabType>(info.value);
        break;
    case Word::TabPosition:
        if (paragraph.tabCount < MaximumTabStops)
            paragraph.tabs[paragraph.tabCount++] = {std::clamp(parameter, 0, MaximumLength),
                                                    paragraph.nextTabType};
        paragraph.nextTabType = QTextOption::LeftTab;
        break;
    case Word::InTable:
        paragraph.inTable = true;
        break;
    case Word::NestingLevel:
        paragraph.nesting = static_cast<std::uint8_t>(std::clamp(parameter, 0, MaximumTableDepth));
        break;
    default:
        return;
    }
    paragraphChanged();
}

// The words that define a table row. A nested table's rows are defined at their end, in a
// \nesttableprops group; every other definition is of a row of the outermost table.
void RtfInterpreter::tableWord(const WordInfo& info, bool hasParameter, int parameter)
{
    const Group& group = state();
    if (group.destination != Destination::Text && group.destination != Destination::NestedRowDefinition)
        return;
    RowDefinition& row =
        rows.at(tableDepth(group.destination == Destination::NestedRowDefinition, group.paragraph));
    switch (info.word) {
    case Word::RowDefaults:
        row = RowDefinition();
        break;
    case Word::RowLeft:
        row.left = std::clamp(parameter, -MaximumLength, MaximumLength);
        break;
    case Word::RowGap:
        row.gap = hasParameter ? std::clamp(parameter, 0, MaximumLength) : -1;
        break;
    case Word::CellEdge:
        if (row.cellCount < MaximumColumns)
            row.rightEdges[static_cast<std::size_t>(row.cellCount++)] =
                std::clamp(parameter, -MaximumLength, MaximumLength);
        break;
    default:
        break;
    }
}

// The entry of the font table that a font's property is set in; null outside the table, and between its
// entries.
FontEntry* RtfInterpreter::fontBeingRead()
{
    return state().destination == Destination::FontTable ? fonts.entryBeingRead() : nullptr;
}

void RtfInterpreter::controlSymbol(unsigned char symbol)
{
    if (symbol == '*') {
        // "{\*" marks a destination that readers who do not know it skip. Of them, this reader reads
        // only the definitions of nested table rows; none of the others carries text that it shows.
        if (groupJustOpened && !tokenizer.nextWordIs("nesttableprops"))
            skipGroup();
        return;
    }
    pendingSkip = 0;
    switch (symbol) {
    case '\\':
    case '{':
    case '}':
        byte(symbol);
        break;
    case '~':
        character(0x00A0);
        break;
    case '-':
        character(0x00AD);
        break;
    case '_':
        character(0x2011);
        break;
    case '\t':
        character('\t');
        break;
    case '\r':
    case '\n':
        // A backslash at the end of a line is a paragraph mark, as some word processors write it.
        if (state().destination == Destination::Text)
            endMark(Mark::Paragraph, false);
        break;
    default:
        break;
    }
}

// After \u, the characters standing in for it in readers without Unicode are skipped: text, \'hh
// escapes and binary data, one character each. Writers that leave out the stand-in put the next control
// word right after \u, so a control word ends the skipping instead of being swallowed by it.
bool RtfInterpreter::skipStandIn()
{
    if (pendingSkip <= 0)
        return false;
    --pendingSkip;
    return true;
}

void RtfInterpreter::text(std::string_view bytes)
{
    if (pendingSkip > 0) {
        const auto skipped = std::min(static_cast<std::size_t>(pendingSkip), bytes.size());
        pendingSkip -= static_cast<int>(skipped);
        bytes.remove_prefix(skipped);
    }
    if (bytes.empty())
        return;
    const Group& group = state();
    if (group.destination != Destination::Text) {
        for (const char c : bytes)
            byte(static_cast<unsigned char>(c));
        return;
    }
    if (group.chars.hidden)
        return;
    // Text is kept up to the limit of the document's length.
    const auto room = static_cast<std::size_t>(
        std::max<qsizetype>(RtfReader::MaximumTextLength - builder.textLength() - run.size(), 0));
    beginRun();
    run.bytes.append(bytes.data(), static_cast<qsizetype>(std::min(bytes.size(), room)));
}

void RtfInterpreter::byte(unsigned char value)
{
    const Group& group = state();
    switch (group.destination) {
    case Destination::Text:
        if (group.chars.hidden)
            return;
        beginRun();
        run.bytes.append(static_cast<char>(value));
        break;
    case Destination::FontTable:
        if (value == ';')
            fonts.endEntry(decoder);
        else
            fonts.appendToName(static_cast<char>(value));
        break;
    case Destination::ColourTable:
        if (value == ';')
            colours.endEntry();
        break;
    case Destination::NestedRowDefinition:
        break;
    }
}

void RtfInterpreter::character(char16_t value)
{
    const Group& group = state();
    if (group.destination != Destination::Text || group.chars.hidden)
        return;
    beginRun();
    decodeBytes();
    run.text.append(QChar(value));
}

// \u: a signed 16-bit number, characters above 32767 written negative.
void RtfInterpreter::unicodeCharacter(int parameter)
{
    const int code = parameter < 0 ? parameter + 65536 : parameter;
    if (code < 0 || code > 0xFFFF)
        return;
    auto value = static_cast<char16_t>(code);
    // Symbol fonts place their pictures in the private use area, at 0xF000 plus the byte.
    const int codePage = fonts.codePageOf(state().chars.font);
    if (value >= 0xF020 && value <= 0xF0FF && RtfCodePage::isSymbolFont(codePage))
        value = RtfTextDecoder::symbolCharacter(codePage, static_cast<unsigned char>(value & 0xFF));
    character(value);
}

void RtfInterpreter::paragraphChanged()
{
    state().paragraphChanged = true;
    paragraphTouched = true;
    paragraphKept = false;
}

const ParagraphState& RtfInterpreter::paragraphAtMark() const
{
    return paragraphKept ? keptParagraph : stack.back().paragraph;
}

// A paragraph ends with \par, or with the end of its cell (\cell, \nestcell) or row (\row, \nestrow). A
// cell belongs to the table of its last paragraph, a row to the table of the group its mark stands in.
void RtfInterpreter::endMark(Mark mark, bool nested)
{
    flushRun();
    const ParagraphState& paragraph = paragraphAtMark();
    const CharState& chars = state().chars;
    switch (mark) {
    case Mark::Paragraph:
        builder.endParagraph(paragraph, chars);
        break;
    case Mark::Cell:
        builder.endCell(tableDepth(nested, paragraph), paragraph, chars);
        break;
    case Mark::Row:
        builder.endRow(tableDepth(nested, state().paragraph), paragraph, chars);
        break;
    }
    paragraphTouched = paragraphKept = false;
}

void RtfInterpreter::endDocument()
{
    flushRun();
    builder.finish(paragraphAtMark());
    finished = true;
}

void RtfInterpreter::beginRun()
{
    const Group& group = state();
    const int level = group.paragraph.tableLevel();
    if (group.chars != run.chars || level != run.level) {
        flushRun();
        run.chars = group.chars;
        run.level = level;
    }
    paragraphTouched = true;
    paragraphKept = false;
}

void RtfInterpreter::decodeBytes()
{
    if (run.bytes.isEmpty())
        return;
    decoder.decode(fonts.codePageOf(run.chars.font), run.bytes, run.text);
    run.bytes.clear();
}

void RtfInterpreter::flushRun()
{
    decodeBytes();
    if (run.text.isEmpty())
        return;
    builder.insertText(run.text, run.chars, run.level);
    run.text.clear();
}

} // namespace brimley::rtf
