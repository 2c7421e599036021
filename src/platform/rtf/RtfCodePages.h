#pragma once

// The 8-bit code pages of RTF text. An RTF file names Windows code pages: one for the whole document
// (\ansicpg, Windows-1252 when absent) and, through each font's character set (\fcharset), one per font,
// which takes precedence. Windows-1252 and the two symbol fonts are built in; every other code page is
// decoded by the system's converters where they know it, and as Windows-1252 where they do not.
// Control characters that a code page yields are left for the document builder to drop.

#include <QByteArray>
#include <QString>
#include <QStringDecoder>

#include <array>
#include <optional>
#include <unordered_map>

namespace brimley::rtf {

namespace RtfCodePage {

constexpr int Windows1252 = 1252;
// Pseudo code pages of symbol fonts, whose bytes are pictures rather than letters. Their bytes are
// mapped to the Unicode characters that look the same (Symbol's 0xB7 is a bullet).
constexpr int Symbol = -2;
constexpr int Wingdings = -3;
constexpr bool isSymbolFont(int codePage)
{
    return codePage == Symbol || codePage == Wingdings;
}

// The code page that a font's \fcharset implies, or 0 when the character set leaves it to the document
// (\fcharset1, the default set) or is unknown.
int forCharset(int charset);

} // namespace RtfCodePage

// Decodes runs of bytes in any of the code pages above. Keeps one translation table per code page met.
class RtfTextDecoder
{
public:
    // Appends the bytes, decoded, to the text.
    void decode(int codePage, const QByteArray& bytes, QString& text);

    // The character that a symbol font shows for one byte.
    static char16_t symbolCharacter(int codePage, unsigned char byte);

private:
    using Table = std::array<char16_t, 256>;
    struct CodePage
    {
        Table table{};
        // For a multi-byte code page, decoded as a whole. Qt's decoders that use ICU keep the address of
        // their state, so this one is made where it stays and never moved.
        std::optional<QStringDecoder> multiByte;
    };
    CodePage& codePage(int number);

    std::unordered_map<int, CodePage> codePages;
};

} // namespace brimley::rtf
