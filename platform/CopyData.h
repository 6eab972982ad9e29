#pragma once
// Text that another process hands the program to show (the copy-data
// message). The platform layer extracts the message from the native event;
// dispatching and checking it are portable.

#include <cstdint>

namespace platform {

struct CopyDataMessage {
    std::uintptr_t tag = 0;
    std::uint32_t byteCount = 0;
    const void *data = nullptr;  // byteCount bytes
};

using CopyDataHandler = void (*)(const CopyDataMessage &message, void *context);

// Reads a copy-data message out of a native event. Returns false when the
// event is not one.
bool extractCopyData(const char *eventType, void *nativeMessage, CopyDataMessage *out);

// The copy-data filter: a message that is not copy data, or no handler, is
// not handled. Otherwise the handler runs and the message is answered with 1,
// whatever the handler did.
inline bool dispatchCopyData(const CopyDataMessage *message, CopyDataHandler handler, void *context, long *result)
{
    if (!message || !handler)
        return false;
    handler(*message, context);
    if (result)
        *result = 1;
    return true;
}

} // namespace platform
