#include "console/ConsoleModel.h"

#include "input/ShowDigits.h"
#include "scoreboard/Game.h"

#include <algorithm>

namespace brimley {

void ConsoleModel::setCells(const QVector<TeamId>& teams)
{
    const int wasAt = selectedCell();
    cells = teams;
    if (cells.contains(selected))
        return;
    selected = 0;
    if (!cells.isEmpty())
        selectCell(std::clamp(wasAt, 1, static_cast<int>(cells.size())));
}

QList<ConsoleModel::Row> ConsoleModel::rows() const
{
    QList<Row> result;
    result.reserve(cells.size());
    for (const TeamId team : cells) {
        const Team* listed = findTeam(model().Teams, team);
        result.append(
            Row{team, listed ? listed->TeamName : QString(), shownScore(Game::instance().scoreOf(team))});
    }
    return result;
}

int ConsoleModel::selectedCell() const
{
    return static_cast<int>(cells.indexOf(selected)) + 1;
}

void ConsoleModel::selectCell(int cell)
{
    if (cell >= 1 && cell <= cells.size())
        selected = cells[cell - 1];
}

void ConsoleModel::moveSelection(int steps)
{
    const int count = static_cast<int>(cells.size());
    if (count == 0)
        return;
    const int from = std::max(selectedCell(), 1) - 1;
    selectCell(((from + steps) % count + count) % count + 1);
}

QString ConsoleModel::pendingEntry()
{
    return ShowDigits::EntryBuffer();
}

QStringList ConsoleModel::latestChanges(int count)
{
    QStringList lines;
    const QList<ScoreLogEntry>& log = Game::instance().log();
    for (auto entry = log.crbegin(); entry != log.crend() && lines.size() < count; ++entry)
        lines << QStringLiteral("%1: %2 → %3")
                     .arg(entry->team, shownScore(entry->before), shownScore(entry->after));
    return lines;
}

QString ConsoleModel::shownScore(const QString& score)
{
    return score == QLatin1String("-1") ? QStringLiteral("–") : score;
}

} // namespace brimley
