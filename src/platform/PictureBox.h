#pragma once

// PictureBox: a plain rectangle in a background colour that holds other controls, like the
// scoreboard's drawing area and cells or the options window's colour swatches. It may hold the focus
// and takes the keys typed while it does; what they mean is for the window hosting it to say.

#include "app/Settings.h"

#include <QWidget>

namespace brimley {

class PictureBox : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(int BackColor READ BackColor WRITE setBackColor)
    Q_PROPERTY(int Index READ Index WRITE setIndex)

public:
    explicit PictureBox(QWidget* parent = nullptr);

    Colour BackColor() const { return backColor; }
    void setBackColor(Colour colour);

    // A box that always stands on a window of its own colour may leave painting to the window: a
    // scoreboard of 163 cells then fills its background once rather than cell by cell. On by default.
    bool paintsBackground() const { return paintsOwnBackground; }
    void setPaintsBackground(bool paints);

    // Position in its control array, for the window that reads the keys typed on it.
    int Index() const { return index; }
    void setIndex(int value) { index = value; }

signals:
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Colour backColor = 0xFFFFFF;
    bool paintsOwnBackground = true;
    int index = 0;
};

} // namespace brimley
