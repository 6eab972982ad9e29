#pragma once
// Identifies the user's logon session, so that one instance runs per logon.
// Free of Qt so that every implementation builds with any compiler.

#include <string>

namespace platform {

// A short text naming the current user's logon (user id on Linux, session
// id on Windows); safe to use inside file and socket names.
std::string logonId();

} // namespace platform
