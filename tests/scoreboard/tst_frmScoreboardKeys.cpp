// The scoreboard worked from the keyboard: which controls answer which keys, the score entry on the
// displays, the focus moving between displays, and the keys for the projector: full screen, undo and
// redo, blackout.

#include "app/Navigation.h"
#include "app/Settings.h"
#include "app/frmHelp.h"
#include "input/ShowDigits.h"
#include "led/NumberLED.h"
#include "options/frmOptions.h"
#include "platform/NumLock.h"
#include "platform/PictureBox.h"
#include "scoreboard/frmScoreboard.h"

#include <QScreen>
#include <QtTest>

using namespace brimley;
using Navigation::Testing::Window;

namespace {

class FakeKeyboard final : public NumLock::Keyboard
{
public:
    std::optional<bool> isOn() override { return on; }
    void setOn(bool value) override
    {
        on = value;
        ++changes;
    }
    bool on = false;
    int changes = 0;
};

void showTeams(int count)
{
    SetDefaults();
    model().Teams.clear();
    for (int i = 1; i <= count; ++i)
        model().Teams.append(Team{QStringLiteral("Team %1").arg(i), QString(), FlagTrue});
}

} // namespace

class tst_frmScoreboardKeys : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<frmScoreboard> window;
    QList<Window> opened;
    FakeKeyboard keyboard;

    // The control of cell 2 (or the window-wide one) a row names.
    QWidget* control(const QString& name)
    {
        if (name == "frmScoreboard")
            return window.get();
        if (name == "picDrawingArea")
            return window->picDrawingArea;
        if (name == "picTeamContainer")
            return window->picTeamContainer[2];
        if (name == "picTeam")
            return window->picTeam[2];
        if (name == "picTeamName")
            return window->picTeamName[2];
        return window->nledScore[2];
    }

    NumberLED* display(int k) { return window->nledScore[k]; }

    // Types on a display as the operator does, one key after the other: digits, "+", "-", "E" Enter,
    // "D" Delete.
    void type(int k, const QString& keys)
    {
        for (QChar key : keys) {
            if (key == u'E')
                QTest::keyClick(display(k), Qt::Key_Return);
            else if (key == u'D')
                QTest::keyClick(display(k), Qt::Key_Delete);
            else
                QTest::keyClick(display(k), key.toLatin1());
        }
    }

    QStringList scores()
    {
        QStringList result;
        for (int k = 1; k <= window->TotalObjs(); ++k)
            result << display(k)->Caption();
        return result;
    }

    void undo(QWidget* target) { QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier); }
    void redo(QWidget* target) { QTest::keyClick(target, Qt::Key_Y, Qt::ControlModifier); }

private slots:
    void init()
    {
        showTeams(3);
        ShowDigits::entryState() = ShowDigits::EntryState{};
        opened.clear();
        Navigation::Testing::interceptShowing([this](Window shown) { opened.append(shown); });
        keyboard = FakeKeyboard{};
        NumLock::Testing::replaceSystem(&keyboard);
        window = std::make_unique<frmScoreboard>();
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

    void functionKeysOpenTheirWindowWhateverHasTheFocus_data()
    {
        QTest::addColumn<QString>("controlName");
        for (const char* name :
             {"frmScoreboard", "picDrawingArea", "picTeamContainer", "picTeam", "picTeamName", "nledScore"})
            QTest::newRow(name) << QString(name);
    }
    void functionKeysOpenTheirWindowWhateverHasTheFocus()
    {
        QFETCH(QString, controlName);
        QWidget* target = control(controlName);
        QTest::keyClick(target, Qt::Key_F1);
        QTest::keyClick(target, Qt::Key_F2);
        QTest::keyClick(target, Qt::Key_F1);
        QTest::keyClick(target, Qt::Key_F3);
        // One request per key-down; key-ups and other keys ask for nothing.
        QCOMPARE(opened, (QList<Window>{Window::Help, Window::Options, Window::Help}));
    }

    void functionKeysShowOneHelpAndOneOptionsWindow()
    {
        Navigation::Testing::interceptShowing({});
        for (Qt::Key key : {Qt::Key_F1, Qt::Key_F2, Qt::Key_F1, Qt::Key_F2})
            QTest::keyClick(display(1), key);
        const auto windows = QApplication::topLevelWidgets();
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget* w) { return qobject_cast<frmHelp*>(w); }),
                 1);
        QCOMPARE(std::count_if(windows.begin(), windows.end(),
                               [](QWidget* w) { return qobject_cast<frmOptions*>(w); }),
                 1);
        QVERIFY(frmHelp::instance()->isVisible());
        QVERIFY(frmOptions::instance()->isVisible());
        // The scoreboard stays open behind them.
        QVERIFY(window->isVisible());
        delete frmHelp::instance();
        delete frmOptions::instance();
    }

    void releasingNumLockReappliesTheSettingOnCellControlsOnly_data()
    {
        QTest::addColumn<QString>("controlName");
        QTest::addColumn<bool>("reapplies");
        QTest::newRow("the window") << "frmScoreboard" << false;
        QTest::newRow("the drawing area") << "picDrawingArea" << false;
        QTest::newRow("a cell") << "picTeamContainer" << true;
        QTest::newRow("a picture square") << "picTeam" << true;
        QTest::newRow("a name strip") << "picTeamName" << true;
        QTest::newRow("a score display") << "nledScore" << true;
    }
    void releasingNumLockReappliesTheSettingOnCellControlsOnly()
    {
        QFETCH(QString, controlName);
        QFETCH(bool, reapplies);
        model().NumLockForce = NumLockKeepOn;
        QWidget* target = control(controlName);
        QTest::keyPress(target, Qt::Key_NumLock);
        QCOMPARE(keyboard.changes, 0); // the key-down does nothing
        QTest::keyRelease(target, Qt::Key_NumLock);
        QCOMPARE(keyboard.on, reapplies);
        QCOMPARE(keyboard.changes, reapplies ? 1 : 0);
    }

    void typingOnTheDisplaysChangesTheirScores()
    {
        // One entry across the displays: begun on one team's display, finished on another's.
        QTest::keyClick(display(1), Qt::Key_4);
        QTest::keyClick(display(3), Qt::Key_2, Qt::KeypadModifier);
        QCOMPARE(display(3)->Caption(), QStringLiteral("0"));
        QTest::keyClick(display(3), Qt::Key_Enter, Qt::KeypadModifier);
        QCOMPARE(display(3)->Caption(), QStringLiteral("42"));
        QCOMPARE(display(1)->Caption(), QStringLiteral("0"));
        QTest::keyClick(display(3), Qt::Key_Delete);
        QCOMPARE(display(3)->Caption(), QStringLiteral("-1"));
    }

    void theTemplatesMaximumBoundsTheEntry()
    {
        model().DigitsWide = 1;
        window->UpdateForm();
        QCOMPARE(window->nledScore[0]->Max(), 9);
        QTest::keyClick(display(1), Qt::Key_7); // a one-digit display takes the digit at once
        QCOMPARE(display(1)->Caption(), QStringLiteral("7"));
        for (Qt::Key key : {Qt::Key_Plus, Qt::Key_5, Qt::Key_Return})
            QTest::keyClick(display(1), key);
        QCOMPARE(display(1)->Caption(), QStringLiteral("7")); // 12 is above 9
    }

    void tabMovesBetweenDisplaysInCellOrder()
    {
        // Cells removed and added again still follow cell order.
        showTeams(2);
        window->UpdateForm();
        showTeams(4);
        window->UpdateForm();
        QCOMPARE(window->TotalObjs(), 4);

        display(1)->setFocus();
        QList<QWidget*> visited;
        for (int i = 0; i < 4; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget();
        }
        QCOMPARE(visited, (QList<QWidget*>{display(2), display(3), display(4), display(1)}));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
        QCOMPARE(QApplication::focusWidget(), display(4));
    }

    void clickingAControlGivesItTheFocus_data()
    {
        QTest::addColumn<QString>("controlName");
        QTest::newRow("a score display") << "nledScore";
        QTest::newRow("a name strip") << "picTeamName";
    }
    void clickingAControlGivesItTheFocus()
    {
        QFETCH(QString, controlName);
        display(1)->setFocus();
        QWidget* target = control(controlName);
        QTest::mouseClick(target, Qt::LeftButton, {}, QPoint(2, 2));
        QTRY_COMPARE(QApplication::focusWidget(), target);
    }

    void undoAndRedoWalkTheScoreChangesWhateverHasTheFocus_data()
    {
        QTest::addColumn<QString>("controlName");
        for (const char* name :
             {"frmScoreboard", "picDrawingArea", "picTeamContainer", "picTeam", "picTeamName", "nledScore"})
            QTest::newRow(name) << QString(name);
    }
    void undoAndRedoWalkTheScoreChangesWhateverHasTheFocus()
    {
        QFETCH(QString, controlName);
        // Set, add, an entry out of range (no change), subtract, clear.
        type(1, "42E");
        type(2, "+5E");
        type(3, "123E");
        type(1, "-2E");
        type(2, "D");
        QCOMPARE(scores(), (QStringList{"40", "-1", "0"}));

        QWidget* target = control(controlName);
        const QList<QStringList> back{
            {"40", "5", "0"}, {"42", "5", "0"}, {"42", "0", "0"}, {"0", "0", "0"}, {"0", "0", "0"}};
        for (const QStringList& expected : back) {
            undo(target);
            QCOMPARE(scores(), expected);
        }
        redo(target);
        QCOMPARE(scores(), (QStringList{"42", "0", "0"}));
        QTest::keyClick(target, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
        QCOMPARE(scores(), (QStringList{"42", "5", "0"}));
    }

    void undoSkipsTheChangesOfADestroyedCell()
    {
        type(1, "10E");
        type(3, "30E");
        type(3, "+1E");
        // Hiding the third team destroys cell 3; showing it again creates a new cell 3.
        model().Teams[2].TeamShown = FlagFalse;
        window->UpdateForm();
        model().Teams[2].TeamShown = FlagTrue;
        window->UpdateForm();
        QCOMPARE(scores(), (QStringList{"10", "0", "0"}));
        type(3, "7E");

        undo(window.get());
        QCOMPARE(scores(), (QStringList{"10", "0", "0"}));
        // The old cell's two changes are passed over: neither 30 nor 0 is written to the new cell.
        undo(window.get());
        QCOMPARE(scores(), (QStringList{"0", "0", "0"}));
        redo(window.get());
        redo(window.get());
        QCOMPARE(scores(), (QStringList{"10", "0", "7"}));
    }

    void theKeysForTheProjectorLeaveTheTypedEntryAlone_data()
    {
        QTest::addColumn<int>("key");
        QTest::addColumn<Qt::KeyboardModifiers>("modifiers");
        QTest::addColumn<int>("digits");
        QTest::addColumn<QString>("before");
        QTest::addColumn<QString>("rest");
        QTest::addColumn<QString>("after");
        const auto Ctrl = Qt::ControlModifier;
        const auto Shift = Qt::ShiftModifier;
        const struct
        {
            const char* name;
            Qt::Key key;
            Qt::KeyboardModifiers modifiers;
        } keys[] = {{"F11", Qt::Key_F11, {}},
                    {"Escape", Qt::Key_Escape, {}},
                    {"Ctrl+Z", Qt::Key_Z, Ctrl},
                    {"Ctrl+Y", Qt::Key_Y, Ctrl},
                    {"Ctrl+Shift+Z", Qt::Key_Z, Ctrl | Shift},
                    {"Ctrl+B", Qt::Key_B, Ctrl}};
        for (const auto& k : keys) {
            // Two digits: the 4 typed before the key is still there for the 2 and Enter after it.
            QTest::newRow(qPrintable(QString("%1, two digits").arg(k.name)))
                << int(k.key) << k.modifiers << 2 << "4"
                << "2E"
                << "42";
            // One digit: a waiting signed entry is neither applied nor lost.
            QTest::newRow(qPrintable(QString("%1, one digit").arg(k.name)))
                << int(k.key) << k.modifiers << 1 << "+2"
                << "E"
                << "2";
        }
    }
    void theKeysForTheProjectorLeaveTheTypedEntryAlone()
    {
        QFETCH(int, key);
        QFETCH(Qt::KeyboardModifiers, modifiers);
        QFETCH(int, digits);
        QFETCH(QString, before);
        QFETCH(QString, rest);
        QFETCH(QString, after);
        model().DigitsWide = static_cast<std::int16_t>(digits);
        window->UpdateForm();
        type(1, before);
        QTest::keyClick(display(1), static_cast<Qt::Key>(key), modifiers);
        QCOMPARE(ShowDigits::EntryBuffer(), before);
        type(1, rest);
        QCOMPARE(display(1)->Caption(), after);
    }

    void blackoutShowsOnlyTheBackgroundWhileTheScoresGoOn()
    {
        const auto onlyColour = [this](const QColor& colour) {
            const QImage shot = window->grab().toImage();
            for (int y = 0; y < shot.height(); ++y)
                for (int x = 0; x < shot.width(); ++x)
                    if (shot.pixelColor(x, y) != colour)
                        return false;
            return true;
        };
        model().BackColor = 0x204060; // blue 0x20, green 0x40, red 0x60
        window->UpdateForm();
        const QColor background(0x60, 0x40, 0x20);
        QVERIFY(!onlyColour(background));

        display(2)->setFocus();
        QTest::keyClick(display(2), Qt::Key_B, Qt::ControlModifier);
        QVERIFY(window->BlackedOut());
        QVERIFY(onlyColour(background));
        // Underneath, the display keeps the focus and takes its scores.
        type(2, "42E");
        QCOMPARE(QApplication::focusWidget(), display(2));
        QCOMPARE(scores(), (QStringList{"0", "42", "0"}));
        // It covers a resized window, and takes the colour of a rebuild.
        window->resize(700, 500);
        model().BackColor = 0x000000;
        window->UpdateForm();
        QVERIFY(onlyColour(Qt::black));

        QTest::keyClick(display(2), Qt::Key_B, Qt::ControlModifier);
        QVERIFY(!window->BlackedOut());
        QVERIFY(!onlyColour(Qt::black));
    }

    void holdingAToggleKeyDoesNotRepeatTheToggle()
    {
        // Key presses reach the controls through the window, which is where the keyboard's own
        // repetitions of a held key are told apart.
        display(2)->setFocus();
        const auto press = [this](bool repeated) {
            QKeyEvent event(QEvent::KeyPress, Qt::Key_B, Qt::ControlModifier, QString(), repeated);
            QCoreApplication::sendEvent(window->windowHandle(), &event);
        };
        press(false);
        QVERIFY(window->BlackedOut());
        for (int repeat = 0; repeat < 3; ++repeat) {
            press(true);
            QVERIFY(window->BlackedOut());
        }
        press(false);
        QVERIFY(!window->BlackedOut());
    }

    void f11TogglesFullScreenAndTheRebuildFollows_data()
    {
        QTest::addColumn<Qt::WindowStates>("startState");
        QTest::newRow("from a window") << Qt::WindowStates(Qt::WindowNoState);
        QTest::newRow("from a maximized window") << Qt::WindowStates(Qt::WindowMaximized);
    }
    void f11TogglesFullScreenAndTheRebuildFollows()
    {
        QFETCH(Qt::WindowStates, startState);
        const QSize normal = window->size();
        window->setWindowState(startState);
        if (startState == Qt::WindowMaximized)
            QTRY_VERIFY(window->size() != normal);
        const QSize before = window->size();

        QTest::keyClick(display(1), Qt::Key_F11);
        QTRY_VERIFY(window->isFullScreen());
        const QRect screen = window->screen()->geometry();
        QTRY_COMPARE(window->size(), screen.size());
        // The ordinary resize rule: 240 twips narrower and 700 twips lower than the window.
        QCOMPARE(window->picDrawingArea->width(), screen.width() - 16);
        QCOMPARE(window->lastGrid().cells.size(), std::size_t(3));

        QTest::keyClick(display(1), Qt::Key_F11);
        QTRY_COMPARE(window->windowState(), startState);
        QTRY_COMPARE(window->size(), before);

        // Escape leaves full screen, and does nothing to a window that is not.
        QTest::keyClick(window->picDrawingArea, Qt::Key_F11);
        QTRY_VERIFY(window->isFullScreen());
        QTest::keyClick(window->picDrawingArea, Qt::Key_Escape);
        QTRY_COMPARE(window->windowState(), startState);
        QTest::keyClick(window->picDrawingArea, Qt::Key_Escape);
        QCOMPARE(window->windowState(), startState);
    }

    void thePointerHidesOverTheFullScreenScoreboardOnlyWhileItRests()
    {
        window->setPointerRestTime(20);
        QTest::mouseMove(window.get(), QPoint(50, 50));
        QTest::keyClick(window.get(), Qt::Key_F11);
        QTRY_VERIFY(window->isFullScreen());
        QTRY_COMPARE(window->cursor().shape(), Qt::BlankCursor);

        // Moved over any control, the pointer comes back, and hides again when it rests.
        QTest::mouseMove(display(1), QPoint(5, 5));
        QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);
        QTRY_COMPARE(window->cursor().shape(), Qt::BlankCursor);

        QTest::keyClick(window.get(), Qt::Key_Escape);
        QTRY_VERIFY(!window->isFullScreen());
        QCOMPARE(window->cursor().shape(), Qt::ArrowCursor);
    }
};

QTEST_MAIN(tst_frmScoreboardKeys)
#include "tst_frmScoreboardKeys.moc"
