#include "platform/CachedLabel.h"

#include <QPainter>

namespace brimley {

CachedLabel::CachedLabel(QWidget* parent) : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

void CachedLabel::paintEvent(QPaintEvent*)
{
    const qreal ratio = devicePixelRatioF();
    const QColor colour =
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole());
    const QString key = QStringLiteral("%1|%2|%3x%4|%5|%6|%7")
                            .arg(font().key())
                            .arg(colour.rgba())
                            .arg(width())
                            .arg(height())
                            .arg(ratio)
                            .arg(int(alignment()))
                            .arg(text());
    if (picture.isNull() || key != pictureKey) {
        picture = QPixmap((QSizeF(size()) * ratio).toSize());
        picture.setDevicePixelRatio(ratio);
        picture.fill(Qt::transparent);
        QPainter painter(&picture);
        painter.setFont(font());
        painter.setPen(colour);
        painter.drawText(rect(), static_cast<int>(alignment()), text());
        pictureKey = key;
    }
    QPainter(this).drawPixmap(0, 0, picture);
}

} // namespace brimley
