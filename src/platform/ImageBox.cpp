#include "platform/ImageBox.h"

#include <QPainter>

namespace brimley {

ImageBox::ImageBox(QWidget* parent) : QWidget(parent) {}

void ImageBox::setPicture(const QImage& picture, QSize ownSize)
{
    if (image.cacheKey() != picture.cacheKey())
        scaled = QPixmap();
    image = picture;
    own = ownSize.isValid() ? ownSize : picture.size();
    if (!stretch)
        resize(own);
    update();
}

void ImageBox::clearPicture()
{
    image = QImage();
    own = QSize();
    scaled = QPixmap();
    update();
}

void ImageBox::setStretch(bool value)
{
    stretch = value;
    if (!stretch && own.isValid())
        resize(own);
}

QSize ImageBox::sizeHint() const
{
    return own.isValid() ? own : QSize();
}

void ImageBox::paintEvent(QPaintEvent*)
{
    if (image.isNull() || width() <= 0 || height() <= 0)
        return;
    const qreal ratio = devicePixelRatioF();
    const QSize target = (QSizeF(size()) * ratio).toSize();
    if (scaled.isNull() || scaled.size() != target) {
        scaled = QPixmap::fromImage(
            image.size() == target ? image
                                   : image.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
        scaled.setDevicePixelRatio(ratio);
    }
    QPainter painter(this);
    painter.drawPixmap(0, 0, scaled);
}

} // namespace brimley
