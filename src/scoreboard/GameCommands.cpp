#include "scoreboard/GameCommands.h"

#include "app/Settings.h"
#include "platform/Dialogs.h"
#include "scoreboard/Game.h"
#include "scoreboard/RecoveryKeeper.h"
#include "scoreboard/ScoreRecovery.h"

#include <QLocale>

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
    if (!recovery || !ScoreRecovery::matches(*recovery, settings.CurrentFile, settings.Teams) ||
        !ScoreRecovery::hasScores(*recovery))
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
    Game::instance().restore(ScoreRecovery::scoresOf(*recovery, settings.Teams));
}

} // namespace brimley::GameCommands
