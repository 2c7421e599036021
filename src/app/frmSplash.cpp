#include "app/frmSplash.h"

#include "Version.h"
#include "app/Navigation.h"
#include "app/Numbers.h"
#include "app/Settings.h"
#include "platform/ProgramDirectory.h"
#include "platform/TwipsPlacement.h"

#include <QFontMetrics>
#include <QFrame>
#include <QGuiApplication>
#include <QImage>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QScreen>

namespace brimley {
namespace {

// Client area, in twips.
constexpr int ClientWidth = 6240;
constexpr int ClientHeight = 3255;

// The credit line under the program's name.
const char* const CreditText = "by the Brimley team";

QFont timesNewRoman(double points)
{
    QFont font;
    // Liberation Serif has the metrics of Times New Roman where that font is not installed.
    font.setFamilies({QStringLiteral("Times New Roman"), QStringLiteral("Liberation Serif")});
    font.setStyleHint(QFont::Serif);
    font.setPointSizeF(points);
    return font;
}

QLabel* makeLabel(QWidget* parent, const char* name, const QString& text, Qt::Alignment alignment,
                  const QRect& twips)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromLatin1(name));
    // Texts start at the top of their box, whatever height it has.
    label->setAlignment(alignment | Qt::AlignTop);
    label->setGeometry(TwipsPlacement::toPixels(twips));
    return label;
}

// The boxes were laid out for a small system font; where the desktop's font is larger, the text is set
// a little smaller rather than cut off.
void fitToWidth(QWidget* widget, const QString& text, int margin = 0)
{
    QFont font = widget->font();
    const int room = widget->width() - margin;
    while (QFontMetrics(font).horizontalAdvance(text) > room && font.pointSizeF() > 6.0)
        font.setPointSizeF(font.pointSizeF() - 0.5);
    widget->setFont(font);
}

} // namespace

frmSplash::frmSplash(QWidget* parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowTitle(QStringLiteral("Brimley"));
    setFixedSize(twipsToPixels(ClientWidth), twipsToPixels(ClientHeight));

    picLogo = new QLabel(this);
    picLogo->setObjectName(QStringLiteral("picLogo"));
    picLogo->setGeometry(TwipsPlacement::toPixels(280, 960, 2355, 1860));

    frameSplash = new QFrame(this);
    frameSplash->setObjectName(QStringLiteral("frameSplash"));
    frameSplash->setFrameStyle(QFrame::Box | QFrame::Sunken);
    frameSplash->setGeometry(TwipsPlacement::toPixels(120, 0, 6000, 3120));
    // The logo lies over the frame without belonging to it.
    picLogo->raise();

    lblName = makeLabel(frameSplash, "lblName", QStringLiteral("Brimley"), Qt::AlignHCenter,
                        QRect(660, 160, 4935, 700));
    lblName->setFont(timesNewRoman(27.75));
    lblMadeBy = makeLabel(frameSplash, "lblMadeBy", QString::fromLatin1(CreditText), Qt::AlignRight,
                          QRect(4320, 960, 1455, 255));
    lblClick = makeLabel(frameSplash, "lblClick", QStringLiteral("Click to continue."), Qt::AlignLeft,
                         QRect(2640, 1080, 1335, 255));
    lblVersion =
        makeLabel(frameSplash, "lblVersion", QString(), Qt::AlignRight, QRect(3600, 1200, 2175, 375));
    lblVersion->setFont(timesNewRoman(15.75));
    Label1 =
        makeLabel(frameSplash, "Label1", QStringLiteral("Press ' F1 ' to view Help from the scoreboard."),
                  Qt::AlignLeft, QRect(2640, 1680, 3255, 255));
    Label2 =
        makeLabel(frameSplash, "Label2", QStringLiteral("Press ' F2 ' to set Options from the scoreboard."),
                  Qt::AlignLeft, QRect(2640, 1920, 3255, 375));

    // The scoreboard's keys beyond F1 and F2, in the room left between F2's line and the Help button.
    lblFullScreenKeys =
        makeLabel(frameSplash, "lblFullScreenKeys",
                  QStringLiteral("' F11 ' full screen, ' Ctrl+B ' blackout, ' F5 ' standings"), Qt::AlignLeft,
                  QRect(2640, 2145, 3255, 180));
    lblUndoKeys = makeLabel(frameSplash, "lblUndoKeys",
                            QStringLiteral("' Ctrl+Z ' undo, ' Ctrl+Y ' redo, ' F3 ' console"), Qt::AlignLeft,
                            QRect(2640, 2325, 3255, 180));

    cmdHelp = new QPushButton(QStringLiteral("&Help"), frameSplash);
    cmdHelp->setObjectName(QStringLiteral("cmdHelp"));
    cmdHelp->setGeometry(TwipsPlacement::toPixels(4440, 2520, 1215, 375));
    connect(cmdHelp, &QPushButton::clicked, this, &frmSplash::cmdHelp_Click);

    for (QLabel* label : {lblMadeBy, lblClick, Label1, Label2, lblFullScreenKeys, lblUndoKeys})
        fitToWidth(label, label->text());
    fitToWidth(cmdHelp, QStringLiteral("Help"), 8);
    showLogo();

    // Loading: centred horizontally on the screen (and, as nothing fixes it, vertically too), the version,
    // then the defaults, so that the model holds them before any other window opens.
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        const double left = (pixelsToTwips(area.width()) - ClientWidth) / 2;
        const double top = (pixelsToTwips(area.height()) - ClientHeight) / 2;
        move(area.x() + twipsToPixels(left), area.y() + twipsToPixels(top));
    }
    lblVersion->setText(
        QStringLiteral("Version %1.%2.%3").arg(VersionMajor).arg(VersionMinor).arg(VersionRevision));
    SetDefaults();
}

frmSplash::~frmSplash() = default;

void frmSplash::showLogo()
{
    // Shipped next to the executable; without it the logo's place simply stays empty.
    const QImage logo(ProgramDirectory::file(QStringLiteral("brimleylogo.png")));
    if (logo.isNull())
        return;
    const qreal ratio = devicePixelRatioF();
    QPixmap pixmap = QPixmap::fromImage(
        logo.scaled(picLogo->size() * ratio, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    pixmap.setDevicePixelRatio(ratio);
    picLogo->setPixmap(pixmap);
}

void frmSplash::GoScore()
{
    // The options window opens before the splash closes, so that the program is never left without a
    // window, which would end it.
    Navigation::showOptions();
    close();
    emit wentToOptions();
}

void frmSplash::cmdHelp_Click()
{
    Navigation::showHelp();
}

void frmSplash::mousePressEvent(QMouseEvent* event)
{
    event->accept();
}

// Labels, the logo and the frame leave mouse clicks to their window, so a click on any of them lands
// here; the Help button keeps its own.
void frmSplash::mouseReleaseEvent(QMouseEvent* event)
{
    if (event->button() == Qt::LeftButton && rect().contains(event->position().toPoint()))
        GoScore();
    else
        QWidget::mouseReleaseEvent(event);
}

} // namespace brimley
