#include "app/Navigation.h"

namespace brimley::Navigation {

// The help and options windows are added here as they are built.
void showHelp() {}

void showOptions() {}

} // namespace brimley::Navigation
