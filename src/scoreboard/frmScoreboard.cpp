#include "scoreboard/frmScoreboard.h"

#include "app/Colours.h"
#include "app/Numbers.h"
#include "app/Settings.h"
#include "led/NumberLED.h"
#include "platform/ImageBox.h"
#include "platform/PictureBox.h"
#include "platform/TwipsPlacement.h"
#include "platform/WindowEvents.h"
#include "scoreboard/CellLayout.h"
#include "scoreboard/NameFit.h"
#include "scoreboard/modGrabKeys.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QResizeEvent>
#include <QTimer>

namespace brimley {
namespace {

using TwipsPlacement::toPixels;

// Initial geometry, in twips: the window's client area and the drawing area inside it.
constexpr int InitialClientWidth = 11835;
constexpr int InitialClientHeight = 8415;
constexpr QRect InitialDrawingArea(120, 120, 11595, 8160);

// The picture a new cell shows until its team's picture replaces it, and a team whose picture cannot
// be shown: a small team badge. It counts as 32 x 32 pixels, but is drawn finely enough to stay sharp
// when it fills a picture square on a large screen.
constexpr QSize TeamIconSize(32, 32);
QImage builtInTeamIcon()
{
    constexpr int Detail = 16;
    QImage icon(TeamIconSize * Detail, QImage::Format_ARGB32_Premultiplied);
    icon.fill(Qt::transparent);
    QPainter painter(&icon);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(Detail, Detail);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(150, 150, 150));
    painter.drawEllipse(QRectF(10, 4, 12, 12));
    painter.drawRoundedRect(QRectF(5, 18, 22, 12), 6, 6);
    return icon;
}

void copyDisplayProperties(const NumberLED& from, NumberLED& to)
{
    to.setMax(from.Max());
    to.setPaddingH(from.PaddingH());
    to.setPaddingV(from.PaddingV());
    to.setPaddingI(from.PaddingI());
    to.setSize(from.Size());
    to.setLitColor(from.LitColor());
    to.setLedBackColor(from.LedBackColor());
    to.setCaption(from.Caption());
}

} // namespace

frmScoreboard::frmScoreboard(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmScoreboard"));
    setWindowTitle(QStringLiteral("Brimley Scoreboard"));
    setAutoFillBackground(true);
    resize(twipsToPixels(InitialClientWidth), twipsToPixels(InitialClientHeight));

    picDrawingArea = new PictureBox(this);
    picDrawingArea->setObjectName(QStringLiteral("picDrawingArea"));
    picDrawingArea->setGeometry(toPixels(InitialDrawingArea));
    connectDrawingAreaKeys();
    createTemplates();

    // Above everything else the window holds; it never takes the focus, so the keys still reach the
    // control the operator last chose.
    picBlackout = new PictureBox(this);
    picBlackout->setObjectName(QStringLiteral("picBlackout"));
    picBlackout->setFocusPolicy(Qt::NoFocus);
    picBlackout->hide();

    pointerTimer = new QTimer(this);
    pointerTimer->setSingleShot(true);
    pointerTimer->setInterval(PointerRestTime);
    connect(pointerTimer, &QTimer::timeout, this, [this] { setCursor(Qt::BlankCursor); });
}

frmScoreboard::~frmScoreboard() = default;

void frmScoreboard::createTemplates()
{
    // Element 0 of every array: hidden, never moved or coloured, the source of every new cell's
    // initial properties. The display template is also what the grid measures.
    auto* container = new PictureBox(picDrawingArea);
    container->setObjectName(QStringLiteral("picTeamContainer"));
    auto* image = new ImageBox(picDrawingArea);
    image->setObjectName(QStringLiteral("imgTeam"));
    image->setPicture(builtInTeamIcon(), TeamIconSize);
    image->setPlaceholder(image->picture());
    auto* display = new NumberLED(picDrawingArea);
    display->setObjectName(QStringLiteral("nledScore"));
    display->setMax(99);
    display->setPaddingH(90);
    display->setPaddingV(90);
    display->setPaddingI(180);
    display->setSize(55);
    auto* nameStrip = new PictureBox(picDrawingArea);
    nameStrip->setObjectName(QStringLiteral("picTeamName"));
    auto* name = new QLabel(picDrawingArea);
    name->setObjectName(QStringLiteral("lblTeamName"));
    name->setFont(QFont(QStringLiteral("Arial")));
    name->setAlignment(Qt::AlignCenter);
    name->setTextFormat(Qt::PlainText);
    auto* picture = new PictureBox(picDrawingArea);
    picture->setObjectName(QStringLiteral("picTeam"));

    for (QWidget* widget :
         std::initializer_list<QWidget*>{container, image, display, nameStrip, name, picture})
        widget->hide();

    picTeamContainer = {container};
    imgTeam = {image};
    nledScore = {display};
    picTeamName = {nameStrip};
    lblTeamName = {name};
    picTeam = {picture};
    cellTeams = {0};
}

void frmScoreboard::createCell(int n)
{
    auto* container = new PictureBox(picDrawingArea);
    container->setObjectName(picTeamContainer[0]->objectName());
    container->setIndex(n);
    auto* picture = new PictureBox(container);
    picture->setObjectName(picTeam[0]->objectName());
    picture->setIndex(n);
    auto* image = new ImageBox(picture);
    image->setObjectName(imgTeam[0]->objectName());
    image->setPicture(imgTeam[0]->picture(), imgTeam[0]->ownSize());
    image->setPlaceholder(imgTeam[0]->placeholder());
    auto* display = new NumberLED(container);
    display->setObjectName(nledScore[0]->objectName());
    display->setIndex(n);
    copyDisplayProperties(*nledScore[0], *display);
    auto* nameStrip = new PictureBox(container);
    nameStrip->setObjectName(picTeamName[0]->objectName());
    nameStrip->setIndex(n);
    auto* name = new QLabel(nameStrip);
    name->setObjectName(lblTeamName[0]->objectName());
    name->setFont(lblTeamName[0]->font());
    name->setAlignment(lblTeamName[0]->alignment());
    name->setTextFormat(lblTeamName[0]->textFormat());

    // A provisional place, replaced by the grid in the same rebuild.
    container->move(twipsToPixels(n * 200.0), twipsToPixels(n * 150.0));
    nameStrip->move(0, 0);

    picTeamContainer.append(container);
    imgTeam.append(image);
    nledScore.append(display);
    picTeamName.append(nameStrip);
    lblTeamName.append(name);
    picTeam.append(picture);
    cellTeams.append(0);

    container->show();
    image->show();
    display->show();
    nameStrip->show();
    picture->show();
    name->show();

    connectCellKeys(n);
}

void frmScoreboard::destroyCell(int n)
{
    // The cell's container owns every other part of the cell.
    delete picTeamContainer[n];
    picTeamContainer.removeAt(n);
    imgTeam.removeAt(n);
    nledScore.removeAt(n);
    picTeamName.removeAt(n);
    lblTeamName.removeAt(n);
    picTeam.removeAt(n);
    cellTeams.removeAt(n);
}

void frmScoreboard::UpdateForm()
{
    P1CreateDestroy();
    // A window too small to hold a drawing area has nothing to lay out.
    if (!drawingAreaUsable())
        return;
    P2PositionTeams();
    P3PositionTeamData();
}

void frmScoreboard::P1CreateDestroy()
{
    const Settings& settings = model();
    totalObjs = 0;
    for (const Team& team : settings.Teams) {
        if (team.TeamShown != FlagTrue)
            continue;
        ++totalObjs;
        if (totalObjs > picTeamContainer.size() - 1)
            createCell(totalObjs);
        // An existing cell is reused; it shows its new team's score.
        cellTeams[totalObjs] = team.Identity;
        nledScore[totalObjs]->setCaption(scores.scoreOf(team.Identity));
    }
    // Cells with higher numbers go first, so the lower ones always survive.
    for (int i = static_cast<int>(picTeamContainer.size()) - 1; i > totalObjs; --i)
        destroyCell(i);
    scores.keepOnly(settings.Teams);
}

void frmScoreboard::P2PositionTeams()
{
    const Settings& settings = model();
    const float W = static_cast<float>(pixelsToTwips(picDrawingArea->width()));
    const float H = static_cast<float>(pixelsToTwips(picDrawingArea->height()));
    grid = computeGridLayout(totalObjs, settings, W, H);

    NumberLED* measuringTemplate = nledScore[0];
    measuringTemplate->setPaddingH(grid.templateDisplay.PaddingH);
    measuringTemplate->setPaddingI(grid.templateDisplay.PaddingI);
    measuringTemplate->setPaddingV(grid.templateDisplay.PaddingV);
    measuringTemplate->setMax(grid.templateDisplay.Max);
    cellScale = grid.CellScale;

    for (int m = 1; m <= totalObjs; ++m) {
        const CellRect& cell = grid.cells[static_cast<std::size_t>(m - 1)];
        picTeamContainer[m]->setGeometry(toPixels(cell.Left, cell.Top, cell.Width, cell.Height));
    }
}

void frmScoreboard::P3PositionTeamData()
{
    const Settings& settings = model();
    const QColor background = toQColor(settings.BackColor);
    picDrawingArea->setBackColor(settings.BackColor);
    QPalette windowPalette = palette();
    windowPalette.setColor(QPalette::Window, background);
    setPalette(windowPalette);
    picBlackout->setBackColor(settings.BackColor);

    QPalette namePalette;
    namePalette.setColor(QPalette::WindowText, toQColor(settings.TextColor));

    int k = 0;
    for (const Team& team : settings.Teams) {
        if (team.TeamShown != FlagTrue)
            continue;
        ++k;
        PictureBox* container = picTeamContainer[k];
        const CellComposition cell = composeCell(settings, grid.templateDisplay, grid.TH, grid.TW, cellScale,
                                                 pixelsToTwips(container->width()));

        NumberLED* display = nledScore[k];
        display->setPaddingH(cell.display.PaddingH);
        display->setPaddingV(cell.display.PaddingV);
        display->setPaddingI(cell.display.PaddingI);
        display->setMax(cell.display.Max);
        display->move(twipsToPixels(cell.displayPos.x()), twipsToPixels(cell.displayPos.y()));
        display->setSize(cell.display.Size);
        display->setLitColor(settings.LEDColor);
        display->setLedBackColor(settings.LEDBackColor);

        if (settings.PosNameToScore == SideTop || settings.PosNameToScore == SideBottom)
            picTeamName[k]->setGeometry(toPixels(cell.nameStrip));
        if (settings.PosImgToScore == SideLeft || settings.PosImgToScore == SideRight)
            picTeam[k]->setGeometry(toPixels(cell.picture));

        container->setBackColor(settings.BackColor);

        if (cell.nameVisible) {
            PictureBox* strip = picTeamName[k];
            QLabel* name = lblTeamName[k];
            strip->setVisible(true);
            strip->setBackColor(settings.BackColor);
            name->setPalette(namePalette);
            const NameFit::FittedName fitted =
                NameFit::fit(team.TeamName, name->font(), pointsToPixels(cell.namePoints), strip->width());
            QFont font = name->font();
            font.setPixelSize(fitted.pixelSize);
            name->setFont(font);
            name->setText(fitted.text);
            name->adjustSize();
            name->move((strip->width() - name->width()) / 2, (strip->height() - name->height()) / 2);
        } else {
            picTeamName[k]->setVisible(false);
        }

        if (cell.pictureVisible) {
            picTeam[k]->setVisible(true);
            modGrabKeys::ShowTeamPicture(imgTeam[k], picTeam[k], team.TeamPicture);
            picTeam[k]->setBackColor(settings.BackColor);
        } else {
            picTeam[k]->setVisible(false);
        }
    }
}

bool frmScoreboard::drawingAreaUsable() const
{
    return picDrawingArea->width() > 0 && picDrawingArea->height() > 0;
}

void frmScoreboard::applyResizeRule()
{
    if (isMinimized())
        return;
    // The outer size, title bar and borders included, as the layout was designed against it.
    const QSize outer = frameGeometry().size();
    const double W = pixelsToTwips(outer.width());
    const double H = pixelsToTwips(outer.height());
    const double width = W - 240;
    const double height = H - 700;
    const double top = (H - 250 - height) / 2;
    const double left = (W - width) / 2;
    picDrawingArea->setGeometry(toPixels(left, top, std::max(0.0, width), std::max(0.0, height)));
    UpdateForm();
}

void frmScoreboard::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    picBlackout->setGeometry(rect());
    applyResizeRule();
}

void frmScoreboard::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Restoring a minimized window rebuilds it, even when its size did not change.
    if (WindowEvents::restoredFromMinimized(this, event))
        applyResizeRule();
    if (event->type() == QEvent::WindowStateChange) {
        // The pointer hides only over a full-screen scoreboard, and comes back when it is left.
        if (isFullScreen()) {
            pointerTimer->start();
        } else {
            pointerTimer->stop();
            unsetCursor();
        }
    }
}

} // namespace brimley
