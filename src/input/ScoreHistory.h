#pragma once

// ScoreHistory: the score changes of a run, so that the operator can take back a wrong entry (Ctrl+Z)
// and bring it back again (Ctrl+Y). Only what the score entry accepted is recorded: a value typed, a
// sum or difference, a clear. Displays are known by an id that is never given twice, so a change of a
// display that has since been destroyed is recognised as such and skipped, even when a new display has
// taken its place in the same cell.

#include "input/ShowDigits.h"

#include <QString>
#include <cstdint>
#include <functional>
#include <vector>

namespace brimley {

class ScoreHistory
{
public:
    using DisplayId = std::uint64_t;

    struct Change
    {
        DisplayId display = 0;
        QString before;
        QString after;
    };

    // Writes a value to a display; false when that display no longer exists.
    using Writer = std::function<bool(DisplayId display, const QString& caption)>;

    // A change the score entry made. A new change ends what could be redone, as in any editor. A write
    // that leaves the value as it was is no change: undoing it would show nothing happening.
    void record(DisplayId display, const QString& before, const QString& after);

    // Puts back the value before the latest change whose display still exists; changes of displays that
    // are gone are dropped on the way. False when nothing was left to undo.
    bool undo(const Writer& write);
    // Makes the latest undone change again, skipping those of displays that are gone.
    bool redo(const Writer& write);

private:
    std::vector<Change> done;
    std::vector<Change> undone;
};

// A score display whose every written value goes into a history. The score entry writes only what it
// accepts, so wrapping the display it works on records exactly the accepted changes.
class RecordingDisplay final : public ShowDigits::ScoreDisplay
{
public:
    RecordingDisplay(ShowDigits::ScoreDisplay& inner, ScoreHistory& into, ScoreHistory::DisplayId displayId)
        : display(inner), history(into), id(displayId)
    {
    }
    QString Name() const override { return display.Name(); }
    QString Caption() const override { return display.Caption(); }
    void setCaption(const QString& caption) override;

private:
    ShowDigits::ScoreDisplay& display;
    ScoreHistory& history;
    ScoreHistory::DisplayId id;
};

} // namespace brimley
