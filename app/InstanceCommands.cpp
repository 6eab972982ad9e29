// Commands from another process's command line, carried out by the running
// program: the pages show what changed, as if the user had done it.
#include "CommandLine.h"

#include "CliRequest.h"
#include "AutoProfileService.h"
#include "CommandRunner.h"
#include "PageGate.h"
#include "SettingsFiles.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QFileInfo>
#include <QQuickItem>

namespace {

const char kMacroEditor[] = "macroEditorMain";
const char kProfileFlow[] = "profileFlow";
// A recording in progress ends before the pages take another profile; one
// that goes on longer is saved first. Below the command line's own wait.
constexpr int kRecordingWaitMs = 30000;
// The device link lets events through while it waits, and with them the
// next command: it is refused rather than run inside this one.
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

cli::PageHooks pageHooks(myQQuickView *view, PageGate &gate)
{
    cli::PageHooks hooks;
    hooks.selectProfile = [view, &gate](int profile) {
        QQuickItem *root = view->rootObject();
        if (!root || !root->property("isPowerOn").toBool())
            return false;
        gate.finishRecording(kRecordingWaitMs);
        // The choice in the profile manager; the whole profile follows from C++.
        QObject *flow = root->findChild<QObject *>(QLatin1String(kProfileFlow));
        if (!flow)
            return false;
        callPage(root, "setProtectUI", {flow->property("kProtectProfile")});
        callPage(flow, "changeProfile", {profile});
        flow->setProperty("profileChanged", false);
        return true;
    };
    hooks.reloadProfile = [view, &gate] {
        QQuickItem *root = view->rootObject();
        if (!root || !root->property("isPowerOn").toBool())
            return;
        gate.finishRecording(kRecordingWaitMs);
        QObject *flow = root->findChild<QObject *>(QLatin1String(kProfileFlow));
        callPage(root, "setProtectUI", {flow ? flow->property("kProtectProfile") : QVariant()});
        callPage(flow, "initProfilePanels", {false});
        callPage(root->findChild<QObject *>(QLatin1String(kMacroEditor)), "init");
    };
    return hooks;
}

// Every command in the window, from another process or from the rules, takes
// this one path.
cli::Reply runInWindow(const cli::Options &options, Widget &window)
{
    if (commandRunning)
        return cli::busyReply();
    commandRunning = true;
    myQQuickView *view = window.view();
    SettingsFiles &files = view->settings();
    const QString settingDir = QFileInfo(files.fileName(0)).absolutePath();
    cli::PageHooks hooks = pageHooks(view, window.pageGate());
    if (const auto *rules = window.findChild<AutoProfileService *>())
        hooks.rulesStatus = [rules] { return rules->statusText(); };
    const cli::Reply reply = cli::CommandRunner(files, settingDir, window.hid(), hooks).run(options);
    commandRunning = false;
    return reply;
}

} // namespace

QString carryOutRequest(const QString &message, Widget &window)
{
    const auto options = cli::decodeRequest(message);
    if (!options)
        return cli::encodeReply({cli::kBadInput, {}, QStringLiteral("the request cannot be read\n")});
    return cli::encodeReply(runInWindow(*options, window));
}

cli::Reply switchProfileInWindow(int profileIndex, Widget &window)
{
    cli::Options options;
    options.command = cli::Command::Profile;
    options.profile = QString::number(profileIndex + 1);
    return runInWindow(options, window);
}
