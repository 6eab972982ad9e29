// Per-application profiles: the time from a focus change to the first report
// on the wire, per watcher (target: the settle time + 20 ms). The window runs
// with the virtual mouse; X11 is a private Xvfb whose active window the
// benchmark sets as a window manager would, Hyprland a stand-in event socket.
// KWin and GNOME Shell run headless with the tests' focus harness, which moves
// the focus as the tests do: their time starts at that request (a one-shot
// KWin script, a D-Bus call to the GNOME test helper), an upper bound. Sway
// is measured in a sway session, with focus moved by swaymsg:
//   bash tests/e2e/in_sway.sh build/bin/bench_focus_switch [rounds]
// Usage: bench_focus_switch [rounds]   (needs Xvfb; the window runs offscreen)
#include "AutoProfileService.h"
#include "FocusDesktop.h"
#include "FocusWatchers.h"
#include "NameLists.h"
#include "SettingsFiles.h"
#include "VirtualMouse.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QApplication>
#include <QLocalServer>
#include <QLocalSocket>
#include <QQuickItem>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>

// Last: the X11 headers define names the toolkit's headers use.
#include "FakeWindowManager.h"

namespace {

constexpr int kWaitMs = 15000;

bool waitFor(const std::function<bool()> &done)
{
    QElapsedTimer clock;
    clock.start();
    while (!done() && clock.elapsed() < kWaitMs)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    return done();
}

// Milliseconds from `since` to the first report sent after it; -1 for none.
double firstReportMs(std::chrono::steady_clock::time_point since)
{
    for (const vmouse::CallRecord &r : vmouse::trace())
        if (r.call == vmouse::Call::SendFeature && r.time >= since)
            return std::chrono::duration<double, std::milli>(r.time - since).count();
    return -1;
}

// Alternates between two applications `rounds` times; `focus(i)` brings application i % 2 to the front.
void measure(const char *watcher, int rounds, const std::function<void(int)> &focus, Widget &w)
{
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        // Application 0 ("game") wants index 1, application 1 otherApps (index 0).
        const int wanted = i % 2 == 0 ? 1 : 0;
        vmouse::clearTrace();
        const auto since = std::chrono::steady_clock::now();
        focus(i);
        if (!waitFor([&] { return firstReportMs(since) >= 0; })) {
            std::printf("%-9s round %d: no report within %d ms\n", watcher, i, kWaitMs);
            return;
        }
        times.push_back(firstReportMs(since));
        // The whole profile goes out before the next round.
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

// The watcher the program picks on a desktop of the focus harness, between a window of "game" and one of "editor".
void measureDesktop(const char *name, int rounds, const std::function<bool(FocusDesktop &)> &start, Widget &w,
                    const QString &settingDir)
{
    FocusDesktop desktop;
    if (!start(desktop) || !desktop.open("game", "Level") || !desktop.open("editor", "notes")) {
        std::printf("%-9s not installed, or did not start\n", name);
        return;
    }
    auto *service = new AutoProfileService(w, settingDir, platform::createFocusWatcher());
    // A new window does not always take the focus (GNOME Shell): the rounds start from the editor's profile.
    desktop.activate("notes");
    QTest::qWait(AutoProfile::kSettleMs * 2);
    waitFor([&] { return w.view()->settings().currentProfileIndex() == 0 && !w.hid().commandsPending(); });
    measure(name, rounds, [&](int i) { desktop.activate(i % 2 == 0 ? "Level" : "notes"); }, w);
    delete service;
}

} // namespace

int main(int argc, char **argv)
{
    // The window's diagnostics would bury the figures.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &message) {
        if (type != QtDebugMsg && type != QtInfoMsg)
            std::fprintf(stderr, "%s\n", qPrintable(message));
    });
    qputenv("QT_QPA_PLATFORM", "offscreen");
    qputenv("QT_QUICK_BACKEND", "software");
    qputenv("VIRTUALMOUSE_ATTACH", "none");
    std::setvbuf(stdout, nullptr, _IOLBF, 0);
    // Even: each desktop starts and ends on the editor's profile.
    const int rounds = argc > 1 ? std::max(2, atoi(argv[1]) / 2 * 2) : 10;
    QProcess xvfb;
    xvfb.start(QStringLiteral("Xvfb"), {"-displayfd", "1", "-nolisten", "tcp"});
    QByteArray display;
    while (xvfb.waitForReadyRead(10000) && !display.contains('\n'))
        display += xvfb.readAllStandardOutput();
    display = ":" + display.trimmed();
    qputenv("DISPLAY", display);

    QApplication app(argc, argv);
    QTemporaryDir dir;
    QProcess::execute(QStringLiteral("cp"), {"-r", QStringLiteral(SOURCE_DIR "/modules"), dir.path()});
    QDir::setCurrent(dir.path());
    const QString settingDir = dir.filePath(QStringLiteral("modules/setting"));
    NameLists(settingDir).storeNameList(kProfileNameList, {"Standard0", "Game1"});
    QFile rules(appRulesPath(settingDir));
    rules.open(QIODevice::WriteOnly);
    rules.write("{\"enabled\": true, \"otherApps\": 1, \"rules\": [{\"app\": \"game\", \"profile\": 2}]}");
    rules.close();
    vmouse::plugMouse();
    Widget w;
    w.show();
    w.checkDevice();
    if (!waitFor([&] { return w.view()->rootObject() && w.view()->rootObject()->property("isPowerOn").toBool(); })) {
        std::printf("the pages did not start\n");
        return 1;
    }

    {
        FakeWindowManager wm(display);
        const Window windows[2] = {wm.open("game", "Game", "Level", 900), wm.open("editor", "Editor", "notes", 901)};
        auto *service = new AutoProfileService(w, settingDir, platform::createX11FocusWatcher());
        measure("x11", rounds, [&](int i) { wm.activate(windows[i % 2]); }, w);
        delete service;
    }

    {
        const QByteArray runtimeWas = qgetenv("XDG_RUNTIME_DIR");
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
        qputenv("HYPRLAND_INSTANCE_SIGNATURE", "bench");
        QDir().mkpath(runtime.filePath(QStringLiteral("hypr/bench")));
        QLocalServer server;
        server.listen(runtime.filePath(QStringLiteral("hypr/bench/.socket2.sock")));
        auto *service = new AutoProfileService(w, settingDir, platform::createHyprlandFocusWatcher());
        waitFor([&] { return server.hasPendingConnections(); });
        QLocalSocket *compositor = server.nextPendingConnection();
        measure("hyprland", rounds, [&](int i) {
            compositor->write(i % 2 == 0 ? "activewindow>>Game,Level\n" : "activewindow>>Editor,notes\n");
            compositor->flush();
        }, w);
        delete service;
        runtimeWas.isNull() ? qunsetenv("XDG_RUNTIME_DIR") : qputenv("XDG_RUNTIME_DIR", runtimeWas);
        qunsetenv("HYPRLAND_INSTANCE_SIGNATURE");
    }
    // The desktops on their own: an X server left running through their turns stopped answering new clients.
    xvfb.terminate();
    xvfb.waitForFinished(5000);
    qunsetenv("DISPLAY");

    if (qEnvironmentVariableIsSet("SWAYSOCK"))
        measureDesktop("sway", rounds, [](FocusDesktop &d) { return d.joinSway(); }, w, settingDir);
    else
        std::printf("sway      run in a sway session for it: bash tests/e2e/in_sway.sh %s\n", argv[0]);
    measureDesktop("kwin", rounds, [](FocusDesktop &d) { return d.startKWin(); }, w, settingDir);
    measureDesktop("gnome", rounds, [](FocusDesktop &d) { return d.startGnome(FOCUS_EXTENSION, TEST_EXTENSION); }, w,
                   settingDir);

    return 0;
}
