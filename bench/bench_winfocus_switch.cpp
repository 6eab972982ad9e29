// Per-application profiles on Windows: the time from the foreground window's
// change to the first report on the wire, between windows of two small
// programs (AlphaApp.exe with a rule, beta.exe without). Wine raises no
// foreground event by itself: there the window's own program raises it, as
// Windows does, on a message posted right after the window came to the front.
// Usage (under Wine, see tests/win/wine-run.sh): bench_winfocus_switch [rounds]
#include "FocusSwitchTiming.h"
#include "RulesWindow.h"

#include <QApplication>
#include <QProcess>
#include <QTemporaryDir>

#include <windows.h>

namespace {

// The message on which focus_app raises an event for its window.
constexpr UINT kRaiseEvent = WM_APP + 1;

HWND openWindow(QProcess &app, const QString &program, const QString &title)
{
    app.start(QCoreApplication::applicationDirPath() + "/" + program, {title});
    if (!app.waitForReadyRead(20000))
        return nullptr;
    return reinterpret_cast<HWND>(UINT_PTR(app.readLine().trimmed().toULongLong()));
}

} // namespace

int main(int argc, char **argv)
{
    const int rounds = FocusSwitchTiming::prepareProcess(argc, argv);
    QApplication app(argc, argv);
    QTemporaryDir dir;
    RulesWindow window(dir.path(), "{\"enabled\": true, \"otherApps\": 1, \"rules\": [{\"app\": \"alphaapp\", \"profile\": 2}]}");
    if (!RunningWindow::start(window.w)) {
        std::printf("the pages did not start\n");
        return 1;
    }
    QProcess alpha, beta;
    const HWND windows[2] = {openWindow(alpha, "AlphaApp.exe", "Alpha"), openWindow(beta, "beta.exe", "Beta")};
    if (!windows[0] || !windows[1]) {
        std::printf("focus_app did not start beside the benchmark\n");
        return 1;
    }
    SetForegroundWindow(windows[1]);
    AutoProfileService *service = window.follow(platform::createFocusWatcher());
    FocusSwitchTiming::waitFor([&] { return window.w.view()->settings().currentProfileIndex() == 0; });
    FocusSwitchTiming::measure("windows", rounds, [&](int i) {
        SetForegroundWindow(windows[i % 2]);
        PostMessageW(windows[i % 2], kRaiseEvent, EVENT_SYSTEM_FOREGROUND, 0);
    }, window.w);
    delete service;
    alpha.kill();
    beta.kill();
    alpha.waitForFinished(5000);
    beta.waitForFinished(5000);
    return 0;
}
