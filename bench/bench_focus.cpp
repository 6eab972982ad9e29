// Focus change to FocusEvent delivered, for the watchers whose desktops run
// headless here (KWin, GNOME Shell), and the CPU the program spends while a
// watcher is on and nothing changes. Each desktop starts on a private bus.
// The time runs from the request that moves the focus (a one-shot KWin
// script, the GNOME test helper's D-Bus call), so it is an upper bound.
//   bench_focus [ROUNDS]

#include "FocusDesktop.h"
#include "focus/GnomeFocusWatcher.h"
#include "focus/KWinFocusWatcher.h"

#include <algorithm>
#include <cstdio>
#include <sys/resource.h>

namespace {

double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
           + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
}

void measure(const char *name, FocusDesktop &desktop, platform::FocusWatcher &watcher, int rounds)
{
    if (!desktop.open("alpha", "Alpha") || !desktop.open("beta", "Beta") || !watcher.start(desktop.recorder())) {
        std::printf("%s: could not start (%s)\n", name, watcher.status().c_str());
        return;
    }
    while (!desktop.next(500).isEmpty()) {
    }
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        const QString title = i % 2 ? "Beta" : "Alpha";
        QElapsedTimer clock;
        clock.start();
        if (!desktop.activate(title))
            break;
        const QString event = desktop.next(2000);
        if (!event.contains("|" + title + "|"))
            break;
        ms.push_back(clock.nsecsElapsed() / 1e6);
    }
    const double before = cpuMs();
    desktop.next(5000);  // five idle seconds with the watcher on
    const double idle = cpuMs() - before;
    std::sort(ms.begin(), ms.end());
    if (ms.empty()) {
        std::printf("%s: no focus change arrived\n", name);
        return;
    }
    std::printf("%-6s focus change -> event: median %.1f ms, max %.1f ms over %zu changes; "
                "idle CPU with the watcher on: %.1f ms in 5 s\n",
                name, ms[ms.size() / 2], ms.back(), ms.size(), idle);
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(2, atoi(argv[1])) : 20;
    {
        FocusDesktop desktop;
        if (desktop.startKWin()) {
            platform::KWinFocusWatcher watcher(platform::sessionBus());
            measure("kwin", desktop, watcher, rounds);
        } else {
            std::printf("kwin: kwin_wayland is not installed or did not start\n");
        }
    }
    {
        FocusDesktop desktop;
        if (desktop.startGnome(FOCUS_EXTENSION, TEST_EXTENSION)) {
            platform::GnomeFocusWatcher watcher(platform::sessionBus());
            measure("gnome", desktop, watcher, rounds);
        } else {
            std::printf("gnome: gnome-shell is not installed or did not start\n");
        }
    }
    return 0;
}
