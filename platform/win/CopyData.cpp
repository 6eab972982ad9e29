#include "CopyData.h"

#include <windows.h>

#include <cstring>

namespace platform {

bool extractCopyData(const char *eventType, void *nativeMessage, CopyDataMessage *out)
{
    if (!eventType || !nativeMessage || !out || std::strcmp(eventType, "windows_generic_MSG") != 0)
        return false;
    const MSG *msg = static_cast<const MSG *>(nativeMessage);
    if (msg->message != WM_COPYDATA || !msg->lParam)
        return false;
    const COPYDATASTRUCT *cds = reinterpret_cast<const COPYDATASTRUCT *>(msg->lParam);
    out->tag = static_cast<std::uintptr_t>(cds->dwData);
    out->byteCount = static_cast<std::uint32_t>(cds->cbData);
    out->data = cds->lpData;
    return true;
}

} // namespace platform
