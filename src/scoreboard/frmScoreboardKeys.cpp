// The scoreboard's keyboard: every control that takes keys funnels them into the window's function
// keys and, on a score display, into the score entry; and the keys added for the projector (full
// screen, undo and redo of score changes, blackout), with the pointer hidden over a full-screen window.

#include "scoreboard/frmScoreboard.h"

#include "app/Navigation.h"
#include "app/Numbers.h"
#include "app/Settings.h"
#include "input/KeyMapping.h"
#include "input/ShowDigits.h"
#include "led/NumberLED.h"
#include "platform/PictureBox.h"
#include "platform/WindowManager.h"
#include "scoreboard/modGrabKeys.h"

#include <QKeyEvent>
#include <QScreen>
#include <QTimer>
#include <QWindow>

#include <algorithm>
#include <functional>
#include <utility>

namespace brimley {
namespace {

// The score entry works on a display through its name and caption; what it writes is the score of the
// team the display shows.
class TeamScoreDisplay final : public ShowDigits::ScoreDisplay
{
public:
    TeamScoreDisplay(const NumberLED& led, std::function<void(const QString&)> writeScore)
        : display(led), write(std::move(writeScore))
    {
    }
    QString Name() const override { return display.objectName(); }
    QString Caption() const override { return display.Caption(); }
    void setCaption(const QString& caption) override { write(caption); }

private:
    const NumberLED& display;
    std::function<void(const QString&)> write;
};

// Picture boxes take the focus when clicked, as the operator expects of any control, but Tab only
// moves between the score displays.
void takeFocusOnClick(QWidget* widget)
{
    widget->setFocusPolicy(Qt::ClickFocus);
}

} // namespace

void frmScoreboard::connectDrawingAreaKeys()
{
    takeFocusOnClick(picDrawingArea);
    // The drawing area answers key-downs only; its key-ups go unhandled.
    connect(picDrawingArea, &PictureBox::KeyDown, this, [this](int, int KeyCode, int Shift) {
        AllKeyCode(KeyCode);
        scoreboardKeyDown(KeyCode, Shift);
    });
}

void frmScoreboard::connectCellKeys(int n)
{
    for (PictureBox* box : {picTeamContainer[n], picTeam[n], picTeamName[n]}) {
        takeFocusOnClick(box);
        connect(box, &PictureBox::KeyDown, this, [this](int, int KeyCode, int Shift) {
            AllKeyCode(KeyCode);
            scoreboardKeyDown(KeyCode, Shift);
        });
        connect(box, &PictureBox::KeyUp, this,
                [this](int, int KeyCode, int Shift) { AllKeyUp(KeyCode, Shift); });
    }
    NumberLED* display = nledScore[n];
    connect(display, &NumberLED::KeyDown, this, &frmScoreboard::nledScore_KeyDown);
    connect(display, &NumberLED::KeyUp, this,
            [this](int, int KeyCode, int Shift) { AllKeyUp(KeyCode, Shift); });
    // Tab walks the displays in cell order. Cells are only ever added and removed at the end, so
    // linking each new display after the one before keeps the whole chain in order.
    if (n > 1)
        setTabOrder(nledScore[n - 1], display);
}

void frmScoreboard::AllKeyCode(int KeyCode)
{
    if (KeyCode == KeyMapping::VK_F1)
        Navigation::showHelp();
    else if (KeyCode == KeyMapping::VK_F2)
        Navigation::showOptions();
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

void frmScoreboard::nledScore_KeyDown(int Index, int KeyCode, int Shift)
{
    AllKeyCode(KeyCode);
    const std::int16_t character = KeyMapping::KeyCodeToAsci(saturate16(KeyCode));
    // F1 and F2 may have opened a window and the cell may be gone by now; the display must still exist.
    if (Index >= 1 && Index < nledScore.size()) {
        const TeamId team = cellTeams[Index];
        TeamScoreDisplay display(*nledScore[Index], [this, team](const QString& caption) { setScore(team, caption); });
        // Only what the entry accepts is written, so only accepted changes reach the history.
        RecordingDisplay recorded(display, history, team);
        // Every display carries the template's maximum; the minimum -1 lets an entry clear a display.
        const std::int16_t maximum = nledScore[0]->Max();
        ShowDigits::ScoreEntryKey(recorded, character, -1, maximum);
    }
    scoreboardKeyDown(KeyCode, Shift);
}

void frmScoreboard::keyPressEvent(QKeyEvent* event)
{
    // Reached when no control of the window has the focus (or one passed the key on): the window
    // answers key-downs only.
    const std::int16_t KeyCode = KeyMapping::virtualKeyCode(*event);
    keyPressRepeats = event->isAutoRepeat();
    AllKeyCode(KeyCode);
    scoreboardKeyDown(KeyCode, KeyMapping::shiftState(event->modifiers()));
    QWidget::keyPressEvent(event);
}

// The keys added for the projector. They come after the routing and the score entry have seen the key,
// which take them for keys without a character, so an entry being typed is left as it was.
void frmScoreboard::scoreboardKeyDown(int KeyCode, int Shift)
{
    using KeyMapping::ScoreboardCommand;
    const ScoreboardCommand command = KeyMapping::scoreboardCommand(saturate16(KeyCode), saturate16(Shift));
    // A key held down repeats; a toggle must not flicker the projector on and off while it is held.
    const bool repeated = std::exchange(keyPressRepeats, false);
    if (repeated && (command == ScoreboardCommand::ToggleFullScreen || command == ScoreboardCommand::ToggleBlackout))
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
    case ScoreboardCommand::None:
        break;
    }
}

void frmScoreboard::ToggleFullScreen()
{
    if (isFullScreen())
        LeaveFullScreen();
    else
        enterFullScreen();
}

void frmScoreboard::enterFullScreen()
{
    // The window manager puts a full-screen window on the screen the window is on; the resize that
    // follows rebuilds the scoreboard at the new size. Where no window manager does it, the window
    // covers its screen itself, before it takes the state: sizing a full-screen window would end it.
    if (!WindowManager::makesWindowsFullScreen() && screen()) {
        geometryBeforeFullScreen = geometry();
        setGeometry(screen()->geometry());
    }
    setWindowState(windowState() | Qt::WindowFullScreen);
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

void frmScoreboard::setScore(TeamId team, const QString& caption)
{
    scores.setScore(team, caption);
    for (int k = 1; k <= totalObjs && k < cellTeams.size(); ++k) {
        if (cellTeams[k] == team)
            nledScore[k]->setCaption(caption);
    }
}

bool frmScoreboard::writeScore(TeamId team, const QString& caption)
{
    // A hidden team's score changes too: it shows again with the team.
    const QVector<Team>& teams = model().Teams;
    if (std::none_of(teams.cbegin(), teams.cend(), [team](const Team& t) { return t.Identity == team; }))
        return false;
    setScore(team, caption);
    return true;
}

bool frmScoreboard::UndoScoreChange()
{
    return history.undo(
        [this](auto display, const QString& caption) { return writeScore(display, caption); });
}

bool frmScoreboard::RedoScoreChange()
{
    return history.redo(
        [this](auto display, const QString& caption) { return writeScore(display, caption); });
}

void frmScoreboard::ToggleBlackout()
{
    picBlackout->setBackColor(model().BackColor);
    picBlackout->setGeometry(rect());
    picBlackout->raise();
    picBlackout->setVisible(!picBlackout->isVisible());
}

void frmScoreboard::pointerMoved()
{
    unsetCursor();
    if (isFullScreen())
        pointerTimer->start();
}

void frmScoreboard::showEvent(QShowEvent* event)
{
    QWidget::showEvent(event);
    // Every move of the pointer and every key press, whichever control they go to, pass the window
    // handle first. Installing again only moves the filter to the front.
    if (QWindow* handle = windowHandle())
        handle->installEventFilter(this);
}

bool frmScoreboard::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseMove && watched == windowHandle())
        pointerMoved();
    if (event->type() == QEvent::KeyPress && watched == windowHandle())
        keyPressRepeats = static_cast<QKeyEvent*>(event)->isAutoRepeat();
    return QWidget::eventFilter(watched, event);
}

} // namespace brimley
