#pragma once
// The focus sequences that break watchers, run the same on each real desktop:
// alpha -> beta -> alpha, a title change, closing the focused window (focus
// falls back), closing the last one (nothing to report), a mixed-case id, and
// a watcher started after the window got the focus. `stopped` runs between
// stop() and the new start(). Then the same moves end to end: the watcher the
// program picks for the desktop, the rules, and the profile on the mouse.

#include "FocusDesktop.h"
#include "RulesWindow.h"

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

inline void checkProfileSwitches(FocusDesktop &desktop, const char *watcherName)
{
    constexpr int kSwitchMs = 15000;
    QTemporaryDir root;
    RulesWindow window(root.path(), "{\"enabled\": true, \"otherApps\": 1, \"rules\": [{\"app\": \"alpha\", \"profile\": 2},"
                                    " {\"app\": \"beta\", \"title\": \"Inbox\", \"profile\": \"Mail\"}]}");
    QVERIFY(RunningWindow::start(window.w));
    auto watcher = platform::createFocusWatcher();
    QCOMPARE(watcher->name(), std::string(watcherName));
    window.follow(std::move(watcher));

    QVERIFY(desktop.open("Alpha", "first"));  // the rule says "alpha"
    QTRY_COMPARE_WITH_TIMEOUT(window.rate(), 2, kSwitchMs);
    QCOMPARE(window.profileNo(), 1);
    // GNOME Shell does not always hand a new window the focus.
    QVERIFY(desktop.open("beta", "Drafts") && desktop.activate("Drafts"));
    QTRY_COMPARE_WITH_TIMEOUT(window.rate(), 1, kSwitchMs);
    QVERIFY(desktop.activate("first"));
    QTRY_COMPARE_WITH_TIMEOUT(window.rate(), 2, kSwitchMs);
    QVERIFY(desktop.activate("Drafts"));
    QTRY_COMPARE_WITH_TIMEOUT(window.rate(), 1, kSwitchMs);
    desktop.retitle("Drafts", "Inbox (3)");
    QTRY_COMPARE_WITH_TIMEOUT(window.rate(), 4, kSwitchMs);
    QCOMPARE(window.profileNo(), 2);
    // The focus falls back to alpha; with no window left nothing switches.
    desktop.close("Drafts");
    QTRY_COMPARE_WITH_TIMEOUT(window.rate(), 2, kSwitchMs);
    desktop.close("first");
    QTest::qWait(AutoProfile::kSettleMs * 2);
    QCOMPARE(window.rate(), 2);
}
