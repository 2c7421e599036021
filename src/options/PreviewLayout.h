#pragma once

// Where the options window's sample cell puts its parts: a score display, the sample name above or
// below it and the sample picture left or right of it, centred in a fixed area. The display keeps its
// own size; only its place changes. Lengths in twips, computed in single precision and left unrounded,
// as the preview has always placed them.

#include "app/Settings.h"

#include <QPointF>
#include <QRectF>

namespace brimley::PreviewLayout {

struct Input
{
    float areaWidth = 0; // the sample cell's area
    float areaHeight = 0;
    float displayWidth = 0; // the display's own size
    float displayHeight = 0;
    float labelHeight = 0;   // the name label's fixed height
    Side picture = SideNone; // SideLeft, SideRight, anything else: no picture
    Side name = SideNone;    // SideTop, SideBottom, anything else: no name
};

struct Placement
{
    QPointF display; // top left of the display
    bool pictureVisible = false;
    QRectF picture; // a square as high as the display, level with it
    bool labelVisible = false;
    QRectF label; // as wide as the display and picture together
};

Placement compute(const Input& input);

} // namespace brimley::PreviewLayout
