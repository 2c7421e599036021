#include "options/TeamListEditor.h"

namespace brimley::TeamListEditor {

Team newTeam()
{
    return Team{QStringLiteral("Team"), QString(), FlagTrue};
}

bool addTeam(QVector<Team>& teams)
{
    if (teams.size() >= MaximumTeams)
        return false;
    teams.append(newTeam());
    return true;
}

bool removeTeam(QVector<Team>& teams, int index)
{
    if (teams.size() < 2 || index < 0 || index >= teams.size())
        return false;
    teams.removeAt(index);
    return true;
}

int rowAfterRemoval(int removedRow, int rowCount)
{
    return removedRow > rowCount - 1 ? rowCount - 1 : removedRow;
}

void MoveTeam(QVector<Team>& teams, int FromIndex, int ToIndex)
{
    const int count = static_cast<int>(teams.size());
    if (FromIndex < 0 || FromIndex >= count || ToIndex < 0 || ToIndex >= count)
        return;
    const Team kept = teams[FromIndex];
    if (FromIndex < ToIndex) {
        for (int i = FromIndex; i < ToIndex; ++i)
            teams[i] = teams[i + 1];
    } else {
        for (int i = FromIndex; i > ToIndex; --i)
            teams[i] = teams[i - 1];
    }
    teams[ToIndex] = kept;
}

SelectionButtons buttonsFor(int row, int rowCount, const QString& picture)
{
    SelectionButtons buttons;
    if (row < 0 || row >= rowCount)
        return buttons;
    buttons.removeSelected = rowCount >= 2;
    buttons.moveUp = row >= 1;
    buttons.moveDown = row < rowCount - 1;
    buttons.pictureNone = !picture.isEmpty();
    return buttons;
}

} // namespace brimley::TeamListEditor
