#pragma once

// frmConsole: the operator's console. On a desktop of two screens the audience sees only the
// scoreboard while the operator scores from here, on a screen of their own: every team of the board
// with its score, the team the keys go to, the entry as it is typed, the latest changes, the state of
// blackout, full screen and NumLock, and a small live picture of what the audience sees.
//
// Keys typed here act as on the scoreboard, on the selected team's display: digits, the keypad, "+",
// "-", Enter, Delete and space through the score entry, F1 help, F2 options, F11 the board's full
// screen, Ctrl+B blackout, Ctrl+Z and Ctrl+Y undo and redo. Up and Down, Tab and Shift+Tab (or a
// click) choose the team.

#include "console/ConsoleModel.h"
#include "platform/SingleWindow.h"

#include <QElapsedTimer>
#include <QImage>
#include <QMainWindow>
#include <QPointer>

class QKeyEvent;
class QLabel;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTimer;

namespace brimley {

class frmScoreboard;

class frmConsole : public QMainWindow, public SingleWindow<frmConsole>
{
    Q_OBJECT

public:
    explicit frmConsole(QWidget* parent = nullptr);
    ~frmConsole() override;

    // The scoreboard the console drives; closing it closes the console.
    void attach(frmScoreboard* board);

    // What the audience sees, scaled to fit the size given.
    static QImage thumbnailOf(QWidget* board, QSize fit);

    // The picture is refreshed after each change, but no more often than this.
    static constexpr int ThumbnailInterval = 100; // ms

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void createControls();
    void keyTyped(const QKeyEvent& event);
    void refresh();
    void refreshThumbnail();
    void requestThumbnail();
    QVector<TeamId> boardCells() const;

    ConsoleModel state;
    QPointer<frmScoreboard> scoreboard;

    QTableWidget* tblTeams = nullptr;
    QLabel* lblEntry = nullptr;
    QLabel* picThumbnail = nullptr;
    QListWidget* lstChanges = nullptr;
    QLabel* lblStatus = nullptr;
    QLabel* lblRecovery = nullptr;
    QPushButton* cmdBlackout = nullptr;
    QPushButton* cmdUndo = nullptr;
    QPushButton* cmdRedo = nullptr;
    QPushButton* cmdFullScreen = nullptr;

    QTimer* thumbnailTimer = nullptr;
    QElapsedTimer sinceThumbnail;
};

} // namespace brimley
