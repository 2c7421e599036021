#include "platform/NativeKeys.h"

#include "platform/X11Connection.h"

#ifdef BRIMLEY_HAVE_X11
#include "platform/X11Keyboard.h"
#endif

namespace brimley::NativeKeys {

NativeKey identify(const QKeyEvent& event)
{
#if defined(Q_OS_WIN)
    // Qt passes the message's virtual-key number through unchanged.
    if (event.nativeVirtualKey() > 0 && event.nativeVirtualKey() < 256)
        return {NativeKey::WindowsVirtualKey, event.nativeVirtualKey()};
#elif defined(BRIMLEY_HAVE_X11)
    // nativeVirtualKey() is the keysym after Shift; the key's first level is what is printed on it.
    if (void* display = X11Connection::display()) {
        if (const auto keysym = X11Keyboard::unshiftedKeysym(display, event.nativeScanCode()))
            return {NativeKey::X11Keysym, *keysym};
    }
#else
    Q_UNUSED(event);
#endif
    return {};
}

} // namespace brimley::NativeKeys
