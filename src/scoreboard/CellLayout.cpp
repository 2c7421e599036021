#include "scoreboard/CellLayout.h"

#include "app/Numbers.h"
#include "scoreboard/modCenterObjects.h"

#include <algorithm>

namespace brimley {

CellComposition composeCell(const Settings& settings, const LedProperties& templateDisplay, double TH,
                            double TW, double CellScale, double cellWidth)
{
    const double S = CellScale;
    CellComposition cell;
    double x = 0;
    std::int32_t y = 0; // the running top is an integer: tops below the name strip are whole twips

    cell.display.PaddingH = roundTo16(templateDisplay.PaddingH * S);
    cell.display.PaddingV = roundTo16(templateDisplay.PaddingV * S);
    cell.display.PaddingI = roundTo16(templateDisplay.PaddingI * S);
    cell.display.Max = scoreDisplayMax(settings.DigitsWide);

    const double stripHeight = TH * 0.5 * S;
    if (settings.PosNameToScore == SideTop) {
        cell.nameStrip = QRectF(0, 0, cellWidth, stripHeight);
        y = roundTo32(TH * 0.55 * S);
    }
    if (settings.PosImgToScore == SideLeft) {
        cell.picture = QRectF(x, y, TH * S, TH * S);
        x = x + TH * 1.05 * S;
    }
    cell.displayPos = QPointF(static_cast<float>(x), static_cast<float>(y));
    cell.display.Size = roundTo16(templateDisplay.Size * S);

    const double displayTop = cell.displayPos.y();
    y = roundTo32(TH * S + y);
    x = x + TW * S;

    if (settings.PosNameToScore == SideBottom)
        cell.nameStrip = QRectF(0, TH * 0.05 * S + y, cellWidth, stripHeight);
    if (settings.PosImgToScore == SideRight)
        cell.picture = QRectF(x + TH * 0.05 * S, displayTop, TH * S, TH * S);

    cell.nameVisible = settings.PosNameToScore != SideNone;
    cell.namePoints = stripHeight * 0.5 / TwipsPerPixel;
    cell.pictureVisible = settings.PosImgToScore != SideNone;
    return cell;
}

int pointsToPixels(double points)
{
    constexpr double TwipsPerPoint = 20;
    return std::max(1, roundTo32(points * TwipsPerPoint / TwipsPerPixel));
}

} // namespace brimley
