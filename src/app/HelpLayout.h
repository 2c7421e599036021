#pragma once

// The help window's resize step, in twips: the smallest size the window keeps, and where the viewer
// goes. Everything refers to the window's outer size, title bar and borders included.

#include <QRectF>

namespace brimley {

struct HelpLayout
{
    double windowWidth = 0; // the window's outer size after the minimum is applied
    double windowHeight = 0;
    QRectF viewer;        // the viewer's place in the client area
    double wrapWidth = 0; // where its text wraps, measured from its left edge
};

namespace HelpWindow {
constexpr double MinimumWidth = 2700;
constexpr double MinimumHeight = 1700;
} // namespace HelpWindow

HelpLayout helpLayout(double outerWidth, double outerHeight);

} // namespace brimley
