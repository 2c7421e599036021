#pragma once

// SunkenPictureBox: a picture box with a thin sunken edge, for colour swatches and picture frames, so
// that a colour close to the window's own still shows where the box is.

#include "platform/PictureBox.h"

namespace brimley {

class SunkenPictureBox : public PictureBox
{
    Q_OBJECT

public:
    using PictureBox::PictureBox;

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace brimley
