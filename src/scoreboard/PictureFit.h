#pragma once

// Fitting a team picture into its frame: scaled with its aspect ratio kept until it touches two
// opposite edges, and centred. Lengths in twips.

#include <QRectF>
#include <QSizeF>

namespace brimley::PictureFit {

// The picture's place inside a container of the given size. A picture relatively taller than the
// container fills its height; otherwise (equal proportions included) it fills its width.
QRectF fit(QSizeF picture, QSizeF container);

} // namespace brimley::PictureFit
