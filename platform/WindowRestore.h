#pragma once
// Asks the program's own top-level window to come back from hidden or
// minimised. Posted, not sent: it takes effect in a later event-loop pass.

#include <cstdint>

namespace platform {

void postRestoreRequest(std::uintptr_t nativeWindow);

} // namespace platform

namespace platform {

// True for the window's own restore request (WM_SYSCOMMAND with SC_RESTORE),
// which the window answers by making itself visible before the system
// restores it. Always false where restore requests are not messages.
bool isRestoreMessage(const char *eventType, const void *nativeMessage);

} // namespace platform
