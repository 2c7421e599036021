#include "options/ViewMenu.h"

#include "app/Navigation.h"
#include "scoreboard/AudienceScreen.h"

#include <QActionGroup>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>

namespace brimley::ViewMenu {
namespace {

// The screens are listed afresh each time the menu opens: a projector may have been plugged in.
void fillAudienceScreens(QMenu* menu)
{
    menu->clear(); // deletes the menu's actions, but not the group that made them exclusive
    qDeleteAll(menu->findChildren<QActionGroup*>(QString(), Qt::FindDirectChildrenOnly));
    auto* group = new QActionGroup(menu);
    const auto choose = [menu, group](const QString& caption, const QString& screenName) {
        QAction* action = menu->addAction(caption);
        action->setCheckable(true);
        action->setChecked(AudienceScreen::choice() == screenName);
        group->addAction(action);
        QObject::connect(action, &QAction::triggered, menu, [screenName] {
            AudienceScreen::setChoice(screenName);
            Navigation::placeScoreboard();
        });
    };
    choose(QStringLiteral("&Automatic"), QString());
    menu->addSeparator();
    // Numbered, so that a screen can be chosen from the keyboard too.
    int number = 0;
    for (const QScreen* screen : QGuiApplication::screens()) {
        const QString mnemonic = ++number <= 9 ? QStringLiteral("&%1 ").arg(number) : QString();
        choose(mnemonic + AudienceScreen::label(screen), screen->name());
    }
}

} // namespace

QMenu* add(QMainWindow& window, QAction* before)
{
    auto* view = new QMenu(QStringLiteral("&View"), &window);
    view->setObjectName(QStringLiteral("mnuView"));
    window.menuBar()->insertMenu(before, view);

    QAction* console = view->addAction(QStringLiteral("Operator &Console"));
    console->setObjectName(QStringLiteral("mnuViewConsole"));
    console->setShortcut(QKeySequence(Qt::Key_F3));
    QObject::connect(console, &QAction::triggered, view, [] { Navigation::showConsole(); });

    QMenu* screens = view->addMenu(QStringLiteral("&Audience Screen"));
    screens->setObjectName(QStringLiteral("mnuViewAudienceScreen"));
    QObject::connect(screens, &QMenu::aboutToShow, screens, [screens] { fillAudienceScreens(screens); });
    fillAudienceScreens(screens);
    return view;
}

} // namespace brimley::ViewMenu
