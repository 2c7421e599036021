#pragma once

// The log of a night's score changes, for the console and the export: when each team's score changed,
// from what to what, and what changed it.

#include <QDateTime>
#include <QString>

namespace brimley {

enum class ScoreCause { Typed, Undo, Redo, NewGame, Restored };

struct ScoreLogEntry
{
    QDateTime time;
    QString team;   // the team's name at the time of the change
    QString before; // display texts: "-1" is a cleared display
    QString after;
    ScoreCause cause = ScoreCause::Typed;
};

// The word the export writes for a cause.
inline QString causeWord(ScoreCause cause)
{
    switch (cause) {
    case ScoreCause::Typed:
        return QStringLiteral("typed");
    case ScoreCause::Undo:
        return QStringLiteral("undo");
    case ScoreCause::Redo:
        return QStringLiteral("redo");
    case ScoreCause::NewGame:
        return QStringLiteral("new game");
    case ScoreCause::Restored:
        return QStringLiteral("restored");
    }
    return {};
}

} // namespace brimley
