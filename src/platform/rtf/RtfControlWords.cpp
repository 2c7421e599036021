// The table of the control words the RTF reader acts on.

#include "platform/rtf/RtfControlWords.h"

#include <QFont>

#include <unordered_map>

namespace brimley::rtf {
namespace {

std::unordered_map<std::string_view, WordInfo> makeTable()
{
    using W = Word;
    using C = CharState;
    using P = ParagraphState;
    // clang-format off
    std::unordered_map<std::string_view, WordInfo> t = {
        {"ansi", {W::CodePage, 1252}}, {"mac", {W::CodePage, 10000}}, {"pc", {W::CodePage, 437}},
        {"pca", {W::CodePage, 850}}, {"ansicpg", {W::AnsiCodePage}}, {"deff", {W::DefaultFont}},
        {"deftab", {W::DefaultTab}},
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
        {"nosupersub", {W::VerticalAlignment, 0}}, {"up", {W::Raise, 1}}, {"dn", {W::Raise, -1}},
        {"fs", {W::FontSize}}, {"cf", {W::ColourIndex}},
        {"highlight", {W::Highlight}}, {"cb", {W::Highlight}}, {"chcbpat", {W::Highlight}},
        {"pard", {W::Pard}},
        {"ql", {W::Alignment, Qt::AlignLeft}}, {"qc", {W::Alignment, Qt::AlignHCenter}},
        {"qr", {W::Alignment, Qt::AlignRight}}, {"qj", {W::Alignment, Qt::AlignJustify}},
        {"qd", {W::Alignment, Qt::AlignJustify}},
        {"li", {W::SignedLength, 0, nullptr, &P::leftIndent}},
        {"lin", {W::SignedLength, 0, nullptr, &P::leftIndent}},
        {"ri", {W::SignedLength, 0, nullptr, &P::rightIndent}},
        {"rin", {W::SignedLength, 0, nullptr, &P::rightIndent}},
        {"fi", {W::SignedLength, 0, nullptr, &P::firstIndent}},
        {"sl", {W::SignedLength, 0, nullptr, &P::lineSpacing}},
        {"sb", {W::Length, 0, nullptr, &P::spaceBefore}}, {"sa", {W::Length, 0, nullptr, &P::spaceAfter}},
        {"slmult", {W::LineMultiple}}, {"outlinelevel", {W::OutlineLevel}},
        {"tx", {W::TabPosition}}, {"tqr", {W::TabKind, QTextOption::RightTab}},
        {"tqc", {W::TabKind, QTextOption::CenterTab}}, {"tqdec", {W::TabKind, QTextOption::DelimiterTab}},
        {"intbl", {W::InTable}}, {"itap", {W::NestingLevel}},
        {"trowd", {W::RowDefaults}}, {"trleft", {W::RowLeft}}, {"trgaph", {W::RowGap}},
        {"cellx", {W::CellEdge}}, {"nesttableprops", {W::NestedRowDefinition}},
        {"par", {W::Par}}, {"sect", {W::Par}}, {"page", {W::Par}}, {"column", {W::Par}},
        {"cell", {W::Cell, 0}}, {"nestcell", {W::Cell, 1}}, {"row", {W::Row, 0}}, {"nestrow", {W::Row, 1}},
        {"line", {W::Character, 0x2028}}, {"tab", {W::Character, '\t'}},
        {"u", {W::Unicode}}, {"uc", {W::UnicodeSkip}},
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
    // pictures, objects, page furniture, notes, field instructions and bookmarks, and the plain
    // stand-ins that writers of nested tables add for readers without them.
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
}

} // namespace

const WordInfo& lookUpWord(std::string_view name)
{
    static const std::unordered_map<std::string_view, WordInfo> table = makeTable();
    static const WordInfo unknown;
    const auto found = table.find(name);
    return found == table.end() ? unknown : found->second;
}

} // namespace brimley::rtf
