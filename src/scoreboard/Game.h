#pragma once

// The game being played: every team's score for the whole run, what can be undone and redone, and the
// log of every change. It outlives the scoreboard window, so closing the scoreboard by mistake loses no
// score, and every window that shows scores (the scoreboard, the operator's console) follows it
// through scoreChanged, or through stepTaken where a step's end is enough.

#include "app/Settings.h"
#include "input/ScoreHistory.h"
#include "scoreboard/ScoreBook.h"
#include "scoreboard/ScoreLog.h"

#include <QList>
#include <QObject>

namespace brimley {

class Game : public QObject
{
    Q_OBJECT

public:
    static Game& instance();

    QString scoreOf(TeamId team) const { return scores.scoreOf(team); }
    const ScoreBook& book() const { return scores; }
    // Whether any team's score has changed in this run.
    bool hasStarted() const { return !changes.isEmpty(); }

    // A score the operator typed (or cleared): it can be undone.
    void setScore(TeamId team, const QString& score);
    // Take back, or make again, the latest change of a team still in the list; false when there was none.
    bool undo();
    bool redo();
    // Every team of the list back to 0, as one step that can be undone.
    void newGame(const QVector<Team>& teams);
    // Scores brought back from an earlier run; like a new game, one step that can be undone.
    void restore(const QList<std::pair<TeamId, QString>>& restored);
    // Forgets the scores of teams that have left the list.
    void keepOnly(const QVector<Team>& teams) { scores.keepOnly(teams); }

    const QList<ScoreLogEntry>& log() const { return changes; }

    // A fresh game, for tests: no scores, nothing to undo, an empty log.
    void reset();

signals:
    void scoreChanged(TeamId team, const QString& before, const QString& after, ScoreCause cause);
    // After a step that changed any score: one typed score, an undo or a redo, a whole new game.
    void stepTaken();

private:
    bool write(TeamId team, const QString& score, ScoreCause cause);
    void setScores(const QList<std::pair<TeamId, QString>>& scores, ScoreCause cause);
    // Runs one step, and says so when it changed a score (the log grows with every change).
    template <typename Step> auto asOneStep(Step step);

    ScoreBook scores;
    ScoreHistory history;
    QList<ScoreLogEntry> changes;
};

} // namespace brimley
