#pragma once
// --watch-focus: one line per change of the window in front, as the
// per-application rules see it, so that a user can write rules.

#include <cstdio>
#include <string>

namespace platform {
struct FocusEvent;
}

// "<id>[ (<instance>)]\t<title>\t<watcher>", control characters shown escaped.
std::string focusLine(const platform::FocusEvent &event);

// Runs until the process is ended; 1 when this desktop cannot be watched.
int watchFocus(std::FILE *out);
