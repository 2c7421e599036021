#include "app/Navigation.h"

#include "app/frmHelp.h"
#include "options/frmOptions.h"

namespace brimley::Navigation {

void showHelp()
{
    if (Testing::intercepted(Testing::Window::Help))
        return;
    // Created and loaded only when it is not open; an open window is merely brought to the front.
    frmHelp* help = frmHelp::instance();
    if (help->isMinimized())
        help->setWindowState(help->windowState() & ~Qt::WindowMinimized);
    help->show();
    help->raise();
    help->activateWindow();
}

void showOptions()
{
    if (Testing::intercepted(Testing::Window::Options))
        return;
    frmOptions* window = frmOptions::instance();
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace brimley::Navigation
