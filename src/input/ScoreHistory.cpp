#include "input/ScoreHistory.h"

#include <algorithm>

namespace brimley {
namespace {

// Moves the latest step that still changes a team from one list to the other, writing the scores the
// step leads to; changes of teams that are gone are dropped, and so is a step left with none.
bool step(std::vector<ScoreHistory::Step>& from, std::vector<ScoreHistory::Step>& to,
          const ScoreHistory::Writer& write, bool backwards)
{
    while (!from.empty()) {
        ScoreHistory::Step changes = std::move(from.back());
        from.pop_back();
        ScoreHistory::Step kept;
        for (ScoreHistory::Change& change : changes) {
            if (write(change.team, backwards ? change.before : change.after))
                kept.push_back(std::move(change));
        }
        if (!kept.empty()) {
            to.push_back(std::move(kept));
            return true;
        }
    }
    return false;
}

} // namespace

void ScoreHistory::record(TeamId team, const QString& before, const QString& after)
{
    recordStep({Change{team, before, after}});
}

void ScoreHistory::recordStep(Step changes)
{
    changes.erase(std::remove_if(changes.begin(), changes.end(),
                                 [](const Change& change) { return change.before == change.after; }),
                  changes.end());
    if (changes.empty())
        return;
    done.push_back(std::move(changes));
    undone.clear();
}

bool ScoreHistory::undo(const Writer& write)
{
    return step(done, undone, write, true);
}

bool ScoreHistory::redo(const Writer& write)
{
    return step(undone, done, write, false);
}

} // namespace brimley
