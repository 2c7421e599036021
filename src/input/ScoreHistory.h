#pragma once

// ScoreHistory: the score changes of a run, so that the operator can take back a wrong entry (Ctrl+Z)
// and bring it back again (Ctrl+Y). Only what the score entry accepted is recorded: a value typed, a
// sum or difference, a clear. Each change belongs to the team whose score it changed, so undoing it
// reaches that team wherever its cell now is; a change of a team that has since been deleted is skipped.

#include "app/Settings.h"
#include "input/ShowDigits.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace brimley {

class ScoreHistory
{
public:
    struct Change
    {
        TeamId team = 0;
        QString before;
        QString after;
    };

    // Writes a score to a team; false when that team no longer exists.
    using Writer = std::function<bool(TeamId team, const QString& caption)>;

    // A change the score entry made. A new change ends what could be redone, as in any editor. A write
    // that leaves the value as it was is no change: undoing it would show nothing happening.
    void record(TeamId team, const QString& before, const QString& after);

    // Puts back the score before the latest change whose team still exists; changes of teams that are
    // gone are dropped on the way. False when nothing was left to undo.
    bool undo(const Writer& write);
    // Makes the latest undone change again, skipping those of teams that are gone.
    bool redo(const Writer& write);

private:
    std::vector<Change> done;
    std::vector<Change> undone;
};

// A team's score display whose every written value goes into a history. The score entry writes only
// what it accepts, so wrapping the display it works on records exactly the accepted changes.
class RecordingDisplay final : public ShowDigits::ScoreDisplay
{
public:
    RecordingDisplay(ShowDigits::ScoreDisplay& inner, ScoreHistory& into, TeamId ofTeam)
        : display(inner), history(into), team(ofTeam)
    {
    }
    QString Name() const override { return display.Name(); }
    QString Caption() const override { return display.Caption(); }
    void setCaption(const QString& caption) override;

private:
    ShowDigits::ScoreDisplay& display;
    ScoreHistory& history;
    TeamId team;
};

} // namespace brimley
