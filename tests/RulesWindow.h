#pragma once
// The running window with a rules file for per-application profiles, the
// profiles Standard, Game and Mail told apart on the virtual mouse by their
// report rates 1, 2 and 4.

#include "AppRules.h"
#include "AutoProfileService.h"
#include "NameLists.h"
#include "RunningWindow.h"

class RulesWindow
{
public:
    // `plugged`: false leaves the mouse out until the test plugs one (into `unit`).
    RulesWindow(const QString &root, const QByteArray &rules, bool plugged = true)
        : settingDir(root + QStringLiteral("/modules/setting"))
        , unit(prepare(root, settingDir, rules, plugged))
    {
        for (int profile = 0; profile < 3; ++profile)
            w.view()->settings().profile(profile)->setValue(QStringLiteral("sensor/reportRate_Tarn"), 1 << profile);
    }

    AutoProfileService *follow(std::unique_ptr<platform::FocusWatcher> watcher)
    {
        return new AutoProfileService(w, settingDir, std::move(watcher));
    }
    int rate() const { return int(vmouse::firmwareState(unit).reportRate); }
    int profileNo() { return RunningWindow::page(w, QStringLiteral("profileMain.profileNo")).toInt(); }

    const QString settingDir;
    int unit;
    Widget w;  // after the files it reads

private:
    static int prepare(const QString &root, const QString &settingDir, const QByteArray &rules, bool plugged)
    {
        const int unit = RunningWindow::prepare(root);
        NameLists(settingDir).storeNameList(kProfileNameList, {"Standard0", "Game1", "Mail2"});
        QFile file(appRulesPath(settingDir));
        if (!file.open(QIODevice::WriteOnly) || file.write(rules) != rules.size())
            qWarning() << "cannot write" << file.fileName();
        if (plugged)
            return unit;
        vmouse::unplug(unit);
        return -1;
    }
};
