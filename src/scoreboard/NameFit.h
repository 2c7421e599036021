#pragma once

// Fitting a team name into its strip. A name that fits keeps the size the cell layout gives it; a
// longer one is drawn in the largest smaller size that fits, but never below half the layout's size,
// so that one long name does not turn into small print; only a name that does not fit even then is
// shortened, with "…" at its end. Names are plain text: nothing in them is read as markup.

#include <QFont>
#include <QFontMetricsF>
#include <QString>

namespace brimley {

class NameFit
{
public:
    struct FittedName
    {
        int pixelSize = 0; // font size in pixels
        QString text;      // the name, or its shortened form
    };

    // Names in the font's family and style, at the layout's font size of `layoutPixelSize` pixels. All
    // the cells of a scoreboard share one, so the font is looked up once for them all.
    NameFit(const QFont& font, int layoutPixelSize);

    // The name fitted into a strip `width` pixels wide.
    FittedName fit(const QString& name, int width) const;

private:
    double widthAt(const QString& name, int pixelSize) const;

    QFont font;
    int layoutSize;
    QFontMetricsF layoutMetrics;
};

} // namespace brimley
