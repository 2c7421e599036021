#pragma once

// NumberLED: the LED score display. It shows a whole number as seven-segment digits and sizes itself
// from its properties: callers set the value, the maximum (which fixes the number of digits), the
// paddings, the digit spacing and the digit size, and read back the size it took. It can hold the
// keyboard focus and takes the keys typed on it; what they mean is for the window hosting it to say,
// so the display knows no key codes.
//
// Displays that look alike share one painted picture: a scoreboard of forty teams at zero paints one.

#include "app/Settings.h"
#include "led/LedGeometry.h"

#include <QPixmap>
#include <QWidget>

namespace brimley {

class NumberLED : public QWidget
{
    Q_OBJECT
    Q_PROPERTY(QString Caption READ Caption WRITE setCaption NOTIFY CaptionChanged)
    Q_PROPERTY(int Max READ Max WRITE setMax)
    Q_PROPERTY(int PaddingH READ PaddingH WRITE setPaddingH)
    Q_PROPERTY(int PaddingV READ PaddingV WRITE setPaddingV)
    Q_PROPERTY(int PaddingI READ PaddingI WRITE setPaddingI)
    Q_PROPERTY(int Size READ Size WRITE setSize)
    Q_PROPERTY(int LitColor READ LitColor WRITE setLitColor)
    Q_PROPERTY(int LedBackColor READ LedBackColor WRITE setLedBackColor)
    Q_PROPERTY(int Index READ Index WRITE setIndex)
    Q_PROPERTY(bool ShowsFocus READ ShowsFocus WRITE setShowsFocus)

public:
    explicit NumberLED(QWidget* parent = nullptr);

    // The value as text; "-1" is the cleared value and shows as a blank display.
    QString Caption() const { return caption; }
    void setCaption(const QString& value);

    // Largest value; its decimal length is the number of digits.
    std::int16_t Max() const { return properties.Max; }
    void setMax(int value);
    // Paddings and digit spacing in twips.
    std::int16_t PaddingH() const { return properties.PaddingH; }
    void setPaddingH(int value);
    std::int16_t PaddingV() const { return properties.PaddingV; }
    void setPaddingV(int value);
    std::int16_t PaddingI() const { return properties.PaddingI; }
    void setPaddingI(int value);
    // Digit height in pixels.
    std::int16_t Size() const { return properties.Size; }
    void setSize(int value);
    // All five at once, the display resizing itself once.
    const LedProperties& layoutProperties() const { return properties; }
    void setLayoutProperties(const LedProperties& value);

    Colour LitColor() const { return litColor; }
    void setLitColor(int colour);
    Colour LedBackColor() const { return backColor; }
    void setLedBackColor(int colour);

    // Whether the display marks that it has the keyboard focus (on by default). A board the audience
    // sees while the operator types elsewhere shows no mark.
    bool ShowsFocus() const { return showsFocus; }
    void setShowsFocus(bool shows);

    // Position in the control array, for the window that reads the keys typed on it.
    int Index() const { return index; }
    void setIndex(int value) { index = value; }

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

signals:
    void CaptionChanged(const QString& caption);

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    void propertiesChanged();
    void invalidate();
    QPixmap renderDisplay() const;
    QPixmap sharedPicture() const;

    LedProperties properties;
    QString caption = QStringLiteral("0");
    Colour litColor = 0x0000FF;
    Colour backColor = 0;
    int index = 0;
    bool showsFocus = true;
    mutable QPixmap cache; // the painted display, rebuilt when anything it shows changes
};

} // namespace brimley
