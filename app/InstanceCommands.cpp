// Commands from another process's command line, carried out by the running
// program: the pages show what changed, as if the user had done it.
#include "CommandLine.h"

#include "CliRequest.h"
#include "CommandRunner.h"
#include "SettingsFiles.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QFileInfo>

#include <deque>
#include <QQuickItem>

namespace {

const char kMacroEditor[] = "macroEditorMain";
const char kProfileFlow[] = "profileFlow";
const char kProfileManager[] = "profileMain";

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
    hooks.profileListChanged = [view] {
        if (QQuickItem *root = view->rootObject())
            callPage(root->findChild<QObject *>(QLatin1String(kProfileManager)), "init");
    };
    return hooks;
}

} // namespace

namespace {

struct Pending {
    QString message;
    std::function<void(const QString &)> answer;
};

QString carryOutOne(const QString &message, myQQuickView &view, Hid_Thread &hid, const std::function<void()> &quit)
{
    const auto options = cli::decodeRequest(message);
    if (!options)
        return cli::encodeReply({cli::kBadInput, {}, QStringLiteral("the request cannot be read\n")});
    if (options->command == cli::Command::Quit) {
        if (!quit)
            return cli::encodeReply({cli::kBadInput, {}, QStringLiteral("there is no window to end\n")});
        quit();
        return cli::encodeReply({cli::kDone, QStringLiteral("mouse-utility ended\n"), {}});
    }
    SettingsFiles &files = view.settings();
    const QString settingDir = QFileInfo(files.fileName(0)).absolutePath();
    return cli::encodeReply(cli::CommandRunner(files, settingDir, hid, pageHooks(&view)).run(*options));
}

} // namespace

void carryOutRequest(const QString &message, Widget &window, std::function<void(const QString &)> answer)
{
    // The device link lets events through while it waits, and with them
    // the next request: it waits in line rather than run inside this one.
    static std::deque<Pending> waiting;
    static bool running = false;
    waiting.push_back({message, std::move(answer)});
    if (running)
        return;
    running = true;
    // After the answer has gone: the program ends as from the tray's Quit.
    const auto quit = [&window] { QMetaObject::invokeMethod(&window, &Widget::exitSYS, Qt::QueuedConnection); };
    while (!waiting.empty()) {
        const Pending next = waiting.front();
        waiting.pop_front();
        next.answer(carryOutOne(next.message, *window.view(), window.hid(), quit));
    }
    running = false;
}

QString carryOutRequest(const QString &message, myQQuickView &view, Hid_Thread &hid)
{
    return carryOutOne(message, view, hid, {});
}
