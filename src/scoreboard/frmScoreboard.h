#pragma once

// frmScoreboard: the window the audience sees. One drawing area holds one cell per shown team; each
// cell is a container with a name strip, a picture square and an LED score display. The cells are
// kept in one array whose element 0 is a hidden template. Every change of the window's size, and
// every return from the options window, rebuilds the whole window from the settings model; only the
// controls and the scores survive a rebuild. A score belongs to its team: each cell shows the score of
// the team it shows, whichever cell that is after teams were hidden, shown or moved.
//
// The window is worked from the keyboard alone. One key filter reads every key typed on the window or
// any of its controls, translates it once into a virtual key, and dispatches it: key-downs to the
// function keys (AllKeyCode: F1 help, F2 options), key-downs on a score display to the score entry,
// key-ups on a cell's controls to AllKeyUp (releasing NumLock re-applies NumLockForce). For the
// projector, a few keys that type no character add to these on every key-down: F11 toggles full
// screen (Escape leaves it), Ctrl+Z and Ctrl+Y (or Ctrl+Shift+Z) undo and redo accepted score changes,
// Ctrl+B blacks the screen out to the background colour while the scores go on working underneath.

#include "app/Settings.h"
#include "platform/SingleWindow.h"
#include "scoreboard/modCenterObjects.h"

#include <QVector>
#include <QWidget>

class QKeyEvent;
class QLabel;
class QScreen;
class QTimer;

namespace brimley {

class ImageBox;
class NumberLED;
class PictureBox;
class StandingsView;
namespace KeyMapping {
enum class ScoreboardCommand;
}

// One team cell: its container and everything in it, and the team it shows.
struct Cell
{
    PictureBox* picTeamContainer = nullptr; // the cell, inside the drawing area
    PictureBox* picTeamName = nullptr;      // the name strip above or below the score
    QLabel* lblTeamName = nullptr;          // the name, centred in its strip
    PictureBox* picTeam = nullptr;          // the picture square left or right of the score
    ImageBox* imgTeam = nullptr;            // the picture, fitted into its square
    NumberLED* nledScore = nullptr;         // the score
    TeamId team = 0;                        // the team whose score it shows; none for the template
};

class frmScoreboard : public QWidget, public SingleWindow<frmScoreboard>
{
    Q_OBJECT

public:
    explicit frmScoreboard(QWidget* parent = nullptr);
    ~frmScoreboard() override;

    // The full rebuild: pool, grid, cell contents, in this order.
    void UpdateForm();
    // Makes the pool of cells match the shown teams.
    void P1CreateDestroy();
    // Sizes and places the cells on the grid.
    void P2PositionTeams();
    // Fills every cell: display, name, picture and colours.
    void P3PositionTeamData();

    // Number of cells after the last rebuild.
    int TotalObjs() const { return totalObjs; }
    const GridLayout& lastGrid() const { return grid; }
    // Element 0 is the hidden template, elements 1 to TotalObjs the cells, in cell order.
    const QVector<Cell>& cells() const { return cellArray; }
    PictureBox* drawingArea() const { return picDrawingArea; }

    // Function keys on key-down, whichever control has the focus: F1 shows help, F2 the options.
    void AllKeyCode(int KeyCode);
    // Function keys on key-up: NumLock re-applies the NumLock setting.
    void AllKeyUp(int KeyCode, int Shift);
    // Brings NumLock to the state NumLockForce asks for.
    void UpdateNumLock();

    // Full screen on the screen the window is on, and back to the window it was.
    void ToggleFullScreen();
    void LeaveFullScreen();
    // Takes back, or makes again, the latest score change of a team that still exists; false when there
    // was none.
    bool UndoScoreChange();
    bool RedoScoreChange();
    // Shows the audience only the background colour, or the scoreboard again.
    void ToggleBlackout();

    // Over a full-screen scoreboard the pointer is hidden once it has rested this long.
    static constexpr int PointerRestTime = 2000; // ms

    // ---- What the operator's console drives ----
    // A key typed for cell k, as if typed on its score display.
    void typeOnDisplay(int cell, const QKeyEvent& event);
    bool isBlackedOut() const;
    // The standings in place of the cells (F5), or to be revealed team by team from last place
    // (Shift+F5): Space or Right shows the next team, Left hides it again; F5 or Escape goes back.
    void ShowStandings(bool reveal);
    void HideStandings();
    bool isShowingStandings() const;
    // Full screen on the given screen, leaving the screen it was on.
    void showFullScreenOn(QScreen* screen);
    // While the operator works from the console, the audience sees no focus mark and no pointer.
    void setOperatedFromConsole(bool fromConsole);

signals:
    // What the audience sees may have changed: a rebuild, blackout, full screen or the standings. (Scores
    // are told by the game itself.)
    void shownChanged();

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Where a key was typed: the keys mean different things on different controls.
    enum class KeyTarget { Window, DrawingArea, CellControl, ScoreDisplay };

    void createTemplates();
    void createCell(int n);
    void destroyCell(int n);
    void readKeysOf(QWidget* control);
    void keyTyped(KeyTarget target, int index, const QKeyEvent& event);
    void typeOnCell(int index, int KeyCode);
    bool standingsKey(KeyMapping::ScoreboardCommand command, int KeyCode, bool repeated);
    void fillStandings();
    void projectorKey(KeyMapping::ScoreboardCommand command, bool repeated);
    // Every display that shows the team shows its new score.
    void showScore(TeamId team, const QString& caption);
    void pointerMoved();
    void enterFullScreen(QScreen* screen);
    void applyResizeRule();
    bool drawingAreaUsable() const;

    PictureBox* picDrawingArea = nullptr;
    QVector<Cell> cellArray;
    // Over the cells while the standings show.
    StandingsView* picStandings = nullptr;
    // Covers the whole window in the background colour while blacked out.
    PictureBox* picBlackout = nullptr;

    int totalObjs = 0;
    GridLayout grid;
    QTimer* pointerTimer = nullptr;
    bool operatedFromConsole = false;
    // Where the window was before the program itself made it full screen, where no window manager does.
    QRect geometryBeforeFullScreen;
};

} // namespace brimley
