#include "platform/NumLock.h"

#include "platform/X11Connection.h"

#ifdef BRIMLEY_HAVE_X11
#include "platform/X11Keyboard.h"
#endif
#ifdef Q_OS_WIN
#include "platform/NumLockWindows.h"
#endif

#include <QtGlobal>

namespace brimley::NumLock {
namespace {

Keyboard* replacement = nullptr;

// Looks for Qt's X11 connection on every call: the program may create its application object after
// the first question, and the offscreen platform has none.
class NativeKeyboard final : public Keyboard
{
public:
    std::optional<bool> isOn() override
    {
#if defined(Q_OS_WIN)
        return WindowsKeyboard::isOn();
#elif defined(BRIMLEY_HAVE_X11)
        if (void* display = X11Connection::display())
            return X11Keyboard::numLockLocked(display);
        return std::nullopt;
#else
        return std::nullopt;
#endif
    }

    void setOn(bool on) override
    {
#if defined(Q_OS_WIN)
        Q_UNUSED(on);
        WindowsKeyboard::toggle();
#elif defined(BRIMLEY_HAVE_X11)
        if (void* display = X11Connection::display())
            X11Keyboard::lockNumLock(display, on);
#else
        Q_UNUSED(on);
#endif
    }
};

} // namespace

Keyboard& system()
{
    static NativeKeyboard native;
    return replacement ? *replacement : native;
}

void Testing::replaceSystem(Keyboard* keyboard)
{
    replacement = keyboard;
}

} // namespace brimley::NumLock
