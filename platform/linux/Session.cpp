#include "Session.h"

#include <unistd.h>

namespace platform {

std::string logonId()
{
    return "u" + std::to_string(static_cast<unsigned long>(getuid()));
}

} // namespace platform
