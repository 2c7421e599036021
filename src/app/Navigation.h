#pragma once

// How the windows reach each other. Every window is a single instance for the whole run, created on
// first use; showing one makes it visible and brings it to the front.

namespace brimley::Navigation {

// The help window; showing it while it is open only brings it to the front.
void showHelp();

// The options window; showing it while it is open only brings it to the front.
void showOptions();

} // namespace brimley::Navigation
