#pragma once

// Windows-1252, the 8-bit character set of the files earlier versions of the program wrote and of most
// RTF documents, with a table of our own so that every platform reads and writes the same bytes. The
// five bytes that Windows-1252 leaves undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) stand for the control
// characters of the same number, as Windows itself reads them, so that no byte is ever lost: any bytes
// decoded and encoded again are the same bytes.

#include <QByteArray>
#include <QString>

namespace brimley::Windows1252 {

// The character that one byte stands for.
char16_t character(unsigned char byte);

// Whether every character of the text has a byte.
bool isRepresentable(const QString& text);

// Characters without a byte become '?'; callers that must not lose any check isRepresentable first.
QByteArray encode(const QString& text);

QString decode(const QByteArray& bytes);

} // namespace brimley::Windows1252
