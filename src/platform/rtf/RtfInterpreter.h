#pragma once

// The second stage of reading RTF: what the tokens mean. It keeps the stack of groups, each with the
// character and paragraph formatting in force in it and the destination its text goes to; reads the
// font and colour tables and the definitions of table rows; decodes text in the code page of its font,
// skipping the stand-ins after \u characters; and hands text, paragraph ends and table cells and rows
// to the document builder.

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
struct FontEntry;
struct RtfToken;
struct WordInfo;

class RtfInterpreter
{
public:
    RtfInterpreter(RtfTokenizer& tokenizer, RtfDocumentBuilder& builder, RtfFontTable& fonts,
                   RtfColourTable& colours, RowDefinitions& rows);

    // Reads the document to its end, and ends the document being built. False when it was cut short at
    // one of the reader's limits.
    bool read(bool insideDocumentGroup);

private:
    enum class Destination : std::uint8_t { Text, FontTable, ColourTable, NestedRowDefinition };

    struct Group
    {
        Destination destination = Destination::Text;
        bool paragraphChanged = false; // a paragraph property was set in this group
        int unicodeSkip = 1;           // \uc: characters that stand in for each \u character
        CharState chars;
        ParagraphState paragraph;
    };

    // Text of one character format and table depth collects here until either changes; bytes wait to
    // be decoded together, as one character may take several of them.
    struct Run
    {
        CharState chars;
        int level = 0;
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
    void paragraphWord(const WordInfo& info, bool on, int parameter);
    void tableWord(const WordInfo& info, bool hasParameter, int parameter);
    FontEntry* fontBeingRead();
    void controlSymbol(unsigned char symbol);
    void text(std::string_view bytes);
    void byte(unsigned char value);
    void character(char16_t value);
    void unicodeCharacter(int parameter);
    bool skipStandIn();

    void paragraphChanged();
    const ParagraphState& paragraphAtMark() const;
    enum class Mark : std::uint8_t { Paragraph, Cell, Row };
    void endMark(Mark mark, bool nested);
    void endDocument();

    void beginRun();
    void decodeBytes();
    void flushRun();

    RtfTokenizer& tokenizer;
    RtfDocumentBuilder& builder;
    RtfFontTable& fonts;
    RtfColourTable& colours;
    RowDefinitions& rows;
    RtfTextDecoder decoder;
    Run run;

    std::vector<Group> stack;
    std::size_t excessDepth = 0; // groups open beyond the depth kept
    int pendingSkip = 0;         // characters after \u still to be skipped
    bool groupJustOpened = false;
    bool finished = false;

    // A paragraph takes the formatting in force at its last text or paragraph property, even when the
    // group that set it closed before the paragraph's end: in "{\qr 42}\cell" the cell is right-aligned.
    bool paragraphTouched = false; // text or a paragraph property since the last paragraph end
    bool paragraphKept = false;    // keptParagraph holds the formatting of a closed group
    ParagraphState keptParagraph;
};

} // namespace brimley::rtf
