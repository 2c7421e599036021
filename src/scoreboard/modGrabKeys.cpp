#include "scoreboard/modGrabKeys.h"

#include "app/Numbers.h"
#include "input/NumLockForcing.h"
#include "platform/ImageBox.h"
#include "platform/TwipsPlacement.h"
#include "scoreboard/PictureCache.h"
#include "scoreboard/PictureFit.h"

#include <QScreen>
#include <QWidget>

namespace brimley::modGrabKeys {
namespace {

QSize screenLimit(const QWidget* widget)
{
    const QScreen* screen = widget->screen();
    if (!screen)
        return {};
    return (QSizeF(screen->size()) * screen->devicePixelRatio()).toSize();
}

} // namespace

void ShowTeamPicture(ImageBox* image, QWidget* container, const QString& path)
{
    // The image ends visible whatever happens; it is not hidden while loading, which would only make
    // every cell of the scoreboard flicker through a hide and show on each rebuild.
    image->setStretch(false);

    if (path.isEmpty()) {
        image->clearPicture();
    } else {
        PictureCache& cache = PictureCache::instance();
        if (const auto own = cache.ownSize(path)) {
            const QSizeF containerTwips(pixelsToTwips(container->width()), pixelsToTwips(container->height()));
            const QSizeF ownTwips(pixelsToTwips(own->width()), pixelsToTwips(own->height()));
            const QRect place = TwipsPlacement::toPixels(PictureFit::fit(ownTwips, containerTwips));
            const qreal ratio = image->devicePixelRatioF();
            const QImage decoded = cache.image(path, (QSizeF(place.size()) * ratio).toSize(), screenLimit(image));
            // A file that does not decode is treated like a missing one: the previous picture stays.
            if (!decoded.isNull()) {
                image->setPicture(decoded, *own);
                image->setGeometry(place);
            }
        }
    }

    image->setStretch(true);
    image->setVisible(true);
}

void SetNumLock(Flag wanted)
{
    NumLockForcing::SetNumLock(NumLock::system(), wanted);
}

void ApplyNumLockForce(std::int32_t NumLockForce)
{
    NumLockForcing::apply(NumLock::system(), NumLockForce);
}

} // namespace brimley::modGrabKeys
