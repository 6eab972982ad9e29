#pragma once
// The time from a focus change to the first report on the wire, over rounds
// that alternate between an application with a rule (profile index 1) and
// one without (index 0), each round waiting for the whole profile to go out.

#include "AutoProfile.h"
#include "SettingsFiles.h"
#include "VirtualMouse.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QCoreApplication>
#include <QElapsedTimer>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <vector>

namespace FocusSwitchTiming {

constexpr int kWaitMs = 15000;

inline bool waitFor(const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < kWaitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

// Milliseconds from `since` to the first report sent after it; -1 for none.
inline double firstReportMs(std::chrono::steady_clock::time_point since)
{
    for (const vmouse::CallRecord &r : vmouse::trace())
        if (r.call == vmouse::Call::SendFeature && r.time >= since)
            return std::chrono::duration<double, std::milli>(r.time - since).count();
    return -1;
}

// Quiet (the window's diagnostics would bury the figures), offscreen, no
// mouse until the benchmark plugs one; returns the even number of rounds
// asked for on the command line (10 by default), so that each desktop ends
// where it started.
inline int prepareProcess(int argc, char **argv)
{
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtDebugMsg && type != QtInfoMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");
    qputenv("VIRTUALMOUSE_ATTACH", "none");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    return argc > 1 ? std::max(2, atoi(argv[1]) / 2 * 2) : 10;
}

// `focus(i)` brings the application with a rule to the front for even `i`,
// the other one for odd `i`.
inline void measure(const char *watcher, int rounds, const std::function<void(int)> &focus, Widget &w)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        const int wanted = i % 2 == 0 ? 1 : 0;
        vmouse::clearTrace();
        const auto since = std::chrono::steady_clock::now();
        focus(i);
        if (!waitFor([&] { return firstReportMs(since) >= 0; })) {
            std::printf("%-9s round %d: no report within %d ms\n", watcher, i, kWaitMs);
            return;
        }
        times.push_back(firstReportMs(since));
        waitFor([&] { return w.view()->settings().currentProfileIndex() == wanted && !w.hid().commandsPending(); });
        QElapsedTimer quiet;
        quiet.start();
        while (quiet.elapsed() < 300)
            QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    std::sort(times.begin(), times.end());
    std::printf("%-9s focus change -> first report: median %.1f ms, min %.1f, max %.1f over %zu switches "
                "(target %d + 20 ms)\n",
                watcher, times[times.size() / 2], times.front(), times.back(), times.size(), AutoProfile::kSettleMs);
}

} // namespace FocusSwitchTiming
