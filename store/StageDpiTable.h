#pragma once
// The DPI of stages 1 to 8 as last read from the profile, for the tray notice
// of a stage change. Filled when the pages read the DPI list; zero until then.

#include "SettingsKeys.h"

#include <QtGlobal>


// DPI of stage `stage` (1 .. 8); 0 outside that range.
quint32 stageDpi(int stage);
void setStageDpi(int stage, quint32 dpi);
