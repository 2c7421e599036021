#pragma once

// CachedLabel: a one-line label of plain text that keeps its painted text. Text larger than the
// toolkit's glyph cache (team names on a projector are) is drawn as outlines, glyph by glyph, at every
// repaint; this label draws it once and shows the picture until the text, font, colour or size changes.
// It pays where the text stays while the label repaints (the standings); where every repaint brings a
// new size anyway (the scoreboard's cells as the window is resized) a plain label costs less.

#include <QLabel>
#include <QPixmap>

namespace brimley {

class CachedLabel : public QLabel
{
    Q_OBJECT

public:
    explicit CachedLabel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QPixmap picture;
    QString pictureKey;
};

} // namespace brimley
