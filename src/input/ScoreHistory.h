#pragma once

// ScoreHistory: the score changes of a run, so that the operator can take back a wrong entry (Ctrl+Z)
// and bring it back again (Ctrl+Y). Only what the score entry accepted is recorded: a value typed, a
// sum or difference, a clear. Each change belongs to the team whose score it changed, so undoing it
// reaches that team wherever its cell now is; a change of a team that has since been deleted is skipped.

#include "app/Settings.h"

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
    // What one undo takes back: one typed change, or all the scores a new game set at once.
    using Step = std::vector<Change>;

    // Writes a score to a team; false when that team no longer exists.
    using Writer = std::function<bool(TeamId team, const QString& caption)>;

    // A change the score entry made. A new change ends what could be redone, as in any editor. A write
    // that leaves the value as it was is no change: undoing it would show nothing happening.
    void record(TeamId team, const QString& before, const QString& after);
    // Several changes made together, taken back together.
    void recordStep(Step step);

    // Puts back the scores before the latest step that changed a team still there; changes of teams that
    // are gone are dropped on the way. False when nothing was left to undo.
    bool undo(const Writer& write);
    // Makes the latest undone step again, skipping the changes of teams that are gone.
    bool redo(const Writer& write);

private:
    std::vector<Step> done;
    std::vector<Step> undone;
};

} // namespace brimley
