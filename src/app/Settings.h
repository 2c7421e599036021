#pragma once

// The one process-wide record of everything the operator configures, and the team list. No window owns
// it: the options window and the file reader write it, the scoreboard and the preview read it when they
// rebuild. The field names are also the keys of the scoreboard file.

#include <QString>
#include <QVector>
#include <cstdint>

namespace brimley {

// Flags are 16-bit integers, true -1 and false 0, as stored files and the save prompts expect.
using Flag = std::int16_t;
constexpr Flag FlagTrue = -1;
constexpr Flag FlagFalse = 0;

// Colours are 0x00BBGGRR, red in the low byte.
using Colour = std::int32_t;

// One numbering of sides for both position settings: the layout compares against these numbers.
enum Side : std::int32_t { SideNone = 0, SideTop = 1, SideBottom = 2, SideLeft = 3, SideRight = 4 };

enum NumLockMode : std::int32_t { NumLockNormal = 0, NumLockKeepOn = 1, NumLockKeepOff = 2 };

// Which team a score belongs to while the program runs. A team keeps its identity through renaming,
// moving, hiding and showing, so its score follows it; a team added, or read from a file, is a new team
// and starts afresh. Identities are never saved and never given twice.
using TeamId = std::uint64_t;
TeamId newTeamId();

struct Team
{
    QString TeamName;
    QString TeamPicture;           // full path; empty means no picture
    Flag TeamShown = FlagTrue;     // whether the team has a cell on the scoreboard
    TeamId Identity = newTeamId(); // copies of a team are the same team
};

// The team list holds at most this many teams: they are counted in 16 bits wherever the list is walked.
constexpr int MaximumTeams = 32767;

// Teams compare by what the file holds; their identities are left out.
bool operator==(const Team& a, const Team& b);
inline bool operator!=(const Team& a, const Team& b)
{
    return !(a == b);
}

struct Settings
{
    std::int32_t NumLockForce = NumLockNormal;
    Colour BackColor = 0x404040;
    Colour LEDColor = 0x0000FF;
    Colour LEDBackColor = 0;
    Colour TextColor = 0xFFFFFF;
    std::int32_t PosNameToScore = SideTop;
    std::int32_t PosImgToScore = SideRight;
    std::int16_t DigitsWide = 2;
    std::int16_t HPadding = 6;
    std::int16_t VPadding = 6;
    std::int16_t Spacing = 8;
    QString CurrentFile;

    // Never empty: there is always at least one team. Row i of the options window's list is team i,
    // and shown teams fill the scoreboard's cells in this order.
    QVector<Team> Teams{defaultTeam()};

    static Team defaultTeam() { return Team{QStringLiteral("Team 1"), QString(), FlagTrue}; }
};

// The team of the list with the given identity, or null when the list has none.
const Team* findTeam(const QVector<Team>& teams, TeamId identity);

bool operator==(const Settings& a, const Settings& b);
inline bool operator!=(const Settings& a, const Settings& b)
{
    return !(a == b);
}

// State of the options window that outlives the window itself: closing and reopening it keeps these.
struct OptionsWindowState
{
    Flag FileChanged = FlagFalse;          // tested for exactly true by the save prompts
    std::int16_t CurTeamSelected = -1;     // -1 when no row is selected
    Flag UnloadDoNotAskToSave = FlagFalse; // one-shot: the next close does not ask to save
};

// The process-wide instances.
Settings& model();
OptionsWindowState& optionsState();

// Resets every setting except CurrentFile, replaces the team list by the single default team and
// clears FileChanged. Updates no window.
void SetDefaults(Settings& settings, OptionsWindowState& options);
inline void SetDefaults()
{
    SetDefaults(model(), optionsState());
}

// Puts the four colours back to their defaults; every other setting stays.
void resetColours(Settings& settings);

} // namespace brimley
