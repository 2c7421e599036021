#pragma once

// frmOptions: the operator's control panel. Every control shows one setting of the model and writes
// each change straight back into it (there is no confirming button), marking the options as changed;
// a one-cell preview follows every colour, position, padding and spacing change, and the team list is
// edited in place. The window is a single instance, created when it is shown and destroyed when it is
// closed; what must outlive it (FileChanged, CurTeamSelected, UnloadDoNotAskToSave) is kept in
// optionsState(), and the settings themselves in model().

#include "app/Settings.h"
#include "led/NumberLED.h"
#include "options/FileCommands.h"
#include "options/PreviewLayout.h"
#include "platform/SingleWindow.h"

#include <QMainWindow>
#include <optional>

class QAction;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListWidget;
class QListWidgetItem;
class QMenu;
class QPushButton;

namespace brimley {

class ImageBox;
class OptionButton;
class PictureBox;
class VerticalSpinner;

class frmOptions : public QMainWindow, public SingleWindow<frmOptions>, public FileCommandsWindow
{
    Q_OBJECT

public:
    explicit frmOptions(QWidget* parent = nullptr);
    ~frmOptions() override;

    // Copies the whole model into the controls; leaves FileChanged as it was.
    void VarsToOptions();
    // Places and colours the sample cell from the current settings and position buttons.
    void UpdatePreview();
    // After the save prompt: forces NumLock as set, shows and rebuilds the scoreboard, then closes this
    // window without asking again.
    void GoScoreboard();
    // Saves to the open file, or (with SaveAsPrompt, or with no file open) to a file chosen in the save
    // dialog. Returns whether the file was written.
    bool SaveFileAs(bool SaveAsPrompt);
    // Moves a team with its row to another row, selects it there and runs the selection handling.
    void MoveTeam(std::int16_t FromIndex, std::int16_t ToIndex);

    // What the file commands need of this window. The Open, Save and Save As dialogs start at the path
    // last chosen in any of them while the window has been open; the picture chooser remembers its own,
    // so that a save never starts at a picture (and Return would replace it) nor a picture at a
    // scoreboard file.
    QWidget* dialogParent() override { return this; }
    std::optional<QString> chooseFileToOpen(const QString& filter) override;
    std::optional<QString> chooseFileToSave(const QString& filter) override;
    void showOpenFile(const QString& currentFile) override;
    void showModel() override;

public slots:
    // The team list's selection handling: after every selection change and every check-mark change.
    void lstTeams_Click();

private slots:
    void cmdBackC_Click() { changeColour(picBackC, &Settings::BackColor); }
    void cmdLedC_Click() { changeColour(picLedC, &Settings::LEDColor); }
    void cmdLedBackC_Click() { changeColour(picLedBackC, &Settings::LEDBackColor); }
    void cmdTextC_Click() { changeColour(picTextC, &Settings::TextColor); }
    void cmdResetColors_Click();
    void optNormal_Click() { setNumLockForce(NumLockNormal); }
    void optKeepOn_Click() { setNumLockForce(NumLockKeepOn); }
    void optKeepOff_Click() { setNumLockForce(NumLockKeepOff); }
    void otnNameNone_Click() { setPosition(&Settings::PosNameToScore, SideNone); }
    void otnNameTop_Click() { setPosition(&Settings::PosNameToScore, SideTop); }
    void otnNameBottom_Click() { setPosition(&Settings::PosNameToScore, SideBottom); }
    void otnImageNone_Click() { setPosition(&Settings::PosImgToScore, SideNone); }
    void otnImageLeft_Click() { setPosition(&Settings::PosImgToScore, SideLeft); }
    void otnImageRight_Click() { setPosition(&Settings::PosImgToScore, SideRight); }
    void vsDigitsWide_Change(int Value)
    {
        spinnerChanged(Value, &Settings::DigitsWide, lblDigitsWide, nullptr);
    }
    void vsHPadding_Change(int Value)
    {
        spinnerChanged(Value, &Settings::HPadding, lblHPadding, &NumberLED::setPaddingH);
    }
    void vsVPadding_Change(int Value)
    {
        spinnerChanged(Value, &Settings::VPadding, lblVPadding, &NumberLED::setPaddingV);
    }
    void vsSpacing_Change(int Value)
    {
        spinnerChanged(Value, &Settings::Spacing, lblSpacing, &NumberLED::setPaddingI);
    }

    void lstTeams_ItemCheck(QListWidgetItem* item);
    void cmdAddTeam_Click();
    void cmdRemoveSel_Click();
    void cmdMoveSelUp_Click();
    void cmdMoveSelDown_Click();
    void cmdChangeTeamPic_Click();
    void cmdPicNone_Click();
    void txtTeamName_Change(const QString& text);

    void cmdGoScoreboard_Click() { GoScoreboard(); }
    void mnuFileNew_Click();
    void mnuFileOpen_Click();
    void mnuFileSave_Click() { SaveFileAs(false); }
    void mnuFileSaveAs_Click() { SaveFileAs(true); }
    void mnuFileExit_Click();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void createMenu();
    void createSettingsControls();
    void createPreview();
    void createTeamList();
    void connectHandlers();
    void Form_Load();

    // Every edit of the options counts as a change to be saved.
    static void markChanged();
    void changeColour(PictureBox* swatch, Colour Settings::*setting);
    // The four swatches show the model's colours.
    void showColours();
    void setNumLockForce(std::int32_t value);
    void setPosition(std::int32_t Settings::*setting, std::int32_t value);
    void spinnerChanged(int value, std::int16_t Settings::*setting, QLabel* valueBox,
                        void (NumberLED::*applyToPreview)(int));
    void fillSpinner(VerticalSpinner* spinner, std::int16_t Settings::*setting, QLabel* valueBox,
                     void (NumberLED::*applyToPreview)(int));
    void showSpinnerSetting(std::int16_t Settings::*setting, QLabel* valueBox,
                            void (NumberLED::*applyToPreview)(int));

    QListWidgetItem* newRow(const Team& team) const;
    int selectedRow() const;
    void selectRow(int row);
    bool isTeamRow(int row) const;
    std::optional<QString> choosePicture();

    // The controls; each has its control name as its object name.
    QMenu* mnuFile = nullptr;
    QAction* mnuFileNew = nullptr;
    QAction* mnuFileOpen = nullptr;
    QAction* mnuFileSave = nullptr;
    QAction* mnuFileSaveAs = nullptr;
    QAction* mnuFileGoToSB = nullptr;
    QAction* mnuFileExit = nullptr;
    QAction* mnuHelp = nullptr;

    OptionButton* optNormal = nullptr;
    OptionButton* optKeepOn = nullptr;
    OptionButton* optKeepOff = nullptr;

    PictureBox* picBackC = nullptr;
    PictureBox* picLedC = nullptr;
    PictureBox* picLedBackC = nullptr;
    PictureBox* picTextC = nullptr;
    QPushButton* cmdBackC = nullptr;
    QPushButton* cmdLedC = nullptr;
    QPushButton* cmdLedBackC = nullptr;
    QPushButton* cmdTextC = nullptr;
    QPushButton* cmdResetColors = nullptr;

    OptionButton* otnImageNone = nullptr;
    OptionButton* otnImageLeft = nullptr;
    OptionButton* otnImageRight = nullptr;
    OptionButton* otnNameNone = nullptr;
    OptionButton* otnNameTop = nullptr;
    OptionButton* otnNameBottom = nullptr;

    QGroupBox* fraLedProps = nullptr;
    QLabel* lblDigitsWide = nullptr;
    QLabel* lblHPadding = nullptr;
    QLabel* lblVPadding = nullptr;
    QLabel* lblSpacing = nullptr;
    VerticalSpinner* vsDigitsWide = nullptr;
    VerticalSpinner* vsHPadding = nullptr;
    VerticalSpinner* vsVPadding = nullptr;
    VerticalSpinner* vsSpacing = nullptr;

    QGroupBox* fraPreview = nullptr;
    PictureBox* picPreviewArea = nullptr;
    NumberLED* nledPreview = nullptr;
    PictureBox* picPreview = nullptr;
    ImageBox* imgPreview = nullptr;
    QLabel* lblPreview = nullptr;

    QGroupBox* fraTeams = nullptr;
    QListWidget* lstTeams = nullptr;
    QPushButton* cmdAddTeam = nullptr;
    QPushButton* cmdMoveSelUp = nullptr;
    QPushButton* cmdMoveSelDown = nullptr;
    QPushButton* cmdRemoveSel = nullptr;
    PictureBox* picTeamPic = nullptr;
    ImageBox* imgTeamPic = nullptr;
    QPushButton* cmdPicNone = nullptr;
    QPushButton* cmdChangeTeamPic = nullptr;
    QLineEdit* txtTeamName = nullptr;

    QPushButton* cmdGoScoreboard = nullptr;

    // True while VarsToOptions fills the controls: settings that no control can show stay untouched.
    bool fillingControls = false;
    // True while rows are rebuilt, moved or removed: the list's own signals are ignored until the
    // rows match the model again, and the selection handling then runs once.
    bool editingRows = false;
    QString lastFilePath;
    QString lastPicturePath;
};

} // namespace brimley
