#pragma once

// The second stage of reading RTF: what the tokens mean. It keeps the stack of groups, each with the
// character and paragraph formatting in force in it and the destination its text goes to; reads the
// font and colour tables; decodes text in the code page of its font, skipping the stand-ins after \u
// characters; and hands text and the ends of paragraphs to the document builder.

#include "platform/rtf/RtfCodePages.h"
#include "platform/rtf/RtfState.h"

#include <QByteArray>
#include <QString>

#include <cstdint>
#include <string_view>
#include <vector>

namespace brimley::rtf {

class RtfColourTable;
class RtfDocumentBuilder;
class RtfFontTable;
class RtfTokenizer;
struct RtfToken;
struct WordInfo;

class RtfInterpreter
{
public:
    RtfInterpreter(RtfTokenizer& tokenizer, RtfDocumentBuilder& builder, RtfFontTable& fonts,
                   RtfColourTable& colours);

    // Reads the document to its end, and ends the document being built. False when it was cut short at
    // one of the reader's limits.
    bool read(bool insideDocumentGroup);

private:
    enum class Destination : std::uint8_t { Text, FontTable, ColourTable };

    struct Group
    {
        Destination destination = Destination::Text;
        int unicodeSkip = 1; // \uc: characters that stand in for each \u character
        CharState chars;
        ParagraphState paragraph;
    };

    // Text of one character format collects here until the format changes; bytes wait to be decoded
    // together, as one character may take several of them.
    struct Run
    {
        CharState chars;
        QByteArray bytes;
        QString text;
        qsizetype size() const { return text.size() + bytes.size(); }
    };

    Group& state() { return stack.back(); }
    bool limitReached() const;

    void openGroup();
    void closeGroup();
    void skipGroup();
    void controlWord(const RtfToken& token);
    void controlSymbol(unsigned char symbol);
    void text(std::string_view bytes);
    void byte(unsigned char value);
    void character(char16_t value);
    void unicodeCharacter(int parameter);
    bool skipStandIn();

    void endParagraph(bool endsRow);
    void endDocument();

    void beginRun();
    void decodeBytes();
    void flushRun();

    RtfTokenizer& tokenizer;
    RtfDocumentBuilder& builder;
    RtfFontTable& fonts;
    RtfColourTable& colours;
    RtfTextDecoder decoder;
    Run run;

    std::vector<Group> stack;
    std::size_t excessDepth = 0; // groups open beyond the depth kept
    int pendingSkip = 0;         // characters after \u still to be skipped
    bool groupJustOpened = false;
    bool finished = false;
};

} // namespace brimley::rtf
