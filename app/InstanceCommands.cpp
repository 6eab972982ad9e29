// Commands from another process's command line, carried out by the running
// program: the pages show what changed, as if the user had done it.
#include "CommandLine.h"

#include "AutoProfileService.h"
#include "CliRequest.h"
#include "CommandRunner.h"
#include "PageGate.h"
#include "SettingsFiles.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QFileInfo>
#include <QQuickItem>

#include <deque>

namespace {

const char kMacroEditor[] = "macroEditorMain";
const char kProfileFlow[] = "profileFlow";
const char kProfileManager[] = "profileMain";
// A recording in progress ends before the pages take another profile; one
// that goes on longer is saved first. Below the command line's own wait.
constexpr int kRecordingWaitMs = 30000;
// The device link lets events through while it waits, and with them the
// next command: it never runs inside this one.
bool commandRunning = false;

bool callPage(QObject *item, const char *function, const QVariantList &arguments = {})
{
    if (!item)
        return false;
    QGenericArgument args[2];
    for (int i = 0; i < arguments.size() && i < 2; ++i)
        args[i] = Q_ARG(QVariant, arguments.at(i));
    return QMetaObject::invokeMethod(item, function, Qt::DirectConnection, args[0], args[1]);
}

// The pages' side of a command; `gate`, where there is one, holds it until a
// recording has ended.
cli::PageHooks pageHooks(myQQuickView *view, PageGate *gate)
{
    const auto finishRecording = [gate] {
        if (gate)
            gate->finishRecording(kRecordingWaitMs);
    };
    cli::PageHooks hooks;
    hooks.selectProfile = [view, finishRecording](int profile) {
        QQuickItem *root = view->rootObject();
        if (!root || !root->property("isPowerOn").toBool())
            return false;
        finishRecording();
        // The choice in the profile manager; the whole profile follows from C++.
        QObject *flow = root->findChild<QObject *>(QLatin1String(kProfileFlow));
        if (!flow)
            return false;
        callPage(root, "setProtectUI", {flow->property("kProtectProfile")});
        callPage(flow, "changeProfile", {profile});
        flow->setProperty("profileChanged", false);
        return true;
    };
    hooks.reloadProfile = [view, finishRecording] {
        QQuickItem *root = view->rootObject();
        if (!root || !root->property("isPowerOn").toBool())
            return;
        finishRecording();
        QObject *flow = root->findChild<QObject *>(QLatin1String(kProfileFlow));
        callPage(root, "setProtectUI", {flow ? flow->property("kProtectProfile") : QVariant()});
        callPage(flow, "initProfilePanels");
        callPage(root->findChild<QObject *>(QLatin1String(kMacroEditor)), "init");
    };
    hooks.profileListChanged = [view] {
        if (QQuickItem *root = view->rootObject())
            callPage(root->findChild<QObject *>(QLatin1String(kProfileManager)), "init");
    };
    return hooks;
}

// Every command in the window, from another process or from the rules, takes
// this one path; `window` is null where pages run without one.
cli::Reply runInView(const cli::Options &options, myQQuickView &view, Hid_Thread &hid, Widget *window)
{
    if (options.command == cli::Command::Quit) {
        if (!window)
            return {cli::kBadInput, {}, QStringLiteral("there is no window to end\n")};
        // After the answer has gone: the program ends as from the tray's Quit.
        QMetaObject::invokeMethod(window, &Widget::exitSYS, Qt::QueuedConnection);
        return {cli::kDone, QStringLiteral("mouse-utility ended\n"), {}};
    }
    if (commandRunning)
        return cli::busyReply();
    commandRunning = true;
    SettingsFiles &files = view.settings();
    const QString settingDir = QFileInfo(files.fileName(0)).absolutePath();
    cli::PageHooks hooks = pageHooks(&view, window ? &window->pageGate() : nullptr);
    if (const auto *rules = window ? window->findChild<AutoProfileService *>() : nullptr)
        hooks.rulesStatus = [rules] { return rules->statusText(); };
    const cli::Reply reply = cli::CommandRunner(files, settingDir, hid, hooks).run(options);
    commandRunning = false;
    return reply;
}

QString runMessage(const QString &message, myQQuickView &view, Hid_Thread &hid, Widget *window)
{
    const auto options = cli::decodeRequest(message);
    if (!options)
        return cli::encodeReply({cli::kBadInput, {}, QStringLiteral("the request cannot be read\n")});
    return cli::encodeReply(runInView(*options, view, hid, window));
}

struct Pending {
    QString message;
    std::function<void(const QString &)> answer;
};

} // namespace

void carryOutRequest(const QString &message, Widget &window, std::function<void(const QString &)> answer)
{
    // A request that arrives while another is carried out (the device link
    // lets events through while it waits) waits in line.
    static std::deque<Pending> waiting;
    static bool draining = false;
    waiting.push_back({message, std::move(answer)});
    if (draining)
        return;
    draining = true;
    while (!waiting.empty()) {
        const Pending next = waiting.front();
        waiting.pop_front();
        next.answer(runMessage(next.message, *window.view(), window.hid(), &window));
    }
    draining = false;
}

QString carryOutRequest(const QString &message, myQQuickView &view, Hid_Thread &hid)
{
    return runMessage(message, view, hid, nullptr);
}

cli::Reply switchProfileInWindow(int profileIndex, Widget &window)
{
    cli::Options options;
    options.command = cli::Command::Profile;
    options.profile = QString::number(profileIndex + 1);
    return runInView(options, *window.view(), window.hid(), &window);
}
