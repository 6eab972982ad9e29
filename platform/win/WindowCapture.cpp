#include "WindowCapture.h"

namespace platform {

// The low-level hooks capture every key and button, the program's own
// windows included.
bool installWindowCapture(const CaptureHandlers &)
{
    return false;
}

void removeWindowCapture()
{
}

bool windowCaptureOnly()
{
    return false;
}

} // namespace platform
