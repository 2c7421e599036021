#include "scoreboard/GameCommands.h"

#include "app/Settings.h"
#include "platform/Dialogs.h"
#include "scoreboard/Game.h"

namespace brimley::GameCommands {

bool newGame(QWidget* parent)
{
    const auto answer =
        Dialogs::ask(parent, QStringLiteral("New Game"),
                     QStringLiteral("Start a new game? Every team's score goes back to 0 (Ctrl+Z takes it back)."),
                     Dialogs::Buttons::YesNo, Dialogs::Icon::Question);
    if (answer != Dialogs::Answer::Yes)
        return false;
    Game::instance().newGame(model().Teams);
    return true;
}

} // namespace brimley::GameCommands
