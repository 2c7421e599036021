// The scoreboard's keyboard: one filter reads the keys of every control that takes them and passes
// them to the window's function keys and, on a score display, to the score entry; and the keys added
// for the projector (full screen, undo and redo of score changes, blackout), with the pointer hidden
// over a full-screen window.

#include "scoreboard/frmScoreboard.h"

#include "app/Navigation.h"
#include "app/Numbers.h"
#include "app/Settings.h"
#include "input/KeyMapping.h"
#include "input/ShowDigits.h"
#include "led/NumberLED.h"
#include "platform/PictureBox.h"
#include "platform/WindowManager.h"
#include "scoreboard/Game.h"
#include "scoreboard/GameCommands.h"
#include "scoreboard/StandingsView.h"
#include "scoreboard/modGrabKeys.h"

#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>

namespace brimley {
namespace {

// The score entry works on a display through its name and caption; what it writes is the score of the
// team the display shows.
class TeamScoreDisplay final : public ShowDigits::ScoreDisplay
{
public:
    TeamScoreDisplay(const NumberLED& led, TeamId shownTeam) : display(led), team(shownTeam) {}
    QString Name() const override { return display.objectName(); }
    QString Caption() const override { return display.Caption(); }
    void setCaption(const QString& caption) override { Game::instance().setScore(team, caption); }

private:
    const NumberLED& display;
    TeamId team;
};

} // namespace

void frmScoreboard::readKeysOf(QWidget* control)
{
    control->installEventFilter(this);
}

// Every key typed on the window or one of its controls passes here once, on its way to the control,
// which takes it and does nothing more with it. The key is translated once and dispatched by where it
// was typed: the window and the drawing area answer key-downs only, a cell's controls key-ups too, and
// a score display also passes key-downs to the score entry.
void frmScoreboard::keyTyped(KeyTarget target, int index, const QKeyEvent& event)
{
    const std::int16_t KeyCode = KeyMapping::virtualKeyCode(event);
    const std::int16_t Shift = KeyMapping::shiftState(event.modifiers());
    if (event.type() == QEvent::KeyRelease) {
        if (target == KeyTarget::CellControl || target == KeyTarget::ScoreDisplay)
            AllKeyUp(KeyCode, Shift);
        return;
    }
    AllKeyCode(KeyCode);
    const KeyMapping::ScoreboardCommand command = KeyMapping::scoreboardCommand(KeyCode, Shift);
    // While the standings show, the keys move through them and no key reaches the score entry.
    if (isShowingStandings() && standingsKey(command, KeyCode, event.isAutoRepeat()))
        return;
    if (target == KeyTarget::ScoreDisplay)
        typeOnCell(index, KeyCode);
    projectorKey(command, event.isAutoRepeat());
}

// True when the key was the standings' own, or one they keep from the board.
bool frmScoreboard::standingsKey(KeyMapping::ScoreboardCommand command, int KeyCode, bool repeated)
{
    using KeyMapping::ScoreboardCommand;
    switch (command) {
    case ScoreboardCommand::ShowStandings:
    case ScoreboardCommand::LeaveFullScreen: // Escape
        if (!repeated)
            HideStandings();
        return true;
    case ScoreboardCommand::RevealStandings:
        if (!repeated)
            ShowStandings(true);
        return true;
    case ScoreboardCommand::ToggleFullScreen:
    case ScoreboardCommand::ToggleBlackout:
        return false; // the board's own, as always
    default:
        break;
    }
    if (KeyCode == KeyMapping::VK_SPACE || KeyCode == KeyMapping::VK_RIGHT)
        picStandings->setShownFromLast(picStandings->shownFromLast() + 1);
    else if (KeyCode == KeyMapping::VK_LEFT)
        picStandings->setShownFromLast(picStandings->shownFromLast() - 1);
    emit shownChanged();
    return true;
}

void frmScoreboard::AllKeyCode(int KeyCode)
{
    if (KeyCode == KeyMapping::VK_F1)
        Navigation::showHelp();
    else if (KeyCode == KeyMapping::VK_F2)
        Navigation::showOptions();
    else if (KeyCode == KeyMapping::VK_F3)
        Navigation::showConsole();
}

void frmScoreboard::AllKeyUp(int KeyCode, int /*Shift*/)
{
    if (KeyCode == KeyMapping::VK_NUMLOCK)
        UpdateNumLock();
}

void frmScoreboard::UpdateNumLock()
{
    modGrabKeys::ApplyNumLockForce(model().NumLockForce);
}

void frmScoreboard::typeOnDisplay(int cell, const QKeyEvent& event)
{
    keyTyped(KeyTarget::ScoreDisplay, cell, event);
}

void frmScoreboard::typeOnCell(int index, int KeyCode)
{
    // F1 and F2 may have opened a window and the cell may be gone by now; the display must still exist.
    if (index < 1 || index >= cellArray.size())
        return;
    const std::int16_t character = KeyMapping::KeyCodeToAsci(saturate16(KeyCode));
    const Cell& cell = cellArray[index];
    // Only what the entry accepts is written, so only accepted changes reach the game's history.
    TeamScoreDisplay display(*cell.nledScore, cell.team);
    // Every display carries the template's maximum; the minimum -1 lets an entry clear a display.
    const std::int16_t maximum = cellArray[0].nledScore->Max();
    ShowDigits::ScoreEntryKey(display, character, -1, maximum);
}

// The keys added for the projector. They come after the routing and the score entry have seen the key,
// which take them for keys without a character, so an entry being typed is left as it was.
void frmScoreboard::projectorKey(KeyMapping::ScoreboardCommand command, bool repeated)
{
    using KeyMapping::ScoreboardCommand;
    // A key held down repeats; a toggle must not flicker the projector on and off while it is held.
    if (repeated &&
        (command == ScoreboardCommand::ToggleFullScreen || command == ScoreboardCommand::ToggleBlackout))
        return;
    switch (command) {
    case ScoreboardCommand::ToggleFullScreen:
        ToggleFullScreen();
        break;
    case ScoreboardCommand::LeaveFullScreen:
        LeaveFullScreen();
        break;
    case ScoreboardCommand::Undo:
        UndoScoreChange();
        break;
    case ScoreboardCommand::Redo:
        RedoScoreChange();
        break;
    case ScoreboardCommand::ToggleBlackout:
        ToggleBlackout();
        break;
    case ScoreboardCommand::NewGame:
        GameCommands::newGame(Navigation::operatorWindow(this));
        break;
    case ScoreboardCommand::ShowStandings:
    case ScoreboardCommand::RevealStandings:
        if (!repeated)
            ShowStandings(command == ScoreboardCommand::RevealStandings);
        break;
    case ScoreboardCommand::None:
        break;
    }
}

void frmScoreboard::ToggleFullScreen()
{
    if (isFullScreen())
        LeaveFullScreen();
    else
        enterFullScreen(screen());
}

void frmScoreboard::enterFullScreen(QScreen* on)
{
    // The window manager puts a full-screen window on the screen the window is on; the resize that
    // follows rebuilds the scoreboard at the new size. Where no window manager does it, the window
    // covers its screen itself, before it takes the state: sizing a full-screen window would end it.
    if (!WindowManager::makesWindowsFullScreen() && on) {
        if (!isFullScreen())
            geometryBeforeFullScreen = geometry();
        setGeometry(on->geometry());
    }
    setWindowState(windowState() | Qt::WindowFullScreen);
}

void frmScoreboard::showFullScreenOn(QScreen* target)
{
    if (!target)
        return;
    if (isFullScreen() && screen() == target &&
        (WindowManager::makesWindowsFullScreen() || geometry() == target->geometry()))
        return;
    LeaveFullScreen();
    // Onto the screen first, at the size it had, and full screen there.
    const QRect area = target->geometry();
    const QSize size = this->size().boundedTo(area.size());
    setGeometry(
        QRect(area.topLeft() + QPoint((area.width() - size.width()) / 2, (area.height() - size.height()) / 2),
              size));
    if (!isVisible())
        show();
    if (QWindow* handle = windowHandle())
        handle->setScreen(target);
    enterFullScreen(target);
}

bool frmScoreboard::isBlackedOut() const
{
    return picBlackout->isVisible();
}

void frmScoreboard::setOperatedFromConsole(bool fromConsole)
{
    operatedFromConsole = fromConsole;
    for (const Cell& cell : cellArray)
        cell.nledScore->setShowsFocus(!fromConsole);
    if (fromConsole) {
        pointerTimer->stop();
        setCursor(Qt::BlankCursor);
    } else {
        unsetCursor();
        if (isFullScreen())
            pointerTimer->start();
    }
}

void frmScoreboard::LeaveFullScreen()
{
    if (!isFullScreen())
        return;
    // A maximized window stays maximized.
    setWindowState(windowState() & ~Qt::WindowFullScreen);
    if (geometryBeforeFullScreen.isValid())
        setGeometry(geometryBeforeFullScreen);
    geometryBeforeFullScreen = QRect();
}

void frmScoreboard::showScore(TeamId team, const QString& caption)
{
    for (int k = 1; k <= totalObjs && k < cellArray.size(); ++k) {
        if (cellArray[k].team == team)
            cellArray[k].nledScore->setCaption(caption);
    }
}

bool frmScoreboard::UndoScoreChange()
{
    return Game::instance().undo();
}

bool frmScoreboard::RedoScoreChange()
{
    return Game::instance().redo();
}

void frmScoreboard::ToggleBlackout()
{
    picBlackout->setBackColor(model().BackColor);
    picBlackout->setGeometry(rect());
    picBlackout->raise();
    picBlackout->setVisible(!picBlackout->isVisible());
    emit shownChanged();
}

void frmScoreboard::pointerMoved()
{
    if (operatedFromConsole)
        return;
    unsetCursor();
    if (isFullScreen())
        pointerTimer->start();
}

void frmScoreboard::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Every move of the pointer, whichever control it is over, passes the window handle first.
    // Installing again only moves the filter to the front.
    if (QWindow* handle = windowHandle())
        handle->installEventFilter(this);
}

bool frmScoreboard::eventFilter(QObject* watched, QEvent* event)
{
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        if (watched == this)
            keyTyped(KeyTarget::Window, 0, static_cast<const QKeyEvent&>(*event));
        else if (watched == picDrawingArea)
            keyTyped(KeyTarget::DrawingArea, 0, static_cast<const QKeyEvent&>(*event));
        else if (const auto* display = qobject_cast<const NumberLED*>(watched))
            keyTyped(KeyTarget::ScoreDisplay, display->Index(), static_cast<const QKeyEvent&>(*event));
        else if (const auto* box = qobject_cast<const PictureBox*>(watched))
            keyTyped(KeyTarget::CellControl, box->Index(), static_cast<const QKeyEvent&>(*event));
        break;
    case QEvent::MouseMove:
        if (watched == windowHandle())
            pointerMoved();
        break;
    default:
        break;
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace brimley
