#include "options/GameMenu.h"

#include "scoreboard/GameCommands.h"

#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>

namespace brimley::GameMenu {

QMenu* add(QMainWindow& window, QAction* before)
{
    auto* game = new QMenu(QStringLiteral("&Game"), &window);
    game->setObjectName(QStringLiteral("mnuGame"));
    window.menuBar()->insertMenu(before, game);
    QAction* newGame = game->addAction(QStringLiteral("&New Game"));
    newGame->setObjectName(QStringLiteral("mnuGameNew"));
    newGame->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_N));
    QObject::connect(newGame, &QAction::triggered, &window, [&window] { GameCommands::newGame(&window); });
    return game;
}

} // namespace brimley::GameMenu
