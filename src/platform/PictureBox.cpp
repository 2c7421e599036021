#include "platform/PictureBox.h"

#include "app/Colours.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

namespace brimley {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PictureBox::setBackColor(Colour colour)
{
    if (colour == backColor)
        return;
    backColor = colour;
    if (paintsOwnBackground)
        update();
}

void PictureBox::setPaintsBackground(bool paints)
{
    paintsOwnBackground = paints;
    setAttribute(Qt::WA_OpaquePaintEvent, paints);
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    if (!paintsOwnBackground)
        return;
    QPainter painter(this);
    painter.fillRect(event->rect(), toQColor(backColor));
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    // Taken, so that it goes no further than the box; the hosting window has read it on its way.
    event->accept();
}

void PictureBox::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint()))
        emit Click();
    QWidget::mouseReleaseEvent(event);
}

} // namespace brimley
