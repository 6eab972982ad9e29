#include "WindowRestore.h"

#include <windows.h>

namespace platform {

void postRestoreRequest(std::uintptr_t nativeWindow)
{
    PostMessageW(reinterpret_cast<HWND>(nativeWindow), WM_SYSCOMMAND, SC_RESTORE, 0);
}

} // namespace platform
