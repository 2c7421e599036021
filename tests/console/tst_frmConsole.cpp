// The operator's console driving a scoreboard: keys typed in the console score on the selected team,
// the selection follows its team, and the board shows the audience no focus mark while the console
// is up. Which screen the audience gets is checked here too.

#include "app/Navigation.h"
#include "app/Settings.h"
#include "console/frmConsole.h"
#include "input/ShowDigits.h"
#include "led/NumberLED.h"
#include "scoreboard/AudienceScreen.h"
#include "scoreboard/Game.h"
#include "scoreboard/frmScoreboard.h"
#include "support/Controls.h"

#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QtTest>

using namespace brimley;
using Navigation::Testing::Window;

class tst_frmConsole : public QObject
{
    Q_OBJECT

private:
    std::unique_ptr<frmScoreboard> board;
    frmConsole* console = nullptr;
    QList<Window> opened;

    void press(Qt::Key key, Qt::KeyboardModifiers with = {}) { QTest::keyClick(console, key, with); }
    // Keys as the operator types them: digits and signs, "E" Enter, "D" Delete, "v" Down, "^" Up.
    void type(const QString& keys)
    {
        for (QChar key : keys)
            press(key == u'E'   ? Qt::Key_Return
                  : key == u'D' ? Qt::Key_Delete
                  : key == u'v' ? Qt::Key_Down
                  : key == u'^' ? Qt::Key_Up
                                : Qt::Key(key.unicode()));
    }
    // What the console lists, "name score" per row with the selected row marked, and what the board shows.
    QString consoleRows()
    {
        const auto* table = control<QTableWidget>(console, "tblTeams");
        QStringList rows;
        for (int row = 0; row < table->rowCount(); ++row)
            rows << QStringLiteral("%1%2 %3").arg(table->currentRow() == row ? ">" : "",
                                                  table->item(row, 0)->text(), table->item(row, 1)->text());
        return rows.join(", ");
    }
    QString boardScores()
    {
        QStringList scores;
        for (int k = 1; k <= board->TotalObjs(); ++k)
            scores << board->cells()[k].nledScore->Caption();
        return scores.join(' ');
    }
    QString entry() { return control<QLabel>(console, "lblEntry")->text(); }

private slots:
    void init()
    {
        SetDefaults();
        Game::instance().reset();
        ShowDigits::entryState() = ShowDigits::EntryState{};
        model().Teams = {Team{"Ants", {}, FlagTrue}, Team{"Bees", {}, FlagTrue}, Team{"Cats", {}, FlagTrue}};
        opened.clear();
        Navigation::Testing::interceptShowing([this](Window shown) { opened.append(shown); });
        board = std::make_unique<frmScoreboard>();
        board->resize(900, 600);
        board->show();
        board->UpdateForm();
        console = frmConsole::instance();
        console->attach(board.get());
        console->show();
        QVERIFY(QTest::qWaitForWindowExposed(console));
    }
    void cleanup()
    {
        delete (frmConsole::exists() ? frmConsole::instance() : nullptr);
        board.reset();
        Navigation::Testing::interceptShowing({});
    }

    void keysTypedInTheConsoleScoreTheSelectedTeam()
    {
        QCOMPARE(consoleRows(), ">Ants 0, Bees 0, Cats 0");
        QCOMPARE(entry(), "Keys go to Ants");
        type("4");
        QCOMPARE(entry(), "Ants: 4"); // shown as it is typed, on the board not yet
        QCOMPARE(boardScores(), "0 0 0");
        type("2EvE+5E");
        QCOMPARE(boardScores(), "42 5 0");
        QCOMPARE(consoleRows(), "Ants 42, >Bees 5, Cats 0");
        // Tab and Shift+Tab, Up and Down, round from one end to the other.
        for (Qt::Key key :
             {Qt::Key_Tab, Qt::Key_Tab, Qt::Key_Up, Qt::Key_Up, Qt::Key_Delete, Qt::Key_Backtab})
            press(key);
        press(Qt::Key_Tab, Qt::ShiftModifier);
        type("7E");
        QCOMPARE(consoleRows(), "Ants 42, Bees –, >Cats 7");
        QCOMPARE(boardScores(), "42 -1 7");
        QCOMPARE(control<QListWidget>(console, "lstChanges")->item(0)->text(), "Cats: 0 → 7");
        QCOMPARE(control<QListWidget>(console, "lstChanges")->item(1)->text(), "Bees: 5 → –");

        // The board's own keys: undo and redo, blackout, help and options.
        press(Qt::Key_Z, Qt::ControlModifier);
        press(Qt::Key_Z, Qt::ControlModifier);
        press(Qt::Key_Y, Qt::ControlModifier);
        QCOMPARE(boardScores(), "42 -1 0");
        press(Qt::Key_B, Qt::ControlModifier);
        QVERIFY(board->isBlackedOut());
        QVERIFY(control<QLabel>(console, "lblStatus")->text().contains("Blackout on"));
        control<QPushButton>(console, "cmdBlackout")->click();
        QVERIFY(!board->isBlackedOut());
        press(Qt::Key_F1);
        press(Qt::Key_F2);
        QCOMPARE(opened, (QList<Window>{Window::Help, Window::Options}));

        // The selection stays with its team when the board is rebuilt; a team that leaves the board gives
        // the selection to the team in its place.
        type("^");
        model().Teams[0].TeamShown = FlagFalse;
        board->UpdateForm();
        QCOMPARE(consoleRows(), ">Bees –, Cats 0");
        model().Teams[1].TeamShown = FlagFalse;
        board->UpdateForm();
        QCOMPARE(consoleRows(), ">Cats 0");
    }

    void theAudienceSeesNoFocusMarkNorPointerWhileTheConsoleIsUp()
    {
        const auto marks = [this] {
            int shown = 0;
            for (const Cell& cell : board->cells())
                shown += cell.nledScore->ShowsFocus();
            return shown;
        };
        QCOMPARE(marks(), 0);
        QCOMPARE(board->cursor().shape(), Qt::BlankCursor);
        QTRY_VERIFY(!control<QLabel>(console, "picThumbnail")->pixmap().isNull()); // what the audience sees
        console->close();
        QCOMPARE(marks(), 4); // the template too
        QVERIFY(board->cursor().shape() != Qt::BlankCursor);

        // Closing the scoreboard closes the console.
        console = frmConsole::instance();
        console->attach(board.get());
        console->show();
        board.reset();
        QTRY_VERIFY(!frmConsole::exists());
    }

    void theAudienceScreenIsTheLargestOtherUnlessOneIsChosen_data()
    {
        QTest::addColumn<QList<QRect>>("screens"); // named "0", "1", ...
        QTest::addColumn<int>("operatorScreen");
        QTest::addColumn<QString>("chosen");
        QTest::addColumn<int>("audience");
        const QRect laptop(0, 0, 1280, 800), projector(1280, 0, 1920, 1080), monitor(3200, 0, 1920, 1080);
        QTest::newRow("one screen") << QList<QRect>{laptop} << 0 << "" << -1;
        QTest::newRow("one screen, chosen") << QList<QRect>{laptop} << 0 << "0" << 0;
        QTest::newRow("two screens") << QList<QRect>{laptop, projector} << 0 << "" << 1;
        QTest::newRow("operator on the larger") << QList<QRect>{laptop, projector} << 1 << "" << 0;
        QTest::newRow("the operator's own, chosen") << QList<QRect>{laptop, projector} << 0 << "0" << 0;
        QTest::newRow("a screen no longer there") << QList<QRect>{laptop, projector} << 0 << "7" << 1;
        QTest::newRow("equal screens: the first") << QList<QRect>{laptop, projector, monitor} << 0 << "" << 1;
        QTest::newRow("operator unknown") << QList<QRect>{laptop, projector} << -1 << "" << 1;
    }
    void theAudienceScreenIsTheLargestOtherUnlessOneIsChosen()
    {
        QFETCH(QList<QRect>, screens);
        QFETCH(int, operatorScreen);
        QFETCH(QString, chosen);
        std::vector<AudienceScreen::ScreenArea> areas;
        for (const QRect& screen : screens)
            areas.push_back({QString::number(areas.size()), screen});
        QTEST(AudienceScreen::choose(areas, operatorScreen, chosen), "audience");
    }
};

QTEST_MAIN(tst_frmConsole)
#include "tst_frmConsole.moc"
