#pragma once
// The focus sequences that break watchers, run the same on each real desktop:
// alpha -> beta -> alpha, a title change, closing the focused window (focus
// falls back), closing the last one (nothing to report), a mixed-case id, and
// a watcher started after the window got the focus. `stopped` runs between
// stop() and the new start().

#include "FocusDesktop.h"

#include <functional>

inline void checkFocusSequences(FocusDesktop &desktop, platform::FocusWatcher &watcher,
                                const std::function<void()> &stopped)
{
    const auto event = [&](const char *appTitle) { return QString(appTitle) + "|" + watcher.name().c_str(); };
    QVERIFY2(watcher.start(desktop.recorder()), watcher.status().c_str());
    QCOMPARE(desktop.next(300), QString());  // nothing focused yet

    QVERIFY(desktop.open("AlphaApp", "Alpha one"));
    QCOMPARE(desktop.next(), event("AlphaApp|Alpha one"));  // case kept; no report for "no window" between
    QVERIFY(desktop.open("beta", "Beta one"));
    QCOMPARE(desktop.next(), event("beta|Beta one"));
    QVERIFY(desktop.activate("Alpha one"));
    QCOMPARE(desktop.next(), event("AlphaApp|Alpha one"));

    // Only the focused window's title counts.
    desktop.retitle("Beta one", "Beta two");
    desktop.retitle("Alpha one", "Alpha two");
    QCOMPARE(desktop.next(), event("AlphaApp|Alpha two"));
    QCOMPARE(desktop.next(300), QString());

    desktop.close("Alpha one");
    QCOMPARE(desktop.next(), event("beta|Beta two"));
    desktop.close("Beta one");
    QCOMPARE(desktop.next(500), QString());
    QVERIFY(desktop.open("gamma", "Gamma"));
    QCOMPARE(desktop.next(), event("gamma|Gamma"));

    watcher.stop();
    stopped();
    QVERIFY(watcher.start(desktop.recorder()));
    QCOMPARE(desktop.next(), event("gamma|Gamma"));
    desktop.close("Gamma");
}
