#pragma once

// ShowDigits: typed score entry. The characters typed on a score display collect in an entry; Enter
// (or, on a one-digit display, every key) applies it: a number sets the score, "+" or "-" and a number
// add or subtract, Delete clears the display to "-1". A result that is not a number within the
// display's range is dropped without a message.
//
// The entry is kept per display Name, not per display: all the scoreboard's displays share the name
// "nledScore", so an entry begun on one team's display can be finished on another's.

#include <QString>
#include <cstdint>

namespace brimley::ShowDigits {

// What the score entry needs of a display; the LED display is adapted to it by its host.
class ScoreDisplay
{
public:
    virtual ~ScoreDisplay() = default;
    virtual QString Name() const = 0;
    virtual QString Caption() const = 0;
    virtual void setCaption(const QString& caption) = 0;
};

// The entry is bounded: no score has more characters than this, so a longer entry is out of range
// and is dropped when it is applied, like any other result out of range.
constexpr int MaxEntryLength = 32;

// The module state, process-wide, empty at start.
struct EntryState
{
    QString EntryBuffer;       // the digits and signs typed so far
    QString EntryDisplayName;  // Name of the display that last received a key
    bool EntryTooLong = false; // characters were dropped from EntryBuffer since it was last emptied
};

EntryState& entryState();
inline const QString& EntryBuffer()
{
    return entryState().EntryBuffer;
}
inline const QString& EntryDisplayName()
{
    return entryState().EntryDisplayName;
}

// Handles one typed key, given as its character code: 48 to 57 digits, 43 "+", 45 "-", 32 space
// (empties the entry), 13 Enter, 0 Delete (the clear request); anything else types nothing.
void ScoreEntryKey(ScoreDisplay& display, std::int16_t characterCode, std::int16_t minimum,
                   std::int16_t maximum);

// Applies an entry text to a display: a leading digit sets, "+" adds, "-" subtracts, the character
// with code 0 clears. The display holding "-1" counts as 0 for adding and subtracting.
void ScoreEntryApply(ScoreDisplay& display, const QString& entry, std::int16_t minimum, std::int16_t maximum);

} // namespace brimley::ShowDigits
