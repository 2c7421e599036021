#pragma once

// The arithmetic of the LED score display, without a widget: its natural size, where each digit sits,
// and which segments the value lights. The scoreboard's layout measures displays with these functions,
// so a display is sized the same whether or not it has been shown.

#include <QRectF>
#include <QSize>
#include <QSizeF>
#include <QString>
#include <cstdint>
#include <vector>

namespace brimley {

// The settings a display sizes itself from; lengths in twips, Size is the digit height in pixels.
struct LedProperties
{
    std::int16_t Max = 99;
    std::int16_t PaddingH = 90;
    std::int16_t PaddingV = 90;
    std::int16_t PaddingI = 180;
    std::int16_t Size = 55;
};

namespace LedGeometry {

// A digit cell is Size pixels high and 31/55 of that wide.
constexpr double DigitAspect = 31.0 / 55.0;

// Number of digits shown: the decimal length of Max, at least one.
int digitCount(std::int16_t max);

// The size the display needs, in twips, before it is snapped to whole pixels:
// width = 2 x PaddingH + digits x digit width + (digits - 1) x PaddingI, height = 2 x PaddingV + Size.
// Negative paddings and sizes count as zero.
QSizeF naturalSizeTwips(const LedProperties& properties);

// The widget's size: the natural size rounded to whole pixels (1290 x 1005 twips is 86 x 67 pixels).
QSize naturalSizePixels(const LedProperties& properties);

// The digit cells, left to right, in pixels, for a display of the given pixel size. The content is
// centred, so the fraction of a pixel lost by snapping is shared between the two sides.
std::vector<QRectF> digitRects(const LedProperties& properties, QSize widgetSize);

// The segments to light in each digit, left to right. The value is right-aligned; "-1" (the cleared
// value) and a caption that is not a whole number light nothing; a value with more characters than
// there are digits shows a dash in every digit rather than a truncated, wrong number.
std::vector<std::uint8_t> digitSegments(const QString& caption, int digits);

} // namespace LedGeometry
} // namespace brimley
