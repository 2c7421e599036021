// The options window: its controls, preview, team list and file commands. The test answers every dialog.

#include "app/Navigation.h"
#include "options/ScoreboardFile.h"
#include "options/frmOptions.h"
#include "platform/Dialogs.h"
#include "platform/ImageBox.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/VerticalSpinner.h"
#include "scoreboard/frmScoreboard.h"

#include "support/Controls.h"
#include "support/FakeKeyboard.h"
#include "support/TestFiles.h"
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>

#include <QtTest>

using namespace brimley;
namespace Testing = brimley::Dialogs::Testing;
using Dialogs::Answer;
using ScoreboardFile::fileBytes;
using TestFiles::contentOf;

namespace {

const QString Ball = QStringLiteral(BRIMLEY_SOURCE_DIR "/resources/Basketball.gif");
const QByteArray OldContent(3000, '#'); // longer than any file a test saves

// What the dialogs showed, in order: "Question SaveFile Beep Question".
QString shownKinds()
{
    static const QStringList names{"Question", "Message", "OpenFile", "SaveFile", "Colour", "Beep"};
    QStringList kinds;
    for (const Testing::Shown& shown : Testing::shown())
        kinds << names[shown.kind];
    return kinds.join(' ');
}

// A model with the settings lines a file would hold ("DigitsWide:7\r\nSpacing:1") and the given teams.
Settings settings(const QByteArray& lines, const QVector<Team>& teams, const QString& currentFile = {})
{
    Settings s;
    ScoreboardFile::readBytes(lines + "\r\n---Team Data---\r\n", s);
    s.Teams = teams;
    s.CurrentFile = currentFile;
    return s;
}
// Two set-ups that differ from the defaults and from each other everywhere a command could lose them.
Settings quizSettings(const QString& file)
{
    return settings("Spacing:3\r\nNumLockForce:1", {{"Quiz A", {}, FlagTrue}, {"B", {}, FlagFalse}}, file);
}
Settings otherSettings(const QString& file)
{
    return settings("DigitsWide:3", {{"Other 1", {}, FlagTrue}, {"Other 2", {}, FlagFalse}}, file);
}

// The rows written as "name+" (checked) or "name-", if the model's teams read the same (shown or hidden).
QStringList rows(const QListWidget* list)
{
    QStringList rows, teams;
    for (int i = 0; i < list->count(); ++i)
        rows << list->item(i)->text() + (list->item(i)->checkState() == Qt::Checked ? "+" : "-");
    for (const Team& team : model().Teams)
        teams << team.TeamName + (team.TeamShown == FlagTrue ? "+" : "-");
    return rows == teams ? rows : rows << "but the model has" << teams;
}

} // namespace

// Rows and teams read as given, the row is selected and the options count as changed; then a fresh start.
#define VERIFY_TEAMS(selected, ...)                                                                          \
    do {                                                                                                     \
        QCOMPARE(rows(the<QListWidget>("lstTeams")), QStringList({__VA_ARGS__}));                            \
        QCOMPARE(optionsState().CurTeamSelected, selected);                                                  \
        QCOMPARE(the<QListWidget>("lstTeams")->currentRow(), selected);                                      \
        QCOMPARE(the<QLineEdit>("txtTeamName")->text(), model().Teams[selected].TeamName);                   \
        QCOMPARE(optionsState().FileChanged, FlagTrue);                                                      \
        optionsState().FileChanged = FlagFalse;                                                              \
    } while (false)

class tst_frmOptions : public QObject
{
    Q_OBJECT

private:
    frmOptions* window = nullptr;
    std::optional<QTemporaryDir> dir;
    QString quizFile;   // holds OldContent
    QString otherFile;  // holds otherSettings()
    bool ended = false; // File, Exit ended the program
    FakeKeyboard keyboard;

    bool open(const Settings& settings = Settings{}, Flag fileChanged = FlagFalse)
    {
        model() = settings;
        optionsState().FileChanged = fileChanged;
        window = frmOptions::instance();
        window->show();
        return QTest::qWaitForWindowExposed(window);
    }
    QString path(const QString& name) { return name.isEmpty() ? QString() : dir->filePath(name); }
    template <typename C = QAbstractButton> C* the(const char* name) { return control<C>(window, name); }
    void click(const char* button) { QTest::mouseClick(the(button), Qt::LeftButton); }
    void verifyTheWindowShowsTheModel()
    {
        QCOMPARE(window->windowTitle(), FileCommands::caption(model().CurrentFile));
        QVERIFY(!rows(the<QListWidget>("lstTeams")).contains("but the model has"));
    }

private slots:
    void initTestCase()
    {
        NumLock::Testing::replaceSystem(&keyboard);
        Navigation::Testing::interceptShowing([this](Navigation::Testing::Window request) {
            ended = request == Navigation::Testing::Window::EndOfProgram;
        });
    }
    void init()
    {
        ended = false;
        keyboard = FakeKeyboard{};
        Testing::enable();
        Testing::reset();
        SetDefaults();
        optionsState() = OptionsWindowState{};
        QVERIFY(dir.emplace().isValid());
        quizFile = path("quiz.brm");
        otherFile = path("other.brm");
        QVERIFY(TestFiles::write(quizFile, OldContent) &&
                TestFiles::write(otherFile, fileBytes(otherSettings({}))));
    }
    void cleanup()
    {
        delete (frmOptions::exists() ? frmOptions::instance() : nullptr);
        delete (frmScoreboard::exists() ? frmScoreboard::instance() : nullptr);
        QCOMPARE(Testing::unexpected(), 0);
    }

    void fillingTheControlsChangesNeitherModelNorFileChanged_data()
    {
        QTest::addColumn<QByteArray>("lines");
        // The option buttons selected, each spinner and its value box, the preview's paddings in twips.
        QTest::addColumn<QString>("shown");
        // clang-format off
        QTest::newRow("every setting changed")
            << QByteArray("NumLockForce:2\r\nPosNameToScore:Bottom\r\nPosImgToScore:None\r\n"
                          "DigitsWide:4\r\nHPadding:0\r\nVPadding:20\r\nSpacing:1")
            << "optKeepOff otnImageNone otnNameBottom 4/4 0/0 20/20 1/1 0 300 15";
        // A hand-edited file: the spinners go as far as they can, the value boxes and the preview show
        // the settings, which stay as they are.
        QTest::newRow("out of range")
            << QByteArray("NumLockForce:5\r\nDigitsWide:7\r\nHPadding:40\r\nVPadding:-3\r\nSpacing:32767")
            << "otnImageRight otnNameTop 4/7 20/40 0/-3 20/32767 600 -45 32767";
        // clang-format on
    }
    void fillingTheControlsChangesNeitherModelNorFileChanged()
    {
        QFETCH(QByteArray, lines);
        const Settings s = settings(lines, {{"A", {}, FlagTrue}, {"B", {}, FlagFalse}}, "/quiz/finals.brm");
        QVERIFY(open(s));
        QCOMPARE(model(), s);
        QCOMPARE(optionsState().FileChanged, FlagFalse);
        verifyTheWindowShowsTheModel();
        QStringList shown;
        for (const OptionButton* button : window->findChildren<OptionButton*>())
            if (button->isChecked())
                shown << button->objectName();
        shown.sort();
        for (const QString name : {"DigitsWide", "HPadding", "VPadding", "Spacing"})
            shown << QString::number(window->findChild<VerticalSpinner*>("vs" + name)->Value()) + "/" +
                         window->findChild<QLabel*>("lbl" + name)->text();
        const NumberLED* led = the<NumberLED>("nledPreview");
        shown << QString("%1 %2 %3").arg(led->PaddingH()).arg(led->PaddingV()).arg(led->PaddingI());
        QTEST(shown.join(' '), "shown");

        // From there the controls write their settings; a spinner moves on from its nearest end.
        VerticalSpinner* digits = the<VerticalSpinner>("vsDigitsWide");
        QTest::mouseClick(digits, Qt::LeftButton, {},
                          QPoint(digits->width() / 2, digits->height() - 4)); // down
        click("otnImageLeft");
        Testing::queueColour(0x00FF00);
        click("cmdLedC");
        QCOMPARE(model().DigitsWide, 3);
        QCOMPARE(model().PosImgToScore, SideLeft);
        QCOMPARE(model().LEDColor, 0x00FF00);
        QCOMPARE(optionsState().FileChanged, FlagTrue);
    }

    // The options window's sample area (3735 x 2295 twips) with a display of 1155 x 1020 twips and a
    // label 375 twips high. An empty rectangle: the part is hidden.
    void theSampleCellIsPlacedToTheTwip_data()
    {
        QTest::addColumn<int>("picture");
        QTest::addColumn<int>("name");
        QTest::addColumn<QPointF>("display");
        QTest::addColumn<QRectF>("pictureRect");
        QTest::addColumn<QRectF>("label");
        const QRectF above(729, 424.5, 2226, 375); // the label keeps the group's width even without a picture
        // clang-format off
        QTest::newRow("picture right, name above: the defaults")
            << int(SideRight) << int(SideTop) << QPointF(754.5, 850.5) << QRectF(1960.5, 850.5, 1020, 1020) << above;
        QTest::newRow("picture left") << int(SideLeft) << int(SideTop) << QPointF(1825.5, 850.5) << QRectF(754.5, 850.5, 1020, 1020) << above;
        QTest::newRow("name below") << int(SideRight) << int(SideBottom) << QPointF(754.5, 424.5)
                                    << QRectF(1960.5, 424.5, 1020, 1020) << QRectF(729, 1495.5, 2226, 375);
        QTest::newRow("no picture") << int(SideNone) << int(SideTop) << QPointF(1290, 850.5) << QRectF() << above;
        // Sides that do not belong to a setting count as none.
        QTest::newRow("sides of the other setting") << int(SideTop) << int(SideLeft) << QPointF(1290, 637.5) << QRectF() << QRectF();
        // clang-format on
    }
    void theSampleCellIsPlacedToTheTwip()
    {
        QFETCH(int, picture);
        QFETCH(int, name);
        QFETCH(QRectF, pictureRect);
        QFETCH(QRectF, label);
        const auto placement = PreviewLayout::compute(
            PreviewLayout::Input{3735, 2295, 1155, 1020, 375, Side(picture), Side(name)});
        QTEST(placement.display, "display");
        QCOMPARE(placement.pictureVisible ? placement.picture : QRectF(), pictureRect);
        QCOMPARE(placement.labelVisible ? placement.label : QRectF(), label);
    }

    // The default placement in pixels, both edges rounded; the sample picture fitted into its square.
    void thePreviewsTwipsBecomeWholePixelsOnBothEdges()
    {
        QVERIFY(open());
        QCOMPARE(the<NumberLED>("nledPreview")->geometry(), QRect(50, 57, 77, 68)); // 1155 x 1020 twips
        QCOMPARE(the<PictureBox>("picPreview")->geometry(), QRect(131, 57, 68, 68));
        QCOMPARE(the<QLabel>("lblPreview")->geometry(), QRect(49, 28, 148, 25));
        QCOMPARE(the<ImageBox>("imgPreview")->geometry(), QRect(0, 0, 68, 68));
    }

    void aRoundOfTeamEditsKeepsRowsAndModelInStep()
    {
        QVERIFY(open(settings("", {{"A", Ball, FlagTrue}, {"B", "/nowhere/b.gif", FlagFalse}})));
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QListWidget* list = the<QListWidget>("lstTeams");
        QLineEdit* name = the<QLineEdit>("txtTeamName");
        const auto hasPicture = [this] {
            return the<ImageBox>("imgTeamPic")->hasPicture();
        };
        QVERIFY(hasPicture());
        // Merely selecting a row counts as a change. B's picture cannot be shown; A's must not seem B's.
        list->setCurrentRow(1);
        VERIFY_TEAMS(1, "A+", "B-");
        QVERIFY(!hasPicture() && the("cmdPicNone")->isEnabled());

        click("cmdAddTeam");
        click("cmdAddTeam");
        VERIFY_TEAMS(3, "A+", "B-", "Team+", "Team+");
        // The new team's name is selected in the name box, ready to be typed over.
        QCOMPARE(QApplication::focusWidget(), name);
        QCOMPARE(name->selectedText(), "Team");
        // Renamed as typed: cut first, which leaves an empty name. Ctrl+A and Ctrl+X are menu shortcuts
        // too (Save As, Exit); in the name box they edit the name.
        QSignalSpy saveAs(the<QAction>("mnuFileSaveAs"), &QAction::triggered);
        QSignalSpy exit(the<QAction>("mnuFileExit"), &QAction::triggered);
        QTest::keyClick(name, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(name, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(saveAs.size() + exit.size(), 0);
        VERIFY_TEAMS(3, "A+", "B-", "Team+", "+");
        QTest::keyClicks(name, " Owls");
        VERIFY_TEAMS(3, "A+", "B-", "Team+", " Owls+");
        click("cmdMoveSelUp");
        click("cmdMoveSelUp");
        VERIFY_TEAMS(1, "A+", " Owls+", "B-", "Team+");

        // Unchecking a row that is not selected selects it and hides its team at once.
        list->item(3)->setCheckState(Qt::Unchecked);
        VERIFY_TEAMS(3, "A+", " Owls+", "B-", "Team-");
        // A file that is not a picture is refused with a word; a picture is taken.
        Testing::queueFile(QString(BRIMLEY_SOURCE_DIR "/CMakeLists.txt"));
        click("cmdChangeTeamPic");
        QCOMPARE(shownKinds(), "OpenFile Message");
        QCOMPARE(optionsState().FileChanged, FlagFalse);
        Testing::queueFile(Ball);
        click("cmdChangeTeamPic");
        QVERIFY(hasPicture() && !the("cmdPicNone")->isEnabled()); // until the selection handling runs again
        // The picture and the check mark travel with the team.
        click("cmdMoveSelUp");
        VERIFY_TEAMS(2, "A+", " Owls+", "Team-", "B-");
        QCOMPARE(model().Teams[2].TeamPicture, Ball);
        QVERIFY(the("cmdMoveSelUp")->isEnabled() && the("cmdMoveSelDown")->isEnabled());
        click("cmdPicNone");
        QCOMPARE(model().Teams[2].TeamPicture, QString());
        QVERIFY(!hasPicture() && !the("cmdPicNone")->isEnabled());
        VERIFY_TEAMS(2, "A+", " Owls+", "Team-", "B-");

        // Deleting a row selects the row that followed it, or the new last row when it was the last.
        click("cmdRemoveSel");
        VERIFY_TEAMS(2, "A+", " Owls+", "B-");
        click("cmdRemoveSel");
        VERIFY_TEAMS(1, "A+", " Owls+");
        list->setCurrentRow(0);
        click("cmdRemoveSel");
        VERIFY_TEAMS(0, " Owls+");
        QVERIFY(!the("cmdRemoveSel")->isEnabled());
        QVERIFY(!the("cmdMoveSelUp")->isEnabled() && !the("cmdMoveSelDown")->isEnabled());

        // With no row selected, nothing acts on a team.
        list->clearSelection();
        QCOMPARE(optionsState().CurTeamSelected, -1);
        for (const char* control : {"cmdRemoveSel", "cmdMoveSelUp", "cmdMoveSelDown", "cmdPicNone",
                                    "cmdChangeTeamPic", "txtTeamName"})
            QVERIFY2(!the<QWidget>(control)->isEnabled(), control);
        name->setText("X");
        QCOMPARE(rows(list), QStringList{" Owls+"});
        list->setFocus(); // where Ctrl+A is Save As
        Testing::queueFile(std::nullopt);
        QTest::keyClick(list, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(saveAs.size(), 1);
    }

    // Unsaved changes are asked about once: Cancel stays, No goes on without saving, Yes saves first, and
    // a save that does not happen stays as Cancel does. File, Exit then ends the program; going to the
    // scoreboard forces NumLock as the settings say (Keep On).
    void savePromptGuardsEveryCommandThatLeavesChanges_data()
    {
        QTest::addColumn<QString>("command");
        QTest::addColumn<QString>("answer");   // empty: there are no unsaved changes
        QTest::addColumn<QString>("openFile"); // empty: no file is open
        QTest::addColumn<bool>("wentOn");
        QTest::addColumn<bool>("saved");
        // clang-format off
        for (const QString command : {"New", "Open", "GoToSB", "Close", "Exit"}) {
            QTest::addRow("%s: Cancel", qPrintable(command)) << command << "Cancel" << "quiz.brm" << false << false;
            QTest::addRow("%s: No", qPrintable(command)) << command << "No" << "quiz.brm" << true << false;
        }
        QTest::newRow("Close: no changes, no question") << "Close" << "" << "quiz.brm" << true << false;
        QTest::newRow("Exit: no changes, no question") << "Exit" << "" << "quiz.brm" << true << false;
        QTest::newRow("Exit: Yes saves, then exits") << "Exit" << "Yes" << "quiz.brm" << true << true;
        QTest::newRow("New: Yes saves the open file") << "New" << "Yes" << "quiz.brm" << true << true;
        QTest::newRow("New: Yes, save dialog cancelled") << "New" << "Yes" << "" << false << false;
        QTest::newRow("New: Yes, save fails") << "New" << "Yes" << "gone/quiz.brm" << false << false;
        // clang-format on
    }
    void savePromptGuardsEveryCommandThatLeavesChanges()
    {
        QFETCH(QString, command);
        QFETCH(QString, answer);
        QFETCH(QString, openFile);
        QFETCH(bool, wentOn);
        const Settings before = quizSettings(path(openFile));
        QVERIFY(open(before, answer.isEmpty() ? FlagFalse : FlagTrue));
        if (!answer.isEmpty())
            Testing::queueAnswer(answer == "Yes"  ? Answer::Yes
                                 : answer == "No" ? Answer::No
                                                  : Answer::Cancel);
        if (answer == "Yes" && openFile.isEmpty())
            Testing::queueFile(std::nullopt);
        if (command == "Open" && wentOn)
            Testing::queueFile(otherFile);
        if (command == "Close")
            window->close();
        else // File, New; Open; Go To Scoreboard; Exit
            the<QAction>(qPrintable("mnuFile" + command))->trigger();

        QCOMPARE(shownKinds().count("Question"), answer.isEmpty() ? 0 : 1); // and only once
        QCOMPARE(shownKinds().contains("Message"), openFile.startsWith("gone/"));
        QFETCH(bool, saved);
        QCOMPARE(contentOf(quizFile), saved ? fileBytes(before) : OldContent);

        const bool replaces = wentOn && (command == "New" || command == "Open");
        const bool leaves = wentOn && !replaces, closes = leaves && command != "Exit";
        QTRY_COMPARE(frmOptions::exists(), !closes);
        QCOMPARE(ended, leaves && command == "Exit");
        QCOMPARE(model(), !replaces ? before : command == "New" ? Settings{} : otherSettings(otherFile));
        QCOMPARE(optionsState().FileChanged, !wentOn || (leaves && answer == "No") ? FlagTrue : FlagFalse);
        QCOMPARE(optionsState().UnloadDoNotAskToSave, FlagFalse);
        if (!closes)
            verifyTheWindowShowsTheModel();
        QCOMPARE(frmScoreboard::exists(), command == "GoToSB" && wentOn);
        QCOMPARE(keyboard.on, std::optional(frmScoreboard::exists()));
        if (frmScoreboard::exists()) // with the unsaved team list's one shown team
            QVERIFY(frmScoreboard::instance()->isVisible() && frmScoreboard::instance()->TotalObjs() == 1);
    }

    // Save As asks for a name, and before replacing a file. The picture chooser never starts at a
    // scoreboard file, nor a file dialog at a picture, where Return and Yes would replace the picture
    // with a scoreboard file; each offers its own kind of file.
    void saveAsAndThePictureChooserKeepTheirOwnPaths()
    {
        Settings before = quizSettings(quizFile);
        QVERIFY(open(before, FlagTrue));
        Testing::queueFile(Ball);
        click("cmdChangeTeamPic");
        before.Teams[0].TeamPicture = Ball;
        // Over another file: asked after a beep, and No writes nothing.
        Testing::queueFile(otherFile);
        Testing::queueAnswer(Answer::No);
        QVERIFY(!window->SaveFileAs(true));
        // Into a missing folder: told with the file and the reason. The open file stays the one Save
        // writes: a Save after it must not go on writing into the missing folder.
        Testing::queueFile(path("gone/new.brm"));
        QVERIFY(!window->SaveFileAs(true));
        QCOMPARE(shownKinds(), "OpenFile SaveFile Beep Question SaveFile Message");
        const QStringList told = Testing::shown().constLast().text.split('\r');
        QVERIFY2(told.size() >= 3 && told[1] == path("gone/new.brm") && !told[2].isEmpty(),
                 qPrintable(told.join('|')));
        QCOMPARE(model(), before);
        QCOMPARE(optionsState().FileChanged, FlagTrue);
        QCOMPARE(contentOf(otherFile), fileBytes(otherSettings({})));
        // A new file becomes the open one.
        Testing::queueFile(path("new.brm"));
        QVERIFY(window->SaveFileAs(true));
        QCOMPARE(contentOf(path("new.brm")), fileBytes(before));
        QCOMPARE(model().CurrentFile, path("new.brm"));
        QCOMPARE(optionsState().FileChanged, FlagFalse);
        verifyTheWindowShowsTheModel();
        QCOMPARE(contentOf(quizFile), OldContent);

        Testing::queueFile(std::nullopt);
        the<QAction>("mnuFileOpen")->trigger();
        Testing::queueFile(std::nullopt);
        click("cmdChangeTeamPic");
        QStringList dialogs;
        for (const Testing::Shown& shown : Testing::shown())
            if (shown.kind == Testing::Shown::OpenFile || shown.kind == Testing::Shown::SaveFile)
                dialogs << Dialogs::qtFilter(shown.text) + " at " + shown.startPath;
        const QString pictures = "Pictures (*.bmp;*.gif;*.jpg) (*.bmp *.gif *.jpg) at ",
                      files = "Brimley File *.brm (*.brm) at "; // opening shows it after a blank
        QCOMPARE(dialogs, (QStringList{pictures, files, files + otherFile, files + path("gone/new.brm"),
                                       ' ' + files + path("new.brm"), pictures + Ball}));
    }

    void aFileWithMoreTeamsThanTheListHoldsSaysHowManyWereLeftOut()
    {
        const QString big = path("big.brm");
        const QByteArray teams = QByteArray("T\033\0330\r\n").repeated(MaximumTeams);
        QVERIFY(
            TestFiles::write(big, "---Team Data---\r\n" + teams + QByteArray("X\033\0331\r\n").repeated(5)));
        QVERIFY(open());
        Testing::queueFile(big);
        the<QAction>("mnuFileOpen")->trigger();
        QCOMPARE(shownKinds(), "OpenFile Message");
        QVERIFY2(Testing::shown().constLast().text.contains("32767 teams were opened, and 5 were left out"),
                 qPrintable(Testing::shown().constLast().text));
        QCOMPARE(model().Teams.size(), MaximumTeams);
        QCOMPARE(model().Teams.constLast().TeamName, "T"); // the first are kept
        QCOMPARE(model().CurrentFile, big);
    }
};

QTEST_MAIN(tst_frmOptions)
#include "tst_frmOptions.moc"
