#pragma once

// OptionButton: a radio button whose caption wraps onto further lines when it is wider than the
// button, as the taller buttons of the options window expect ("Do not show team names" takes two
// lines). The whole button area answers clicks.

#include <QRadioButton>

namespace brimley {

class OptionButton : public QRadioButton
{
    Q_OBJECT

public:
    explicit OptionButton(const QString& text, QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    bool hitButton(const QPoint& pos) const override;
};

} // namespace brimley
