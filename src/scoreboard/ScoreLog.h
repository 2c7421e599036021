#pragma once

// What the run's score changes were, and what caused each: the console lists the latest, and the score
// log of the run can be exported.

#include <QDateTime>
#include <QString>

namespace brimley {

enum class ScoreCause { Typed, Undo, Redo, NewGame, Restored };

struct ScoreLogEntry
{
    QDateTime time;
    QString team; // the team's name at the time
    QString before;
    QString after;
    ScoreCause cause = ScoreCause::Typed;
};

} // namespace brimley
