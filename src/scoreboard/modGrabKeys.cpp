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

QRect fittedPlace(QSize ownPixels, const QWidget& container)
{
    const QSizeF containerTwips(pixelsToTwips(container.width()), pixelsToTwips(container.height()));
    const QSizeF ownTwips(pixelsToTwips(ownPixels.width()), pixelsToTwips(ownPixels.height()));
    return TwipsPlacement::toPixels(PictureFit::fit(ownTwips, containerTwips));
}

bool showPictureFile(ImageBox& image, const QWidget& container, const QString& path)
{
    PictureCache& cache = PictureCache::instance();
    // The file is looked at once, for its size and its image alike.
    const QFileInfo file(path);
    const auto own = cache.ownSize(file);
    if (!own)
        return false;
    const QRect place = fittedPlace(*own, container);
    const QSize decodeSize = (QSizeF(place.size()) * image.devicePixelRatioF()).toSize();
    const QImage decoded = cache.image(file, decodeSize, screenLimit(&image));
    if (decoded.isNull())
        return false;
    image.setPicture(decoded, *own);
    image.setGeometry(place);
    return true;
}

void showPlaceholder(ImageBox& image, const QWidget& container)
{
    const QImage& placeholder = image.placeholder();
    if (placeholder.isNull()) {
        image.clearPicture();
        return;
    }
    // Only its proportions matter: it is drawn at whatever size it is fitted to.
    image.setPicture(placeholder, placeholder.size());
    image.setGeometry(fittedPlace(placeholder.size(), container));
}

} // namespace

void ShowTeamPicture(ImageBox* image, QWidget* container, const QString& path)
{
    // The image is neither hidden nor set to its own size while it loads: hiding would make every cell
    // flicker on each rebuild, and the own size would stay whenever the file cannot be shown.
    if (path.isEmpty())
        image->clearPicture();
    else if (!showPictureFile(*image, *container, path))
        showPlaceholder(*image, *container);
    image->setStretch(true);
    image->setVisible(true);
}

void ApplyNumLockForce(std::int32_t NumLockForce)
{
    NumLockForcing::apply(NumLock::system(), NumLockForce);
}

} // namespace brimley::modGrabKeys
