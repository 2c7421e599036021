#include "platform/NativeKeys.h"

#include "platform/X11Connection.h"

namespace brimley::NativeKeys {

NativeKey identify(const QKeyEvent& event)
{
#if defined(Q_OS_WIN)
    // Qt passes the message's virtual-key number through unchanged.
    if (event.nativeVirtualKey() > 0 && event.nativeVirtualKey() < 256)
        return {NativeKey::WindowsVirtualKey, event.nativeVirtualKey()};
#elif defined(BRIMLEY_HAVE_X11)
    // nativeVirtualKey() is only the keysym the held modifiers made of the key; the program wants all
    // the key carries. The native modifiers are the X event's state, which names the layout (XKB
    // group) the key was pressed in.
    if (void* display = X11Connection::display()) {
        const int group = X11Keyboard::groupOfState(event.nativeModifiers());
        if (const auto levels = X11Keyboard::keyLevels(display, event.nativeScanCode(), group))
            return {NativeKey::X11Keysyms, 0, *levels};
    }
#else
    Q_UNUSED(event);
#endif
    return {};
}

} // namespace brimley::NativeKeys
