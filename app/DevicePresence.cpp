#include "DevicePresence.h"

#include <atomic>

namespace {
std::atomic<bool> g_devicePresent{false};
}

bool devicePresent()
{
    return g_devicePresent.load();
}

void setDevicePresent(bool present)
{
    g_devicePresent.store(present);
}
