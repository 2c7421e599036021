#include "support/XkbProbe.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/keysym.h>

#include <utility>

namespace XkbProbe {
namespace {

Display* connection = nullptr;

unsigned int numLockMask()
{
    return connection ? XkbKeysymToModifiers(connection, XK_Num_Lock) : 0;
}

} // namespace

bool connect()
{
    return connection || (connection = XOpenDisplay(nullptr)) != nullptr;
}

void disconnect()
{
    if (connection)
        XCloseDisplay(std::exchange(connection, nullptr));
}

std::optional<bool> numLock()
{
    const unsigned int mask = numLockMask();
    XkbStateRec state{};
    if (mask == 0 || XkbGetState(connection, XkbUseCoreKbd, &state) != Success)
        return std::nullopt;
    return (state.locked_mods & mask) != 0;
}

void setNumLock(bool on)
{
    if (const unsigned int mask = numLockMask()) {
        XkbLockModifiers(connection, XkbUseCoreKbd, mask, on ? mask : 0);
        XSync(connection, False);
    }
}

int keycodeOf(const char* keysymName)
{
    const KeySym keysym = XStringToKeysym(keysymName);
    return connection && keysym != NoSymbol ? XKeysymToKeycode(connection, keysym) : 0;
}

QString byKeycode(const QString& key)
{
    XkbDescPtr xkb = connection ? XkbGetMap(connection, 0, XkbUseCoreKbd) : nullptr;
    if (!xkb)
        return key;
    const qsizetype modifiers = key.lastIndexOf(u'+') + 1;
    const QStringView keyName = QStringView(key).mid(modifiers);
    QString found = key;
    if (XkbGetNames(connection, XkbKeyNamesMask, xkb) == Success && xkb->names && xkb->names->keys) {
        for (int keycode = xkb->min_key_code; keycode <= xkb->max_key_code && found == key; ++keycode) {
            const char* name = xkb->names->keys[keycode].name;
            if (QLatin1String(name, qstrnlen(name, XkbKeyNameLength)) == keyName)
                found = key.left(modifiers) + QString::number(keycode);
        }
    }
    XkbFreeKeyboard(xkb, 0, True);
    return found;
}

} // namespace XkbProbe
