#include "app/HelpLayout.h"

#include <algorithm>

namespace brimley {

HelpLayout helpLayout(double outerWidth, double outerHeight)
{
    HelpLayout layout;
    layout.windowHeight = std::max(outerHeight, HelpWindow::MinimumHeight);
    layout.windowWidth = std::max(outerWidth, HelpWindow::MinimumWidth);
    // The viewer sits 120 twips in from the left, at the top, and leaves room below for the borders.
    layout.viewer = QRectF(120, 0, layout.windowWidth - 240, layout.windowHeight - 420);
    layout.wrapWidth = layout.viewer.width() - 450;
    return layout;
}

} // namespace brimley
