#include "GlobalShortcut.h"

namespace platform {

// The low-level keyboard hook sees Shift+Alt+F12 anywhere on the desktop.
bool registerGlobalShortcut(const std::string &, const std::string &, const std::string &, const ShortcutHandlers &)
{
    return false;
}

void unregisterGlobalShortcut()
{
}

} // namespace platform
