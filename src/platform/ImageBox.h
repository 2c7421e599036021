#pragma once

// ImageBox: the image control. It shows a picture either at the picture's own size (Stretch off) or
// scaled to whatever size it is given (Stretch on). The scaled pixmap is kept until the size or the
// picture changes, so repainting a scoreboard full of pictures costs only a copy.
//
// An image may have a placeholder: what it shows in place of a picture file that cannot be shown (a
// scoreboard cell's team badge, the options preview's sample ball). Without one it shows nothing then.

#include <QImage>
#include <QPixmap>
#include <QWidget>

namespace brimley {

class ImageBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(bool Stretch READ Stretch WRITE setStretch)

public:
    explicit ImageBox(QWidget* parent = nullptr);

    // The picture and its own size in pixels; the image may have been decoded smaller or larger.
    void setPicture(const QImage& image, QSize ownSize);
    void clearPicture();
    const QImage& picture() const { return image; }
    bool hasPicture() const { return !image.isNull(); }
    QSize ownSize() const { return own; }

    const QImage& placeholder() const { return placeholderPicture; }
    void setPlaceholder(const QImage& picture) { placeholderPicture = picture; }

    bool Stretch() const { return stretch; }
    void setStretch(bool value);

    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage image;
    QImage placeholderPicture;
    QSize own;
    bool stretch = false;
    QPixmap scaled; // the picture at the current size
};

} // namespace brimley
