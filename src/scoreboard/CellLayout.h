#pragma once

// The inside of one team cell: where the score display, the name strip and the picture square sit,
// and the scaled display settings, all in twips relative to the cell. The scoreboard window applies it.

#include "app/Settings.h"
#include "led/LedGeometry.h"

#include <QPointF>
#include <QRectF>

namespace brimley {

struct CellComposition
{
    LedProperties display; // the cell's display: the template's paddings, spacing and size times the scale
    QPointF displayPos;    // its top left corner
    bool nameVisible = false;
    QRectF nameStrip;      // as wide as the cell, half a display high
    double namePoints = 0; // font size of the name, in points
    bool pictureVisible = false;
    QRectF picture; // a square as high as the display
};

// Composes a cell of the given width from the template display (its properties and its size TH x TW
// in twips, as the grid layout left them) at the grid's scale.
CellComposition composeCell(const Settings& settings, const LedProperties& templateDisplay, double TH,
                            double TW, double CellScale, double cellWidth);

// A font size in points as a pixel size, at 15 twips to the pixel and 20 twips to the point.
int pointsToPixels(double points);

} // namespace brimley
