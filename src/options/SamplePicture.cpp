#include "options/SamplePicture.h"

#include <QPainter>
#include <QPainterPath>

namespace brimley::SamplePicture {

QImage builtIn()
{
    QImage picture(168, 168, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ball(8, 8, 152, 152);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(226, 110, 30));
    painter.drawEllipse(ball);

    QPainterPath inside;
    inside.addEllipse(ball);
    painter.setClipPath(inside);
    painter.setPen(QPen(QColor(40, 20, 10), 5));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(84, 0), QPointF(84, 168));
    painter.drawLine(QPointF(0, 84), QPointF(168, 84));
    painter.drawEllipse(QPointF(-40, 84), 94, 110);
    painter.drawEllipse(QPointF(208, 84), 94, 110);
    painter.setClipping(false);
    painter.drawEllipse(ball);
    return picture;
}

} // namespace brimley::SamplePicture
