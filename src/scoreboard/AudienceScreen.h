#pragma once

// Which screen the audience sees. On a desktop of two or more screens the scoreboard goes full screen
// on the audience screen while the operator works on another. The operator may name the screen (in the
// options window's View menu); Automatic takes the largest screen that does not hold the operator's
// window. The choice holds for the run and is never saved.

#include <QRect>
#include <QString>
#include <vector>

class QScreen;

namespace brimley::AudienceScreen {

struct ScreenArea
{
    QString name;
    QRect geometry;
};

// The index of the audience screen among `screens`, for an operator on screen `operatorScreen` (an
// index, or -1 when not known), with `chosen` the name of the screen the operator chose (empty:
// Automatic). A chosen screen that is not there counts as Automatic. -1 when there is no audience
// screen: Automatic with a single screen.
int choose(const std::vector<ScreenArea>& screens, int operatorScreen, const QString& chosen);

// The operator's choice for this run; empty for Automatic.
QString choice();
void setChoice(const QString& screenName);

// The audience screen for an operator on `operatorScreen` among the desktop's screens, or null.
QScreen* forOperatorOn(const QScreen* operatorScreen);

// A screen as the View menu names it: its name and size ("HDMI-1 (1920 × 1080)").
QString label(const QScreen* screen);

} // namespace brimley::AudienceScreen
