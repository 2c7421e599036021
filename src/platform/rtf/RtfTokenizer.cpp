// Splitting RTF bytes into tokens.

#include "platform/rtf/RtfTokenizer.h"

#include "app/Numbers.h"

#include <algorithm>
#include <array>
#include <limits>

namespace brimley::rtf {
namespace {

// Control words are at most 32 letters long; a longer one is unknown in any case.
constexpr std::size_t MaximumWordLength = 32;

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

// Bytes that continue a stretch of text: all but the three that begin tokens and the control bytes,
// of which only the tab is text (line ends only lay the file out).
constexpr std::array<bool, 256> TextBytes = [] {
    std::array<bool, 256> table{};
    for (int c = 0x20; c < 256; ++c)
        table[static_cast<std::size_t>(c)] = c != '\\' && c != '{' && c != '}';
    table['\t'] = true;
    return table;
}();

std::string_view view(const unsigned char* from, const unsigned char* to)
{
    return {reinterpret_cast<const char*>(from), static_cast<std::size_t>(to - from)};
}

} // namespace

RtfTokenizer::RtfTokenizer(const QByteArray& bytes)
    : p(reinterpret_cast<const unsigned char*>(bytes.constData())), end(p + bytes.size())
{
}

RtfTokenizer::Start RtfTokenizer::start()
{
    // Blanks and a byte-order mark before the document are tolerated.
    if (end - p >= 3 && p[0] == 0xEF && p[1] == 0xBB && p[2] == 0xBF)
        p += 3;
    while (p < end && (*p == ' ' || *p == '\t' || *p == '\r' || *p == '\n'))
        ++p;
    if (end - p >= 5 && view(p, p + 5) == "{\\rtf") {
        ++p;
        return Start::Document;
    }
    if (end - p >= 2 && (*p == '{' || *p == '\\') && (p[1] == '\\' || p[1] == '{' || isLetter(p[1])))
        return Start::Fragment;
    return Start::NotRtf;
}

RtfToken RtfTokenizer::next()
{
    RtfToken token;
    while (p < end) {
        const unsigned char c = *p;
        if (c == '{' || c == '}') {
            ++p;
            token.kind = c == '{' ? RtfToken::Kind::GroupOpen : RtfToken::Kind::GroupClose;
            return token;
        }
        if (c == '\\') {
            ++p;
            if (controlSequence(token))
                return token;
            continue;
        }
        if (!TextBytes[c]) {
            ++p;
            continue;
        }
        const unsigned char* start = p++;
        while (p < end && TextBytes[*p])
            ++p;
        token.kind = RtfToken::Kind::Text;
        token.text = view(start, p);
        return token;
    }
    return token;
}

// What follows a backslash. False when it makes no token: a hex escape without its two digits is
// dropped, and what follows is read as usual.
bool RtfTokenizer::controlSequence(RtfToken& token)
{
    if (p >= end)
        return false;
    if (!isLetter(*p)) {
        const unsigned char symbol = *p++;
        if (symbol != '\'') {
            token.kind = RtfToken::Kind::ControlSymbol;
            token.symbol = symbol;
            return true;
        }
        const int high = p < end ? hexValue(*p) : -1;
        if (high < 0)
            return false;
        ++p;
        const int low = p < end ? hexValue(*p) : -1;
        if (low < 0)
            return false;
        ++p;
        token.kind = RtfToken::Kind::HexByte;
        token.symbol = static_cast<unsigned char>(high * 16 + low);
        return true;
    }
    const unsigned char* name = p;
    while (p < end && isLetter(*p))
        ++p;
    const std::string_view word = view(name, p);
    token.parameter = readParameter(token.hasParameter);
    if (word == "bin") {
        const auto length = std::clamp<std::int64_t>(token.hasParameter ? token.parameter : 0, 0, end - p);
        token.kind = RtfToken::Kind::Binary;
        p += length;
        return true;
    }
    token.kind = RtfToken::Kind::ControlWord;
    if (word.size() <= MaximumWordLength)
        token.text = word;
    return true;
}

// The numeric parameter after a control word: an optional minus sign and digits, saturating at the
// limits of a 32-bit integer. A blank after it belongs to the control word and is consumed.
int RtfTokenizer::readParameter(bool& hasParameter)
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

bool RtfTokenizer::skipGroup()
{
    std::size_t depth = 1;
    for (;;) {
        switch (next().kind) {
        case RtfToken::Kind::End:
            return false;
        case RtfToken::Kind::GroupOpen:
            ++depth;
            break;
        case RtfToken::Kind::GroupClose:
            if (--depth == 0)
                return true;
            break;
        default:
            break;
        }
    }
}

bool RtfTokenizer::nextWordIs(std::string_view name) const
{
    const auto available = static_cast<std::size_t>(end - p);
    if (available < name.size() + 1 || *p != '\\' || view(p + 1, p + 1 + name.size()) != name)
        return false;
    return available == name.size() + 1 || !isLetter(p[1 + name.size()]);
}

} // namespace brimley::rtf
