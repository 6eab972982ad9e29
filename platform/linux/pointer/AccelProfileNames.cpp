#include "PointerBackend.h"

#include <cstring>

namespace platform {

namespace {

struct ProfileName {
    AccelProfile profile;
    const char *name;
};
constexpr ProfileName kProfileNames[] = {
    {AccelProfile::Default, "default"},
    {AccelProfile::Flat, "flat"},
    {AccelProfile::Adaptive, "adaptive"},
};

} // namespace

const char *accelProfileName(AccelProfile profile)
{
    for (const ProfileName &entry : kProfileNames)
        if (entry.profile == profile)
            return entry.name;
    return kProfileNames[0].name;
}

bool accelProfileFromName(const char *name, AccelProfile *profile)
{
    for (const ProfileName &entry : kProfileNames) {
        if (std::strcmp(name, entry.name) == 0) {
            *profile = entry.profile;
            return true;
        }
    }
    return false;
}

} // namespace platform
