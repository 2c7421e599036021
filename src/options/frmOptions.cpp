#include "options/frmOptions.h"

#include "app/Colours.h"
#include "app/Navigation.h"
#include "app/Numbers.h"
#include "led/NumberLED.h"
#include "options/FileCommands.h"
#include "platform/Dialogs.h"
#include "platform/ImageBox.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/ProgramDirectory.h"
#include "platform/TwipsPlacement.h"
#include "platform/VerticalSpinner.h"
#include "scoreboard/modGrabKeys.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>

namespace brimley {
using namespace TwipsPlacement;

namespace {

constexpr int ClientWidth = 9870;
constexpr int ClientHeight = 7305;

float twipsOf(int pixels)
{
    return static_cast<float>(pixelsToTwips(pixels));
}

// Selects the button that stands for the value; a value no button stands for leaves them as they are.
void selectButtonFor(std::int32_t value,
                     std::initializer_list<std::pair<std::int32_t, OptionButton*>> buttons)
{
    for (const auto& [buttonValue, choice] : buttons)
        if (buttonValue == value)
            choice->setChecked(true);
}

} // namespace

frmOptions::frmOptions(QWidget* parent) : QMainWindow(parent)
{
    setObjectName(QStringLiteral("frmOptions"));
    QFont windowFont(QStringLiteral("Arial"));
    windowFont.setPixelSize(11);
    setFont(windowFont);

    auto* client = new QWidget(this);
    client->setObjectName(QStringLiteral("clientArea"));
    client->setFixedSize(twipsToPixels(ClientWidth), twipsToPixels(ClientHeight));
    setCentralWidget(client);

    createMenu();
    createSettingsControls();
    createPreview();
    createTeamList();
    cmdGoScoreboard =
        button(client, "cmdGoScoreboard", QStringLiteral("Go To Scoreboard"), 4028, 6720, 1815, 495);
    connectHandlers();
    // The window keeps the size its controls were laid out for.
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    Form_Load();
}

frmOptions::~frmOptions() = default;

void frmOptions::connectHandlers()
{
    connect(cmdBackC, &QPushButton::clicked, this, &frmOptions::cmdBackC_Click);
    connect(cmdLedC, &QPushButton::clicked, this, &frmOptions::cmdLedC_Click);
    connect(cmdLedBackC, &QPushButton::clicked, this, &frmOptions::cmdLedBackC_Click);
    connect(cmdTextC, &QPushButton::clicked, this, &frmOptions::cmdTextC_Click);
    connect(cmdResetColors, &QPushButton::clicked, this, &frmOptions::cmdResetColors_Click);

    // An option button's handler runs whenever the button becomes selected, by the operator or by code.
    const auto onSelected = [this](OptionButton* choice, void (frmOptions::*handler)()) {
        connect(choice, &QAbstractButton::toggled, this, [this, handler](bool checked) {
            if (checked)
                (this->*handler)();
        });
    };
    onSelected(optNormal, &frmOptions::optNormal_Click);
    onSelected(optKeepOn, &frmOptions::optKeepOn_Click);
    onSelected(optKeepOff, &frmOptions::optKeepOff_Click);
    onSelected(otnNameNone, &frmOptions::otnNameNone_Click);
    onSelected(otnNameTop, &frmOptions::otnNameTop_Click);
    onSelected(otnNameBottom, &frmOptions::otnNameBottom_Click);
    onSelected(otnImageNone, &frmOptions::otnImageNone_Click);
    onSelected(otnImageLeft, &frmOptions::otnImageLeft_Click);
    onSelected(otnImageRight, &frmOptions::otnImageRight_Click);

    connect(vsDigitsWide, &VerticalSpinner::Change, this, &frmOptions::vsDigitsWide_Change);
    connect(vsHPadding, &VerticalSpinner::Change, this, &frmOptions::vsHPadding_Change);
    connect(vsVPadding, &VerticalSpinner::Change, this, &frmOptions::vsVPadding_Change);
    connect(vsSpacing, &VerticalSpinner::Change, this, &frmOptions::vsSpacing_Change);

    connect(lstTeams, &QListWidget::itemSelectionChanged, this, [this] {
        if (!editingRows)
            lstTeams_Click();
    });
    connect(lstTeams, &QListWidget::itemChanged, this, &frmOptions::lstTeams_ItemCheck);
    connect(cmdAddTeam, &QPushButton::clicked, this, &frmOptions::cmdAddTeam_Click);
    connect(cmdRemoveSel, &QPushButton::clicked, this, &frmOptions::cmdRemoveSel_Click);
    connect(cmdMoveSelUp, &QPushButton::clicked, this, &frmOptions::cmdMoveSelUp_Click);
    connect(cmdMoveSelDown, &QPushButton::clicked, this, &frmOptions::cmdMoveSelDown_Click);
    connect(cmdChangeTeamPic, &QPushButton::clicked, this, &frmOptions::cmdChangeTeamPic_Click);
    connect(cmdPicNone, &QPushButton::clicked, this, &frmOptions::cmdPicNone_Click);
    connect(txtTeamName, &QLineEdit::textChanged, this, &frmOptions::txtTeamName_Change);

    connect(cmdGoScoreboard, &QPushButton::clicked, this, &frmOptions::cmdGoScoreboard_Click);
    connect(mnuFileGoToSB, &QAction::triggered, this, &frmOptions::cmdGoScoreboard_Click);
    connect(mnuFileNew, &QAction::triggered, this, &frmOptions::mnuFileNew_Click);
    connect(mnuFileOpen, &QAction::triggered, this, &frmOptions::mnuFileOpen_Click);
    connect(mnuFileSave, &QAction::triggered, this, &frmOptions::mnuFileSave_Click);
    connect(mnuFileSaveAs, &QAction::triggered, this, &frmOptions::mnuFileSaveAs_Click);
    connect(mnuFileExit, &QAction::triggered, this, &frmOptions::mnuFileExit_Click);
    connect(mnuHelp, &QAction::triggered, this, [] { Navigation::showHelp(); });
}

void frmOptions::Form_Load()
{
    VarsToOptions();
    UpdatePreview();
}

// ---- Filling the controls from the model ----

void frmOptions::VarsToOptions()
{
    const Settings& settings = model();
    setWindowTitle(FileCommands::caption(settings.CurrentFile));
    const Flag keptFileChanged = optionsState().FileChanged;
    QScopedValueRollback<bool> filling(fillingControls, true);

    // Selecting a button runs its handler, which writes the same value back.
    selectButtonFor(settings.NumLockForce,
                    {{NumLockNormal, optNormal}, {NumLockKeepOn, optKeepOn}, {NumLockKeepOff, optKeepOff}});

    showColours();

    selectButtonFor(settings.PosNameToScore,
                    {{SideNone, otnNameNone}, {SideTop, otnNameTop}, {SideBottom, otnNameBottom}});
    selectButtonFor(settings.PosImgToScore,
                    {{SideNone, otnImageNone}, {SideLeft, otnImageLeft}, {SideRight, otnImageRight}});

    fillSpinner(vsDigitsWide, &Settings::DigitsWide, lblDigitsWide, nullptr);
    fillSpinner(vsHPadding, &Settings::HPadding, lblHPadding, &NumberLED::setPaddingH);
    fillSpinner(vsVPadding, &Settings::VPadding, lblVPadding, &NumberLED::setPaddingV);
    fillSpinner(vsSpacing, &Settings::Spacing, lblSpacing, &NumberLED::setPaddingI);

    {
        QScopedValueRollback<bool> rebuilding(editingRows, true);
        lstTeams->clear();
        for (const Team& team : settings.Teams)
            lstTeams->addItem(newRow(team));
    }
    selectRow(0);

    optionsState().FileChanged = keptFileChanged;
}

void frmOptions::fillSpinner(VerticalSpinner* spinner, std::int16_t Settings::*setting, QLabel* valueBox,
                             void (NumberLED::*applyToPreview)(int))
{
    const std::int16_t value = model().*setting;
    spinner->setSpinnerValue(value);
    // A setting outside the spinner's range (from a hand-edited file) leaves the spinner at its nearest
    // end; the value box and the preview still show the setting itself, which stays as it is.
    if (spinner->Value() != value)
        showSpinnerSetting(setting, valueBox, applyToPreview);
}

// ---- The sample cell ----

void frmOptions::UpdatePreview()
{
    const Settings& settings = model();
    PreviewLayout::Input input;
    input.areaWidth = twipsOf(picPreviewArea->width());
    input.areaHeight = twipsOf(picPreviewArea->height());
    input.displayWidth = twipsOf(nledPreview->width());
    input.displayHeight = twipsOf(nledPreview->height());
    input.labelHeight = twipsOf(lblPreview->height());
    // The buttons, not the settings, decide: the two agree except while a setting no button stands for
    // is in the model, and then the preview keeps to what the buttons show.
    input.picture = otnImageLeft->isChecked() ? SideLeft : otnImageRight->isChecked() ? SideRight : SideNone;
    input.name = otnNameTop->isChecked() ? SideTop : otnNameBottom->isChecked() ? SideBottom : SideNone;
    const PreviewLayout::Placement placement = PreviewLayout::compute(input);

    nledPreview->move(twipsToPixels(placement.display.x()), twipsToPixels(placement.display.y()));
    picPreview->setGeometry(toPixels(placement.picture));
    picPreview->setVisible(placement.pictureVisible);
    if (placement.labelVisible)
        lblPreview->setGeometry(toPixels(placement.label));
    lblPreview->setVisible(placement.labelVisible);

    modGrabKeys::ShowTeamPicture(imgPreview, picPreview,
                                 ProgramDirectory::file(QStringLiteral("Basketball.gif")));

    picPreviewArea->setBackColor(settings.BackColor);
    nledPreview->setLedBackColor(settings.LEDBackColor);
    nledPreview->setLitColor(settings.LEDColor);
    picPreview->setBackColor(settings.BackColor);
    QPalette namePalette = lblPreview->palette();
    namePalette.setColor(QPalette::WindowText, toQColor(settings.TextColor));
    lblPreview->setPalette(namePalette);
}

// ---- Colours ----

void frmOptions::showColours()
{
    const Settings& settings = model();
    picBackC->setBackColor(settings.BackColor);
    picLedC->setBackColor(settings.LEDColor);
    picLedBackC->setBackColor(settings.LEDBackColor);
    picTextC->setBackColor(settings.TextColor);
}

void frmOptions::changeColour(PictureBox* swatch, Colour Settings::*setting)
{
    // A cancelled dialog keeps swatch and setting, but the preview is refreshed and the options count as
    // changed all the same.
    if (const auto chosen = Dialogs::chooseColour(this, swatch->BackColor())) {
        swatch->setBackColor(*chosen);
        model().*setting = *chosen;
    }
    UpdatePreview();
    markChanged();
}

void frmOptions::cmdResetColors_Click()
{
    const auto answer = Dialogs::ask(this, QStringLiteral("Reset all Options?"),
                                     QStringLiteral("Are you sure you want to reset all options?"),
                                     Dialogs::Buttons::YesNo, Dialogs::Icon::None);
    if (answer != Dialogs::Answer::Yes)
        return;
    // Only the colours go back to their defaults, whatever the question says.
    resetColours(model());
    showColours();
    UpdatePreview();
    markChanged();
}

// ---- NumLock mode and positions ----

void frmOptions::setNumLockForce(std::int32_t value)
{
    // Stored only: the keyboard is brought into line when the scoreboard is entered.
    model().NumLockForce = value;
    markChanged();
}

void frmOptions::setPosition(std::int32_t Settings::*setting, std::int32_t value)
{
    model().*setting = value;
    UpdatePreview();
    markChanged();
}

// ---- Score properties ----

void frmOptions::spinnerChanged(int value, std::int16_t Settings::*setting, QLabel* valueBox,
                                void (NumberLED::*applyToPreview)(int))
{
    // While the window is being filled the model is the source: the spinner only differs from it when
    // the setting lies outside the spinner's range, and then the setting must stay as it is.
    if (!fillingControls)
        model().*setting = saturate16(value);
    showSpinnerSetting(setting, valueBox, applyToPreview);
    markChanged();
}

void frmOptions::showSpinnerSetting(std::int16_t Settings::*setting, QLabel* valueBox,
                                    void (NumberLED::*applyToPreview)(int))
{
    const std::int16_t value = model().*setting;
    valueBox->setText(QString::number(value));
    // The digit count is not shown by the preview: it always has two digits.
    if (applyToPreview) {
        (nledPreview->*applyToPreview)(saturate16(std::int64_t{value} * TwipsPerPixel));
        UpdatePreview();
    }
}

// ---- The team list ----

std::optional<QString> frmOptions::chooseFileToOpen(const QString& filter)
{
    // Only existing files can be chosen: a name typed by mistake is refused by the dialog itself rather
    // than ignored without a word.
    auto path = Dialogs::openFile(this, filter, lastFilePath, true);
    if (path && !path->isEmpty())
        lastFilePath = *path;
    return path;
}

std::optional<QString> frmOptions::chooseFileToSave(const QString& filter)
{
    auto path = Dialogs::saveFile(this, filter, lastFilePath);
    if (path && !path->isEmpty())
        lastFilePath = *path;
    return path;
}

void frmOptions::showOpenFile(const QString& currentFile)
{
    setWindowTitle(FileCommands::caption(currentFile));
}

void frmOptions::showModel()
{
    Form_Load();
}

// ---- File commands, scoreboard and closing ----

void frmOptions::markChanged()
{
    optionsState().FileChanged = FlagTrue;
}

bool frmOptions::SaveFileAs(bool SaveAsPrompt)
{
    return FileCommands::SaveFileAs(*this, SaveAsPrompt);
}

void frmOptions::mnuFileNew_Click()
{
    FileCommands::New(*this);
}

void frmOptions::mnuFileOpen_Click()
{
    FileCommands::Open(*this);
}

void frmOptions::mnuFileExit_Click()
{
    // Unsaved changes are not lost without a word: the closing prompt asks first, and Cancel (or a save
    // that did not happen) stays. Then the program ends at once, without any window's close handler.
    if (FileCommands::askToSave(*this, FileCommands::SavePrompt::Closing))
        Navigation::endProgram();
}

void frmOptions::GoScoreboard()
{
    if (!FileCommands::askToSave(*this, FileCommands::SavePrompt::GoToScoreboard))
        return;
    // The NumLock mode takes effect here, as the scoreboard is entered, not when it is chosen.
    modGrabKeys::ApplyNumLockForce(model().NumLockForce);
    Navigation::showScoreboard();
    optionsState().UnloadDoNotAskToSave = FlagTrue;
    close();
}

void frmOptions::closeEvent(QCloseEvent* event)
{
    OptionsWindowState& state = optionsState();
    if (state.FileChanged == FlagTrue && state.UnloadDoNotAskToSave == FlagFalse) {
        if (!FileCommands::askToSave(*this, FileCommands::SavePrompt::Closing)) {
            event->ignore();
            return;
        }
    } else {
        state.UnloadDoNotAskToSave = FlagFalse;
    }
    event->accept();
}

} // namespace brimley
