#pragma once
// The pauses the protocol mandates for the reports of the last virtual-mouse
// trace: settle before every short report, settle again and a pause per data
// report after data, and the long pause after the key matrix and each macro slot.
#include "HidProtocol.h"
#include "VirtualMouse.h"

inline int mandatedMs()
{
    using namespace hidproto;
    int ms = 0;
    for (const vmouse::CallRecord &c : vmouse::trace()) {
        if (c.call == vmouse::Call::SendFeature && c.bytes.size() > 4) {
            const bool data = c.bytes[4] != 0 && (c.bytes[1] == 0x03 || c.bytes[1] == 0x05 || c.bytes[1] == 0x0A ||
                                                  c.bytes[1] == 0x0C);
            ms += kSettleSteps * kSettleStepMs * (data ? 2 : 1);
            if (data && (c.bytes[1] == 0x03 || c.bytes[1] == 0x05))
                ms += kLongDataPauseMs;
        } else if (c.call == vmouse::Call::Write) {
            ms += kDataReportPauseMs;
        }
    }
    return ms;
}
