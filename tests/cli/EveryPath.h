#pragma once
// The ways a profile or a macro reaches the mouse, against one plugged
// virtual mouse: the running pages (a click, a switch in the profile
// manager), a command handed to the running program, and a command line
// without a window on a copy of the same settings tree.

#include "PagesFixture.h"

#include "CliRequest.h"
#include "CommandLine.h"
#include "CommandRunner.h"
#include "HeadlessDevice.h"

struct EveryPath : PagesFixture {
    // Waits until the device link has sent everything handed to it.
    void settle()
    {
        QTRY_VERIFY_WITH_TIMEOUT(!hid.commandsPending(), 10000);
    }

    cli::Reply inWindow(const QStringList &arguments)
    {
        const QString request = cli::encodeRequest(cli::parse(arguments, dir.path()));
        const cli::Reply reply = cli::decodeReply(carryOutRequest(request, *view, hid));
        settle();
        return reply;
    }

    // A copy of the tree as the pages left it, in `copy`; returns its setting folder.
    QString copyTree(const QTemporaryDir &copy)
    {
        settle();
        for (int i = 0; i < 10; ++i)
            profile(i)->sync();
        appConfig()->sync();
        for (const char *folder : {"setting/", "macro/", "gun/"})
            copyFolder(path(folder), copy.filePath(QLatin1String(folder)));
        return copy.filePath(QStringLiteral("setting/"));
    }

    // The command in a process of its own: a copy of the tree, a device link of its own.
    cli::Reply alone(const QStringList &arguments)
    {
        QTemporaryDir copy;
        const QString settingDir = copyTree(copy);
        SettingsFiles files(settingDir);
        Hid_Thread device;
        if (!cli::findMouse(device, *files.appConfig()))
            return {cli::kDeviceFailed, {}, QStringLiteral("no mouse")};
        return cli::CommandRunner(files, settingDir, device).run(cli::parse(arguments, dir.path()));
    }

    void chooseInProfileManager(int index)
    {
        js(QStringLiteral("profileFlow.showProfileManager(true); profileMain.changeProfile(%1); profileMain.closeUI()")
               .arg(index));
        settle();
    }
};
