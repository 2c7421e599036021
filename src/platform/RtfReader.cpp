#include "platform/RtfReader.h"

#include "app/Numbers.h"
#include "platform/RtfCodePages.h"

#include <QColor>
#include <QFile>
#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

#include <algorithm>
#include <array>
#include <cstdint>
#include <limits>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace brimley {
namespace {

// Real documents nest groups a few dozen deep. Deeper groups are still counted, so that the braces
// stay balanced, but they share the state of the deepest level kept: nesting costs no memory and no
// recursion however deep a damaged file goes.
constexpr std::size_t MaximumGroupDepth = 512;
// Lengths in twips are held to the largest page that RTF describes (22 inches), font sizes to the
// largest \fs that word processors accept; beyond that a number can only be damage.
constexpr int MaximumLength = 31680;
constexpr int MaximumHalfPoints = 3276;
constexpr int DefaultHalfPoints = 24;
constexpr std::size_t MaximumTabStops = 32;
// Fonts and colours a document may define; real documents define dozens.
constexpr std::size_t MaximumTableSize = 4096;
// Control words are at most 32 letters long; a longer one is unknown in any case.
constexpr std::size_t MaximumWordLength = 32;

enum class Destination : std::uint8_t { Text, FontTable, ColourTable };

struct CharState
{
    int font = -1; // \f index into the font table, -1 for none
    int halfPoints = DefaultHalfPoints;
    int colour = 0;                    // \cf index into the colour table, 0 is automatic
    int highlight = 0;                 // \highlight or \cb index, 0 is none
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
               highlight == other.highlight && verticalAlignment == other.verticalAlignment &&
               capitals == other.capitals && bold == other.bold && italic == other.italic &&
               underline == other.underline && strike == other.strike && hidden == other.hidden;
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
    int outlineLevel = -1;
    QTextOption::TabType nextTabType = QTextOption::LeftTab;
    std::size_t tabCount = 0;
    std::array<TabStop, MaximumTabStops> tabs{};

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

struct GroupState
{
    Destination destination = Destination::Text;
    int unicodeSkip = 1; // \uc: characters that stand in for each \u character
    CharState chars;
    ParagraphState paragraph;
};

struct FontEntry
{
    QString family;
    int charset = -1;
    int codePage = 0;       // \cpg, 0 when not given
    int symbolCodePage = 0; // RtfCodePage::Symbol or Wingdings for a symbol font, known once named
    QFont::StyleHint hint = QFont::AnyStyle;
};

// The control words this reader acts on, and what each one needs to know; every other control word is
// read and ignored.
enum class Word {
    Unknown,
    CodePage,           // value: the document's code page
    AnsiCodePage,       // \ansicpg, the parameter is the code page
    DefaultFont,        // \deff
    FontTable,          // \fonttbl
    ColourTable,        // \colortbl
    SkippedDestination, // a group without text to show
    Font,               // \f: in the font table a new entry, elsewhere the font of the text
    Charset,            // \fcharset
    FontCodePage,       // \cpg
    FontFamily,         // value: the QFont::StyleHint of \froman, \fswiss...
    ColourComponent,    // value: 0 red, 1 green, 2 blue
    Plain,              // \plain
    Flag,               // flag: a character property switched on, or off by a parameter 0
    FlagOff,            // flag: a character property switched off
    Capitals,           // value: 1 all capitals, 2 small capitals
    VerticalAlignment,  // value: 1 superscript, -1 subscript, 0 neither
    FontSize,           // \fs
    ColourIndex,        // \cf
    Highlight,          // \highlight, \cb
    Pard,               // \pard
    Alignment,          // value: the Qt::Alignment
    Indent,             // length: an indent in twips
    Spacing,            // length: space before or after, in twips
    LineSpacing,        // \sl
    LineMultiple,       // \slmult
    OutlineLevel,       // \outlinelevel
    TabPosition,        // \tx
    TabKind,            // value: the QTextOption::TabType of the next \tx
    Par,                // \par and the other ends of a paragraph
    Row,                // \row, \nestrow
    Line,               // \line
    Tab,                // \tab
    Cell,               // \cell, \nestcell
    Unicode,            // \u
    UnicodeSkip,        // \uc
    Binary,             // \bin
    Character           // value: the character of \bullet, \emdash...
};

struct WordInfo
{
    Word word = Word::Unknown;
    int value = 0;
    bool CharState::*flag = nullptr;
    int ParagraphState::*length = nullptr;
};

const std::unordered_map<std::string_view, WordInfo>& wordTable()
{
    static const std::unordered_map<std::string_view, WordInfo> table = [] {
        using W = Word;
        using C = CharState;
        using P = ParagraphState;
        // clang-format off
        std::unordered_map<std::string_view, WordInfo> t = {
            {"ansi", {W::CodePage, 1252}}, {"mac", {W::CodePage, 10000}}, {"pc", {W::CodePage, 437}},
            {"pca", {W::CodePage, 850}}, {"ansicpg", {W::AnsiCodePage}}, {"deff", {W::DefaultFont}},
            {"fonttbl", {W::FontTable}}, {"colortbl", {W::ColourTable}},
            {"f", {W::Font}}, {"fcharset", {W::Charset}}, {"cpg", {W::FontCodePage}},
            {"froman", {W::FontFamily, QFont::Serif}}, {"fswiss", {W::FontFamily, QFont::SansSerif}},
            {"fmodern", {W::FontFamily, QFont::TypeWriter}}, {"fscript", {W::FontFamily, QFont::Cursive}},
            {"fdecor", {W::FontFamily, QFont::Decorative}},
            {"red", {W::ColourComponent, 0}}, {"green", {W::ColourComponent, 1}},
            {"blue", {W::ColourComponent, 2}},
            {"plain", {W::Plain}},
            {"b", {W::Flag, 0, &C::bold}}, {"i", {W::Flag, 0, &C::italic}},
            {"strike", {W::Flag, 0, &C::strike}}, {"striked", {W::Flag, 0, &C::strike}},
            {"v", {W::Flag, 0, &C::hidden}}, {"ulnone", {W::FlagOff, 0, &C::underline}},
            {"caps", {W::Capitals, 1}}, {"scaps", {W::Capitals, 2}},
            {"super", {W::VerticalAlignment, 1}}, {"sub", {W::VerticalAlignment, -1}},
            {"nosupersub", {W::VerticalAlignment, 0}},
            {"fs", {W::FontSize}}, {"cf", {W::ColourIndex}},
            {"highlight", {W::Highlight}}, {"cb", {W::Highlight}}, {"chcbpat", {W::Highlight}},
            {"pard", {W::Pard}},
            {"ql", {W::Alignment, Qt::AlignLeft}}, {"qc", {W::Alignment, Qt::AlignHCenter}},
            {"qr", {W::Alignment, Qt::AlignRight}}, {"qj", {W::Alignment, Qt::AlignJustify}},
            {"qd", {W::Alignment, Qt::AlignJustify}},
            {"li", {W::Indent, 0, nullptr, &P::leftIndent}}, {"lin", {W::Indent, 0, nullptr, &P::leftIndent}},
            {"ri", {W::Indent, 0, nullptr, &P::rightIndent}},
            {"rin", {W::Indent, 0, nullptr, &P::rightIndent}},
            {"fi", {W::Indent, 0, nullptr, &P::firstIndent}},
            {"sb", {W::Spacing, 0, nullptr, &P::spaceBefore}},
            {"sa", {W::Spacing, 0, nullptr, &P::spaceAfter}},
            {"sl", {W::LineSpacing}}, {"slmult", {W::LineMultiple}}, {"outlinelevel", {W::OutlineLevel}},
            {"tx", {W::TabPosition}}, {"tqr", {W::TabKind, QTextOption::RightTab}},
            {"tqc", {W::TabKind, QTextOption::CenterTab}}, {"tqdec", {W::TabKind, QTextOption::DelimiterTab}},
            {"par", {W::Par}}, {"sect", {W::Par}}, {"page", {W::Par}}, {"column", {W::Par}},
            {"row", {W::Row}}, {"nestrow", {W::Row}}, {"line", {W::Line}}, {"tab", {W::Tab}},
            {"cell", {W::Cell}}, {"nestcell", {W::Cell}},
            {"u", {W::Unicode}}, {"uc", {W::UnicodeSkip}}, {"bin", {W::Binary}},
            {"emdash", {W::Character, 0x2014}}, {"endash", {W::Character, 0x2013}},
            {"emspace", {W::Character, 0x2003}}, {"enspace", {W::Character, 0x2002}},
            {"qmspace", {W::Character, 0x2005}}, {"bullet", {W::Character, 0x2022}},
            {"lquote", {W::Character, 0x2018}}, {"rquote", {W::Character, 0x2019}},
            {"ldblquote", {W::Character, 0x201C}}, {"rdblquote", {W::Character, 0x201D}},
            {"zwj", {W::Character, 0x200D}}, {"zwnj", {W::Character, 0x200C}},
            {"zwbo", {W::Character, 0x200B}},
            {"ltrmark", {W::Character, 0x200E}}, {"rtlmark", {W::Character, 0x200F}}};

        // Every kind of underline is an underline.
        for (const std::string_view name : {"ul", "uld", "uldash", "uldashd", "uldashdd", "uldb", "ulth",
                                            "ulw", "ulwave", "ulhwave", "ulthd", "ulthdash"})
            t.emplace(name, WordInfo{W::Flag, 0, &C::underline});

        // Destinations that carry no text to show: document information, style and list definitions,
        // pictures, objects, page furniture, notes, field instructions and bookmarks.
        for (const std::string_view name : {
                 "stylesheet", "info", "pict", "object", "objdata", "header", "headerl", "headerr",
                 "headerf", "footer", "footerl", "footerr", "footerf", "footnote", "annotation", "atnid",
                 "atnauthor", "fldinst", "xe", "tc", "txe", "rxe", "bkmkstart", "bkmkend", "themedata",
                 "colorschememapping", "datastore", "latentstyles", "listtable", "listoverridetable",
                 "revtbl", "rsidtbl", "generator", "pgdsctbl", "filetbl", "nonshppict", "shp", "shpinst",
                 "nonesttables", "pn", "pnseclvl", "pntxta", "pntxtb", "template", "userprops", "docvar",
                 "falt", "panose", "fontemb", "fontfile", "listpicture", "mmathPr", "xmlnstbl",
                 "wgrffmtfilter", "upr", "private"})
            t.emplace(name, WordInfo{W::SkippedDestination});
        // clang-format on
        return t;
    }();
    return table;
}

bool isLetter(unsigned char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}
bool isDigit(unsigned char c)
{
    return c >= '0' && c <= '9';
}

int hexValue(unsigned char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return -1;
}

double twipsToPixelsExact(int twips)
{
    return static_cast<double>(twips) / TwipsPerPixel;
}

// Characters that must not reach the document as text: control characters (a line feed would start a
// new paragraph), the paragraph separator, QTextDocument's own frame markers and object placeholder,
// and halves of surrogate pairs without their other half.
bool needsCleaning(const QString& text)
{
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != '\t') || (u >= 0x7F && u < 0xA0) || u == 0x2029 || u == 0xFDD0 || u == 0xFDD1 ||
            u == 0xFFFC || u == 0xFEFF || c.isSurrogate())
            return true;
    }
    return false;
}

QString cleaned(const QString& text)
{
    QString result;
    result.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text.at(i);
        const char16_t u = c.unicode();
        if ((u < 0x20 && u != '\t') || (u >= 0x7F && u < 0xA0) || u == 0x2029 || u == 0xFDD0 || u == 0xFDD1 ||
            u == 0xFFFC || u == 0xFEFF)
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

class Parser
{
public:
    Parser(const QByteArray& data, QTextDocument& document)
        : p(reinterpret_cast<const unsigned char*>(data.constData())), end(p + data.size()), cursor(&document)
    {
    }

    RtfReader::Status run(bool cutShort);

private:
    GroupState& state() { return stack.back(); }

    // Tokens
    void openGroup();
    void closeGroup();
    void controlSequence();
    void controlSymbol(unsigned char symbol);
    void controlWord(std::string_view name, bool hasParameter, int parameter);
    void unicodeCharacter(int parameter);
    void literalText();
    void skipGroup();
    void skipBinary(int count);
    int readParameter(bool& hasParameter);

    // What a token does, by destination
    void byte(unsigned char value);
    void character(char16_t value);
    void beginSkipping() { skipDepth = 1; }
    bool consumeSkippedCharacter();

    // Font and colour tables
    void beginFontEntry(int index);
    void endFontEntry();
    void endColourEntry();
    int codePageOf(int font) const;

    // Output
    bool textLimitReached() const
    {
        return textLength + runText.size() + runBytes.size() >= RtfReader::MaximumTextLength ||
               paragraphCount >= RtfReader::MaximumParagraphs;
    }
    void beginRun();
    void decodeBytes();
    void flushRun();
    void endParagraph();
    void applyBlockFormat();
    void finish();
    const QTextCharFormat& charFormat(const CharState& chars);
    QTextBlockFormat blockFormat(const ParagraphState& paragraph) const;

    const unsigned char* p;
    const unsigned char* const end;
    std::vector<GroupState> stack;
    std::size_t excessDepth = 0; // groups open beyond MaximumGroupDepth
    std::size_t skipDepth = 0;   // while skipping a group: its groups still open, itself included
    int pendingSkip = 0;         // characters after \u still to be skipped
    bool groupJustOpened = false;
    bool finished = false;

    // The document's tables
    int documentCodePage = RtfCodePage::Windows1252;
    int defaultFont = -1;
    std::unordered_map<int, FontEntry> fonts;
    int fontIndex = -1; // the font table entry being read
    QByteArray fontName;
    std::vector<QColor> colours;
    std::array<int, 3> colour{}; // red, green, blue of the entry being read
    bool colourGiven = false;

    // Output: text of one character format collects in a run until the format changes.
    QTextCursor cursor;
    RtfTextDecoder decoder;
    CharState runChars;
    QByteArray runBytes;
    QString runText;
    bool paragraphPending = false; // a \par ended the block; the next text opens a new one
    bool rowEnded = false;         // ... and it was the end of a table row
    bool blockEmpty = true;
    bool anyText = false;
    qsizetype textLength = 0;
    qsizetype paragraphCount = 1;
    ParagraphState appliedParagraph; // the format of the current block
    bool blockFormatApplied = false;
    CharState cachedChars;
    QTextCharFormat cachedFormat;
    bool cacheValid = false;
};

RtfReader::Status Parser::run(bool cutShort)
{
    // An RTF document begins with "{\rtf". Blanks and a byte-order mark before it are tolerated, and
    // so is a fragment cut out of a document (it begins with a group or a control word): its text is
    // read as if it stood in a document of its own.
    if (end - p >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF)
        p += 3;
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n'))
        ++p;
    const bool document = end - p >= 5 && std::string_view(reinterpret_cast<const char*>(p), 5) == "{\\rtf";
    const bool fragment = !document && end - p >= 2 && (*p == '{' || *p == '\\') &&
                          (p[1] == '\\' || p[1] == '{' || isLetter(p[1]));
    if (!document && !fragment)
        return RtfReader::Status::NotRtf;

    // One edit block for the whole document: outside one, every insertion would lay its paragraph out
    // again to place the cursor.
    cursor.beginEditBlock();
    stack.reserve(MaximumGroupDepth);
    stack.emplace_back();
    if (document) {
        ++p;
        groupJustOpened = true;
    }
    while (p < end && !finished) {
        if (textLimitReached()) {
            cutShort = true;
            break;
        }
        if (skipDepth > 0) {
            skipGroup();
            continue;
        }
        const unsigned char c = *p++;
        switch (c) {
        case '{':
            openGroup();
            break;
        case '}':
            closeGroup();
            break;
        case '\\':
            controlSequence();
            break;
        case '\r':
        case '\n':
            break;
        default:
            --p;
            literalText();
            break;
        }
    }
    // A document cut short (the closing braces missing) ends where the bytes end.
    if (!finished)
        finish();
    cursor.endEditBlock();
    if (!anyText)
        return RtfReader::Status::NoText;
    return cutShort ? RtfReader::Status::ReadInPart : RtfReader::Status::Read;
}

void Parser::openGroup()
{
    pendingSkip = 0;
    groupJustOpened = true;
    if (stack.size() < MaximumGroupDepth)
        stack.push_back(GroupState(stack.back()));
    else
        ++excessDepth;
}

void Parser::closeGroup()
{
    pendingSkip = 0;
    groupJustOpened = false;
    if (excessDepth > 0) {
        --excessDepth;
        return;
    }
    // The brace that closes the outermost group ends the document; anything after it is not read.
    if (stack.size() == 1) {
        finish();
        finished = true;
        return;
    }
    const Destination leaving = state().destination;
    stack.pop_back();
    if (leaving == Destination::FontTable && state().destination != Destination::FontTable)
        endFontEntry();
}

// Skips the rest of a group that holds nothing to show, quickly: pictures can be megabytes of hex.
void Parser::skipGroup()
{
    while (p < end) {
        const unsigned char c = *p++;
        if (c == '{') {
            ++skipDepth;
        } else if (c == '}') {
            if (--skipDepth == 0) {
                closeGroup();
                return;
            }
        } else if (c == '\\' && p < end) {
            if (isLetter(*p)) {
                const unsigned char* name = p;
                while (p < end && isLetter(*p))
                    ++p;
                const bool binary =
                    p - name == 3 && std::string_view(reinterpret_cast<const char*>(name), 3) == "bin";
                bool hasParameter = false;
                const int parameter = readParameter(hasParameter);
                if (binary)
                    skipBinary(parameter);
            } else {
                ++p; // an escaped brace or backslash is no brace
            }
        }
    }
}

void Parser::skipBinary(int count)
{
    const auto available = static_cast<std::int64_t>(end - p);
    p += std::clamp<std::int64_t>(count, 0, available);
}

// The numeric parameter after a control word: an optional minus sign and digits, saturating at the
// limits of a 32-bit integer. A blank after it belongs to the control word and is consumed.
int Parser::readParameter(bool& hasParameter)
{
    hasParameter = false;
    bool negative = false;
    if (p < end && *p == '-' && p + 1 < end && isDigit(p[1])) {
        negative = true;
        ++p;
    }
    std::int64_t value = 0;
    while (p < end && isDigit(*p)) {
        hasParameter = true;
        if (value <= std::numeric_limits<std::int32_t>::max())
            value = value * 10 + (*p - '0');
        ++p;
    }
    if (p < end && *p == ' ')
        ++p;
    return saturate32(negative ? -value : value);
}

void Parser::controlSequence()
{
    if (p >= end)
        return;
    if (!isLetter(*p)) {
        const unsigned char symbol = *p++;
        controlSymbol(symbol);
        groupJustOpened = false;
        return;
    }
    char name[MaximumWordLength];
    std::size_t length = 0;
    bool tooLong = false;
    while (p < end && isLetter(*p)) {
        if (length < MaximumWordLength)
            name[length++] = static_cast<char>(*p);
        else
            tooLong = true;
        ++p;
    }
    bool hasParameter = false;
    const int parameter = readParameter(hasParameter);
    if (!tooLong)
        controlWord(std::string_view(name, length), hasParameter, parameter);
    groupJustOpened = false;
}

// After \u, the characters standing in for it in readers without Unicode are skipped: text, \'hh
// escapes and binary data, one character each. Writers that leave out the stand-in put the next control
// word right after \u, so a control word ends the skipping instead of being swallowed by it.
bool Parser::consumeSkippedCharacter()
{
    if (pendingSkip <= 0)
        return false;
    --pendingSkip;
    return true;
}

void Parser::controlSymbol(unsigned char symbol)
{
    if (symbol == '\'') {
        // A byte in hex. Without two hex digits the escape is dropped; what follows is read as usual.
        const int high = p < end ? hexValue(*p) : -1;
        const int low = high >= 0 && p + 1 < end ? hexValue(p[1]) : -1;
        if (high < 0)
            return;
        ++p;
        if (low < 0)
            return;
        ++p;
        if (!consumeSkippedCharacter())
            byte(static_cast<unsigned char>(high * 16 + low));
        return;
    }
    if (symbol == '*') {
        // "{\*" marks a destination that readers who do not know it skip; none of them carries text
        // that this reader shows.
        if (groupJustOpened)
            beginSkipping();
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
            endParagraph();
        break;
    default:
        break;
    }
}

void Parser::controlWord(std::string_view name, bool hasParameter, int parameter)
{
    const auto& table = wordTable();
    const auto found = table.find(name);
    const WordInfo info = found == table.end() ? WordInfo{} : found->second;

    if (info.word == Word::Binary) {
        // Binary data counts as the one character that stands in for a \u character.
        consumeSkippedCharacter();
        skipBinary(hasParameter ? parameter : 0);
        return;
    }
    pendingSkip = 0;

    GroupState& group = state();
    CharState& chars = group.chars;
    ParagraphState& paragraph = group.paragraph;
    const bool on = !hasParameter || parameter != 0;
    const bool inText = group.destination == Destination::Text;
    FontEntry* font =
        group.destination == Destination::FontTable && fontIndex >= 0 ? &fonts[fontIndex] : nullptr;

    switch (info.word) {
    case Word::Unknown:
    case Word::Binary:
        break;
    case Word::CodePage:
        documentCodePage = info.value;
        break;
    case Word::AnsiCodePage:
        if (hasParameter && parameter > 0)
            documentCodePage = parameter;
        break;
    case Word::DefaultFont:
        if (hasParameter) {
            defaultFont = parameter;
            if (chars.font < 0)
                chars.font = parameter;
        }
        break;
    case Word::FontTable:
        group.destination = Destination::FontTable;
        fontIndex = -1;
        break;
    case Word::ColourTable:
        group.destination = Destination::ColourTable;
        colours.clear();
        colour = {};
        colourGiven = false;
        break;
    case Word::SkippedDestination:
        beginSkipping();
        break;
    case Word::Font:
        if (group.destination == Destination::FontTable)
            beginFontEntry(parameter);
        else if (hasParameter)
            chars.font = parameter;
        break;
    case Word::Charset:
        if (font)
            font->charset = parameter;
        break;
    case Word::FontCodePage:
        if (font)
            font->codePage = parameter;
        break;
    case Word::FontFamily:
        if (font)
            font->hint = static_cast<QFont::StyleHint>(info.value);
        break;
    case Word::ColourComponent:
        if (group.destination == Destination::ColourTable) {
            colour[static_cast<std::size_t>(info.value)] = std::clamp(parameter, 0, 255);
            colourGiven = true;
        }
        break;
    case Word::Plain:
        chars = CharState();
        chars.font = defaultFont;
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
        paragraph = ParagraphState();
        break;
    case Word::Alignment:
        paragraph.alignment = static_cast<Qt::Alignment>(info.value);
        break;
    case Word::Indent:
        paragraph.*info.length = std::clamp(parameter, -MaximumLength, MaximumLength);
        break;
    case Word::Spacing:
        paragraph.*info.length = std::clamp(parameter, 0, MaximumLength);
        break;
    case Word::LineSpacing:
        paragraph.lineSpacing = std::clamp(parameter, -MaximumLength, MaximumLength);
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
    case Word::Par:
    case Word::Row:
        if (inText) {
            endParagraph();
            rowEnded = info.word == Word::Row;
        }
        break;
    case Word::Cell:
        // Tables are shown as lines of cells separated by tabs. Many writers close the text of a cell
        // with \par before \cell; the next cell still goes on the same line.
        if (inText && paragraphPending && !rowEnded)
            paragraphPending = false;
        character('\t');
        break;
    case Word::Line:
        character(QChar::LineSeparator);
        break;
    case Word::Tab:
        character('\t');
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

// \u: a signed 16-bit number, characters above 32767 written negative.
void Parser::unicodeCharacter(int parameter)
{
    const int code = parameter < 0 ? parameter + 65536 : parameter;
    if (code < 0 || code > 0xFFFF)
        return;
    auto value = static_cast<char16_t>(code);
    // Symbol fonts place their pictures in the private use area, at 0xF000 plus the byte.
    const int codePage = codePageOf(state().chars.font);
    if (value >= 0xF020 && value <= 0xF0FF &&
        (codePage == RtfCodePage::Symbol || codePage == RtfCodePage::Wingdings))
        value = RtfTextDecoder::symbolCharacter(codePage, static_cast<unsigned char>(value & 0xFF));
    character(value);
}

void Parser::literalText()
{
    groupJustOpened = false;
    const Destination destination = state().destination;
    while (p < end && !textLimitReached()) {
        const unsigned char c = *p;
        if (c == '\\' || c == '{' || c == '}')
            return;
        ++p;
        if (c == '\r' || c == '\n')
            continue;
        if (consumeSkippedCharacter())
            continue;
        if (destination != Destination::Text || state().chars.hidden || c < 0x20) {
            if (c == '\t' || c >= 0x20)
                byte(c);
            continue;
        }
        // The common case: a stretch of plain text, appended at once (up to the limit of the text).
        const unsigned char* start = p - 1;
        const qsizetype room = RtfReader::MaximumTextLength - textLength - runText.size() - runBytes.size();
        const unsigned char* stop = start + std::min<std::int64_t>(end - start, room);
        while (p < stop && *p >= 0x20 && *p != '\\' && *p != '{' && *p != '}')
            ++p;
        beginRun();
        runBytes.append(reinterpret_cast<const char*>(start), p - start);
    }
}

void Parser::byte(unsigned char value)
{
    GroupState& group = state();
    switch (group.destination) {
    case Destination::Text:
        if (group.chars.hidden)
            return;
        beginRun();
        runBytes.append(static_cast<char>(value));
        break;
    case Destination::FontTable:
        if (value == ';')
            endFontEntry();
        else
            fontName.append(static_cast<char>(value));
        break;
    case Destination::ColourTable:
        if (value == ';')
            endColourEntry();
        break;
    }
}

void Parser::character(char16_t value)
{
    const GroupState& group = state();
    if (group.destination != Destination::Text || group.chars.hidden)
        return;
    beginRun();
    decodeBytes();
    runText.append(QChar(value));
}

void Parser::beginFontEntry(int index)
{
    endFontEntry();
    if (fonts.size() >= MaximumTableSize && fonts.count(index) == 0)
        return;
    fontIndex = index;
    fonts[index] = FontEntry();
}

void Parser::endFontEntry()
{
    if (fontIndex < 0)
        return;
    FontEntry& font = fonts[fontIndex];
    QString name;
    const int codePage = font.charset == 2 ? documentCodePage : codePageOf(fontIndex);
    decoder.decode(codePage, fontName, name);
    font.family = name.trimmed();
    const bool wingdings = font.family.startsWith(QLatin1String("Wingdings"), Qt::CaseInsensitive);
    if (wingdings)
        font.symbolCodePage = RtfCodePage::Wingdings;
    else if (font.charset == 2 || font.family.compare(QLatin1String("Symbol"), Qt::CaseInsensitive) == 0)
        font.symbolCodePage = RtfCodePage::Symbol;
    fontName.clear();
    fontIndex = -1;
}

void Parser::endColourEntry()
{
    // An entry without any colour is the automatic colour (the first entry usually is).
    if (colours.size() < MaximumTableSize)
        colours.push_back(colourGiven ? QColor(colour[0], colour[1], colour[2]) : QColor());
    colour = {};
    colourGiven = false;
}

int Parser::codePageOf(int font) const
{
    const auto found = fonts.find(font);
    if (found == fonts.end())
        return documentCodePage;
    const FontEntry& entry = found->second;
    if (entry.codePage > 0)
        return entry.codePage;
    if (entry.symbolCodePage != 0)
        return entry.symbolCodePage;
    const int codePage = RtfCodePage::forCharset(entry.charset);
    return codePage != 0 ? codePage : documentCodePage;
}

void Parser::beginRun()
{
    if (paragraphPending) {
        flushRun();
        cursor.insertBlock();
        paragraphPending = false;
        blockEmpty = true;
        ++paragraphCount;
    }
    if (state().chars != runChars) {
        flushRun();
        runChars = state().chars;
    }
}

void Parser::decodeBytes()
{
    if (runBytes.isEmpty())
        return;
    decoder.decode(codePageOf(runChars.font), runBytes, runText);
    runBytes.clear();
}

void Parser::flushRun()
{
    decodeBytes();
    if (runText.isEmpty())
        return;
    if (needsCleaning(runText))
        runText = cleaned(runText);
    if (!runText.isEmpty()) {
        textLength += runText.size();
        cursor.insertText(runText, charFormat(runChars));
        blockEmpty = false;
        if (!anyText)
            anyText = std::any_of(runText.cbegin(), runText.cend(), [](QChar c) { return !c.isSpace(); });
    }
    runText.clear();
}

void Parser::endParagraph()
{
    flushRun();
    if (paragraphPending) {
        cursor.insertBlock();
        blockEmpty = true;
        ++paragraphCount;
    }
    applyBlockFormat();
    // An empty paragraph is as high as the font it was written in.
    if (blockEmpty)
        cursor.setBlockCharFormat(charFormat(state().chars));
    paragraphPending = true;
}

// A new block takes the format of the block before it, and most paragraphs repeat that format.
void Parser::applyBlockFormat()
{
    const ParagraphState& paragraph = state().paragraph;
    if (blockFormatApplied && paragraph.sameFormat(appliedParagraph))
        return;
    cursor.setBlockFormat(blockFormat(paragraph));
    appliedParagraph = paragraph;
    blockFormatApplied = true;
}

void Parser::finish()
{
    flushRun();
    // The last paragraph may lack its \par; it keeps its formatting all the same.
    if (!paragraphPending)
        applyBlockFormat();
}

const QTextCharFormat& Parser::charFormat(const CharState& chars)
{
    if (cacheValid && chars == cachedChars)
        return cachedFormat;
    QTextCharFormat format;
    format.setFontPointSize(chars.halfPoints / 2.0);
    format.setFontWeight(chars.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(chars.italic);
    format.setFontUnderline(chars.underline);
    format.setFontStrikeOut(chars.strike);
    if (chars.verticalAlignment != 0)
        format.setVerticalAlignment(chars.verticalAlignment > 0 ? QTextCharFormat::AlignSuperScript
                                                                : QTextCharFormat::AlignSubScript);
    if (chars.capitals != 0)
        format.setFontCapitalization(chars.capitals == 1 ? QFont::AllUppercase : QFont::SmallCaps);
    // Symbol fonts are not named: their characters have been translated to Unicode, which the
    // symbol fonts of this system may not cover.
    const auto font = fonts.find(chars.font);
    const int codePage = codePageOf(chars.font);
    if (font != fonts.end() && !font->second.family.isEmpty() && codePage != RtfCodePage::Symbol &&
        codePage != RtfCodePage::Wingdings) {
        format.setFontFamilies({font->second.family});
        format.setFontStyleHint(font->second.hint);
    }
    if (chars.colour > 0 && static_cast<std::size_t>(chars.colour) < colours.size() &&
        colours[static_cast<std::size_t>(chars.colour)].isValid())
        format.setForeground(colours[static_cast<std::size_t>(chars.colour)]);
    if (chars.highlight > 0 && static_cast<std::size_t>(chars.highlight) < colours.size() &&
        colours[static_cast<std::size_t>(chars.highlight)].isValid())
        format.setBackground(colours[static_cast<std::size_t>(chars.highlight)]);
    cachedChars = chars;
    cachedFormat = format;
    cacheValid = true;
    return cachedFormat;
}

QTextBlockFormat Parser::blockFormat(const ParagraphState& paragraph) const
{
    QTextBlockFormat format;
    format.setAlignment(paragraph.alignment);
    format.setLeftMargin(twipsToPixelsExact(paragraph.leftIndent));
    format.setRightMargin(twipsToPixelsExact(paragraph.rightIndent));
    format.setTextIndent(twipsToPixelsExact(paragraph.firstIndent));
    format.setTopMargin(twipsToPixelsExact(paragraph.spaceBefore));
    format.setBottomMargin(twipsToPixelsExact(paragraph.spaceAfter));
    if (paragraph.lineSpacing > 0 && paragraph.lineMultiple)
        format.setLineHeight(paragraph.lineSpacing * 100.0 / 240.0, QTextBlockFormat::ProportionalHeight);
    else if (paragraph.lineSpacing > 0)
        format.setLineHeight(twipsToPixelsExact(paragraph.lineSpacing), QTextBlockFormat::MinimumHeight);
    else if (paragraph.lineSpacing < 0)
        format.setLineHeight(twipsToPixelsExact(-paragraph.lineSpacing), QTextBlockFormat::FixedHeight);
    if (paragraph.outlineLevel >= 0)
        format.setHeadingLevel(paragraph.outlineLevel + 1);

    // RTF measures tab stops from the left margin, Qt from where the line begins; tab stops are used
    // on the first line of a paragraph. A hanging indent is a tab stop of its own, so that the text
    // after a bullet and a tab lines up with the lines that follow.
    QList<QTextOption::Tab> tabs;
    const int lineStart = paragraph.leftIndent + paragraph.firstIndent;
    const auto addTab = [&](int position, QTextOption::TabType type) {
        if (position > lineStart)
            tabs.append(QTextOption::Tab(twipsToPixelsExact(position - lineStart), type));
    };
    for (std::size_t i = 0; i < paragraph.tabCount; ++i)
        addTab(paragraph.tabs[i].position, paragraph.tabs[i].type);
    if (paragraph.firstIndent < 0)
        addTab(paragraph.leftIndent, QTextOption::LeftTab);
    if (!tabs.isEmpty()) {
        std::sort(tabs.begin(), tabs.end(), [](const QTextOption::Tab& a, const QTextOption::Tab& b) {
            return a.position < b.position;
        });
        format.setTabPositions(tabs);
    }
    return format;
}

RtfReader::Status readDocument(const QByteArray& rtf, QTextDocument& document, bool cutShort)
{
    document.clear();
    // Nothing read here is ever undone; an undo history would only double the memory.
    const bool undo = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    Parser parser(rtf, document);
    const RtfReader::Status status = parser.run(cutShort);
    document.setUndoRedoEnabled(undo);
    return status;
}

} // namespace

RtfReader::Status RtfReader::read(const QByteArray& rtf, QTextDocument& document)
{
    return readDocument(rtf, document, false);
}

RtfReader::Status RtfReader::readFile(const QString& path, QTextDocument& document)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return Status::CannotOpen;
    const QByteArray bytes = file.read(MaximumFileSize);
    if (file.error() != QFileDevice::NoError)
        return Status::CannotOpen;
    return readDocument(bytes, document, !file.atEnd());
}

} // namespace brimley
