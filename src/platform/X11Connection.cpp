#include "platform/X11Connection.h"

#include <QGuiApplication>

namespace brimley::X11Connection {

void* display()
{
#if defined(BRIMLEY_HAVE_X11) && QT_CONFIG(xcb)
    if (!qGuiApp || QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->display() : nullptr;
#else
    return nullptr;
#endif
}

} // namespace brimley::X11Connection
