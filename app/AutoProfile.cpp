#include "AutoProfile.h"

AutoProfile::AutoProfile(Hooks hooks, long ownPid, QObject *parent)
    : QObject(parent)
    , m_hooks(std::move(hooks))
    , m_ownPid(ownPid)
{
    m_settle.setSingleShot(true);
    m_settle.setInterval(kSettleMs);
    connect(&m_settle, &QTimer::timeout, this, &AutoProfile::settled);
    m_retry.setSingleShot(true);
    m_retry.setInterval(kBusyRetryMs);
    connect(&m_retry, &QTimer::timeout, this, &AutoProfile::apply);
}

void AutoProfile::setRules(const AppRules &rules)
{
    m_rules = rules;
    if (!m_rules.enabled) {
        m_settle.stop();
        m_wanted = -1;
        return;
    }
    // New rules apply to the window in front at once.
    if (!m_latest.appId.empty()) {
        m_app.clear();
        m_settle.start();
    }
}

bool AutoProfile::ignored(const platform::FocusEvent &event) const
{
    return event.appId.empty() || event.shell || (m_ownPid > 0 && event.pid == m_ownPid)
           || (!m_ownAppId.isEmpty() && QString::fromStdString(event.appId).compare(m_ownAppId, Qt::CaseInsensitive) == 0);
}

void AutoProfile::focusChanged(const platform::FocusEvent &event)
{
    if (ignored(event)) {
        // Focus left the window that was settling: it never switches.
        m_settle.stop();
        return;
    }
    const QString app = QString::fromStdString(event.appId);
    if (!m_seenApps.contains(app))
        m_seenApps.append(app);
    m_latest = event;
    if (m_rules.enabled)
        m_settle.start();
}

void AutoProfile::settled()
{
    const QString app = QString::fromStdString(m_latest.appId).toLower();
    const int current = m_hooks.currentProfile();
    if (app == m_app && m_applied >= 0 && current != m_applied)
        return;  // chosen by hand since: it stands while this application stays
    if (app != m_app)
        m_applied = -1;
    m_app = app;
    const AppRuleMatch match = m_rules.match(QString::fromStdString(m_latest.appId),
                                             QString::fromStdString(m_latest.instance),
                                             QString::fromStdString(m_latest.title));
    if (match.profile < 0) {
        m_wanted = -1;
        return;
    }
    m_wanted = match.profile;
    m_wantedRule = match.rule;
    apply();
}

void AutoProfile::apply()
{
    if (m_wanted < 0 || m_sending || m_hooks.pagesBusy())
        return;
    const int target = m_wanted;
    const int rule = m_wantedRule;
    SwitchResult result = SwitchResult::Done;
    if (target != m_hooks.currentProfile()) {
        // Focus reports arrive while the profile is sent; each replaces m_wanted.
        m_sending = true;
        result = m_hooks.switchProfile(target);
        m_sending = false;
    }
    if (result == SwitchResult::Busy) {
        m_retry.start();
        return;
    }
    if (result == SwitchResult::Done) {
        m_applied = target;
        m_chosenProfile = target;
        m_chosenRule = rule;
        emit switched(target, rule);
    }
    if (m_wanted == target)
        m_wanted = -1;
    else
        apply();  // a later wish came during the send
}

void AutoProfile::pagesFreed()
{
    apply();
}

int AutoProfile::chosenByRule() const
{
    return m_rules.enabled && m_chosenProfile >= 0 && m_chosenProfile == m_hooks.currentProfile() ? m_chosenRule : -1;
}
