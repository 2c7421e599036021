// The scoreboard window: its cells follow the teams, with their scores, pictures and names, and its
// layout follows the window. Worked from the keyboard: which controls answer which keys, the score
// entry on the displays, undo and redo, the standings, and the keys for the projector.

#include "app/Navigation.h"
#include "app/Settings.h"
#include "input/ShowDigits.h"
#include "led/NumberLED.h"
#include "platform/Dialogs.h"
#include "platform/ImageBox.h"
#include "platform/PictureBox.h"
#include "scoreboard/Game.h"
#include "scoreboard/frmScoreboard.h"
#include "scoreboard/modGrabKeys.h"
#include "support/FakeKeyboard.h"

#include <QLabel>
#include <QPainter>
#include <QScreen>
#include <QtTest>

using namespace brimley;
using Navigation::Testing::Window;

class tst_frmScoreboard : public QObject
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
    // "name:score" of every cell.
    QStringList cells()
    {
        QStringList result;
        for (int k = 1; k <= window->TotalObjs(); ++k)
            result << window->cells()[k].lblTeamName->text() + ":" + display(k)->Caption();
        return result;
    }
    void useTeams(const QStringList& shownTeams)
    {
        model().Teams.clear();
        for (const QString& name : shownTeams)
            model().Teams.append(Team{name, QString(), FlagTrue});
        window->UpdateForm();
    }
    bool showsOnly(const QColor& colour, bool besidesTheDisplays = false)
    {
        QImage shot = window->grab().toImage().convertToFormat(QImage::Format_RGB32);
        for (const Cell& cell : window->cells().mid(besidesTheDisplays ? 1 : window->cells().size()))
            QPainter(&shot).fillRect(
                QRect(cell.nledScore->mapTo(window.get(), QPoint()), cell.nledScore->size()), colour);
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
        useTeams({"A", "B", "C"});
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

    // The cells follow the shown teams, and each team's score follows it into whichever cell shows it.
    void scoresFollowTheirTeams()
    {
        const auto displays = [this] {
            QList<NumberLED*> result;
            for (const Cell& cell : window->cells())
                result << cell.nledScore;
            return result;
        };
        const auto before = displays();
        for (int k = 1; k <= 3; ++k)
            display(k)->setCaption(QString::number(k + 4));
        window->UpdateForm(); // nothing changed: every control is kept
        QCOMPARE(displays(), before);
        QCOMPARE(cells(), (QStringList{"A:0", "B:0", "C:0"})); // set on the display, no team's score

        for (int k = 1; k <= 3; ++k)
            type(k, QString::number(k + 4) + "E");
        QCOMPARE(cells(), (QStringList{"A:5", "B:6", "C:7"}));

        QVector<Team>& teams = model().Teams;
        teams[1].TeamName = "Bees";
        teams.move(2, 0);
        window->UpdateForm();
        QCOMPARE(cells(), (QStringList{"C:7", "A:5", "Bees:6"}));
        // A new team starts at 0, wherever it is added; a team read afresh is a new team.
        teams.insert(1, Team{"New", {}, FlagTrue});
        teams.removeLast();
        window->UpdateForm();
        QCOMPARE(cells(), (QStringList{"C:7", "New:0", "A:5"}));
        teams[0] = Team{"C", {}, FlagTrue};
        window->UpdateForm();
        QCOMPARE(cells(), (QStringList{"C:0", "New:0", "A:5"}));
        display(1)->setFocus(); // Tab goes in cell order, through cells made and reused
        for (int k : {2, 3, 1}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), display(k));
        }

        model().Teams = {Team{"A", {}, FlagFalse}};
        window->UpdateForm();
        QCOMPARE(window->cells().size(), 1); // the hidden template only
    }

    // A cell is reused for another team when teams are hidden: a team whose picture cannot be shown gets
    // the badge a new cell shows, never the picture of the team the cell showed before.
    // (Which files cannot be shown is tst_modCenterObjects' matter; here B's is missing.)
    void aPictureThatCannotBeShownGivesTheBadge()
    {
        QTemporaryDir folder;
        QImage wide(400, 200, QImage::Format_RGB32);
        wide.fill(Qt::green);
        QVERIFY(wide.save(folder.filePath("a.png")));
        const QString broken = folder.filePath("b.gif");
        const auto showsTheBadge = [this](int k) { // filling its square
            const Cell& cell = window->cells()[k];
            return cell.imgTeam->picture() == window->cells()[0].imgTeam->placeholder() &&
                   cell.imgTeam->geometry() == cell.picTeam->rect();
        };
        model().Teams = {Team{"A", folder.filePath("a.png"), FlagTrue}, Team{"B", broken, FlagTrue}};
        window->UpdateForm();
        QVERIFY(showsTheBadge(2));
        QCOMPARE(window->cells()[1].imgTeam->picture().pixelColor(0, 0), QColor(Qt::green));
        model().Teams[0].TeamShown = FlagFalse;
        window->UpdateForm();
        QVERIFY(showsTheBadge(1));

        // Without a placeholder the image shows nothing, and keeps to its frame: it does not take the
        // own size of the picture it showed before.
        PictureBox frame;
        frame.resize(100, 50);
        ImageBox image(&frame);
        modGrabKeys::ShowTeamPicture(&image, &frame, folder.filePath("a.png"));
        QCOMPARE(image.geometry(), QRect(0, 0, 100, 50));
        modGrabKeys::ShowTeamPicture(&image, &frame, broken);
        QVERIFY(!image.hasPicture() && frame.rect().contains(image.geometry()));
    }

    // Names are plain text. A name that fits keeps the layout's size; a longer one shrinks to fit, down
    // to half that size, and only then loses its end to "…".
    void namesArePlainTextFittedIntoTheirStrip()
    {
        useTeams({"Foxes", "A<br>B", "<b>x</b>", "The Quizzly Bears", QString(60, u'W')});
        const auto name = [this](int k) {
            return window->cells()[k].lblTeamName;
        };
        const int layoutSize = name(1)->font().pixelSize();
        for (int k = 1; k <= 5; ++k) { // as drawn: one line, within its strip
            const QSize drawn = name(k)->sizeHint();
            QVERIFY2(drawn.width() <= window->cells()[k].picTeamName->width() + 1,
                     qPrintable(name(k)->text()));
            QVERIFY(drawn.height() < 2 * QFontMetrics(name(k)->font()).height());
        }
        QCOMPARE(name(2)->text(), "A<br>B");
        QVERIFY(name(3)->sizeHint().width() > QFontMetrics(name(3)->font()).horizontalAdvance("xxxxxx"));
        QCOMPARE(name(4)->text(), "The Quizzly Bears");
        QVERIFY(name(4)->font().pixelSize() < layoutSize && name(4)->font().pixelSize() >= layoutSize / 2);
        QCOMPARE(name(5)->font().pixelSize(), (layoutSize + 1) / 2);
        QVERIFY(name(5)->text().endsWith(u'…'));
        // Grown, the board gives the long name room for more of its size.
        window->resize(1600, 1000);
        QVERIFY(name(1)->font().pixelSize() > layoutSize);
        QCOMPARE(name(4)->text(), "The Quizzly Bears");
    }

    // The area is laid out against the window's outer size, frame included, and the cells where the
    // grid puts them. A window too small to lay out, or minimized, keeps its cells until restored.
    void theLayoutFollowsTheWindowUnlessTinyOrMinimized()
    {
        const QRect area = window->drawingArea()->geometry();
        const QSize outer = window->frameGeometry().size();
        QCOMPARE(area, QRect(8, 15, outer.width() - 16, qRound(outer.height() - 700.0 / 15)));
        for (int m = 1; m <= 3; ++m) {
            const CellRect& cell = window->lastGrid().cells[std::size_t(m - 1)];
            const QRect placed = window->cells()[m].picTeamContainer->geometry();
            QVERIFY(qAbs(placed.left() - cell.Left / 15.0) <= 0.5 &&
                    qAbs(placed.top() - cell.Top / 15.0) <= 0.5);
        }

        type(1, "9E");
        const QRect before = window->cells()[1].picTeamContainer->geometry();
        window->resize(10, 10);
        QCOMPARE(window->drawingArea()->height(), 0);
        window->resize(900, 600);
        QCOMPARE(window->cells()[1].picTeamContainer->geometry(), before);
        window->showMinimized();
        QTRY_VERIFY(window->isMinimized());
        model().Teams.append(Team{"Later", {}, FlagTrue});
        window->resize(700, 500);
        QCOMPARE(window->cells()[1].picTeamContainer->geometry(), before);
        QCOMPARE(cells(), (QStringList{"A:9", "B:0", "C:0"}));
        window->showNormal();
        QTRY_COMPARE(cells(), (QStringList{"A:9", "B:0", "C:0", "Later:0"}));
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

        // The keys for the projector leave the typed entry alone: the 4 before them is still there for
        // the 2 and Enter after them.
        type(1, "4");
        for (const char* key : {"F11", "Esc", "Ctrl+Z", "Ctrl+Shift+Z", "Ctrl+B"})
            QTest::keySequence(target, QKeySequence(key));
        type(1, "2E");
        QCOMPARE(scores(), (QStringList{"42", "0", "5"}));
    }

    // One entry may be begun on one display and ended on another. Undo and redo walk back and forth
    // across the teams, reach a hidden team, and pass over the changes of a deleted one; a change that
    // changes nothing is no step, and a new change ends what could be redone.
    void undoAndRedoFollowTheTeamsAcrossTheDisplays()
    {
        QTest::keyClick(display(1), Qt::Key_4);
        QTest::keyClick(display(3), Qt::Key_2, Qt::KeypadModifier);
        QTest::keyClick(display(3), Qt::Key_Enter, Qt::KeypadModifier);
        type(2, "+5E");
        type(1, "10E");
        type(1, "+0E");
        type(3, "D");
        QCOMPARE(scores(), (QStringList{"10", "5", "-1"}));
        QVector<Team>& teams = model().Teams;
        teams[0].TeamShown = FlagFalse;
        window->UpdateForm();
        ctrl(Qt::Key_Z);
        ctrl(Qt::Key_Z); // the hidden team's
        QCOMPARE(scores(), (QStringList{"5", "42"}));
        teams[0].TeamShown = FlagTrue;
        teams.remove(1);
        window->UpdateForm();
        QCOMPARE(scores(), (QStringList{"0", "42"}));
        ctrl(Qt::Key_Z); // the deleted team's 5 is passed over
        QCOMPARE(scores(), (QStringList{"0", "0"}));
        ctrl(Qt::Key_Y);
        ctrl(Qt::Key_Y);
        QCOMPARE(scores(), (QStringList{"10", "42"}));
        ctrl(Qt::Key_Z);
        type(2, "7E");
        ctrl(Qt::Key_Y);
        QCOMPARE(scores(), (QStringList{"0", "7"}));
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
        useTeams({"A", "B", "C", "D"});
        for (int k = 1; k <= 4; ++k)
            type(k, QStringList{"5E", "9E", "5E", "D"}[k - 1]);
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
        QCOMPARE(standings(), "1 B 9, 2 A 5, 2 C 5, -1 D -1");
        type(1, "7E");
        ctrl(Qt::Key_Z);
        QCOMPARE(scores(), (QStringList{"5", "9", "5", "-1"}));

        QTest::keyClick(display(1), Qt::Key_F5, Qt::ShiftModifier);
        QCOMPARE(standings(), "");
        for (Qt::Key key : {Qt::Key_Space, Qt::Key_Right, Qt::Key_Left})
            QTest::keyClick(display(1), key);
        QCOMPARE(standings(), "-1 D -1");
        for (int i = 0; i < 5; ++i) // no further than the winner
            QTest::keyClick(display(1), Qt::Key_Space);
        QCOMPARE(standings(), "1 B 9, 2 A 5, 2 C 5, -1 D -1");

        QTest::keyClick(display(1), Qt::Key_Escape);
        QVERIFY(!window->isShowingStandings());
        type(1, "7E");
        QCOMPARE(scores(), (QStringList{"7", "9", "5", "-1"}));
    }

    void blackoutShowsOnlyTheBackgroundWhileTheScoresGoOn()
    {
        model().BackColor = 0x204060;                              // blue 0x20, green 0x40, red 0x60
        model().PosNameToScore = model().PosImgToScore = SideNone; // cells of a display alone
        window->UpdateForm();
        QVERIFY(!showsOnly(QColor(0x60, 0x40, 0x20)) && showsOnly(QColor(0x60, 0x40, 0x20), true));
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
        window->setWindowState(Qt::WindowMaximized);
        QTRY_VERIFY(window->size() != QSize(900, 600));
        const QSize before = window->size();

        QTest::keyClick(display(1), Qt::Key_F11);
        QTRY_VERIFY(window->isFullScreen());
        const QRect screen = window->screen()->geometry();
        QTRY_COMPARE(window->size(), screen.size());
        // The ordinary resize rule: 240 twips narrower than the window.
        QCOMPARE(window->drawingArea()->width(), screen.width() - 16);
        QTest::keyClick(display(1), Qt::Key_F11);
        QTRY_COMPARE(window->windowState(), Qt::WindowMaximized);
        QTRY_COMPARE(window->size(), before);

        // Escape leaves full screen.
        QTest::keyClick(window->drawingArea(), Qt::Key_F11);
        QTRY_VERIFY(window->isFullScreen());
        QTest::keyClick(window->drawingArea(), Qt::Key_Escape);
        QTRY_COMPARE(window->windowState(), Qt::WindowMaximized);
    }
};

QTEST_MAIN(tst_frmScoreboard)
#include "tst_frmScoreboard.moc"
