#pragma once

// FrameBox: a frame that groups controls under a caption, drawn the way the program's windows were laid
// out for: the edge runs through the middle of the caption, so controls placed a line below the frame's
// top sit inside it. Option buttons in one frame form one group.

#include <QGroupBox>

namespace brimley {

class FrameBox : public QGroupBox
{
    Q_OBJECT

public:
    explicit FrameBox(const QString& caption, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
};

} // namespace brimley
