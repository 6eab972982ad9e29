#include "CopyData.h"

namespace platform {

// X11 has no copy-data message; other processes reach a running instance
// through the single-instance channel only.
bool extractCopyData(const char *, void *, CopyDataMessage *)
{
    return false;
}

} // namespace platform
