#include "app/Colours.h"
#include "app/Navigation.h"
#include "app/Settings.h"
#include "led/NumberLED.h"
#include "options/frmOptions.h"
#include "platform/Dialogs.h"
#include "platform/ImageBox.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/VerticalSpinner.h"
#include "scoreboard/frmScoreboard.h"

#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QSignalSpy>
#include <QtTest>

using namespace brimley;
namespace Testing = brimley::Dialogs::Testing;

Q_DECLARE_METATYPE(brimley::Settings)

namespace {

const QString Ball = QStringLiteral(BRIMLEY_SOURCE_DIR "/resources/Basketball.gif");

Settings withTeams(const QVector<Team>& teams)
{
    Settings settings;
    settings.Teams = teams;
    return settings;
}

// Rows and teams written as "name+" (checked, shown) or "name-".
QStringList rows(const QListWidget* list)
{
    QStringList result;
    for (int i = 0; i < list->count(); ++i)
        result << list->item(i)->text() + (list->item(i)->checkState() == Qt::Checked ? "+" : "-");
    return result;
}

QStringList teams()
{
    QStringList result;
    for (const Team& team : model().Teams)
        result << team.TeamName + (team.TeamShown == FlagTrue ? "+" : "-");
    return result;
}

std::int16_t& spinnerSetting(const QString& spinner)
{
    Settings& settings = model();
    return spinner == "vsDigitsWide" ? settings.DigitsWide
           : spinner == "vsHPadding" ? settings.HPadding
           : spinner == "vsVPadding" ? settings.VPadding
                                     : settings.Spacing;
}

// A point on one of a spinner's arrows, which take its top and bottom ends.
QPoint arrowCentre(const QScrollBar* bar, bool upper)
{
    return QPoint(bar->width() / 2, upper ? 3 : bar->height() - 4);
}

QPoint checkBoxCentre(const QListWidget* list, int row)
{
    QStyleOptionViewItem option;
    option.initFrom(list->viewport());
    option.rect = list->visualItemRect(list->item(row));
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = list->item(row)->text();
    return list->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &option, list).center();
}

} // namespace

// Rows and model agree, the row is selected and the options count as changed; then a fresh start.
#define VERIFY_TEAMS(selected, ...)                                                                          \
    do {                                                                                                     \
        QCOMPARE(rows(window->lstTeams), QStringList({__VA_ARGS__}));                                        \
        QCOMPARE(teams(), QStringList({__VA_ARGS__}));                                                       \
        QCOMPARE(optionsState().CurTeamSelected, selected);                                                  \
        QCOMPARE(window->lstTeams->currentRow(), selected);                                                  \
        QCOMPARE(window->txtTeamName->text(), model().Teams[selected].TeamName);                             \
        QCOMPARE(optionsState().FileChanged, FlagTrue);                                                      \
        optionsState().FileChanged = FlagFalse;                                                              \
    } while (false)

class tst_frmOptions : public QObject
{
    Q_OBJECT

private:
    frmOptions* window = nullptr;

    bool open(const Settings& settings = Settings{}, Flag fileChanged = FlagFalse)
    {
        model() = settings;
        optionsState().FileChanged = fileChanged;
        window = frmOptions::instance();
        window->show();
        return QTest::qWaitForWindowExposed(window);
    }
    void click(QAbstractButton* button) { QTest::mouseClick(button, Qt::LeftButton); }
    void clickRow(int row, Qt::KeyboardModifiers modifiers = {})
    {
        QListWidget* list = window->lstTeams;
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers,
                          list->visualItemRect(list->item(row)).center());
    }

private slots:
    void init()
    {
        Testing::enable();
        Testing::reset();
        SetDefaults();
        optionsState() = OptionsWindowState{};
    }
    void cleanup()
    {
        if (frmOptions::exists())
            delete frmOptions::instance();
        if (frmScoreboard::exists())
            delete frmScoreboard::instance();
        QCOMPARE(Testing::unexpected(), 0);
    }

    void fillingTheControlsChangesNeitherModelNorFileChanged_data()
    {
        QTest::addColumn<Settings>("settings");
        QTest::addColumn<Flag>("fileChanged");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("buttons");
        QTest::addColumn<QString>("spinners");
        QTest::addColumn<QString>("boxes");
        QTest::addColumn<QString>("previewPaddings");

        const QString defaultButtons = "optNormal otnImageRight otnNameTop";
        // With the defaults no spinner moves, so the display keeps its own paddings.
        QTest::newRow("defaults") << Settings{} << FlagFalse << "Brimley" << defaultButtons << "2 6 6 8"
                                  << "2 6 6 8"
                                  << "55 100 120";
        Settings padded;
        padded.HPadding = 10;
        QTest::newRow("horizontal padding 10, unsaved changes")
            << padded << FlagTrue << "Brimley" << defaultButtons << "2 10 6 8"
            << "2 10 6 8"
            << "150 100 120";
        Settings changed;
        changed.CurrentFile = "/home/quiz/finals.brm";
        changed.NumLockForce = NumLockKeepOff;
        changed.PosNameToScore = SideBottom;
        changed.PosImgToScore = SideNone;
        changed.DigitsWide = 4;
        changed.HPadding = 0;
        changed.VPadding = 20;
        changed.Spacing = 1;
        QTest::newRow("every setting changed") << changed << FlagFalse << "Brimley - /home/quiz/finals.brm"
                                               << "optKeepOff otnImageNone otnNameBottom"
                                               << "4 0 20 1"
                                               << "4 0 20 1"
                                               << "0 300 15";
        // A hand-edited file: the spinners go as far as they can, the settings stay as they are.
        Settings outOfRange;
        outOfRange.NumLockForce = 5;
        outOfRange.PosNameToScore = 9;
        outOfRange.PosImgToScore = SideTop;
        outOfRange.DigitsWide = 7;
        outOfRange.HPadding = 40;
        outOfRange.VPadding = -3;
        outOfRange.Spacing = 32767;
        QTest::newRow("out of range") << outOfRange << FlagFalse << "Brimley"
                                      << "otnImageRight otnNameTop"
                                      << "4 20 0 20"
                                      << "7 40 -3 32767"
                                      << "600 -45 32767";
    }
    void fillingTheControlsChangesNeitherModelNorFileChanged()
    {
        QFETCH(Settings, settings);
        QFETCH(Flag, fileChanged);
        QVERIFY(open(settings, fileChanged));
        QCOMPARE(model(), settings);
        QCOMPARE(optionsState().FileChanged, fileChanged);
        QTEST(window->windowTitle(), "title");
        QStringList checked;
        for (const OptionButton* button : window->findChildren<OptionButton*>())
            if (button->isChecked())
                checked << button->objectName();
        checked.sort();
        QTEST(checked.join(' '), "buttons");
        QStringList spinners;
        QStringList boxes;
        for (const char* name : {"DigitsWide", "HPadding", "VPadding", "Spacing"}) {
            spinners << QString::number(window->findChild<VerticalSpinner*>(QString("vs") + name)->Value());
            boxes << window->findChild<QLabel*>(QString("lbl") + name)->text();
        }
        QTEST(spinners.join(' '), "spinners");
        QTEST(boxes.join(' '), "boxes");
        const NumberLED* display = window->nledPreview;
        QTEST(QString("%1 %2 %3").arg(display->PaddingH()).arg(display->PaddingV()).arg(display->PaddingI()),
              "previewPaddings");
        QCOMPARE(rows(window->lstTeams), teams());
    }

    void spinnersWriteTheirSettingAndPaddingToThePreview_data()
    {
        QTest::addColumn<QString>("spinner");
        QTest::addColumn<int>("start");
        QTest::addColumn<bool>("upper");
        QTest::addColumn<int>("value");
        QTest::addColumn<int>("previewTwips"); // -1: the preview stays as it was
        QTest::newRow("digits up") << "vsDigitsWide" << 2 << true << 3 << -1;
        QTest::newRow("digits up at 4") << "vsDigitsWide" << 4 << true << 4 << -1;
        QTest::newRow("digits 7 from a file, down") << "vsDigitsWide" << 7 << false << 3 << -1;
        QTest::newRow("horizontal padding up") << "vsHPadding" << 6 << true << 7 << 105;
        QTest::newRow("vertical padding down at 0") << "vsVPadding" << 0 << false << 0 << 0;
        QTest::newRow("spacing up") << "vsSpacing" << 8 << true << 9 << 135;
    }
    void spinnersWriteTheirSettingAndPaddingToThePreview()
    {
        QFETCH(QString, spinner);
        QFETCH(int, start);
        QFETCH(int, value);
        QFETCH(int, previewTwips);
        spinnerSetting(spinner) = static_cast<std::int16_t>(start);
        QVERIFY(open(model()));
        const QPointF displayBefore = window->lastPreview().display;
        auto* bar = window->findChild<VerticalSpinner*>(spinner);
        QFETCH(bool, upper);
        QTest::mouseClick(bar, Qt::LeftButton, {}, arrowCentre(bar, upper));

        QCOMPARE(spinnerSetting(spinner), value);
        QCOMPARE(optionsState().FileChanged, value == start ? FlagFalse : FlagTrue);
        QCOMPARE(window->findChild<QLabel*>("lbl" + spinner.mid(2))->text(), QString::number(value));
        const NumberLED* display = window->nledPreview;
        if (previewTwips < 0) {
            QCOMPARE(window->lastPreview().display, displayBefore);
            return;
        }
        const QMap<QString, int> paddings{{"vsHPadding", display->PaddingH()},
                                          {"vsVPadding", display->PaddingV()},
                                          {"vsSpacing", display->PaddingI()}};
        QCOMPARE(paddings[spinner], previewTwips);
        // Laid out again around the display's new size.
        QCOMPARE(window->lastPreview().label.width(),
                 display->width() * 15.0 + 1.05 * display->height() * 15.0);
    }

    void optionButtonsStoreTheirValue_data()
    {
        QTest::addColumn<QString>("button");
        QTest::addColumn<QString>("settings"); // NumLockForce PosNameToScore PosImgToScore
        QTest::addColumn<QPointF>("display");
        QTest::addColumn<bool>("pictureShown");
        QTest::addColumn<bool>("nameShown");
        QTest::newRow("picture left") << "otnImageLeft"
                                      << "0 1 3" << QPointF(1825.5, 850.5) << true << true;
        QTest::newRow("no picture") << "otnImageNone"
                                    << "0 1 0" << QPointF(1290, 850.5) << false << true;
        QTest::newRow("name below") << "otnNameBottom"
                                    << "0 2 4" << QPointF(754.5, 424.5) << true << true;
        QTest::newRow("no name") << "otnNameNone"
                                 << "0 0 4" << QPointF(754.5, 637.5) << true << false;
        QTest::newRow("keep NumLock off") << "optKeepOff"
                                          << "2 1 4" << QPointF(754.5, 850.5) << true << true;
    }
    void optionButtonsStoreTheirValue()
    {
        QVERIFY(open());
        QFETCH(QString, button);
        click(window->findChild<OptionButton*>(button));
        const Settings& s = model();
        QTEST(QString("%1 %2 %3").arg(s.NumLockForce).arg(s.PosNameToScore).arg(s.PosImgToScore), "settings");
        QCOMPARE(optionsState().FileChanged, FlagTrue);
        QTEST(window->lastPreview().display, "display");
        QTEST(window->picPreview->isVisible(), "pictureShown");
        QTEST(window->lblPreview->isVisible(), "nameShown");
    }

    void thePreviewShowsTheWorkedExample()
    {
        QVERIFY(open());
        QCOMPARE(window->nledPreview->size(), QSize(77, 68)); // 1155 x 1020 twips
        // The worked example's twips in pixels, both edges rounded.
        QCOMPARE(window->nledPreview->pos(), QPoint(50, 57));
        QCOMPARE(window->picPreview->geometry(), QRect(131, 57, 68, 68));
        QCOMPARE(window->lblPreview->geometry(), QRect(49, 28, 148, 25));
        // The sample file, fitted to the square, rather than the built-in picture.
        QCOMPARE(window->imgPreview->geometry(), QRect(0, 0, 68, 68));
        QVERIFY(window->imgPreview->picture() != frmOptions::builtInSamplePicture());
    }

    void colourPickersStartAtTheSwatchAndKeepItOnCancel_data()
    {
        QTest::addColumn<QString>("name"); // the button is cmd<name>, the swatch pic<name>
        QTest::addColumn<int>("chosen");   // -1: cancelled
        QTest::newRow("background") << "BackC" << 0x123456;
        QTest::newRow("lit segments") << "LedC" << 0x00FF00;
        QTest::newRow("display background") << "LedBackC" << 0x202020;
        QTest::newRow("text") << "TextC" << 0x00FFFF;
        QTest::newRow("text, cancelled") << "TextC" << -1;
    }
    void colourPickersStartAtTheSwatchAndKeepItOnCancel()
    {
        QVERIFY(open());
        QFETCH(QString, name);
        QFETCH(int, chosen);
        auto* swatch = window->findChild<PictureBox*>("pic" + name);
        const Colour before = swatch->BackColor();
        Testing::queueColour(chosen < 0 ? std::nullopt : std::optional<Colour>(chosen));
        click(window->findChild<QPushButton*>("cmd" + name));

        QCOMPARE(Testing::shown().constLast().initialColour, before);
        QCOMPARE(swatch->BackColor(), chosen < 0 ? before : chosen);
        const Settings& s = model();
        const QMap<QString, Colour> settings{{"BackC", s.BackColor},
                                             {"LedC", s.LEDColor},
                                             {"LedBackC", s.LEDBackColor},
                                             {"TextC", s.TextColor}};
        QCOMPARE(settings[name], swatch->BackColor());
        QCOMPARE(optionsState().FileChanged, FlagTrue);
        QCOMPARE(window->picPreviewArea->BackColor(), s.BackColor);
        QCOMPARE(window->picPreview->BackColor(), s.BackColor);
        QCOMPARE(window->nledPreview->LitColor(), s.LEDColor);
        QCOMPARE(window->nledPreview->LedBackColor(), s.LEDBackColor);
        QCOMPARE(window->lblPreview->palette().color(QPalette::WindowText), toQColor(s.TextColor));
    }

    void resetColorsAsksAndRestoresOnlyTheColours_data()
    {
        QTest::addColumn<bool>("yes");
        QTest::newRow("yes") << true;
        QTest::newRow("no") << false;
    }
    void resetColorsAsksAndRestoresOnlyTheColours()
    {
        Settings settings = withTeams({{"A", {}, FlagTrue}, {"B", {}, FlagFalse}});
        settings.BackColor = 0x123456;
        settings.LEDColor = 0x00FF00;
        settings.LEDBackColor = 0x111111;
        settings.TextColor = 0;
        settings.HPadding = 9;
        settings.PosImgToScore = SideLeft;
        settings.NumLockForce = NumLockKeepOn;
        QVERIFY(open(settings));
        QFETCH(bool, yes);
        Testing::queueAnswer(yes ? Dialogs::Answer::Yes : Dialogs::Answer::No);
        click(window->cmdResetColors);

        const Testing::Shown& question = Testing::shown().constLast();
        QCOMPARE(question.title, QStringLiteral("Reset all Options?"));
        QCOMPARE(question.text, QStringLiteral("Are you sure you want to reset all options?"));
        QCOMPARE(question.buttons, Dialogs::Buttons::YesNo);
        QCOMPARE(question.icon, Dialogs::Icon::None);
        Settings expected = settings;
        if (yes) {
            expected.BackColor = 0x404040;
            expected.LEDColor = 0x0000FF;
            expected.LEDBackColor = 0;
            expected.TextColor = 0xFFFFFF;
        }
        QCOMPARE(model(), expected);
        QCOMPARE(optionsState().FileChanged, yes ? FlagTrue : FlagFalse);
        QCOMPARE(window->picBackC->BackColor(), expected.BackColor);
        QCOMPARE(window->picTextC->BackColor(), expected.TextColor);
        QCOMPARE(window->picPreviewArea->BackColor(), expected.BackColor);
    }

    void aRoundOfTeamEditsKeepsRowsAndModelInStep()
    {
        QVERIFY(open());
        optionsState().FileChanged = FlagTrue;
        VERIFY_TEAMS(0, "Team 1+");
        QVERIFY(!window->cmdRemoveSel->isEnabled());

        for (int i = 0; i < 3; ++i)
            click(window->cmdAddTeam);
        VERIFY_TEAMS(3, "Team 1+", "Team+", "Team+", "Team+");
        QVERIFY(!window->cmdMoveSelDown->isEnabled());

        // Renamed as typed: cleared first, which leaves an empty name.
        window->txtTeamName->selectAll();
        QTest::keyClick(window->txtTeamName, Qt::Key_Delete);
        VERIFY_TEAMS(3, "Team 1+", "Team+", "Team+", "+");
        QTest::keyClicks(window->txtTeamName, " Owls");
        VERIFY_TEAMS(3, "Team 1+", "Team+", "Team+", " Owls+");

        click(window->cmdMoveSelUp);
        click(window->cmdMoveSelUp);
        VERIFY_TEAMS(1, "Team 1+", " Owls+", "Team+", "Team+");
        QVERIFY(window->cmdMoveSelUp->isEnabled() && window->cmdMoveSelDown->isEnabled());

        // Unchecking a row that is not selected selects it and hides its team at once.
        QTest::mouseClick(window->lstTeams->viewport(), Qt::LeftButton, {},
                          checkBoxCentre(window->lstTeams, 2));
        VERIFY_TEAMS(2, "Team 1+", " Owls+", "Team-", "Team+");

        Testing::queueFile(Ball);
        click(window->cmdChangeTeamPic);
        QCOMPARE(model().Teams[2].TeamPicture, Ball);
        QVERIFY(window->imgTeamPic->hasPicture());
        QVERIFY(!window->cmdPicNone->isEnabled()); // until the selection handling runs again
        VERIFY_TEAMS(2, "Team 1+", " Owls+", "Team-", "Team+");

        // The picture and the check mark travel with the team.
        click(window->cmdMoveSelDown);
        VERIFY_TEAMS(3, "Team 1+", " Owls+", "Team+", "Team-");
        QCOMPARE(model().Teams[3].TeamPicture, Ball);
        QVERIFY(window->cmdPicNone->isEnabled());

        click(window->cmdPicNone);
        QCOMPARE(model().Teams[3].TeamPicture, QString());
        QVERIFY(!window->imgTeamPic->hasPicture());
        QVERIFY(!window->cmdPicNone->isEnabled());
        VERIFY_TEAMS(3, "Team 1+", " Owls+", "Team+", "Team-");

        // Deleting the last row selects the new last row; any other, the row that followed.
        click(window->cmdRemoveSel);
        VERIFY_TEAMS(2, "Team 1+", " Owls+", "Team+");
        clickRow(0);
        click(window->cmdRemoveSel);
        VERIFY_TEAMS(0, " Owls+", "Team+");
        click(window->cmdRemoveSel);
        VERIFY_TEAMS(0, "Team+");
        QVERIFY(!window->cmdRemoveSel->isEnabled());
        QVERIFY(!window->cmdMoveSelUp->isEnabled() && !window->cmdMoveSelDown->isEnabled());
    }

    void selectingARowCountsAsAChange()
    {
        const Settings settings = withTeams({{"A", Ball, FlagTrue}, {"B", "/nowhere/b.gif", FlagFalse}});
        QVERIFY(open(settings));
        QCOMPARE(optionsState().FileChanged, FlagFalse);
        QVERIFY(window->imgTeamPic->hasPicture());
        clickRow(1);
        QCOMPARE(model(), settings);
        VERIFY_TEAMS(1, "A+", "B-");
        QVERIFY(window->cmdPicNone->isEnabled());
        // B's picture cannot be shown; A's must not seem to be B's.
        QVERIFY(!window->imgTeamPic->hasPicture());
    }

    void withNoRowSelectedNothingActsOnATeam()
    {
        QVERIFY(open(withTeams({{"A", {}, FlagTrue}, {"B", {}, FlagTrue}})));
        clickRow(0, Qt::ControlModifier);
        QCOMPARE(optionsState().CurTeamSelected, -1);
        for (const QWidget* control : std::initializer_list<const QWidget*>{
                 window->cmdRemoveSel, window->cmdMoveSelUp, window->cmdMoveSelDown, window->cmdPicNone,
                 window->cmdChangeTeamPic, window->txtTeamName})
            QVERIFY2(!control->isEnabled(), qPrintable(control->objectName()));
        window->txtTeamName->setText("X");
        QCOMPARE(teams(), (QStringList{"A+", "B+"}));
        QCOMPARE(rows(window->lstTeams), teams());
    }

    void changingThePictureNeedsAPictureFile_data()
    {
        QTest::addColumn<QString>("chosen"); // "cancel": the dialog is cancelled
        QTest::addColumn<bool>("taken");
        QTest::addColumn<bool>("toldWhy");
        QTest::newRow("cancelled") << "cancel" << false << false;
        QTest::newRow("missing file") << "/nowhere/ball.gif" << false << false;
        QTest::newRow("not a picture") << QString(BRIMLEY_SOURCE_DIR "/CMakeLists.txt") << false << true;
        QTest::newRow("picture") << Ball << true << false;
    }
    void changingThePictureNeedsAPictureFile()
    {
        QVERIFY(open());
        QFETCH(QString, chosen);
        QFETCH(bool, taken);
        Testing::queueFile(chosen == "cancel" ? std::nullopt : std::optional<QString>(chosen));
        click(window->cmdChangeTeamPic);
        QCOMPARE(Testing::shown().constFirst().text,
                 QStringLiteral("Pictures (*.bmp;*.gif;*.jpg)|*.bmp;*.gif;*.jpg"));
        QCOMPARE(model().Teams[0].TeamPicture, taken ? chosen : QString());
        QCOMPARE(optionsState().FileChanged, taken ? FlagTrue : FlagFalse);
        QCOMPARE(window->imgTeamPic->hasPicture(), taken);
        QTEST(Testing::shown().constLast().kind == Testing::Shown::Message, "toldWhy");
    }

    void fileDialogsStartAtThePathChosenLastWhileTheWindowIsOpen()
    {
        QVERIFY(open());
        Testing::queueFile(Ball);
        click(window->cmdChangeTeamPic);
        Testing::queueFile(std::nullopt);
        click(window->cmdChangeTeamPic);
        QCOMPARE(Testing::shown()[0].startPath, QString());
        QCOMPARE(Testing::shown()[1].startPath, Ball);

        Testing::queueAnswer(Dialogs::Answer::No); // the closing save prompt
        window->close();
        QTRY_VERIFY(!frmOptions::exists());
        Navigation::showOptions();
        QCOMPARE(frmOptions::instance()->dialogPath(), QString());
    }

    void theTeamNameBoxKeepsItsEditingKeys()
    {
        QVERIFY(open());
        window->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(window));
        QSignalSpy saveAs(window->mnuFileSaveAs, &QAction::triggered);
        QSignalSpy exit(window->mnuFileExit, &QAction::triggered);

        window->txtTeamName->setFocus();
        QTest::keyClick(window->txtTeamName, Qt::Key_A, Qt::ControlModifier);
        QTest::keyClick(window->txtTeamName, Qt::Key_X, Qt::ControlModifier);
        QCOMPARE(model().Teams[0].TeamName, QString()); // selected all, then cut
        QCOMPARE(saveAs.size() + exit.size(), 0);

        window->lstTeams->setFocus();
        Testing::queueFile(std::nullopt);
        QTest::keyClick(window->lstTeams, Qt::Key_A, Qt::ControlModifier);
        QCOMPARE(saveAs.size(), 1);
    }

    void closingAndReopeningKeepsTheFlagsAndRefills()
    {
        QVERIFY(open(withTeams({{"A", {}, FlagTrue}, {"B", {}, FlagTrue}})));
        clickRow(1);
        QTest::mouseClick(window->vsHPadding, Qt::LeftButton, {}, arrowCentre(window->vsHPadding, true));
        Testing::queueAnswer(Dialogs::Answer::No); // the closing save prompt
        window->close();
        QTRY_VERIFY(!frmOptions::exists());
        QCOMPARE(optionsState().FileChanged, FlagTrue);
        QCOMPARE(optionsState().CurTeamSelected, 1);

        Navigation::showOptions();
        window = frmOptions::instance();
        QCOMPARE(window->lblHPadding->text(), QStringLiteral("7"));
        QCOMPARE(window->nledPreview->PaddingH(), 105);
        QCOMPARE(optionsState().FileChanged, FlagTrue);
        QCOMPARE(optionsState().CurTeamSelected, 0);
        Navigation::showOptions();
        QCOMPARE(frmOptions::instance(), window);
    }

    void goingToTheScoreboardRebuildsItAndClosesTheWindow_data()
    {
        QTest::addColumn<bool>("byKey");
        QTest::newRow("button") << false;
        QTest::newRow("Ctrl+G") << true;
    }
    void goingToTheScoreboardRebuildsItAndClosesTheWindow()
    {
        QVERIFY(open(withTeams({{"A", {}, FlagTrue}, {"B", {}, FlagFalse}, {"C", {}, FlagTrue}}), FlagTrue));
        QFETCH(bool, byKey);
        Testing::queueAnswer(Dialogs::Answer::No); // the save prompt
        if (byKey) {
            window->activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(window));
            QTest::keyClick(window->lstTeams, Qt::Key_G, Qt::ControlModifier);
        } else {
            click(window->cmdGoScoreboard);
        }
        QTRY_VERIFY(!frmOptions::exists());
        QVERIFY(frmScoreboard::exists() && frmScoreboard::instance()->isVisible());
        QCOMPARE(frmScoreboard::instance()->TotalObjs(), 2);
        QCOMPARE(optionsState().UnloadDoNotAskToSave, FlagFalse);
        QCOMPARE(optionsState().FileChanged, FlagTrue);
    }
};

QTEST_MAIN(tst_frmOptions)
#include "tst_frmOptions.moc"
