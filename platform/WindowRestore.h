#pragma once
// Asks the program's own top-level window to come back from hidden or
// minimised. Posted, not sent: it takes effect in a later event-loop pass.

#include <cstdint>

namespace platform {

void postRestoreRequest(std::uintptr_t nativeWindow);

} // namespace platform
