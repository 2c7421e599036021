#include "app/Navigation.h"

#include "options/frmOptions.h"

namespace brimley::Navigation {

// The help and options windows are added here as they are built.
void showHelp() {}

void showOptions()
{
    frmOptions* window = frmOptions::instance();
    window->show();
    window->raise();
    window->activateWindow();
}

} // namespace brimley::Navigation
