#include "led/NumberLED.h"

#include "app/Colours.h"
#include "app/Numbers.h"
#include "led/SegmentFont.h"

#include <QCache>
#include <QKeyEvent>
#include <QPainter>

#include <algorithm>

namespace brimley {
namespace {

// Unlit segments show faintly, as on a real display: a little of the lit colour over the background.
constexpr double UnlitStrength = 0.12;
// The focus cue tells the operator which team's display takes the typing, without drawing the
// audience's eye: four thin corner marks in a muted lit colour, in the display's padding, drawn
// beneath the digits so that they never cover a segment.
constexpr double FocusStrength = 0.35;
constexpr double FocusThicknessPerHeight = 1.0 / 80; // at least one pixel
constexpr double FocusArmPerSide = 1.0 / 6;          // of the display's shorter side

QColor blend(const QColor& over, const QColor& under, double strength)
{
    return QColor::fromRgbF(static_cast<float>(under.redF() + (over.redF() - under.redF()) * strength),
                            static_cast<float>(under.greenF() + (over.greenF() - under.greenF()) * strength),
                            static_cast<float>(under.blueF() + (over.blueF() - under.blueF()) * strength));
}

// The corner marks, in whole pixels so that they stay crisp and thin at every size.
void paintFocusCue(QPainter& painter, QSize size, const QColor& colour)
{
    const int thickness = std::max(1, static_cast<int>(size.height() * FocusThicknessPerHeight));
    const int arm =
        std::max(thickness * 3, static_cast<int>(std::min(size.width(), size.height()) * FocusArmPerSide));
    const int right = size.width();
    const int bottom = size.height();
    for (const QRect& bar :
         {QRect(0, 0, arm, thickness), QRect(0, 0, thickness, arm), QRect(right - arm, 0, arm, thickness),
          QRect(right - thickness, 0, thickness, arm), QRect(0, bottom - thickness, arm, thickness),
          QRect(0, bottom - arm, thickness, arm), QRect(right - arm, bottom - thickness, arm, thickness),
          QRect(right - thickness, bottom - arm, thickness, arm)})
        painter.fillRect(bar, colour);
}

// Painted displays, shared by every display that looks the same. A scoreboard of forty teams on a 4K
// screen holds some forty different pictures at most, of half a megabyte each.
constexpr int SharedPicturesKiB = 64 * 1024;

QCache<QByteArray, QPixmap>& sharedPictures()
{
    static QCache<QByteArray, QPixmap> pictures(SharedPicturesKiB);
    return pictures;
}

} // namespace

NumberLED::NumberLED(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("NumberLED"));
    setFocusPolicy(Qt::StrongFocus);
    // Not marked opaque although it paints every pixel: a window of many displays then keeps one simple
    // region to repaint, which costs far less than the background painted beneath the displays.
    propertiesChanged();
}

void NumberLED::setCaption(const QString& value)
{
    if (value == caption)
        return;
    caption = value;
    invalidate();
    emit CaptionChanged(caption);
}

void NumberLED::setMax(int value)
{
    properties.Max = saturate16(value);
    propertiesChanged();
}

void NumberLED::setPaddingH(int value)
{
    properties.PaddingH = saturate16(value);
    propertiesChanged();
}

void NumberLED::setPaddingV(int value)
{
    properties.PaddingV = saturate16(value);
    propertiesChanged();
}

void NumberLED::setPaddingI(int value)
{
    properties.PaddingI = saturate16(value);
    propertiesChanged();
}

void NumberLED::setSize(int value)
{
    properties.Size = saturate16(value);
    propertiesChanged();
}

void NumberLED::setLayoutProperties(const LedProperties& value)
{
    if (value.Max == properties.Max && value.PaddingH == properties.PaddingH &&
        value.PaddingV == properties.PaddingV && value.PaddingI == properties.PaddingI &&
        value.Size == properties.Size)
        return;
    properties = value;
    propertiesChanged();
}

void NumberLED::setLitColor(int colour)
{
    if (colour == litColor)
        return;
    litColor = colour;
    invalidate();
}

void NumberLED::setLedBackColor(int colour)
{
    if (colour == backColor)
        return;
    backColor = colour;
    invalidate();
}

void NumberLED::setShowsFocus(bool shows)
{
    if (shows == showsFocus)
        return;
    showsFocus = shows;
    invalidate();
}

QSize NumberLED::sizeHint() const
{
    return LedGeometry::naturalSizePixels(properties);
}

QSize NumberLED::minimumSizeHint() const
{
    return sizeHint();
}

void NumberLED::propertiesChanged()
{
    // The display always takes its natural size; callers never set its width or height.
    const QSize natural = sizeHint();
    if (natural != size()) {
        updateGeometry();
        resize(natural);
    }
    invalidate();
}

void NumberLED::invalidate()
{
    cache = QPixmap();
    update();
}

QPixmap NumberLED::renderDisplay() const
{
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap(size() * ratio);
    pixmap.setDevicePixelRatio(ratio);
    const QColor background = toQColor(backColor);
    const QColor lit = toQColor(litColor);
    const QColor unlit = blend(lit, background, UnlitStrength);
    pixmap.fill(background);

    QPainter painter(&pixmap);
    if (hasFocus() && showsFocus)
        paintFocusCue(painter, size(), blend(lit, background, FocusStrength));
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);

    const auto rects = LedGeometry::digitRects(properties, size());
    const auto lights = LedGeometry::digitSegments(caption, static_cast<int>(rects.size()));
    const auto& polygons = SegmentFont::segmentPolygons();
    for (std::size_t digit = 0; digit < rects.size(); ++digit) {
        const QRectF& cell = rects[digit];
        painter.save();
        painter.translate(cell.topLeft());
        painter.scale(cell.width() / SegmentFont::CellWidth, cell.height() / SegmentFont::CellHeight);
        for (int segment = 0; segment < SegmentCount; ++segment) {
            const bool on = (lights[digit] >> segment) & 1;
            painter.setBrush(on ? lit : unlit);
            painter.drawPolygon(polygons[static_cast<std::size_t>(segment)]);
        }
        painter.restore();
    }

    return pixmap;
}

QPixmap NumberLED::sharedPicture() const
{
    // Everything the picture shows, so that only displays that look exactly alike share it.
    const qreal ratio = devicePixelRatioF();
    QByteArray key;
    key.reserve(64 + caption.size() * 2);
    for (const qint64 part :
         {qint64(width()), qint64(height()), qint64(ratio * 1000), qint64(litColor), qint64(backColor),
          qint64(hasFocus() && showsFocus), qint64(properties.Max), qint64(properties.PaddingH),
          qint64(properties.PaddingV), qint64(properties.PaddingI), qint64(properties.Size)})
        key.append(reinterpret_cast<const char*>(&part), sizeof part);
    key.append(reinterpret_cast<const char*>(caption.utf16()), caption.size() * 2);

    QCache<QByteArray, QPixmap>& pictures = sharedPictures();
    if (const QPixmap* shared = pictures.object(key))
        return *shared;
    QPixmap picture = renderDisplay();
    const auto kiB = picture.width() * picture.height() * picture.depth() / 8 / 1024;
    pictures.insert(key, new QPixmap(picture), std::max<int>(1, static_cast<int>(kiB)));
    return picture;
}

void NumberLED::paintEvent(QPaintEvent*)
{
    if (cache.isNull() || cache.deviceIndependentSize().toSize() != size())
        cache = sharedPicture();
    QPainter painter(this);
    painter.drawPixmap(0, 0, cache);
}

void NumberLED::keyPressEvent(QKeyEvent* event)
{
    // Taken, so that it goes no further than the display; the hosting window has read it on its way.
    event->accept();
}

void NumberLED::keyReleaseEvent(QKeyEvent* event)
{
    event->accept();
}

void NumberLED::focusInEvent(QFocusEvent* event)
{
    QWidget::focusInEvent(event);
    invalidate();
}

void NumberLED::focusOutEvent(QFocusEvent* event)
{
    QWidget::focusOutEvent(event);
    invalidate();
}

void NumberLED::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    cache = QPixmap();
}

void NumberLED::mousePressEvent(QMouseEvent* event)
{
    setFocus(Qt::MouseFocusReason);
    QWidget::mousePressEvent(event);
}

} // namespace brimley
