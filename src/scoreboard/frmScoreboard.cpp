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
#include "scoreboard/Game.h"
#include "scoreboard/NameFit.h"
#include "scoreboard/Standings.h"
#include "scoreboard/StandingsView.h"
#include "scoreboard/modGrabKeys.h"

#include <QEvent>
#include <QLabel>
#include <QPainter>
#include <QResizeEvent>
#include <QTimer>
#include <algorithm>
#include <optional>

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
    to.setLayoutProperties(from.layoutProperties());
    to.setShowsFocus(from.ShowsFocus());
    to.setLitColor(from.LitColor());
    to.setLedBackColor(from.LedBackColor());
    to.setCaption(from.Caption());
}

// Where a widget inside the window shows: its rectangle, cut to those of the widgets holding it, in the
// window's coordinates.
QRect shownRect(const QWidget* widget, const QWidget* window)
{
    QRect shown = widget->rect();
    for (const QWidget* inner = widget; inner != window; inner = inner->parentWidget())
        shown = shown.translated(inner->pos()) & inner->parentWidget()->rect();
    return shown;
}

} // namespace

frmScoreboard::frmScoreboard(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmScoreboard"));
    setWindowTitle(QStringLiteral("Brimley Scoreboard"));
    // The window paints its own background (see paintEvent), so Qt need not.
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(twipsToPixels(InitialClientWidth), twipsToPixels(InitialClientHeight));

    // The window, the drawing area and every part of every cell share the background colour: the window
    // paints it once for them all.
    picDrawingArea = new PictureBox(this);
    picDrawingArea->setObjectName(QStringLiteral("picDrawingArea"));
    picDrawingArea->setPaintsBackground(false);
    picDrawingArea->setGeometry(toPixels(InitialDrawingArea));
    readKeysOf(this);
    readKeysOf(picDrawingArea);
    createTemplates();

    picStandings = new StandingsView(this);
    picStandings->hide();

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

    // Scores change from here and from the operator's console, by typing, undo, redo or a new game.
    connect(&Game::instance(), &Game::scoreChanged, this,
            [this](TeamId team, const QString&, const QString& after) { showScore(team, after); });
}

frmScoreboard::~frmScoreboard() = default;

void frmScoreboard::createTemplates()
{
    // Element 0: hidden, never moved or coloured, the source of every new cell's initial properties.
    // The display template is also what the grid measures.
    Cell cell;
    cell.picTeamContainer = new PictureBox(picDrawingArea);
    cell.picTeamContainer->setObjectName(QStringLiteral("picTeamContainer"));
    cell.imgTeam = new ImageBox(picDrawingArea);
    cell.imgTeam->setObjectName(QStringLiteral("imgTeam"));
    cell.imgTeam->setPicture(builtInTeamIcon(), TeamIconSize);
    cell.imgTeam->setPlaceholder(cell.imgTeam->picture());
    cell.nledScore = new NumberLED(picDrawingArea);
    cell.nledScore->setObjectName(QStringLiteral("nledScore"));
    cell.nledScore->setLayoutProperties(LedProperties{99, 90, 90, 180, 55});
    cell.picTeamName = new PictureBox(picDrawingArea);
    cell.picTeamName->setObjectName(QStringLiteral("picTeamName"));
    cell.lblTeamName = new QLabel(picDrawingArea);
    cell.lblTeamName->setObjectName(QStringLiteral("lblTeamName"));
    cell.lblTeamName->setFont(QFont(QStringLiteral("Arial")));
    cell.lblTeamName->setAlignment(Qt::AlignCenter);
    cell.lblTeamName->setTextFormat(Qt::PlainText);
    cell.picTeam = new PictureBox(picDrawingArea);
    cell.picTeam->setObjectName(QStringLiteral("picTeam"));

    for (QWidget* widget :
         std::initializer_list<QWidget*>{cell.picTeamContainer, cell.imgTeam, cell.nledScore,
                                         cell.picTeamName, cell.lblTeamName, cell.picTeam})
        widget->hide();
    cellArray = {cell};
}

void frmScoreboard::createCell(int n)
{
    const Cell& from = cellArray[0];
    Cell cell;
    cell.picTeamContainer = new PictureBox(picDrawingArea);
    cell.picTeamContainer->setObjectName(from.picTeamContainer->objectName());
    cell.picTeamContainer->setIndex(n);
    cell.picTeam = new PictureBox(cell.picTeamContainer);
    cell.picTeam->setObjectName(from.picTeam->objectName());
    cell.picTeam->setIndex(n);
    cell.imgTeam = new ImageBox(cell.picTeam);
    cell.imgTeam->setObjectName(from.imgTeam->objectName());
    cell.imgTeam->setPicture(from.imgTeam->picture(), from.imgTeam->ownSize());
    cell.imgTeam->setPlaceholder(from.imgTeam->placeholder());
    cell.nledScore = new NumberLED(cell.picTeamContainer);
    cell.nledScore->setObjectName(from.nledScore->objectName());
    cell.nledScore->setIndex(n);
    copyDisplayProperties(*from.nledScore, *cell.nledScore);
    cell.picTeamName = new PictureBox(cell.picTeamContainer);
    cell.picTeamName->setObjectName(from.picTeamName->objectName());
    cell.picTeamName->setIndex(n);
    cell.lblTeamName = new QLabel(cell.picTeamName);
    cell.lblTeamName->setObjectName(from.lblTeamName->objectName());
    cell.lblTeamName->setFont(from.lblTeamName->font());
    cell.lblTeamName->setAlignment(from.lblTeamName->alignment());
    cell.lblTeamName->setTextFormat(from.lblTeamName->textFormat());

    for (PictureBox* box : {cell.picTeamContainer, cell.picTeam, cell.picTeamName})
        box->setPaintsBackground(false);

    // A provisional place, replaced by the grid in the same rebuild.
    cell.picTeamContainer->move(twipsToPixels(n * 200.0), twipsToPixels(n * 150.0));
    cell.picTeamName->move(0, 0);

    for (QWidget* widget :
         std::initializer_list<QWidget*>{cell.picTeamContainer, cell.imgTeam, cell.nledScore,
                                         cell.picTeamName, cell.picTeam, cell.lblTeamName})
        widget->show();

    // Picture boxes take the focus when clicked, as the operator expects of any control, but Tab only
    // moves between the score displays.
    for (QWidget* box :
         std::initializer_list<QWidget*>{cell.picTeamContainer, cell.picTeam, cell.picTeamName}) {
        box->setFocusPolicy(Qt::ClickFocus);
        readKeysOf(box);
    }
    readKeysOf(cell.nledScore);
    // Tab walks the displays in cell order. Cells are only ever added and removed at the end, so
    // linking each new display after the one before keeps the whole chain in order.
    if (n > 1)
        setTabOrder(cellArray[n - 1].nledScore, cell.nledScore);
    cellArray.append(cell);
}

void frmScoreboard::destroyCell(int n)
{
    // The cell's container owns every other part of the cell.
    delete cellArray[n].picTeamContainer;
    cellArray.removeAt(n);
}

void frmScoreboard::UpdateForm()
{
    // Nothing is drawn until every cell has its new place and look: one repaint instead of one for
    // each control moved.
    picDrawingArea->setUpdatesEnabled(false);
    P1CreateDestroy();
    // A window too small to hold a drawing area has nothing to lay out.
    if (drawingAreaUsable()) {
        P2PositionTeams();
        P3PositionTeamData();
    }
    picDrawingArea->setUpdatesEnabled(true);
    emit shownChanged();
}

void frmScoreboard::P1CreateDestroy()
{
    const Settings& settings = model();
    totalObjs = 0;
    for (const Team& team : settings.Teams) {
        if (team.TeamShown != FlagTrue)
            continue;
        ++totalObjs;
        if (totalObjs > cellArray.size() - 1)
            createCell(totalObjs);
        // An existing cell is reused; it shows its new team's score.
        Cell& cell = cellArray[totalObjs];
        cell.team = team.Identity;
        cell.nledScore->setCaption(Game::instance().scoreOf(team.Identity));
    }
    // Cells with higher numbers go first, so the lower ones always survive.
    for (int i = static_cast<int>(cellArray.size()) - 1; i > totalObjs; --i)
        destroyCell(i);
    Game::instance().keepOnly(settings.Teams);
}

void frmScoreboard::P2PositionTeams()
{
    const Settings& settings = model();
    const float W = static_cast<float>(pixelsToTwips(picDrawingArea->width()));
    const float H = static_cast<float>(pixelsToTwips(picDrawingArea->height()));
    grid = computeGridLayout(totalObjs, settings, W, H);

    NumberLED* measuringTemplate = cellArray[0].nledScore;
    LedProperties measured = measuringTemplate->layoutProperties();
    measured.PaddingH = grid.templateDisplay.PaddingH;
    measured.PaddingI = grid.templateDisplay.PaddingI;
    measured.PaddingV = grid.templateDisplay.PaddingV;
    measured.Max = grid.templateDisplay.Max;
    measuringTemplate->setLayoutProperties(measured);

    for (int m = 1; m <= totalObjs; ++m) {
        const CellRect& cell = grid.cells[static_cast<std::size_t>(m - 1)];
        cellArray[m].picTeamContainer->setGeometry(toPixels(cell.Left, cell.Top, cell.Width, cell.Height));
    }
}

void frmScoreboard::P3PositionTeamData()
{
    const Settings& settings = model();
    const QColor background = toQColor(settings.BackColor);
    if (palette().color(QPalette::Window) != background) {
        QPalette windowPalette = palette();
        windowPalette.setColor(QPalette::Window, background);
        setPalette(windowPalette);
    }
    picBlackout->setBackColor(settings.BackColor);
    if (picStandings->isVisible())
        fillStandings();
    const QColor textColour = toQColor(settings.TextColor);

    std::optional<NameFit> names;
    int k = 0;
    for (const Team& team : settings.Teams) {
        if (team.TeamShown != FlagTrue)
            continue;
        const Cell& c = cellArray[++k];
        const CellComposition cell = composeCell(settings, grid.templateDisplay, grid.TH, grid.TW,
                                                 grid.CellScale, pixelsToTwips(c.picTeamContainer->width()));

        c.nledScore->setLayoutProperties(cell.display);
        c.nledScore->move(twipsToPixels(cell.displayPos.x()), twipsToPixels(cell.displayPos.y()));
        c.nledScore->setLitColor(settings.LEDColor);
        c.nledScore->setLedBackColor(settings.LEDBackColor);

        if (settings.PosNameToScore == SideTop || settings.PosNameToScore == SideBottom)
            c.picTeamName->setGeometry(toPixels(cell.nameStrip));
        if (settings.PosImgToScore == SideLeft || settings.PosImgToScore == SideRight)
            c.picTeam->setGeometry(toPixels(cell.picture));

        if (cell.nameVisible) {
            c.picTeamName->setVisible(true);
            if (c.lblTeamName->palette().color(QPalette::WindowText) != textColour) {
                QPalette namePalette = c.lblTeamName->palette();
                namePalette.setColor(QPalette::WindowText, textColour);
                c.lblTeamName->setPalette(namePalette);
            }
            // The label spans its strip and centres the name in it, as a label sized to its text and
            // centred in the strip would.
            if (!names)
                names.emplace(cellArray[0].lblTeamName->font(), pointsToPixels(cell.namePoints));
            const NameFit::FittedName fitted = names->fit(team.TeamName, c.picTeamName->width());
            if (c.lblTeamName->font().pixelSize() != fitted.pixelSize) {
                QFont font = c.lblTeamName->font();
                font.setPixelSize(fitted.pixelSize);
                c.lblTeamName->setFont(font);
            }
            c.lblTeamName->setText(fitted.text);
            c.lblTeamName->setGeometry(c.picTeamName->rect());
        } else {
            c.picTeamName->setVisible(false);
        }

        if (cell.pictureVisible) {
            c.picTeam->setVisible(true);
            modGrabKeys::ShowTeamPicture(c.imgTeam, c.picTeam, team.TeamPicture);
        } else {
            c.picTeam->setVisible(false);
        }
    }
}

void frmScoreboard::ShowStandings(bool reveal)
{
    fillStandings();
    picStandings->setShownFromLast(reveal ? 0 : picStandings->count());
    picStandings->show();
    // Under a blackout, if there is one: the audience sees the standings when the board comes back.
    picStandings->stackUnder(picBlackout);
    emit shownChanged();
}

void frmScoreboard::HideStandings()
{
    picStandings->hide();
    emit shownChanged();
}

bool frmScoreboard::isShowingStandings() const
{
    return picStandings->isVisible();
}

// The standings of the teams on the board, from their scores as they are now.
void frmScoreboard::fillStandings()
{
    const Settings& settings = model();
    QVector<Standings::Entry> cells;
    for (int k = 1; k <= totalObjs && k < cellArray.size(); ++k) {
        const TeamId team = cellArray[k].team;
        const Team* listed = findTeam(settings.Teams, team);
        cells.append({team, listed ? listed->TeamName : QString(), Game::instance().scoreOf(team)});
    }
    picStandings->setColours(settings.BackColor, settings.LEDColor, settings.LEDBackColor,
                             settings.TextColor);
    picStandings->setEntries(Standings::ranked(cells), cellArray[0].nledScore->Max());
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

// The background, all but where the score displays stand: they paint every pixel of their own, and on a
// large screen filling the whole window is most of what a repaint costs.
void frmScoreboard::paintEvent(QPaintEvent* event)
{
    QRegion background = event->region();
    for (qsizetype k = 1; k < cellArray.size(); ++k) // the template, element 0, never shows
        if (cellArray[k].nledScore->isVisibleTo(this))
            background -= shownRect(cellArray[k].nledScore, this);
    QPainter painter(this);
    for (const QRect& part : background)
        painter.fillRect(part, palette().window());
}

void frmScoreboard::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    picBlackout->setGeometry(rect());
    picStandings->setGeometry(rect());
    applyResizeRule();
}

void frmScoreboard::changeEvent(QEvent* event)
{
    QWidget::changeEvent(event);
    // Restoring a minimized window rebuilds it, even when its size did not change.
    if (WindowEvents::restoredFromMinimized(this, event))
        applyResizeRule();
    if (event->type() == QEvent::WindowStateChange && !operatedFromConsole) {
        // The pointer hides only over a full-screen scoreboard, and comes back when it is left.
        if (isFullScreen()) {
            pointerTimer->start();
        } else {
            pointerTimer->stop();
            unsetCursor();
        }
    }
    if (event->type() == QEvent::WindowStateChange)
        emit shownChanged();
}

} // namespace brimley
