#include "platform/SunkenPictureBox.h"

#include <QPainter>

namespace brimley {

void SunkenPictureBox::paintEvent(QPaintEvent* event)
{
    PictureBox::paintEvent(event);
    QPainter painter(this);
    const int right = width() - 1;
    const int bottom = height() - 1;
    painter.setPen(palette().color(QPalette::Dark));
    painter.drawLine(0, 0, right, 0);
    painter.drawLine(0, 0, 0, bottom);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawLine(1, bottom, right, bottom);
    painter.drawLine(right, 1, right, bottom);
}

} // namespace brimley
