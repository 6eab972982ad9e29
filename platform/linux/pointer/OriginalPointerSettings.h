#pragma once
// The desktop's own values from before this program first changed them,
// kept in $XDG_CONFIG_HOME/mouse-utility/original-pointer-settings.ini: one
// group per back end, one key per setting, in the desktop's own units
// (speed -1 to 1, profile default/flat/adaptive, milliseconds, lines).

#include "PointerBackend.h"

#include <functional>

namespace platform {

enum class PointerSetting { Speed, AccelProfile, DoubleClick, WheelLines };

// Runs `change`; when it succeeds and no original of `setting` is kept yet,
// keeps the value the back end held before.
bool changeKeepingOriginal(PointerBackend &backend, PointerSetting setting, const std::function<bool()> &change);

// Applies every kept original of this back end and forgets those applied.
// True when none is left.
bool restoreOriginals(PointerBackend &backend);

} // namespace platform
