#include "scoreboard/NameFit.h"

#include <QFontMetricsF>

#include <algorithm>

namespace brimley::NameFit {
namespace {

QFont sized(QFont font, int pixelSize)
{
    font.setPixelSize(std::max(1, pixelSize));
    return font;
}

double widthAt(const QString& name, const QFont& font, int pixelSize)
{
    return QFontMetricsF(sized(font, pixelSize)).horizontalAdvance(name);
}

} // namespace

FittedName fit(const QString& name, const QFont& font, int layoutPixelSize, int width)
{
    if (layoutPixelSize <= 1 || widthAt(name, font, layoutPixelSize) <= width)
        return {layoutPixelSize, name};

    // The width grows with the size (not always in proportion, with hinting), so the largest size that
    // fits is searched for between half the layout's size and the layout's size.
    const int smallest = (layoutPixelSize + 1) / 2;
    if (widthAt(name, font, smallest) > width) {
        const QFontMetricsF metrics(sized(font, smallest));
        return {smallest, metrics.elidedText(name, Qt::ElideRight, std::max(0, width))};
    }
    int fits = smallest;
    int tooLarge = layoutPixelSize;
    while (tooLarge - fits > 1) {
        const int middle = fits + (tooLarge - fits) / 2;
        if (widthAt(name, font, middle) <= width)
            fits = middle;
        else
            tooLarge = middle;
    }
    return {fits, name};
}

} // namespace brimley::NameFit
