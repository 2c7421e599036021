// Making Qt's text formats from RTF's formatting.

#include "platform/rtf/RtfFormats.h"

#include "platform/rtf/RtfFontTable.h"

#include <QFontMetricsF>
#include <QGuiApplication>

#include <algorithm>

namespace brimley::rtf {
namespace {

// A document that keeps changing its formatting needs no more than this; beyond it the formats kept
// are made again as they come.
constexpr std::size_t MaximumFormatsKept = 1024;

// How far the font's lines reach above and below, relative to its size: Qt moves raised text by a
// share of that height. Without a screen to measure fonts on, a typical font's is assumed.
double heightPerSize(const QFont& font)
{
    if (!qobject_cast<QGuiApplication*>(QCoreApplication::instance()))
        return 1.15;
    QFont measured(font);
    measured.setPixelSize(1000);
    return QFontMetricsF(measured).height() / 1000.0;
}

} // namespace

RtfFormats::RtfFormats(const RtfFontTable& fontTable, const RtfColourTable& colourTable)
    : fonts(fontTable), colours(colourTable)
{
}

std::size_t RtfFormats::Hash::operator()(const CharState& chars) const
{
    std::size_t hash = static_cast<std::size_t>(chars.font) * 1000003u;
    hash = (hash ^ static_cast<std::size_t>(chars.halfPoints)) * 1000003u;
    hash = (hash ^ static_cast<std::size_t>(chars.colour)) * 1000003u;
    hash = (hash ^ static_cast<std::size_t>(chars.highlight)) * 1000003u;
    hash = (hash ^ static_cast<std::size_t>(chars.raise)) * 1000003u;
    const unsigned flags = static_cast<unsigned>(chars.verticalAlignment + 1) | chars.capitals << 2u |
                           unsigned(chars.bold) << 4u | unsigned(chars.italic) << 5u |
                           unsigned(chars.underline) << 6u | unsigned(chars.strike) << 7u |
                           unsigned(chars.hidden) << 8u;
    return hash ^ flags;
}

const QTextCharFormat& RtfFormats::charFormat(const CharState& chars)
{
    const std::uint32_t revision = fonts.revision() + colours.revision();
    if (revision != tablesRevision || made.size() >= MaximumFormatsKept) {
        made.clear();
        tablesRevision = revision;
    }
    auto found = made.find(chars);
    if (found == made.end())
        found = made.emplace(chars, makeCharFormat(chars)).first;
    return found->second;
}

QTextCharFormat RtfFormats::makeCharFormat(const CharState& chars) const
{
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
    const FontEntry* font = fonts.find(chars.font);
    const int codePage = fonts.codePageOf(chars.font);
    if (font && !font->family.isEmpty() && !RtfCodePage::isSymbolFont(codePage)) {
        format.setFontFamilies({font->family});
        format.setFontStyleHint(font->hint);
    }
    if (const QColor colour = colours.at(chars.colour); colour.isValid())
        format.setForeground(colour);
    if (const QColor colour = colours.at(chars.highlight); colour.isValid())
        format.setBackground(colour);
    // Raised and lowered text keeps its size (unlike superscript): it moves by its distance in points,
    // which Qt takes as a share of the font's height.
    if (chars.raise != 0) {
        const double size = chars.halfPoints / 2.0;
        format.setBaselineOffset(chars.raise / 2.0 * 100.0 / (size * heightPerSize(format.font())));
    }
    return format;
}

QTextBlockFormat RtfFormats::blockFormat(const ParagraphState& paragraph)
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

} // namespace brimley::rtf
