#pragma once

// The first stage of reading RTF: bytes into tokens. It knows the syntax of the format (braces, control
// words and their numeric parameters, control symbols, hex escapes, binary data) and nothing of what any
// control word means. Damaged input never stops it: a parameter too large saturates, a hex escape without
// its digits is dropped, binary data running past the end stops at the end.

#include <QByteArray>

#include <cstdint>
#include <string_view>

namespace brimley::rtf {

struct RtfToken
{
    enum class Kind : std::uint8_t {
        End,           // no bytes left
        GroupOpen,     // {
        GroupClose,    // }
        ControlWord,   // \name or \name-123: text holds the name, empty when too long to be any word
        ControlSymbol, // \ and one character other than a letter: symbol holds it
        HexByte,       // \'hh: symbol holds the byte
        Text,          // text holds a stretch of bytes that are text, without line ends
        Binary,        // \binN: the N bytes of data that follow, passed over
    };
    Kind kind = Kind::End;
    bool hasParameter = false;
    unsigned char symbol = 0;
    int parameter = 0;
    std::string_view text;
};

class RtfTokenizer
{
public:
    // The bytes must outlive the tokenizer: tokens point into them.
    explicit RtfTokenizer(const QByteArray& bytes);

    enum class Start {
        Document, // "{\rtf": the opening brace of the document has been read
        Fragment, // a piece cut out of a document, beginning with a group or a control word
        NotRtf,
    };
    // Reads up to where the document begins; called once, first.
    Start start();

    RtfToken next();

    // Passes over the rest of the group just opened, quickly: pictures can be megabytes of hex. True
    // when its closing brace was found (and read), false when the bytes ended first.
    bool skipGroup();

    // Whether the next token is the control word of that name.
    bool nextWordIs(std::string_view name) const;

private:
    bool controlSequence(RtfToken& token);
    int readParameter(bool& hasParameter);

    const unsigned char* p;
    const unsigned char* const end;
};

} // namespace brimley::rtf
