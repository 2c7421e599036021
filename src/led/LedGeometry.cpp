#include "led/LedGeometry.h"

#include "app/Numbers.h"
#include "led/SegmentFont.h"

#include <algorithm>

namespace brimley::LedGeometry {
namespace {

double nonNegative(std::int16_t value)
{
    return std::max<double>(0, value);
}

} // namespace

int digitCount(std::int16_t max)
{
    if (max <= 0)
        return 1;
    return static_cast<int>(QString::number(max).size());
}

QSizeF naturalSizeTwips(const LedProperties& properties)
{
    const int digits = digitCount(properties.Max);
    const double digitHeight = nonNegative(properties.Size) * TwipsPerPixel;
    const double digitWidth = digitHeight * DigitAspect;
    const double width = 2 * nonNegative(properties.PaddingH) + digits * digitWidth +
                         (digits - 1) * nonNegative(properties.PaddingI);
    const double height = 2 * nonNegative(properties.PaddingV) + digitHeight;
    return {width, height};
}

QSize naturalSizePixels(const LedProperties& properties)
{
    const QSizeF twips = naturalSizeTwips(properties);
    return {twipsToPixels(twips.width()), twipsToPixels(twips.height())};
}

std::vector<QRectF> digitRects(const LedProperties& properties, QSize widgetSize)
{
    const int digits = digitCount(properties.Max);
    const QSizeF natural = naturalSizeTwips(properties) / TwipsPerPixel;
    const double digitHeight = nonNegative(properties.Size);
    const double digitWidth = digitHeight * DigitAspect;
    const double spacing = nonNegative(properties.PaddingI) / TwipsPerPixel;
    const double left =
        (widgetSize.width() - natural.width()) / 2 + nonNegative(properties.PaddingH) / TwipsPerPixel;
    const double top =
        (widgetSize.height() - natural.height()) / 2 + nonNegative(properties.PaddingV) / TwipsPerPixel;

    std::vector<QRectF> rects;
    rects.reserve(static_cast<std::size_t>(digits));
    for (int i = 0; i < digits; ++i)
        rects.emplace_back(left + i * (digitWidth + spacing), top, digitWidth, digitHeight);
    return rects;
}

std::vector<std::uint8_t> digitSegments(const QString& caption, int digits)
{
    std::vector<std::uint8_t> segments(static_cast<std::size_t>(std::max(digits, 0)), 0);
    bool isNumber = false;
    const qlonglong value = caption.toLongLong(&isNumber);
    if (!isNumber || value == -1)
        return segments;

    const QByteArray text = QByteArray::number(value);
    if (text.size() > digits) {
        std::fill(segments.begin(), segments.end(), SegmentFont::segmentsFor('-'));
        return segments;
    }
    const auto offset = static_cast<std::size_t>(digits - text.size());
    for (int i = 0; i < text.size(); ++i)
        segments[offset + static_cast<std::size_t>(i)] = SegmentFont::segmentsFor(text.at(i));
    return segments;
}

} // namespace brimley::LedGeometry
