#include "options/frmOptions.h"

#include "app/Colours.h"
#include "app/Navigation.h"
#include "app/Numbers.h"
#include "led/NumberLED.h"
#include "options/ExportCommands.h"
#include "options/FileCommands.h"
#include "options/GameMenu.h"
#include "options/ViewMenu.h"
#include "platform/Dialogs.h"
#include "platform/FrameBox.h"
#include "platform/ImageBox.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/ProgramDirectory.h"
#include "platform/SunkenPictureBox.h"
#include "platform/TwipsPlacement.h"
#include "platform/VerticalSpinner.h"
#include "scoreboard/modGrabKeys.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
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

void frmOptions::createMenu()
{
    mnuFile = menuBar()->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    const auto item = [this](const char* name, const QString& caption, const QKeySequence& shortcut) {
        QAction* action = mnuFile->addAction(caption);
        action->setObjectName(QLatin1String(name));
        action->setShortcut(shortcut);
        return action;
    };
    const auto separator = [this](const char* name) {
        QAction* action = mnuFile->addSeparator();
        action->setObjectName(QLatin1String(name));
        return action;
    };
    mnuFileNew = item("mnuFileNew", QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    mnuFileOpen = item("mnuFileOpen", QStringLiteral("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O));
    mnuFileSave = item("mnuFileSave", QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    mnuFileSaveAs = item("mnuFileSaveAs", QStringLiteral("Save &As"), QKeySequence(Qt::CTRL | Qt::Key_A));
    separator("mnuFileSep1");
    mnuFileGoToSB =
        item("mnuFileGoToSB", QStringLiteral("Go To Scoreboard"), QKeySequence(Qt::CTRL | Qt::Key_G));
    QAction* beforeExit = separator("mnuFileSep2");
    ExportCommands::addTo(mnuFile, beforeExit, this);
    mnuFileExit = item("mnuFileExit", QStringLiteral("E&xit"), QKeySequence(Qt::CTRL | Qt::Key_X));

    mnuHelp = menuBar()->addAction(QStringLiteral("Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    ViewMenu::add(*this, mnuHelp);
    GameMenu::add(*this, mnuHelp);
}

void frmOptions::createSettingsControls()
{
    QWidget* client = centralWidget();

    FrameBox* Frame9 = frame(client, "Frame9", QStringLiteral("Numlock Options:"), 2760, 120, 2175, 1095);
    optNormal = optionButton(Frame9, "optNormal", QStringLiteral("Normal Mode"), 240, 240, 1695, 255);
    optKeepOn = optionButton(Frame9, "optKeepOn", QStringLiteral("Keep Numlock On"), 240, 480, 1695, 255);
    optKeepOff = optionButton(Frame9, "optKeepOff", QStringLiteral("Keep Numlock Off"), 240, 720, 1695, 255);

    const auto colourFrame = [client](const char* frameName, const QString& caption, int top,
                                      const char* swatchName, const char* buttonName, PictureBox*& swatchOut,
                                      QPushButton*& buttonOut) {
        FrameBox* colour = frame(client, frameName, caption, 120, top, 1335, 735);
        swatchOut = place(new SunkenPictureBox(colour), swatchName, 120, 240, 375, 375);
        buttonOut = button(colour, buttonName, QStringLiteral("Change"), 480, 240, 735, 375);
    };
    colourFrame("fraBackC", QStringLiteral("Background:"), 240, "picBackC", "cmdBackC", picBackC, cmdBackC);
    colourFrame("fraLedC", QStringLiteral("Led Color"), 1080, "picLedC", "cmdLedC", picLedC, cmdLedC);
    colourFrame("fraLedBackC", QStringLiteral("Led Backcolor:"), 1920, "picLedBackC", "cmdLedBackC",
                picLedBackC, cmdLedBackC);
    colourFrame("fraTextC", QStringLiteral("Text color:"), 2760, "picTextC", "cmdTextC", picTextC, cmdTextC);
    cmdResetColors = button(client, "cmdResetColors", QStringLiteral("Reset Colors"), 360, 3600, 1095, 375);

    FrameBox* fraImageLoc =
        frame(client, "fraImageLoc", QStringLiteral("Team Image Location:"), 5880, 240, 1815, 1455);
    otnImageNone =
        optionButton(fraImageLoc, "otnImageNone", QStringLiteral("Do not show image"), 120, 240, 1575, 375);
    otnImageLeft =
        optionButton(fraImageLoc, "otnImageLeft", QStringLiteral("Left of score"), 120, 720, 1575, 255);
    otnImageRight =
        optionButton(fraImageLoc, "otnImageRight", QStringLiteral("Right of score"), 120, 1080, 1575, 255);
    FrameBox* fraNameLoc =
        frame(client, "fraNameLoc", QStringLiteral("Team Name Location:"), 7920, 240, 1815, 1455);
    otnNameNone = optionButton(fraNameLoc, "otnNameNone", QStringLiteral("Do not show team names"), 120, 240,
                               1575, 375);
    otnNameTop = optionButton(fraNameLoc, "otnNameTop", QStringLiteral("Above score"), 120, 720, 1575, 255);
    otnNameBottom =
        optionButton(fraNameLoc, "otnNameBottom", QStringLiteral("Below score"), 120, 1080, 1575, 255);
    // The buttons a new window starts with, before it is filled from the model.
    otnNameTop->setChecked(true);
    otnImageRight->setChecked(true);

    fraLedProps = frame(client, "fraLedProps", QStringLiteral("Score Properties:"), 5880, 1800, 3855, 2175);
    const auto row = [this](int top, const char* name, const QString& caption, const QString& unit,
                            int minimum, int maximum, int initial, QLabel*& valueBox,
                            VerticalSpinner*& spinner) {
        const QString base = QLatin1String(name);
        label(fraLedProps, qPrintable(QStringLiteral("lbl%1Caption").arg(base)), caption,
              Qt::AlignRight | Qt::AlignTop, 120, top + 120, 1815, 255);
        valueBox = label(fraLedProps, qPrintable(QStringLiteral("lbl%1").arg(base)), QString::number(initial),
                         Qt::AlignCenter, 2040, top, 495, 375);
        valueBox->setFrameStyle(QFrame::Box | QFrame::Plain);
        spinner = place(new VerticalSpinner(fraLedProps), qPrintable(QStringLiteral("vs%1").arg(base)), 2520,
                        top, 255, 375);
        spinner->setSpinnerRange(minimum, maximum);
        spinner->setSpinnerValue(initial);
        label(fraLedProps, qPrintable(QStringLiteral("lbl%1Unit").arg(base)), unit,
              Qt::AlignLeft | Qt::AlignTop, 2880, top + 120, 855, 255);
    };
    row(240, "DigitsWide", QStringLiteral("Each score is"), QStringLiteral("digits wide."), 1, 4, 2,
        lblDigitsWide, vsDigitsWide);
    row(720, "HPadding", QStringLiteral("Horizontal padding"), QStringLiteral("pixels."), 0, 20, 6,
        lblHPadding, vsHPadding);
    row(1200, "VPadding", QStringLiteral("Vertical padding"), QStringLiteral("pixels."), 0, 20, 6,
        lblVPadding, vsVPadding);
    row(1680, "Spacing", QStringLiteral("Spacing between digits"), QStringLiteral("pixels."), 0, 20, 8,
        lblSpacing, vsSpacing);
}

void frmOptions::createPreview()
{
    fraPreview =
        frame(centralWidget(), "fraPreview", QStringLiteral("Team example:"), 1680, 1320, 3975, 2655);
    picPreviewArea = place(new PictureBox(fraPreview), "picPreviewArea", 120, 240, 3735, 2295);

    picPreview = place(new PictureBox(picPreviewArea), "picPreview", 720, 960, 1215, 975);
    imgPreview = place(new ImageBox(picPreview), "imgPreview", 0, 0, 600, 600);
    const QImage sample = builtInSamplePicture();
    imgPreview->setStretch(true);
    imgPreview->setPicture(sample, sample.size());
    imgPreview->setPlaceholder(sample);

    // The sample display keeps its own paddings and size; only the spinners change them.
    nledPreview = new NumberLED(picPreviewArea);
    nledPreview->setObjectName(QStringLiteral("nledPreview"));
    nledPreview->setMax(99);
    nledPreview->setPaddingH(55);
    nledPreview->setPaddingV(100);
    nledPreview->setPaddingI(120);
    nledPreview->setSize(55);
    nledPreview->setCaption(QStringLiteral("88"));
    nledPreview->move(twipsToPixels(2040), twipsToPixels(960));
    nledPreview->setFocusPolicy(Qt::NoFocus);
    nledPreview->setAttribute(Qt::WA_TransparentForMouseEvents);

    lblPreview =
        place(new QLabel(QStringLiteral("Preview Team"), picPreviewArea), "lblPreview", 600, 480, 2535, 375);
    lblPreview->setAlignment(Qt::AlignCenter);
    QFont nameFont(QStringLiteral("Arial"));
    nameFont.setBold(true);
    nameFont.setPixelSize(16); // 12 points
    lblPreview->setFont(nameFont);
    lblPreview->setAttribute(Qt::WA_TransparentForMouseEvents);
}

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

    picBackC->setBackColor(settings.BackColor);
    picLedC->setBackColor(settings.LEDColor);
    picLedBackC->setBackColor(settings.LEDBackColor);
    picTextC->setBackColor(settings.TextColor);

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

QImage frmOptions::builtInSamplePicture()
{
    // A flat ball: enough to show where the team picture goes.
    QImage picture(168, 168, QImage::Format_ARGB32_Premultiplied);
    picture.fill(Qt::transparent);
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF ball(8, 8, 152, 152);
    painter.setPen(Qt::NoPen);
    painter.setBrush(QColor(226, 110, 30));
    painter.drawEllipse(ball);

    QPainterPath inside;
    inside.addEllipse(ball);
    painter.setClipPath(inside);
    painter.setPen(QPen(QColor(40, 20, 10), 5));
    painter.setBrush(Qt::NoBrush);
    painter.drawLine(QPointF(84, 0), QPointF(84, 168));
    painter.drawLine(QPointF(0, 84), QPointF(168, 84));
    painter.drawEllipse(QPointF(-40, 84), 94, 110);
    painter.drawEllipse(QPointF(208, 84), 94, 110);
    painter.setClipping(false);
    painter.drawEllipse(ball);
    return picture;
}

// ---- Colours ----

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
    const Settings defaults;
    Settings& settings = model();
    settings.BackColor = defaults.BackColor;
    picBackC->setBackColor(settings.BackColor);
    settings.LEDColor = defaults.LEDColor;
    picLedC->setBackColor(settings.LEDColor);
    settings.LEDBackColor = defaults.LEDBackColor;
    picLedBackC->setBackColor(settings.LEDBackColor);
    settings.TextColor = defaults.TextColor;
    picTextC->setBackColor(settings.TextColor);
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
