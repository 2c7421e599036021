// The Windows-1252 table and the conversions through it.

#include "platform/Windows1252.h"

#include <optional>

namespace brimley::Windows1252 {
namespace {

// Windows-1252 differs from Latin-1 only in the bytes 0x80 to 0x9F.
constexpr char16_t Bytes80To9F[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, // 0x80
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, // 0x88
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, // 0x90
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178, // 0x98
};

std::optional<char> byteFor(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF))
        return static_cast<char>(c);
    for (int i = 0; i < 32; ++i) {
        if (Bytes80To9F[i] == c)
            return static_cast<char>(0x80 + i);
    }
    return std::nullopt;
}

} // namespace

char16_t character(unsigned char byte)
{
    return byte >= 0x80 && byte < 0xA0 ? Bytes80To9F[byte - 0x80] : char16_t(byte);
}

bool isRepresentable(const QString& text)
{
    for (const QChar c : text) {
        if (!byteFor(c.unicode()))
            return false;
    }
    return true;
}

QByteArray encode(const QString& text)
{
    QByteArray bytes;
    bytes.reserve(text.size());
    for (const QChar c : text)
        bytes.append(byteFor(c.unicode()).value_or('?'));
    return bytes;
}

QString decode(const QByteArray& bytes)
{
    QString text(bytes.size(), Qt::Uninitialized);
    QChar* out = text.data();
    for (const char byte : bytes)
        *out++ = QChar(character(static_cast<unsigned char>(byte)));
    return text;
}

} // namespace brimley::Windows1252
