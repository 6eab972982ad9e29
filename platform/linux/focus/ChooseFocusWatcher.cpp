#include "FocusWatchers.h"

namespace platform {

// A program under XWayland sees only X11 windows, so on a Wayland session the
// compositor's own watcher comes first.
std::unique_ptr<FocusWatcher> createFocusWatcher()
{
    return std::make_unique<UnsupportedFocusWatcher>(
        "Per-application profiles are not supported on this desktop");
}

} // namespace platform
