#include "StageDpiTable.h"

#include <atomic>

namespace {
// Each entry is its own atomic: written on the GUI thread, read wherever the
// notice is composed.
std::atomic<quint32> g_stageDpi[kDpiStageCount];
} // namespace

quint32 stageDpi(int stage)
{
    return stage >= 1 && stage <= kDpiStageCount ? g_stageDpi[stage - 1].load() : 0;
}

void setStageDpi(int stage, quint32 dpi)
{
    if (stage >= 1 && stage <= kDpiStageCount)
        g_stageDpi[stage - 1].store(dpi);
}
