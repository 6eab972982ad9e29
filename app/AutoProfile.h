#pragma once
// Follows the application in front and asks for the profile the rules give
// it. A focus change settles first, so that windows passed on the way
// (Alt+Tab, launchers, desktop popups) switch nothing; the program's own
// windows, the desktop shell and windows without an id never switch. A
// profile chosen by hand stands until another application comes to the
// front. While the pages are busy the wanted profile waits, and only the
// latest one is kept: there is never a queue of switches.

#include "AppRules.h"
#include "FocusWatcher.h"

#include <QObject>
#include <QStringList>
#include <QTimer>

#include <functional>

class AutoProfile : public QObject
{
    Q_OBJECT
public:
    static constexpr int kSettleMs = 200;
    // Another command held the mouse: the switch is tried again after this.
    static constexpr int kBusyRetryMs = 100;

    enum class SwitchResult { Done, Busy, Failed };

    struct Hooks {
        std::function<int()> currentProfile;              // index 0 .. 5
        std::function<bool()> pagesBusy;                  // recording, key dialog, profile manager
        std::function<SwitchResult(int)> switchProfile;   // the profile manager's switch
    };

    AutoProfile(Hooks hooks, long ownPid, QObject *parent = nullptr);

    void setRules(const AppRules &rules);
    // Where the desktop gives no process id: the program's own windows by id.
    void setOwnAppId(const QString &appId) { m_ownAppId = appId; }
    const AppRules &rules() const { return m_rules; }

    // A report of the watcher.
    void focusChanged(const platform::FocusEvent &event);
    // The pages are free again: the latest wanted profile follows.
    void pagesFreed();

    // The 1-based rule (AppRuleMatch::kOtherApps for otherApps) that chose
    // the current profile; -1 when it was chosen by hand or by no rule.
    int chosenByRule() const;
    // Applications that came to the front since the start, first seen first.
    QStringList seenApps() const { return m_seenApps; }

signals:
    void switched(int profile, int rule);

private:
    void settled();
    void apply();
    bool ignored(const platform::FocusEvent &event) const;

    Hooks m_hooks;
    long m_ownPid;
    QString m_ownAppId;
    AppRules m_rules;
    QTimer m_settle;
    QTimer m_retry;
    platform::FocusEvent m_latest;
    QString m_app;           // the application of the last decision, lower case
    int m_applied = -1;      // the profile the rules last asked for and got; -1 none
    int m_wanted = -1;       // waiting to be switched to; -1 nothing waits
    int m_wantedRule = -1;
    int m_chosenProfile = -1;
    int m_chosenRule = -1;
    bool m_sending = false;
    QStringList m_seenApps;
};
