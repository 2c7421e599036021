#pragma once

// Fitting a team name into its strip. A name that fits keeps the size the cell layout gives it; a
// longer one is drawn in the largest smaller size that fits, but never below half the layout's size,
// so that one long name does not turn into small print; only a name that does not fit even then is
// shortened, with "…" at its end. Names are plain text: nothing in them is read as markup.

#include <QFont>
#include <QString>

namespace brimley::NameFit {

struct FittedName
{
    int pixelSize = 0; // font size in pixels
    QString text;      // the name, or its shortened form
};

// The name in the font's family and style, fitted into a strip `width` pixels wide, from the layout's
// font size of `layoutPixelSize` pixels.
FittedName fit(const QString& name, const QFont& font, int layoutPixelSize, int width);

} // namespace brimley::NameFit
