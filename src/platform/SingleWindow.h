#pragma once

// Every window of the program is one instance for the whole run, reached by name from everywhere and
// created on first use. Closing a window destroys it; the next use creates it again, so its load step
// runs afresh. A window class takes this behaviour by deriving from SingleWindow<itself>.

#include <QPointer>
#include <Qt>

namespace brimley {

template <typename Window> class SingleWindow
{
public:
    // The window, created (not shown) if it does not exist.
    static Window* instance()
    {
        if (!window) {
            window = new Window;
            window->setAttribute(Qt::WA_DeleteOnClose);
        }
        return window;
    }

    static bool exists() { return !window.isNull(); }

private:
    static inline QPointer<Window> window;
};

} // namespace brimley
