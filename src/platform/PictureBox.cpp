#include "platform/PictureBox.h"

#include "app/Colours.h"
#include "input/KeyMapping.h"

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
    update();
}

void PictureBox::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), toQColor(backColor));
}

void PictureBox::keyPressEvent(QKeyEvent* event)
{
    emit KeyDown(index, KeyMapping::virtualKeyCode(*event), KeyMapping::shiftState(event->modifiers()));
    event->accept();
}

void PictureBox::keyReleaseEvent(QKeyEvent* event)
{
    emit KeyUp(index, KeyMapping::virtualKeyCode(*event), KeyMapping::shiftState(event->modifiers()));
    event->accept();
}

void PictureBox::mouseReleaseEvent(QMouseEvent* event)
{
    if (rect().contains(event->position().toPoint()))
        emit Click();
    QWidget::mouseReleaseEvent(event);
}

} // namespace brimley
