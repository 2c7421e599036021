#include "platform/FrameBox.h"

#include <QPainter>

namespace brimley {
namespace {

constexpr int CaptionIndent = 8; // pixels from the frame's left edge to its caption
constexpr int CaptionGap = 2;    // pixels of edge left out on either side of the caption

} // namespace

FrameBox::FrameBox(const QString& caption, QWidget* parent) : QGroupBox(caption, parent) {}

void FrameBox::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const int edgeTop = metrics.height() / 2;
    // An etched edge: a dark line with a light one just inside and below it.
    const QRect outer = rect().adjusted(0, edgeTop, -2, -2);
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawRect(outer);
    painter.setPen(palette().color(QPalette::Light));
    painter.drawRect(outer.translated(1, 1));

    if (title().isEmpty())
        return;
    const QRect caption(CaptionIndent, 0, metrics.horizontalAdvance(title()) + 2 * CaptionGap,
                        metrics.height());
    painter.fillRect(caption, palette().color(QPalette::Window));
    painter.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
    painter.drawText(caption, Qt::AlignCenter | Qt::TextShowMnemonic, title());
}

} // namespace brimley
