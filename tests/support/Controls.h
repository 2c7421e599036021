#pragma once

// Every control of the program's windows carries its control name as its object name; tests find
// them by it, as an accessibility client would.

#include <QObject>
#include <QtGlobal>

template <typename Control> Control* control(const QObject* window, const char* name)
{
    auto* found = window->findChild<Control*>(QLatin1String(name));
    if (!found)
        qFatal("%s has no control %s of the expected kind", qPrintable(window->objectName()), name);
    return found;
}
