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
#include "FocusSwitchTiming.h"
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

#include <cstdio>

// Last: the X11 headers define names the toolkit's headers use.
#include "FakeWindowManager.h"

namespace {

using FocusSwitchTiming::measure;
using FocusSwitchTiming::waitFor;

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
    // Even: each desktop starts and ends on the editor's profile.
    const int rounds = FocusSwitchTiming::prepareProcess(argc, argv);
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
