#include "scoreboard/GameCommands.h"

#include "app/Settings.h"
#include "platform/Dialogs.h"
#include "scoreboard/Game.h"
#include "scoreboard/RecoveryKeeper.h"
#include "scoreboard/ScoreRecovery.h"

#include <QLocale>

#include <algorithm>

namespace brimley::GameCommands {

bool newGame(QWidget* parent)
{
    const auto answer = Dialogs::ask(
        parent, QStringLiteral("New Game"),
        QStringLiteral("Start a new game? Every team's score goes back to 0 (Ctrl+Z takes it back)."),
        Dialogs::Buttons::YesNo, Dialogs::Icon::Question);
    if (answer != Dialogs::Answer::Yes)
        return false;
    Game::instance().newGame(model().Teams);
    return true;
}

void offerRecovery(QWidget* parent)
{
    const RecoveryKeeper* keeper = RecoveryKeeper::instance();
    if (!keeper || Game::instance().hasStarted())
        return;
    const auto recovery = ScoreRecovery::load(keeper->path());
    const Settings& settings = model();
    if (!recovery || !ScoreRecovery::matches(*recovery, settings.CurrentFile, settings.Teams))
        return;
    // A game that never got past the start has nothing to give back.
    const auto& teams = recovery->teams;
    if (std::all_of(teams.cbegin(), teams.cend(), [](const ScoreRecovery::TeamScore& team) {
            return team.score == ScoreBook::startingScore();
        }))
        return;
    const QString when = QLocale().toString(recovery->written.toLocalTime(), QLocale::ShortFormat);
    const auto answer = Dialogs::ask(
        parent, QStringLiteral("Restore Scores?"),
        QStringLiteral("Scores of an unfinished game from %1 were found. Restore them?").arg(when),
        Dialogs::Buttons::YesNo, Dialogs::Icon::Question);
    if (answer != Dialogs::Answer::Yes) {
        ScoreRecovery::discard(keeper->path());
        return;
    }
    QList<std::pair<TeamId, QString>> scores;
    for (const ScoreRecovery::TeamScore& team : teams)
        scores.append({settings.Teams[team.index].Identity, team.score});
    Game::instance().restore(scores);
}

} // namespace brimley::GameCommands
