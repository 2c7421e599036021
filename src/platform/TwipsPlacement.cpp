#include "platform/TwipsPlacement.h"

#include "app/Numbers.h"
#include "platform/FrameBox.h"
#include "platform/OptionButton.h"

#include <QLabel>
#include <QPushButton>

namespace brimley::TwipsPlacement {

QRect toPixels(double left, double top, double width, double height)
{
    const int x = twipsToPixels(left);
    const int y = twipsToPixels(top);
    return QRect(x, y, twipsToPixels(left + width) - x, twipsToPixels(top + height) - y);
}

QRect toPixels(const QRectF& twips)
{
    return toPixels(twips.x(), twips.y(), twips.width(), twips.height());
}

void setPlace(QWidget* widget, const char* name, int left, int top, int width, int height)
{
    widget->setObjectName(QLatin1String(name));
    widget->setGeometry(toPixels(left, top, width, height));
}

FrameBox* frame(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                int height)
{
    return place(new FrameBox(caption, parent), name, left, top, width, height);
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption, int left, int top, int width,
                    int height)
{
    auto* result = place(new QPushButton(caption, parent), name, left, top, width, height);
    result->setAutoDefault(false);
    return result;
}

OptionButton* optionButton(QWidget* parent, const char* name, const QString& caption, int left, int top,
                           int width, int height)
{
    return place(new OptionButton(caption, parent), name, left, top, width, height);
}

QLabel* label(QWidget* parent, const char* name, const QString& caption, Qt::Alignment alignment, int left,
              int top, int width, int height)
{
    auto* result = place(new QLabel(caption, parent), name, left, top, width, height);
    result->setAlignment(alignment);
    result->setWordWrap(true);
    return result;
}

} // namespace brimley::TwipsPlacement
