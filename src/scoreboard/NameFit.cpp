#include "scoreboard/NameFit.h"

#include <algorithm>

namespace brimley {
namespace {

QFont sized(QFont font, int pixelSize)
{
    font.setPixelSize(std::max(1, pixelSize));
    return font;
}

} // namespace

NameFit::NameFit(const QFont& nameFont, int layoutPixelSize)
    : font(nameFont), layoutSize(std::max(1, layoutPixelSize)), layoutMetrics(sized(nameFont, layoutSize))
{
}

double NameFit::widthAt(const QString& name, int pixelSize) const
{
    if (pixelSize == layoutSize)
        return layoutMetrics.horizontalAdvance(name);
    return QFontMetricsF(sized(font, pixelSize)).horizontalAdvance(name);
}

NameFit::FittedName NameFit::fit(const QString& name, int width) const
{
    if (layoutSize <= 1 || widthAt(name, layoutSize) <= width)
        return {layoutSize, name};

    // The width grows with the size (not always in proportion, with hinting), so the largest size that
    // fits is searched for between half the layout's size and the layout's size.
    const int smallest = (layoutSize + 1) / 2;
    if (widthAt(name, smallest) > width) {
        const QFontMetricsF metrics(sized(font, smallest));
        return {smallest, metrics.elidedText(name, Qt::ElideRight, std::max(0, width))};
    }
    int fits = smallest;
    int tooLarge = layoutSize;
    while (tooLarge - fits > 1) {
        const int middle = fits + (tooLarge - fits) / 2;
        if (widthAt(name, middle) <= width)
            fits = middle;
        else
            tooLarge = middle;
    }
    return {fits, name};
}

} // namespace brimley
