#pragma once

#include <QString>
#include <cstdint>

// One element of the device list; the element at list position N belongs to
// catalogue record N.
struct DeviceEntry {
    int32_t index = 0;
    QString productName;
    int32_t type = -1;
    QString cmdPath;     // command interface; empty when not found or after a failed open
    QString eventPath;   // event interface; emptied by the listener when the mouse goes
    uint32_t reportLength = 0;
};
