#include "scoreboard/AudienceScreen.h"

#include <QGuiApplication>
#include <QScreen>

namespace brimley::AudienceScreen {
namespace {

QString& theChoice()
{
    static QString chosen;
    return chosen;
}

qint64 area(const QRect& rect)
{
    return qint64(rect.width()) * rect.height();
}

} // namespace

int choose(const std::vector<ScreenArea>& screens, int operatorScreen, const QString& chosen)
{
    const int count = static_cast<int>(screens.size());
    if (!chosen.isEmpty()) {
        for (int i = 0; i < count; ++i) {
            if (screens[static_cast<std::size_t>(i)].name == chosen)
                return i;
        }
    }
    // The largest of the other screens; of equal ones, the first.
    int best = -1;
    for (int i = 0; i < count; ++i) {
        if (i == operatorScreen)
            continue;
        if (best < 0 || area(screens[static_cast<std::size_t>(i)].geometry) >
                            area(screens[static_cast<std::size_t>(best)].geometry))
            best = i;
    }
    return count >= 2 ? best : -1;
}

QString choice()
{
    return theChoice();
}

void setChoice(const QString& screenName)
{
    theChoice() = screenName;
}

QScreen* forOperatorOn(const QScreen* operatorScreen)
{
    const QList<QScreen*> screens = QGuiApplication::screens();
    std::vector<ScreenArea> areas;
    int operatorIndex = -1;
    for (int i = 0; i < screens.size(); ++i) {
        areas.push_back({screens[i]->name(), screens[i]->geometry()});
        if (screens[i] == operatorScreen)
            operatorIndex = i;
    }
    const int audience = choose(areas, operatorIndex, choice());
    return audience < 0 ? nullptr : screens[audience];
}

QString label(const QScreen* screen)
{
    const QSize size = screen->geometry().size();
    return QStringLiteral("%1 (%2 × %3)").arg(screen->name()).arg(size.width()).arg(size.height());
}

} // namespace brimley::AudienceScreen
