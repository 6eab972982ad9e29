// Per-application profiles: the time from a focus change to the first report
// on the wire, per watcher (target: the settle time + 20 ms). The window runs
// with the virtual mouse; X11 is a private Xvfb whose active window the
// benchmark sets as a window manager would, Hyprland a stand-in event socket.
// Usage: bench_focus_switch [rounds]   (needs Xvfb; the window runs offscreen)
#include "AutoProfileService.h"
#include "FocusWatchers.h"
#include "NameLists.h"
#include "SettingsFiles.h"
#include "VirtualMouse.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QQuickItem>
#include <QTemporaryDir>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

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

// Alternates between two applications `rounds` times; `focus(i)` brings
// application i % 2 to the front.
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
    const int rounds = argc > 1 ? std::max(2, atoi(argv[1])) : 10;
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
    }
    std::printf("sway: run tests/e2e's sway session for it; its reports take the same path after the socket\n");
    xvfb.terminate();
    xvfb.waitForFinished(5000);
    return 0;
}
