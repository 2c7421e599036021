#include "scoreboard/PictureFit.h"

namespace brimley::PictureFit {

QRectF fit(QSizeF picture, QSizeF container)
{
    const double W = picture.width();
    const double H = picture.height();
    if (W <= 0 || H <= 0 || container.width() <= 0 || container.height() <= 0)
        return {0, 0, container.width(), container.height()};

    double width = 0;
    double height = 0;
    if (H / container.height() > W / container.width()) {
        height = container.height();
        width = (W / H) * height;
    } else {
        width = container.width();
        height = (H / W) * width;
    }
    return {(container.width() - width) / 2, (container.height() - height) / 2, width, height};
}

} // namespace brimley::PictureFit
