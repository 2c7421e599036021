#include "scoreboard/ScoreBook.h"

#include <QSet>

namespace brimley {

void ScoreBook::keepOnly(const QVector<Team>& teams)
{
    if (scores.isEmpty())
        return;
    QSet<TeamId> listed;
    listed.reserve(teams.size());
    for (const Team& team : teams)
        listed.insert(team.Identity);
    scores.removeIf([&listed](const auto& entry) { return !listed.contains(entry.key()); });
}

} // namespace brimley
