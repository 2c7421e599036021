// Decoding the 8-bit and multi-byte code pages of RTF text.

#include "platform/rtf/RtfCodePages.h"

#include "platform/Windows1252.h"

#include <QList>
#include <QStringDecoder>

namespace brimley::rtf {
namespace {

constexpr char16_t Replacement = 0xFFFD;

// The Symbol font, 0x20 to 0x7F and 0xA0 to 0xFF; bytes not listed are shown as they are.
constexpr char16_t SymbolLow[96] = {
    0x0020, 0x0021, 0x2200, 0x0023, 0x2203, 0x0025, 0x0026, 0x220B, 0x0028, 0x0029, 0x2217, 0x002B,
    0x002C, 0x2212, 0x002E, 0x002F, 0x0030, 0x0031, 0x0032, 0x0033, 0x0034, 0x0035, 0x0036, 0x0037,
    0x0038, 0x0039, 0x003A, 0x003B, 0x003C, 0x003D, 0x003E, 0x003F, 0x2245, 0x0391, 0x0392, 0x03A7,
    0x0394, 0x0395, 0x03A6, 0x0393, 0x0397, 0x0399, 0x03D1, 0x039A, 0x039B, 0x039C, 0x039D, 0x039F,
    0x03A0, 0x0398, 0x03A1, 0x03A3, 0x03A4, 0x03A5, 0x03C2, 0x03A9, 0x039E, 0x03A8, 0x0396, 0x005B,
    0x2234, 0x005D, 0x22A5, 0x005F, 0x203E, 0x03B1, 0x03B2, 0x03C7, 0x03B4, 0x03B5, 0x03C6, 0x03B3,
    0x03B7, 0x03B9, 0x03D5, 0x03BA, 0x03BB, 0x03BC, 0x03BD, 0x03BF, 0x03C0, 0x03B8, 0x03C1, 0x03C3,
    0x03C4, 0x03C5, 0x03D6, 0x03C9, 0x03BE, 0x03C8, 0x03B6, 0x007B, 0x007C, 0x007D, 0x223C, 0x007F,
};
constexpr char16_t SymbolHigh[96] = {
    0x20AC, 0x03D2, 0x2032, 0x2264, 0x2044, 0x221E, 0x0192, 0x2663, 0x2666,      0x2665, 0x2660, 0x2194,
    0x2190, 0x2191, 0x2192, 0x2193, 0x00B0, 0x00B1, 0x2033, 0x2265, 0x00D7,      0x221D, 0x2202, 0x2022,
    0x00F7, 0x2260, 0x2261, 0x2248, 0x2026, 0x23D0, 0x23AF, 0x21B5, 0x2135,      0x2111, 0x211C, 0x2118,
    0x2297, 0x2295, 0x2205, 0x2229, 0x222A, 0x2283, 0x2287, 0x2284, 0x2282,      0x2286, 0x2208, 0x2209,
    0x2220, 0x2207, 0x00AE, 0x00A9, 0x2122, 0x220F, 0x221A, 0x22C5, 0x00AC,      0x2227, 0x2228, 0x21D4,
    0x21D0, 0x21D1, 0x21D2, 0x21D3, 0x25CA, 0x2329, 0x00AE, 0x00A9, 0x2122,      0x2211, 0x239B, 0x239C,
    0x239D, 0x23A1, 0x23A2, 0x23A3, 0x23A7, 0x23A8, 0x23A9, 0x23AA, Replacement, 0x232A, 0x222B, 0x2320,
    0x23AE, 0x2321, 0x239E, 0x239F, 0x23A0, 0x23A4, 0x23A5, 0x23A6, 0x23AB,      0x23AC, 0x23AD, Replacement,
};

// Wingdings is a font of pictures; only the ones that documents use as bullets and marks are known,
// every other picture is shown as a plain bullet rather than as a stray letter.
char16_t wingdingsCharacter(unsigned char byte)
{
    switch (byte) {
    case 0x4A:
        return 0x263A; // smiling face
    case 0x4C:
        return 0x2639; // frowning face
    case 0x6C:
        return 0x25CF; // black circle
    case 0x6E:
        return 0x25A0; // black square
    case 0x6F:
        return 0x25A1; // white square
    case 0x71:
        return 0x2751; // shadowed white square
    case 0x75:
        return 0x25C6; // black diamond
    case 0x76:
        return 0x2756; // diamond minus white X
    case 0x9F:
        return 0x2022; // bullet
    case 0xA7:
        return 0x25AA; // small black square
    case 0xA8:
        return 0x25FB; // white medium square
    case 0xD8:
        return 0x27A2; // arrowhead
    case 0xE0:
        return 0x2192; // arrow
    case 0xE8:
        return 0x2794; // heavy arrow
    case 0xFB:
        return 0x2717; // ballot X
    case 0xFC:
        return 0x2713; // check mark
    case 0xFE:
        return 0x2611; // ballot box with check
    default:
        return byte < 0x20 ? byte : 0x2022;
    }
}

// The names under which the system's converters know a Windows code page.
QList<QByteArray> converterNames(int codePage)
{
    switch (codePage) {
    case 437:
        return {"IBM437", "cp437"};
    case 850:
        return {"IBM850", "cp850"};
    case 932:
        return {"Shift_JIS", "windows-31j"};
    case 936:
        return {"GBK", "windows-936", "GB2312"};
    case 949:
        return {"windows-949", "EUC-KR"};
    case 950:
        return {"Big5", "windows-950"};
    case 1361:
        return {"johab", "ibm-1361"};
    case 10000:
        return {"macintosh", "x-mac-roman"};
    case 65001:
        return {"UTF-8"};
    default:
        break;
    }
    const QByteArray number = QByteArray::number(codePage);
    return {"windows-" + number, "cp" + number, "IBM" + number};
}

bool isMultiByte(int codePage)
{
    return codePage == 932 || codePage == 936 || codePage == 949 || codePage == 950 || codePage == 1361 ||
           codePage == 65001;
}

} // namespace

int RtfCodePage::forCharset(int charset)
{
    switch (charset) {
    case 0:
        return 1252; // ANSI
    case 2:
        return Symbol; // symbol fonts
    case 77:
        return 10000; // Mac Roman
    case 128:
        return 932; // Japanese
    case 129:
        return 949; // Korean
    case 130:
        return 1361; // Korean, Johab
    case 134:
        return 936; // simplified Chinese
    case 136:
        return 950; // traditional Chinese
    case 161:
        return 1253; // Greek
    case 162:
        return 1254; // Turkish
    case 163:
        return 1258; // Vietnamese
    case 177:
        return 1255; // Hebrew
    case 178:
        return 1256; // Arabic
    case 186:
        return 1257; // Baltic
    case 204:
        return 1251; // Cyrillic
    case 222:
        return 874; // Thai
    case 238:
        return 1250; // Central European
    case 254:
        return 437; // PC 437
    case 255:
        return 850; // OEM
    default:
        return 0;
    }
}

char16_t RtfTextDecoder::symbolCharacter(int codePage, unsigned char byte)
{
    if (codePage == RtfCodePage::Wingdings)
        return wingdingsCharacter(byte);
    if (byte >= 0x20 && byte < 0x80)
        return SymbolLow[byte - 0x20];
    if (byte >= 0xA0)
        return SymbolHigh[byte - 0xA0];
    return byte < 0x20 ? byte : Replacement;
}

RtfTextDecoder::CodePage& RtfTextDecoder::codePage(int number)
{
    const auto [found, added] = codePages.try_emplace(number);
    CodePage& page = found->second;
    if (!added)
        return page;

    for (int byte = 0; byte < 256; ++byte)
        page.table[static_cast<std::size_t>(byte)] = Windows1252::character(static_cast<unsigned char>(byte));

    if (RtfCodePage::isSymbolFont(number)) {
        for (int byte = 0; byte < 256; ++byte)
            page.table[static_cast<std::size_t>(byte)] =
                symbolCharacter(number, static_cast<unsigned char>(byte));
    } else if (number != RtfCodePage::Windows1252 && number > 0) {
        for (const QByteArray& name : converterNames(number)) {
            if (isMultiByte(number)) {
                if (page.multiByte.emplace(name.constData()).isValid())
                    break;
                page.multiByte.reset();
                continue;
            }
            QStringDecoder probe(name.constData());
            if (!probe.isValid())
                continue;
            // A single-byte code page: translate every byte once. Bytes the converter does not turn into
            // exactly one character keep their Windows-1252 meaning.
            QByteArray allBytes(256, '\0');
            for (int byte = 0; byte < 256; ++byte)
                allBytes[byte] = static_cast<char>(byte);
            const QString all = probe.decode(allBytes);
            if (all.size() == 256) {
                for (int byte = 0; byte < 256; ++byte)
                    page.table[static_cast<std::size_t>(byte)] = all.at(byte).unicode();
            }
            break;
        }
    }
    return page;
}

void RtfTextDecoder::decode(int number, const QByteArray& bytes, QString& text)
{
    if (bytes.isEmpty())
        return;
    CodePage& page = codePage(number);
    if (page.multiByte) {
        // Each run is decoded on its own: a character cut short at the end of one is not completed by
        // the next.
        page.multiByte->resetState();
        text += page.multiByte->decode(bytes);
        return;
    }
    const qsizetype start = text.size();
    text.resize(start + bytes.size());
    QChar* out = text.data() + start;
    for (const char byte : bytes)
        *out++ = QChar(page.table[static_cast<unsigned char>(byte)]);
}

} // namespace brimley::rtf
