#include "InstanceStart.h"

#include "LocalPeer.h"

#include <cstdio>

namespace {
const char kProgramName[] = "mouse-utility";
} // namespace

std::optional<int> handOverStart(LocalPeer &peer)
{
    // Launchers and scripts read a non-zero status as a failed start; the
    // running instance took the request, so the start did what was asked.
    if (peer.deliver(QString(), kConfirmOwnerMs).delivery == LocalPeer::Delivery::Taken) {
        std::printf("%s is already running: it was asked to show its window\n", kProgramName);
        std::fflush(stdout);
        return 0;
    }
    if (peer.takeOver()) {
        reportTakeOver(peer);
        return std::nullopt;
    }
    std::fprintf(stderr, "%s: another instance holds the single-instance lock and cannot be reached\n", kProgramName);
    return 1;
}

void reportTakeOver(const LocalPeer &peer)
{
    if (!peer.takeOverNote().isEmpty())
        std::fprintf(stderr, "%s: %s\n", kProgramName, qPrintable(peer.takeOverNote()));
}
