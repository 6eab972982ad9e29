#pragma once
// A key combination registered with the desktop, for desktops where the
// program cannot watch the keyboard itself (Wayland). The desktop reports the
// combination whichever window has the focus.

#include <functional>
#include <string>

namespace platform {

struct ShortcutHandlers {
    std::function<void()> activated;                      // the user pressed the combination
    std::function<void(const std::string &reason)> failed; // the desktop refused or has no service
};

// Asks the desktop to bind `trigger` (for example "SHIFT+ALT+F12") under the
// name `id`. False where the platform needs no such service (the program
// sees the keys itself) or has none; otherwise the
// outcome arrives later through the handlers, on the calling thread. A later
// call replaces the earlier registration.
bool registerGlobalShortcut(const std::string &id, const std::string &description, const std::string &trigger,
                            const ShortcutHandlers &handlers);

// Drops the registration. Safe when there is none.
void unregisterGlobalShortcut();

} // namespace platform
