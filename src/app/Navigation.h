#pragma once

// How the windows reach each other. Every window is a single instance for the whole run, created on
// first use; showing one makes it visible and brings it to the front.

#include <functional>

namespace brimley::Navigation {

// The help window; showing it while it is open only brings it to the front.
void showHelp();

// The options window; showing it while it is open only brings it to the front.
void showOptions();

namespace Testing {

enum class Window { Help, Options };

// While an observer is set, showHelp and showOptions tell it which window they were asked for and
// open nothing, so that tests of the keys and commands that open windows need none. An empty
// function restores the windows.
void interceptShowing(std::function<void(Window)> observer);

// For showHelp and showOptions: true when the request went to the observer.
bool intercepted(Window window);

} // namespace Testing

} // namespace brimley::Navigation
