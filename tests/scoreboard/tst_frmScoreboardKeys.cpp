// The scoreboard worked from the keyboard: which controls answer which keys, the score entry on the
// displays, and the focus moving between displays.

#include "app/Navigation.h"
#include "app/Settings.h"
#include "app/frmHelp.h"
#include "input/ShowDigits.h"
#include "led/NumberLED.h"
#include "options/frmOptions.h"
#include "platform/NumLock.h"
#include "platform/PictureBox.h"
#include "scoreboard/frmScoreboard.h"

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
};

QTEST_MAIN(tst_frmScoreboardKeys)
#include "tst_frmScoreboardKeys.moc"
