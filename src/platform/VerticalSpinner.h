#pragma once

// VerticalSpinner: a vertical scroll bar used as an up-down control. Its upper arrow raises the value
// and its lower arrow lowers it, the other way round from a plain scroll bar, which counts downwards.
// The bar keeps the negated value internally, so every way of moving it (arrows, keys, wheel) follows.

#include <QScrollBar>

namespace brimley {

class VerticalSpinner : public QScrollBar
{
    Q_OBJECT
    Q_PROPERTY(int Value READ Value WRITE setSpinnerValue NOTIFY Change)

public:
    explicit VerticalSpinner(QWidget* parent = nullptr);

    // The range and the value as the operator sees them; a value outside the range is clamped.
    void setSpinnerRange(int minimum, int maximum);
    int Min() const { return -maximum(); }
    int Max() const { return -minimum(); }
    int Value() const { return -value(); }
    void setSpinnerValue(int spinnerValue);

signals:
    // Emitted whenever the value changes, by the operator or by code, and only then.
    void Change(int Value);
};

} // namespace brimley
