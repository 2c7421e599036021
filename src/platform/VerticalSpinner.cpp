#include "platform/VerticalSpinner.h"

#include <limits>

namespace brimley {
namespace {

// Negating the most negative int overflows; the spinner's ranges are small anyway.
int negate(int value)
{
    return value == std::numeric_limits<int>::min() ? std::numeric_limits<int>::max() : -value;
}

} // namespace

VerticalSpinner::VerticalSpinner(QWidget* parent) : QScrollBar(Qt::Vertical, parent)
{
    setSingleStep(1);
    setPageStep(1);
    connect(this, &QAbstractSlider::valueChanged, this,
            [this](int internal) { emit Change(negate(internal)); });
}

void VerticalSpinner::setSpinnerRange(int minimum, int maximum)
{
    setRange(negate(maximum), negate(minimum));
}

void VerticalSpinner::setSpinnerValue(int spinnerValue)
{
    setValue(negate(spinnerValue));
}

} // namespace brimley
