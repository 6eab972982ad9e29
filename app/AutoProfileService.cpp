#include "AutoProfileService.h"

#include "AppRulesEditor.h"
#include "CliRequest.h"
#include "CommandLine.h"
#include "NameLists.h"
#include "ProfileList.h"
#include "SettingsFiles.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QQmlContext>

namespace {

AutoProfile::Hooks switcherHooks(Widget &window)
{
    AutoProfile::Hooks hooks;
    hooks.currentProfile = [&window] { return window.view()->settings().currentProfileIndex(); };
    hooks.pagesBusy = [&window] { return window.pageGate().busy(); };
    hooks.switchProfile = [&window](int profile) {
        const cli::Reply reply = switchProfileInWindow(profile, window);
        if (reply.status == cli::kDone)
            return AutoProfile::SwitchResult::Done;
        if (reply.err == cli::busyReply().err)
            return AutoProfile::SwitchResult::Busy;
        window.notifier().debugLine(QStringLiteral("Profile switch by rule failed: ") + reply.err.trimmed());
        return AutoProfile::SwitchResult::Failed;
    };
    return hooks;
}

} // namespace

AutoProfileService::AutoProfileService(Widget &window, const QString &settingDir,
                                       std::unique_ptr<platform::FocusWatcher> watcher)
    : QObject(&window)
    , m_window(window)
    , m_settingDir(settingDir)
    , m_watcher(std::move(watcher))
    , m_auto(switcherHooks(window), long(QCoreApplication::applicationPid()))
{
    m_auto.setOwnAppId(QFileInfo(QCoreApplication::applicationFilePath()).fileName());
    connect(&window.pageGate(), &PageGate::freed, &m_auto, &AutoProfile::pagesFreed);
    m_reload.setSingleShot(true);
    m_reload.setInterval(kReloadDelayMs);
    connect(&m_reload, &QTimer::timeout, this, &AutoProfileService::reload);
    // The folder too: an editor that saves by renaming replaces the file,
    // and a file made later appears only there.
    connect(&m_files, &QFileSystemWatcher::fileChanged, &m_reload, qOverload<>(&QTimer::start));
    connect(&m_files, &QFileSystemWatcher::directoryChanged, &m_reload, qOverload<>(&QTimer::start));
    m_files.addPath(m_settingDir);
    reload();

    AppRulesEditor::Sources sources;
    sources.seenApps = [this] { return m_auto.seenApps(); };
    sources.status = [this](const platform::TextLookup &lookup) { return statusLine(lookup); };
    window.view()->rootContext()->setContextProperty(QStringLiteral("appRules"),
                                                     new AppRulesEditor(m_settingDir, sources, this));
}

AutoProfileService::~AutoProfileService()
{
    if (m_watcher)
        m_watcher->stop();
}

void AutoProfileService::followFile()
{
    const QString path = appRulesPath(m_settingDir);
    if (QFileInfo::exists(path) && !m_files.files().contains(path))
        m_files.addPath(path);
}

void AutoProfileService::reload()
{
    followFile();
    // The folder changes with every profile saved: only a change of the
    // rules file or of the profiles it names is news. Anything else would
    // apply the rules again over a profile chosen by hand.
    const QVector<ListedProfile> profiles = listedProfiles(NameLists(m_settingDir));
    QFile file(appRulesPath(m_settingDir));
    QByteArray source = file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    for (const ListedProfile &p : profiles)
        source += '\n' + p.name.toUtf8() + ' ' + QByteArray::number(p.index);
    if (m_loaded && source == m_source)
        return;
    m_loaded = true;
    m_source = source;
    const AppRules rules = readAppRules(m_settingDir, profiles);
    // One message per new problem, not one per save of the same file.
    if (!rules.message.isEmpty() && rules.message != m_lastMessage)
        m_window.notifier().balloon(QStringLiteral("Info"), rules.message.trimmed());
    m_lastMessage = rules.message;
    m_auto.setRules(rules);
    startOrStopWatcher();
}

void AutoProfileService::startOrStopWatcher()
{
    const bool wanted = m_auto.rules().enabled;
    if (wanted == m_watching || !m_watcher)
        return;
    if (!wanted) {
        m_watcher->stop();
        m_watching = false;
        return;
    }
    m_watching = m_watcher->start([this](const platform::FocusEvent &event) { m_auto.focusChanged(event); });
    if (!m_watching)
        m_window.notifier().debugLine(QStringLiteral("Per-application profiles: ") + watcherStatus());
}

QString AutoProfileService::watcherStatus(const platform::TextLookup &lookup) const
{
    return m_watcher ? QString::fromStdString(m_watcher->statusText().in(lookup)) : QString();
}

QString AutoProfileService::statusLine(const platform::TextLookup &lookup) const
{
    const QString notes = appRulesNotesText(m_auto.rules().notes, lookup);
    if (!m_auto.rules().enabled) {
        // Said before the user turns the rules on: this desktop cannot be followed.
        const bool unsupported = m_watcher && m_watcher->name() == "none";
        return ((unsupported ? watcherStatus(lookup) + QLatin1Char('\n') : QString()) + notes).trimmed();
    }
    QString watcher = watcherStatus(lookup);
    if (!m_watching)
        watcher = QString::fromStdString(
            platform::focusStatus(platform::FocusText::NotFollowing, {watcher.toStdString()}).in(lookup));
    return watcher + QLatin1Char('\n') + notes.trimmed();
}

QString AutoProfileService::statusText() const
{
    QString text;
    if (!m_auto.rules().enabled) {
        text = QStringLiteral("per-application rules: off\n");
    } else {
        text = QStringLiteral("per-application rules: on (%1)\n").arg(watcherStatus());
        const int rule = m_auto.chosenByRule();
        QString chosen = QStringLiteral("by hand or at the start");
        if (rule == AppRuleMatch::kOtherApps)
            chosen = QStringLiteral("otherApps");
        for (const AppRule &r : m_auto.rules().rules)
            if (r.number == rule)
                chosen = QStringLiteral("rule %1 (app \"%2\")").arg(rule).arg(r.app);
        text += QStringLiteral("profile chosen: %1\n").arg(chosen);
    }
    return text + m_lastMessage;
}
