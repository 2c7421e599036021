#pragma once

// Telling apart the window-state changes that a window's resize step cares about.

#include <QEvent>
#include <QWidget>
#include <QWindowStateChangeEvent>

namespace brimley::WindowEvents {

// True for the state change of a window that was minimized and is no longer: its size may not have
// changed, yet what it shows must be laid out again.
inline bool restoredFromMinimized(const QWidget* window, const QEvent* event)
{
    if (event->type() != QEvent::WindowStateChange)
        return false;
    const auto* change = static_cast<const QWindowStateChangeEvent*>(event);
    return change->oldState().testFlag(Qt::WindowMinimized) && !window->isMinimized();
}

} // namespace brimley::WindowEvents
