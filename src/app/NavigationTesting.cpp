#include "app/Navigation.h"

namespace brimley::Navigation::Testing {
namespace {

std::function<void(Window)>& observer()
{
    static std::function<void(Window)> theObserver;
    return theObserver;
}

} // namespace

void interceptShowing(std::function<void(Window)> newObserver)
{
    observer() = std::move(newObserver);
}

bool intercepted(Window window)
{
    if (!observer())
        return false;
    observer()(window);
    return true;
}

} // namespace brimley::Navigation::Testing
