#pragma once

// Creating the controls of a window laid out in twips: every control gets its control name as its
// object name and its place converted to pixels. Both edges of a place are rounded, so neighbouring
// controls never overlap or leave a stray pixel between them.

#include <QRect>
#include <QRectF>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace brimley {

class FrameBox;
class OptionButton;

namespace TwipsPlacement {

QRect toPixels(double left, double top, double width, double height);
QRect toPixels(const QRectF& twips);

void setPlace(QWidget* widget, const char* name, int left, int top, int width, int height);

template <typename Widget>
Widget* place(Widget* widget, const char* name, int left, int top, int width, int height)
{
    setPlace(widget, name, left, top, width, height);
    return widget;
}

FrameBox* frame(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                int height);
// A button that never acts as the window's default button.
QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                    int height);
OptionButton* optionButton(QWidget* parent, const char* name, const QString& caption, int left, int top,
                           int width, int height);
// A label whose caption wraps onto further lines when it is wider than the label.
QLabel* label(QWidget* parent, const char* name, const QString& caption, Qt::Alignment alignment, int left,
              int top, int width, int height);

} // namespace TwipsPlacement
} // namespace brimley
