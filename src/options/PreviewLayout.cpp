#include "options/PreviewLayout.h"

namespace brimley::PreviewLayout {

Placement compute(const Input& input)
{
    const float AW = input.areaWidth;
    const float AH = input.areaHeight;
    const float W = input.displayWidth;
    const float H = input.displayHeight;
    const float L = input.labelHeight;
    // The picture is a square as high as the display, with a gap of 0.05 display heights between them.
    const float pictureAndGap = 1.05f * H;
    const float gap = 0.05f * H;

    Placement result;
    float displayLeft = 0;
    float pictureLeft = 0;
    if (input.picture == SideLeft) {
        pictureLeft = (AW - W - pictureAndGap) / 2;
        displayLeft = pictureLeft + pictureAndGap;
        result.pictureVisible = true;
    } else if (input.picture == SideRight) {
        displayLeft = (AW - W - pictureAndGap) / 2;
        pictureLeft = displayLeft + W + gap;
        result.pictureVisible = true;
    } else {
        displayLeft = (AW - W) / 2;
    }

    // The label spans the display and picture group even when no picture is shown, and sits 0.025
    // display heights left of the group's centre line, where the preview has always drawn it.
    const float labelWidth = W + pictureAndGap;
    const float labelLeft = (AW - gap - labelWidth) / 2;

    float displayTop = 0;
    float labelTop = 0;
    if (input.name == SideTop) {
        labelTop = (AH - H - L - gap) / 2;
        displayTop = labelTop + L + gap;
        result.labelVisible = true;
    } else if (input.name == SideBottom) {
        displayTop = (AH - H - L - gap) / 2;
        labelTop = displayTop + H + gap;
        result.labelVisible = true;
    } else {
        displayTop = (AH - H) / 2;
    }

    result.display = QPointF(displayLeft, displayTop);
    result.picture = QRectF(pictureLeft, displayTop, H, H);
    result.label = QRectF(labelLeft, labelTop, labelWidth, L);
    return result;
}

} // namespace brimley::PreviewLayout
