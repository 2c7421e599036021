// The scoreboard worked from the keyboard: which controls answer which keys, the score entry on the
// displays, and the keys for the projector: full screen, undo and redo, blackout.

#include "app/Navigation.h"
#include "app/Settings.h"
#include "input/ShowDigits.h"
#include "led/NumberLED.h"
#include "platform/Dialogs.h"
#include "platform/NumLock.h"
#include "platform/PictureBox.h"
#include "scoreboard/Game.h"
#include "scoreboard/frmScoreboard.h"

#include <QLabel>
#include <QScreen>
#include <QtTest>

using namespace brimley;
using Navigation::Testing::Window;

namespace {

class FakeKeyboard final : public NumLock::Keyboard
{
public:
    std::optional<bool> isOn() override { return on; }
    void setOn(bool value) override { on = value, ++changes; }
    bool on = false;
    int changes = 0;
};

} // namespace

class tst_frmScoreboardKeys : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<frmScoreboard> window;
    QList<Window> opened;
    FakeKeyboard keyboard;

    NumberLED* display(int k) { return window->cells()[k].nledScore; }
    void ctrl(Qt::Key key) { QTest::keyClick(window.get(), key, Qt::ControlModifier); }

    // Types on display k as the operator does: digits and signs, "E" Enter, "D" Delete.
    void type(int k, const QString& keys)
    {
        for (QChar key : keys)
            QTest::keyClick(display(k), key == u'E'   ? Qt::Key_Return
                                        : key == u'D' ? Qt::Key_Delete
                                                      : Qt::Key(key.unicode()));
    }

    QStringList scores()
    {
        QStringList result;
        for (int k = 1; k <= window->TotalObjs(); ++k)
            result << display(k)->Caption();
        return result;
    }

    void useTeams(int count)
    {
        model().Teams.clear();
        for (int i = 1; i <= count; ++i)
            model().Teams.append(Team{QStringLiteral("Team %1").arg(i), QString(), FlagTrue});
        window->UpdateForm();
    }

    bool showsOnly(const QColor& colour)
    {
        const QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        QImage plain(shot.size(), QImage::Format_RGB32);
        plain.fill(colour);
        return shot == plain;
    }

private slots:
    void init()
    {
        SetDefaults();
        Game::instance().reset();
        ShowDigits::entryState() = ShowDigits::EntryState{};
        opened.clear();
        Navigation::Testing::interceptShowing([this](Window shown) { opened.append(shown); });
        keyboard = FakeKeyboard{};
        NumLock::Testing::replaceSystem(&keyboard);
        window = std::make_unique<frmScoreboard>();
        useTeams(3);
        window->resize(900, 600);
        window->show();
        QVERIFY(QTest::qWaitForWindowActive(window.get()));
    }
    void cleanup()
    {
        window.reset();
        Navigation::Testing::interceptShowing({});
        NumLock::Testing::replaceSystem(nullptr);
    }

    void everyControlAnswersTheWindowsKeys_data()
    {
        // Keys reach the window in one of four ways; the cell controls are those of cell 2.
        QTest::addColumn<int>("control");
        QTest::addColumn<bool>("reappliesNumLock");
        QTest::newRow("the window") << 0 << false;
        QTest::newRow("the drawing area") << 1 << false;
        QTest::newRow("a picture square") << 2 << true;
        QTest::newRow("a score display") << 3 << true;
    }
    void everyControlAnswersTheWindowsKeys()
    {
        QFETCH(int, control);
        QFETCH(bool, reappliesNumLock);
        QWidget* target = QList<QWidget*>{window.get(), window->drawingArea(), window->cells()[2].picTeam,
                                          display(2)}[control];
        for (Qt::Key key : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3})
            QTest::keyClick(target, key);
        QCOMPARE(opened, (QList<Window>{Window::Help, Window::Options, Window::Console})); // one per key-down

        // Releasing NumLock (not pressing it) applies the setting again, on cell controls only.
        model().NumLockForce = NumLockKeepOn;
        QTest::keyPress(target, Qt::Key_NumLock);
        QCOMPARE(keyboard.changes, 0);
        QTest::keyRelease(target, Qt::Key_NumLock);
        QCOMPARE(keyboard.changes, reappliesNumLock ? 1 : 0);

        type(3, "5E");
        QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(scores(), (QStringList{"0", "0", "0"}));
    }

    // One entry may be begun on one display and ended on another; undo walks back across displays.
    void scoresAreTypedStepByStepAndUndoneInTurn()
    {
        QTest::keyClick(display(1), Qt::Key_4);
        QTest::keyClick(display(3), Qt::Key_2, Qt::KeypadModifier);
        QTest::keyClick(display(3), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(scores(), (QStringList{"0", "0", "42"}));
        type(2, "+5E");
        type(2, "+0E");  // the same value again: no change
        type(1, "123E"); // above 99: no change
        type(3, "-2E");
        type(2, "D");
        QCOMPARE(scores(), (QStringList{"0", "-1", "40"}));

        const QList<QStringList> back{
            {"0", "5", "40"}, {"0", "5", "42"}, {"0", "0", "42"}, {"0", "0", "0"}, {"0", "0", "0"}};
        for (const QStringList& expected : back) {
            ctrl(Qt::Key_Z);
            QCOMPARE(scores(), expected);
        }
        ctrl(Qt::Key_Y);
        QCOMPARE(scores(), (QStringList{"0", "0", "42"}));
        // A new change ends what could be redone.
        type(1, "7E");
        ctrl(Qt::Key_Y);
        QCOMPARE(scores(), (QStringList{"7", "0", "42"}));
    }

    // Undo reaches a team's score wherever its cell has gone, hidden teams included; the changes of a
    // deleted team are passed over.
    void undoFollowsTheTeamAndSkipsDeletedTeams()
    {
        type(1, "10E");
        type(3, "30E");
        type(3, "+1E");
        QVector<Team>& teams = model().Teams;
        teams[0].TeamShown = FlagFalse;
        window->UpdateForm();
        ctrl(Qt::Key_Z);
        QCOMPARE(scores(), (QStringList{"0", "30"}));
        teams[0].TeamShown = FlagTrue;
        window->UpdateForm();
        QCOMPARE(scores(), (QStringList{"10", "0", "30"}));

        teams.removeLast();
        window->UpdateForm();
        ctrl(Qt::Key_Z); // the third team's 0 -> 30 is passed over
        QCOMPARE(scores(), (QStringList{"0", "0"}));
        ctrl(Qt::Key_Y);
        ctrl(Qt::Key_Y); // nothing of the third team is left to redo
        QCOMPARE(scores(), (QStringList{"10", "0"}));
    }

    // Ctrl+Shift+N asks first; a new game puts every score back to 0 in one step that Ctrl+Z takes back.
    void aNewGameStartsFromZeroAndIsUndoneAsOneStep()
    {
        Dialogs::Testing::enable();
        Dialogs::Testing::reset();
        type(1, "10E");
        type(3, "D");
        model().Teams[1].TeamShown = FlagFalse; // a hidden team starts afresh too
        window->UpdateForm();
        type(2, "7E");
        Dialogs::Testing::queueAnswer(Dialogs::Answer::No);
        QTest::keyClick(display(1), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(scores(), (QStringList{"10", "7"}));
        Dialogs::Testing::queueAnswer(Dialogs::Answer::Yes);
        QTest::keyClick(display(1), Qt::Key_N, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(scores(), (QStringList{"0", "0"}));
        model().Teams[1].TeamShown = FlagTrue;
        window->UpdateForm();
        QCOMPARE(scores(), (QStringList{"0", "0", "0"}));
        ctrl(Qt::Key_Z);
        QCOMPARE(scores(), (QStringList{"10", "0", "7"}));
        QCOMPARE(Dialogs::Testing::unexpected(), 0);
    }

    // F5 puts the standings over the board; while they show, no key reaches the score entry.
    // Shift+F5 starts them empty, and Space or Right brings the teams in from last place, Left takes
    // the latest back.
    void theStandingsRankTheTeamsAndKeepTheKeys()
    {
        useTeams(4);
        type(1, "5E");
        type(2, "9E");
        type(3, "5E");
        type(4, "D");
        const auto standings = [this] {
            QStringList rows;
            const auto ranks = window->findChildren<NumberLED*>("nledRank");
            const auto names = window->findChildren<QLabel*>("lblStandingsName");
            const auto points = window->findChildren<NumberLED*>("nledStandingsScore");
            for (int i = 0; i < ranks.size(); ++i)
                if (ranks[i]->isVisible())
                    rows << ranks[i]->Caption() + " " + names[i]->text() + " " + points[i]->Caption();
            return rows.join(", ");
        };
        QTest::keyClick(display(1), Qt::Key_F5);
        QVERIFY(window->isShowingStandings());
        QCOMPARE(standings(), "1 Team 2 9, 2 Team 1 5, 2 Team 3 5, -1 Team 4 -1");
        type(1, "7E");
        ctrl(Qt::Key_Z);
        QCOMPARE(scores(), (QStringList{"5", "9", "5", "-1"}));

        QTest::keyClick(display(1), Qt::Key_F5, Qt::ShiftModifier);
        QCOMPARE(standings(), "");
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Right, Qt::Key_Left})
            QTest::keyClick(display(1), key);
        QCOMPARE(standings(), "-1 Team 4 -1");
        for (int i = 0; i < 5; ++i) // no further than the winner
            QTest::keyClick(display(1), Qt::Key_Space);
        QCOMPARE(standings(), "1 Team 2 9, 2 Team 1 5, 2 Team 3 5, -1 Team 4 -1");

        QTest::keyClick(display(1), Qt::Key_Escape);
        QVERIFY(!window->isShowingStandings());
        type(1, "7E");
        QCOMPARE(scores(), (QStringList{"7", "9", "5", "-1"}));
    }

    void tabMovesBetweenDisplaysInCellOrder()
    {
        useTeams(2); // cells removed and added again still follow cell order
        useTeams(4);
        display(1)->setFocus();
        for (int k : {2, 3, 4, 1}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), display(k));
        }
    }

    void theKeysForTheProjectorLeaveTheTypedEntryAlone()
    {
        const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
            {Qt::Key_F11, {}},
            {Qt::Key_Escape, {}},
            {Qt::Key_Z, Qt::ControlModifier},
            {Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier},
            {Qt::Key_B, Qt::ControlModifier}};
        for (const auto& [key, modifiers] : keys) {
            // The 4 typed before the key is still there for the 2 and Enter after it.
            type(1, "4");
            QTest::keyClick(display(1), key, modifiers);
            type(1, "2E");
            QVERIFY2(display(1)->Caption() == "42", qPrintable(QKeySequence(key | modifiers).toString()));
        }
    }

    void blackoutShowsOnlyTheBackgroundWhileTheScoresGoOn()
    {
        model().BackColor = 0x204060; // blue 0x20, green 0x40, red 0x60
        window->UpdateForm();
        QVERIFY(!showsOnly(QColor(0x60, 0x40, 0x20)));
        // Held down, the key toggles once: the window tells the keyboard's own repetitions apart.
        display(2)->setFocus();
        for (bool repeated : {false, true, true, true}) {
            QKeyEvent press(QEvent::KeyPress, Qt::Key_B, Qt::ControlModifier, QString(), repeated);
            QCoreApplication::sendEvent(window->windowHandle(), &press);
        }
        QVERIFY(showsOnly(QColor(0x60, 0x40, 0x20)));
        // Underneath, the display keeps the focus and takes its scores.
        type(2, "42E");
        QCOMPARE(QApplication::focusWidget(), display(2));
        QCOMPARE(scores(), (QStringList{"0", "42", "0"}));
        // It covers a resized window, and takes the colour of a rebuild.
        window->resize(700, 500);
        model().BackColor = 0x000000;
        window->UpdateForm();
        QVERIFY(showsOnly(Qt::black));
        QTest::keyClick(display(2), Qt::Key_B, Qt::ControlModifier);
        QVERIFY(!showsOnly(Qt::black));
    }

    // From a maximized window, as a projector's scoreboard often is, and back to it.
    void f11TogglesFullScreenAndTheRebuildFollows()
    {
        const Qt::WindowStates startState = Qt::WindowMaximized;
        window->setWindowState(startState);
        QTRY_VERIFY(window->size() != QSize(900, 600));
        const QSize before = window->size();

        QTest::keyClick(display(1), Qt::Key_F11);
        QTRY_VERIFY(window->isFullScreen());
        const QRect screen = window->screen()->geometry();
        QTRY_COMPARE(window->size(), screen.size());
        // The ordinary resize rule: 240 twips narrower than the window.
        QCOMPARE(window->drawingArea()->width(), screen.width() - 16);
        QTest::keyClick(display(1), Qt::Key_F11);
        QTRY_COMPARE(window->windowState(), startState);
        QTRY_COMPARE(window->size(), before);

        // Escape leaves full screen.
        QTest::keyClick(window->drawingArea(), Qt::Key_F11);
        QTRY_VERIFY(window->isFullScreen());
        QTest::keyClick(window->drawingArea(), Qt::Key_Escape);
        QTRY_COMPARE(window->windowState(), startState);
    }
};

QTEST_MAIN(tst_frmScoreboardKeys)
#include "tst_frmScoreboardKeys.moc"
