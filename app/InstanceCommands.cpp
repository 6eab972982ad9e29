// Commands from another process's command line, carried out by the running
// program: the pages show what changed, as if the user had done it.
#include "CommandLine.h"

#include "CliRequest.h"
#include "CommandRunner.h"
#include "SettingsFiles.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QFileInfo>
#include <QQuickItem>

namespace {

const char kMacroEditor[] = "macroEditorMain";
const char kProfileFlow[] = "profileFlow";

bool callPage(QObject *item, const char *function, const QVariantList &arguments = {})
{
    if (!item)
        return false;
    QGenericArgument args[2];
    for (int i = 0; i < arguments.size() && i < 2; ++i)
        args[i] = Q_ARG(QVariant, arguments.at(i));
    return QMetaObject::invokeMethod(item, function, Qt::DirectConnection, args[0], args[1]);
}

cli::PageHooks pageHooks(myQQuickView *view)
{
    cli::PageHooks hooks;
    hooks.selectProfile = [view](int profile) {
        QQuickItem *root = view->rootObject();
        if (!root || !root->property("isPowerOn").toBool())
            return false;
        // The choice in the profile manager; the whole profile follows from C++.
        QObject *flow = root->findChild<QObject *>(QLatin1String(kProfileFlow));
        if (!flow)
            return false;
        callPage(root, "setProtectUI", {flow->property("kProtectProfile")});
        callPage(flow, "changeProfile", {profile});
        flow->setProperty("profileChanged", false);
        return true;
    };
    hooks.reloadProfile = [view] {
        QQuickItem *root = view->rootObject();
        if (!root || !root->property("isPowerOn").toBool())
            return;
        QObject *flow = root->findChild<QObject *>(QLatin1String(kProfileFlow));
        callPage(root, "setProtectUI", {flow ? flow->property("kProtectProfile") : QVariant()});
        callPage(flow, "initProfilePanels");
        callPage(root->findChild<QObject *>(QLatin1String(kMacroEditor)), "init");
    };
    return hooks;
}

} // namespace

QString carryOutRequest(const QString &message, Widget &window)
{
    return carryOutRequest(message, *window.view(), window.hid());
}

QString carryOutRequest(const QString &message, myQQuickView &view, Hid_Thread &hid)
{
    // The device link lets events through while it waits, and with them
    // the next request: it is refused rather than run inside this one.
    static bool running = false;
    const auto options = cli::decodeRequest(message);
    if (!options)
        return cli::encodeReply({cli::kBadInput, {}, QStringLiteral("the request cannot be read\n")});
    if (running)
        return cli::encodeReply(cli::busyReply());
    running = true;
    SettingsFiles &files = view.settings();
    const QString settingDir = QFileInfo(files.fileName(0)).absolutePath();
    const cli::Reply reply = cli::CommandRunner(files, settingDir, hid, pageHooks(&view)).run(*options);
    running = false;
    return cli::encodeReply(reply);
}
