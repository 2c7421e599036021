#include "console/frmConsole.h"

#include "app/Navigation.h"
#include "input/KeyMapping.h"
#include "options/ExportCommands.h"
#include "options/GameMenu.h"
#include "options/ViewMenu.h"
#include "platform/NumLock.h"
#include "scoreboard/Game.h"
#include "scoreboard/RecoveryKeeper.h"
#include "scoreboard/frmScoreboard.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPushButton>
#include <QTableWidget>
#include <QTimer>

namespace brimley {
namespace {

constexpr QSize ThumbnailSize(384, 216);
constexpr int ChangesShown = 8;

QString onOff(bool on)
{
    return on ? QStringLiteral("on") : QStringLiteral("off");
}

QPushButton* commandButton(QWidget* parent, const char* name, const QString& caption)
{
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    // The keys belong to the console, never to a button.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

} // namespace

frmConsole::frmConsole(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmConsole"));
    setWindowTitle(QStringLiteral("Brimley Console"));
    setFocusPolicy(Qt::StrongFocus);
    createControls();
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    ExportCommands::addTo(file, nullptr, this);
    GameMenu::add(*this, nullptr);
    ViewMenu::add(*this, nullptr);
    installEventFilter(this);

    thumbnailTimer = new QTimer(this);
    thumbnailTimer->setSingleShot(true);
    connect(thumbnailTimer, &QTimer::timeout, this, &frmConsole::refreshThumbnail);
    sinceThumbnail.start();

    connect(&Game::instance(), &Game::stepTaken, this, &frmConsole::refresh);
    if (const RecoveryKeeper* keeper = RecoveryKeeper::instance())
        connect(keeper, &RecoveryKeeper::problemChanged, this, &frmConsole::refresh);
    refresh();
}

frmConsole::~frmConsole() = default;

void frmConsole::createControls()
{
    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    setCentralWidget(client);
    auto* grid = new QGridLayout(client);

    tblTeams = new QTableWidget(0, 2, client);
    tblTeams->setObjectName(QStringLiteral("tblTeams"));
    tblTeams->setHorizontalHeaderLabels({QStringLiteral("Team"), QStringLiteral("Score")});
    tblTeams->horizontalHeader()->setSectionResizeMode(0, QHeaderView::Stretch);
    tblTeams->horizontalHeader()->setSectionResizeMode(1, QHeaderView::ResizeToContents);
    tblTeams->verticalHeader()->setVisible(false);
    tblTeams->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblTeams->setSelectionMode(QAbstractItemView::SingleSelection);
    tblTeams->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblTeams->setFocusPolicy(Qt::NoFocus);
    tblTeams->setMinimumWidth(320);
    connect(tblTeams, &QTableWidget::cellClicked, this, [this](int row) {
        state.selectCell(row + 1);
        refresh();
    });

    picThumbnail = new QLabel(client);
    picThumbnail->setObjectName(QStringLiteral("picThumbnail"));
    picThumbnail->setFixedSize(ThumbnailSize);
    picThumbnail->setAlignment(Qt::AlignCenter);
    picThumbnail->setStyleSheet(QStringLiteral("background: black"));

    lblEntry = new QLabel(client);
    lblEntry->setObjectName(QStringLiteral("lblEntry"));
    lblEntry->setTextFormat(Qt::PlainText);
    QFont entryFont = lblEntry->font();
    entryFont.setPointSizeF(entryFont.pointSizeF() * 1.5);
    lblEntry->setFont(entryFont);

    lstChanges = new QListWidget(client);
    lstChanges->setObjectName(QStringLiteral("lstChanges"));
    lstChanges->setFocusPolicy(Qt::NoFocus);
    lstChanges->setSelectionMode(QAbstractItemView::NoSelection);

    lblStatus = new QLabel(client);
    lblStatus->setObjectName(QStringLiteral("lblStatus"));
    lblRecovery = new QLabel(client);
    lblRecovery->setObjectName(QStringLiteral("lblRecovery"));
    lblRecovery->setWordWrap(true);
    lblRecovery->setTextFormat(Qt::PlainText);

    auto* buttons = new QHBoxLayout;
    cmdBlackout = commandButton(client, "cmdBlackout", QStringLiteral("Blackout"));
    cmdUndo = commandButton(client, "cmdUndo", QStringLiteral("Undo"));
    cmdRedo = commandButton(client, "cmdRedo", QStringLiteral("Redo"));
    cmdFullScreen = commandButton(client, "cmdFullScreen", QStringLiteral("Full Screen"));
    for (QPushButton* button : {cmdBlackout, cmdUndo, cmdRedo, cmdFullScreen})
        buttons->addWidget(button);
    buttons->addStretch();
    connect(cmdBlackout, &QPushButton::clicked, this, [this] {
        if (scoreboard)
            scoreboard->ToggleBlackout();
    });
    connect(cmdUndo, &QPushButton::clicked, this, [] { Game::instance().undo(); });
    connect(cmdRedo, &QPushButton::clicked, this, [] { Game::instance().redo(); });
    connect(cmdFullScreen, &QPushButton::clicked, this, [this] {
        if (scoreboard)
            scoreboard->ToggleFullScreen();
    });

    grid->addWidget(tblTeams, 0, 0, 5, 1);
    grid->addWidget(picThumbnail, 0, 1);
    grid->addWidget(lblEntry, 1, 1);
    grid->addWidget(lstChanges, 2, 1);
    grid->addWidget(lblStatus, 3, 1);
    grid->addWidget(lblRecovery, 4, 1);
    grid->addLayout(buttons, 5, 0, 1, 2);
    grid->setRowStretch(2, 1);
}

void frmConsole::attach(frmScoreboard* board)
{
    if (scoreboard == board)
        return;
    if (scoreboard)
        disconnect(scoreboard, nullptr, this, nullptr);
    scoreboard = board;
    if (board) {
        connect(board, &frmScoreboard::shownChanged, this, &frmConsole::refresh);
        // Closing the scoreboard closes the console; closing the console leaves the scoreboard. The board
        // is half gone by the time it says so: it is let go before anything else happens.
        connect(board, &QObject::destroyed, this, [this] {
            scoreboard = nullptr;
            close();
        });
        board->setOperatedFromConsole(true);
    }
    refresh();
}

QVector<TeamId> frmConsole::boardCells() const
{
    QVector<TeamId> teams;
    if (!scoreboard)
        return teams;
    const QVector<Cell>& cells = scoreboard->cells();
    for (int k = 1; k <= scoreboard->TotalObjs() && k < cells.size(); ++k)
        teams.append(cells[k].team);
    return teams;
}

bool frmConsole::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress || event->type() == QEvent::KeyRelease) {
        // Every key is the console's: Tab chooses a team rather than moving the focus.
        keyTyped(static_cast<const QKeyEvent&>(*event));
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}

void frmConsole::keyTyped(const QKeyEvent& event)
{
    if (event.type() == QEvent::KeyPress) {
        const bool shift = event.modifiers().testFlag(Qt::ShiftModifier);
        switch (event.key()) {
        case Qt::Key_Up:
            state.moveSelection(-1);
            refresh();
            return;
        case Qt::Key_Down:
            state.moveSelection(1);
            refresh();
            return;
        case Qt::Key_Tab:
        case Qt::Key_Backtab:
            state.moveSelection(event.key() == Qt::Key_Backtab || shift ? -1 : 1);
            refresh();
            return;
        default:
            break;
        }
    }
    if (scoreboard) {
        // The way a key typed on the selected team's display goes: function keys, score entry, the keys
        // for the projector, and NumLock released.
        scoreboard->typeOnDisplay(state.selectedCell(), event);
    } else if (event.type() == QEvent::KeyPress) {
        const std::int16_t key = KeyMapping::virtualKeyCode(event);
        if (key == KeyMapping::VK_F1)
            Navigation::showHelp();
        else if (key == KeyMapping::VK_F2)
            Navigation::showOptions();
    }
    // Of the releases, only NumLock's changes what the console shows.
    if (event.type() == QEvent::KeyPress || event.key() == Qt::Key_NumLock)
        refresh();
}

void frmConsole::refresh()
{
    state.setCells(boardCells());
    const QList<ConsoleModel::Row> rows = state.rows();
    tblTeams->setRowCount(static_cast<int>(rows.size()));
    for (int row = 0; row < rows.size(); ++row) {
        const QStringList texts{rows[row].name, rows[row].score};
        for (int column = 0; column < 2; ++column) {
            QTableWidgetItem* item = tblTeams->item(row, column);
            if (!item) {
                item = new QTableWidgetItem;
                item->setTextAlignment(column == 1 ? Qt::AlignRight | Qt::AlignVCenter
                                                   : Qt::AlignLeft | Qt::AlignVCenter);
                tblTeams->setItem(row, column, item);
            }
            if (item->text() != texts[column])
                item->setText(texts[column]);
        }
    }
    const int selected = state.selectedCell();
    if (selected > 0) {
        if (tblTeams->currentRow() != selected - 1)
            tblTeams->selectRow(selected - 1);
        tblTeams->scrollToItem(tblTeams->item(selected - 1, 0));
    } else {
        tblTeams->clearSelection();
    }

    const QString team = selected > 0 ? rows[selected - 1].name : QString();
    const QString entry = ConsoleModel::pendingEntry();
    if (selected == 0)
        lblEntry->setText(QStringLiteral("No team on the scoreboard"));
    else if (entry.isEmpty())
        lblEntry->setText(QStringLiteral("Keys go to %1").arg(team));
    else
        lblEntry->setText(QStringLiteral("%1: %2").arg(team, entry));

    // Compared whole: changes alike in their text (two teams called "Team" scoring 5) are new all the same.
    const QStringList changes = ConsoleModel::latestChanges(ChangesShown);
    QStringList listed;
    for (int row = 0; row < lstChanges->count(); ++row)
        listed << lstChanges->item(row)->text();
    if (listed != changes) {
        lstChanges->clear();
        lstChanges->addItems(changes);
    }

    const std::optional<bool> numLock = NumLock::system().isOn();
    lblStatus->setText(QStringLiteral("Blackout %1    Full screen %2    Standings %3    NumLock %4")
                           .arg(onOff(scoreboard && scoreboard->isBlackedOut()),
                                onOff(scoreboard && scoreboard->isFullScreen()),
                                onOff(scoreboard && scoreboard->isShowingStandings()),
                                numLock ? onOff(*numLock) : QStringLiteral("–")));
    const RecoveryKeeper* keeper = RecoveryKeeper::instance();
    if (!keeper)
        lblRecovery->setText(QStringLiteral("Scores are not kept for recovery."));
    else if (keeper->problem().isEmpty())
        lblRecovery->setText(QStringLiteral("Scores are kept for recovery in %1").arg(keeper->path()));
    else
        lblRecovery->setText(QStringLiteral("Scores cannot be kept for recovery: %1").arg(keeper->problem()));
    requestThumbnail();
}

void frmConsole::requestThumbnail()
{
    if (thumbnailTimer->isActive())
        return;
    thumbnailTimer->start(
        static_cast<int>(std::max<qint64>(0, ThumbnailInterval - sinceThumbnail.elapsed())));
}

void frmConsole::refreshThumbnail()
{
    sinceThumbnail.restart();
    if (!scoreboard || !scoreboard->isVisible()) {
        picThumbnail->clear();
        return;
    }
    picThumbnail->setPixmap(QPixmap::fromImage(thumbnailOf(scoreboard, picThumbnail->size())));
}

QImage frmConsole::thumbnailOf(QWidget* board, QSize fit)
{
    const QSize full = board->size();
    if (full.isEmpty() || fit.isEmpty())
        return {};
    const QSize size = full.scaled(fit, Qt::KeepAspectRatio).expandedTo({1, 1});
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::black);
    QPainter painter(&image);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.scale(double(size.width()) / full.width(), double(size.height()) / full.height());
    board->render(&painter, QPoint(), QRegion(), QWidget::DrawWindowBackground | QWidget::DrawChildren);
    return image;
}

void frmConsole::closeEvent(QCloseEvent* event)
{
    if (scoreboard)
        scoreboard->setOperatedFromConsole(false);
    QMainWindow::closeEvent(event);
}

} // namespace brimley
