#include "FocusWatcher.h"

namespace platform {

std::unique_ptr<FocusWatcher> createFocusWatcher()
{
    return std::make_unique<UnsupportedFocusWatcher>(
        "Per-application profiles are not supported on this system");
}

} // namespace platform
