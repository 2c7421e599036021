#include "app/Settings.h"

#include <algorithm>
#include <atomic>

namespace brimley {

TeamId newTeamId()
{
    static std::atomic<TeamId> last{0};
    return ++last;
}

bool operator==(const Team& a, const Team& b)
{
    return a.TeamName == b.TeamName && a.TeamPicture == b.TeamPicture && a.TeamShown == b.TeamShown;
}

const Team* findTeam(const QVector<Team>& teams, TeamId identity)
{
    const auto found = std::find_if(teams.cbegin(), teams.cend(),
                                    [identity](const Team& team) { return team.Identity == identity; });
    return found == teams.cend() ? nullptr : &*found;
}

bool operator==(const Settings& a, const Settings& b)
{
    return a.NumLockForce == b.NumLockForce && a.BackColor == b.BackColor && a.LEDColor == b.LEDColor &&
           a.LEDBackColor == b.LEDBackColor && a.TextColor == b.TextColor &&
           a.PosNameToScore == b.PosNameToScore && a.PosImgToScore == b.PosImgToScore &&
           a.DigitsWide == b.DigitsWide && a.HPadding == b.HPadding && a.VPadding == b.VPadding &&
           a.Spacing == b.Spacing && a.CurrentFile == b.CurrentFile && a.Teams == b.Teams;
}

Settings& model()
{
    static Settings instance;
    return instance;
}

OptionsWindowState& optionsState()
{
    static OptionsWindowState instance;
    return instance;
}

void SetDefaults(Settings& settings, OptionsWindowState& options)
{
    const QString keptFile = settings.CurrentFile;
    settings = Settings{};
    settings.CurrentFile = keptFile;
    options.FileChanged = FlagFalse;
}

void resetColours(Settings& settings)
{
    const Settings defaults;
    settings.BackColor = defaults.BackColor;
    settings.LEDColor = defaults.LEDColor;
    settings.LEDBackColor = defaults.LEDBackColor;
    settings.TextColor = defaults.TextColor;
}

} // namespace brimley
