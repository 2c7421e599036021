#pragma once

// PictureBox: a plain rectangle in a background colour that holds other controls, like the
// scoreboard's drawing area and cells or the options window's colour swatches. It reports key
// presses while it has the focus, with its index in its control array.

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

    int Index() const { return index; }
    void setIndex(int value) { index = value; }

signals:
    void KeyDown(int Index, int KeyCode, int Shift);
    void KeyUp(int Index, int KeyCode, int Shift);
    void Click();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    Colour backColor = 0xFFFFFF;
    int index = 0;
};

} // namespace brimley
