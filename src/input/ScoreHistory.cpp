#include "input/ScoreHistory.h"

namespace brimley {
namespace {

// Moves the latest change of a team that still exists from one list to the other, writing the score the
// step leads to; changes of teams that are gone are dropped.
bool step(std::vector<ScoreHistory::Change>& from, std::vector<ScoreHistory::Change>& to,
          const ScoreHistory::Writer& write, bool backwards)
{
    while (!from.empty()) {
        ScoreHistory::Change change = std::move(from.back());
        from.pop_back();
        if (write(change.team, backwards ? change.before : change.after)) {
            to.push_back(std::move(change));
            return true;
        }
    }
    return false;
}

} // namespace

void ScoreHistory::record(TeamId team, const QString& before, const QString& after)
{
    if (before == after)
        return;
    done.push_back(Change{team, before, after});
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

void RecordingDisplay::setCaption(const QString& caption)
{
    const QString before = display.Caption();
    display.setCaption(caption);
    history.record(team, before, caption);
}

} // namespace brimley
