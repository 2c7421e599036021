#pragma once

// The score of every team while the program runs. A score belongs to its team, not to the cell that
// shows it: when teams are hidden, shown, moved or renamed, each cell shows the score of the team it
// now shows, and a hidden team's score is there again when it is shown. Scores are kept as the text
// the score displays show ("-1" is a cleared display).

#include "app/Settings.h"

#include <QHash>
#include <QString>

namespace brimley {

class ScoreBook
{
public:
    // What a team that has not scored yet shows.
    static QString startingScore() { return QStringLiteral("0"); }

    QString scoreOf(TeamId team) const { return scores.value(team, startingScore()); }
    void setScore(TeamId team, const QString& score) { scores.insert(team, score); }

    // Forgets the scores of teams that are no longer in the list.
    void keepOnly(const QVector<Team>& teams);

private:
    QHash<TeamId, QString> scores;
};

} // namespace brimley
