#include "EventReport.h"

#include "HidProtocol.h"

int stageFromEventReport(const uint8_t *bytes, int length)
{
    using namespace hidproto;
    if (!bytes || length != kEventReportSize || bytes[0] != kEventKind0 || bytes[1] != kEventKind1)
        return 0;
    const int stage = bytes[kEventStageIndex];
    return stage >= kFirstStage && stage <= kLastStage ? stage : 0;
}
