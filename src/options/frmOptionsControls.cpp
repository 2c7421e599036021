// Where the options window's controls sit: the menu, the settings controls and the sample cell, each
// at its place in twips, with the captions the operator reads. The handlers are in frmOptions.cpp.

#include "options/frmOptions.h"

#include "app/Numbers.h"
#include "led/NumberLED.h"
#include "options/ExportCommands.h"
#include "options/GameMenu.h"
#include "options/SamplePicture.h"
#include "options/ViewMenu.h"
#include "platform/FrameBox.h"
#include "platform/ImageBox.h"
#include "platform/OptionButton.h"
#include "platform/PictureBox.h"
#include "platform/SunkenPictureBox.h"
#include "platform/TwipsPlacement.h"
#include "platform/VerticalSpinner.h"

#include <QLabel>
#include <QMenuBar>
#include <QPushButton>

namespace brimley {
using namespace TwipsPlacement;

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
    const QImage sample = SamplePicture::builtIn();
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

} // namespace brimley
