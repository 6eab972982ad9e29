#include "Session.h"

#include <windows.h>

namespace platform {

std::string logonId()
{
    DWORD session = 0;
    if (!ProcessIdToSessionId(GetCurrentProcessId(), &session))
        session = 0;
    return "s" + std::to_string(static_cast<unsigned long>(session));
}

} // namespace platform
