#include "WindowRestore.h"

#include <windows.h>

#include <cstring>

namespace platform {

void postRestoreRequest(std::uintptr_t nativeWindow)
{
    PostMessageW(reinterpret_cast<HWND>(nativeWindow), WM_SYSCOMMAND, SC_RESTORE, 0);
}

bool isRestoreMessage(const char *eventType, const void *nativeMessage)
{
    if (!eventType || !nativeMessage || std::strcmp(eventType, "windows_generic_MSG") != 0)
        return false;
    const MSG *msg = static_cast<const MSG *>(nativeMessage);
    return msg->message == WM_SYSCOMMAND && msg->wParam == SC_RESTORE;
}

} // namespace platform
