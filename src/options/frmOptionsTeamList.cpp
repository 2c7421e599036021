// The options window's team list: one row per team with its check mark as the team's shown flag, and
// the buttons and the name box that edit the selected team. Every edit goes straight into the model.

#include "options/frmOptions.h"

#include "app/Colours.h"
#include "app/Numbers.h"
#include "options/TeamListEditor.h"
#include "platform/Dialogs.h"
#include "platform/FrameBox.h"
#include "platform/ImageBox.h"
#include "platform/SunkenPictureBox.h"
#include "platform/TwipsPlacement.h"
#include "scoreboard/PictureCache.h"
#include "scoreboard/modGrabKeys.h"

#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>

#include <limits>

namespace brimley {
using namespace TwipsPlacement;

namespace {

const char* const PictureFilter = "Pictures (*.bmp;*.gif;*.jpg)|*.bmp;*.gif;*.jpg";

Flag checkFlag(const QListWidgetItem* item)
{
    return item->checkState() == Qt::Checked ? FlagTrue : FlagFalse;
}

} // namespace

void frmOptions::createTeamList()
{
    fraTeams = frame(centralWidget(), "fraTeams", QStringLiteral("Teams:"), 120, 4080, 9615, 2535);
    label(fraTeams, "lblOnlyChecked", QStringLiteral("Only checked teams will show on scoreboard."),
          Qt::AlignCenter, 2760, 240, 2175, 405);
    lstTeams = place(new QListWidget(fraTeams), "lstTeams", 2520, 700, 2775, 1620);
    lstTeams->setSelectionMode(QAbstractItemView::SingleSelection);
    lstTeams->setSortingEnabled(false);
    cmdAddTeam = button(fraTeams, "cmdAddTeam", QStringLiteral("Add New Team"), 360, 600, 1815, 375);
    label(fraTeams, "lblMoveSelected", QStringLiteral("Move Selected Team:"),
          Qt::AlignRight | Qt::AlignVCenter, 960, 1120, 735, 615);
    cmdMoveSelUp = button(fraTeams, "cmdMoveSelUp", QStringLiteral("/\\"), 1800, 1080, 375, 375);
    cmdMoveSelDown = button(fraTeams, "cmdMoveSelDown", QStringLiteral("\\/"), 1800, 1440, 375, 375);
    cmdRemoveSel =
        button(fraTeams, "cmdRemoveSel", QStringLiteral("Delete Selected Team"), 360, 1920, 1815, 375);
    cmdRemoveSel->setEnabled(false);

    FrameBox* fraSelctedTeam =
        frame(fraTeams, "fraSelctedTeam", QStringLiteral("Selected Team Properties"), 5520, 240, 3855, 2055);
    picTeamPic = place(new SunkenPictureBox(fraSelctedTeam), "picTeamPic", 240, 240, 1815, 1215);
    picTeamPic->setBackColor(fromQColor(palette().color(QPalette::Window)));
    imgTeamPic = place(new ImageBox(picTeamPic), "imgTeamPic", 0, 0, 975, 855);
    cmdPicNone =
        button(fraSelctedTeam, "cmdPicNone", QStringLiteral("No Team Picture"), 2280, 360, 1335, 375);
    cmdChangeTeamPic =
        button(fraSelctedTeam, "cmdChangeTeamPic", QStringLiteral("Change Picture"), 2280, 960, 1335, 375);
    label(fraSelctedTeam, "lblTeamNameCaption", QStringLiteral("Team Name:"), Qt::AlignLeft | Qt::AlignTop,
          120, 1680, 1055, 255);
    txtTeamName = place(new QLineEdit(fraSelctedTeam), "txtTeamName", 1200, 1560, 2415, 375);
    // A long name read from a file must not be cut short just by selecting its row.
    txtTeamName->setMaxLength(std::numeric_limits<int>::max());
}

QListWidgetItem* frmOptions::newRow(const Team& team) const
{
    auto* item = new QListWidgetItem(team.TeamName);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsUserCheckable);
    item->setCheckState(team.TeamShown == FlagTrue ? Qt::Checked : Qt::Unchecked);
    return item;
}

int frmOptions::selectedRow() const
{
    const QList<QListWidgetItem*> selected = lstTeams->selectedItems();
    return selected.isEmpty() ? -1 : lstTeams->row(selected.constFirst());
}

bool frmOptions::isTeamRow(int row) const
{
    return row >= 0 && row < model().Teams.size() && row < lstTeams->count();
}

void frmOptions::selectRow(int row)
{
    {
        QScopedValueRollback<bool> selecting(editingRows, true);
        if (row >= 0 && row < lstTeams->count())
            lstTeams->setCurrentRow(row);
        else
            lstTeams->clearSelection();
    }
    lstTeams_Click();
}

void frmOptions::lstTeams_Click()
{
    Settings& settings = model();
    const int row = selectedRow();
    optionsState().CurTeamSelected = saturate16(row);
    const int rowCount = lstTeams->count();
    const TeamListEditor::SelectionButtons buttons = TeamListEditor::buttonsFor(
        row, rowCount, isTeamRow(row) ? settings.Teams[row].TeamPicture : QString());

    // With no row selected there is no team for the name box and the picture buttons to act on.
    txtTeamName->setEnabled(isTeamRow(row));
    cmdChangeTeamPic->setEnabled(isTeamRow(row));
    if (isTeamRow(row)) {
        Team& team = settings.Teams[row];
        team.TeamShown = checkFlag(lstTeams->item(row));
        // A different name runs the rename handling, which writes the same name back.
        txtTeamName->setText(team.TeamName);
        cmdPicNone->setEnabled(buttons.pictureNone);
        modGrabKeys::ShowTeamPicture(imgTeamPic, picTeamPic, team.TeamPicture);
    } else {
        cmdPicNone->setEnabled(false);
    }
    cmdRemoveSel->setEnabled(buttons.removeSelected);
    cmdMoveSelUp->setEnabled(buttons.moveUp);
    cmdMoveSelDown->setEnabled(buttons.moveDown);

    // Merely selecting a row counts as a change.
    markChanged();
}

void frmOptions::lstTeams_ItemCheck(QListWidgetItem* item)
{
    if (editingRows)
        return;
    const int row = lstTeams->row(item);
    // Text changes and check marks that already match the model are the program's own doing.
    if (!isTeamRow(row) || checkFlag(item) == model().Teams[row].TeamShown)
        return;
    // The operator changed a check mark: the handling runs with that row selected, and sees the new mark.
    selectRow(row);
}

void frmOptions::cmdAddTeam_Click()
{
    if (!TeamListEditor::addTeam(model().Teams))
        return;
    {
        QScopedValueRollback<bool> adding(editingRows, true);
        lstTeams->addItem(newRow(model().Teams.constLast()));
    }
    selectRow(lstTeams->count() - 1);
    markChanged();
    // The operator names the new team next: typing replaces "Team" at once.
    txtTeamName->setFocus(Qt::OtherFocusReason);
    txtTeamName->selectAll();
}

void frmOptions::cmdRemoveSel_Click()
{
    const int row = optionsState().CurTeamSelected;
    if (isTeamRow(row) && TeamListEditor::removeTeam(model().Teams, row)) {
        QScopedValueRollback<bool> removing(editingRows, true);
        delete lstTeams->takeItem(row);
    }
    selectRow(TeamListEditor::rowAfterRemoval(row, lstTeams->count()));
    markChanged();
}

void frmOptions::MoveTeam(std::int16_t FromIndex, std::int16_t ToIndex)
{
    if (!isTeamRow(FromIndex) || !isTeamRow(ToIndex))
        return;
    // The shown flag travels with the team: the model follows every check mark as it changes.
    TeamListEditor::MoveTeam(model().Teams, FromIndex, ToIndex);
    {
        QScopedValueRollback<bool> moving(editingRows, true);
        QListWidgetItem* item = lstTeams->takeItem(FromIndex);
        lstTeams->insertItem(ToIndex, item);
    }
    selectRow(ToIndex);
}

void frmOptions::cmdMoveSelUp_Click()
{
    const std::int16_t row = optionsState().CurTeamSelected;
    MoveTeam(row, saturate16(row - 1));
    markChanged();
}

void frmOptions::cmdMoveSelDown_Click()
{
    const std::int16_t row = optionsState().CurTeamSelected;
    MoveTeam(row, saturate16(row + 1));
    markChanged();
}

void frmOptions::txtTeamName_Change(const QString& text)
{
    const int row = optionsState().CurTeamSelected;
    if (!isTeamRow(row))
        return;
    // Taken as typed: no trimming, and an empty name is a name.
    model().Teams[row].TeamName = text;
    lstTeams->item(row)->setText(text);
    markChanged();
}

void frmOptions::cmdChangeTeamPic_Click()
{
    const int row = optionsState().CurTeamSelected;
    if (!isTeamRow(row))
        return;
    const auto path = choosePicture();
    if (!path || path->isEmpty() || !QFileInfo(*path).isFile())
        return;
    if (!PictureCache::instance().ownSize(*path)) {
        Dialogs::tell(this, QStringLiteral("Change Picture"),
                      QStringLiteral("The file %1 is not a picture that can be shown.").arg(*path));
        return;
    }
    model().Teams[row].TeamPicture = *path;
    modGrabKeys::ShowTeamPicture(imgTeamPic, picTeamPic, *path);
    // "No Team Picture" follows only when the selection handling next runs.
    markChanged();
}

std::optional<QString> frmOptions::choosePicture()
{
    auto path = Dialogs::openFile(this, QLatin1String(PictureFilter), lastPicturePath, true);
    if (path && !path->isEmpty())
        lastPicturePath = *path;
    return path;
}

void frmOptions::cmdPicNone_Click()
{
    const int row = optionsState().CurTeamSelected;
    if (!isTeamRow(row))
        return;
    model().Teams[row].TeamPicture.clear();
    modGrabKeys::ShowTeamPicture(imgTeamPic, picTeamPic, QString());
    lstTeams_Click();
    markChanged();
}

} // namespace brimley
