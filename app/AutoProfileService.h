#pragma once
// Per-application profiles in the running window: the desktop's focus
// watcher, the rules file (read at the start and again whenever it changes
// on disk) and the switcher, joined to the window's one profile switch.

#include "AutoProfile.h"

#include <QFileSystemWatcher>
#include <QObject>
#include <QTimer>

#include <memory>

class Widget;

class AutoProfileService : public QObject
{
    Q_OBJECT
public:
    // Editors save in bursts (write, rename, touch): the file is read once
    // the burst is over.
    static constexpr int kReloadDelayMs = 100;

    // A child of the window, found again by the window's command handler.
    AutoProfileService(Widget &window, const QString &settingDir, std::unique_ptr<platform::FocusWatcher> watcher);
    ~AutoProfileService() override;

    AutoProfile &switcher() { return m_auto; }
    // The watcher in use, or what is missing.
    QString watcherStatus(const platform::TextLookup &lookup = platform::englishText) const;
    // The rules dialog's status line: the watcher in use or what is missing,
    // and what is wrong with the file.
    QString statusLine(const platform::TextLookup &lookup) const;
    // What --status tells about the rules.
    QString statusText() const;

private:
    void reload();
    void followFile();
    void startOrStopWatcher();

    Widget &m_window;
    QString m_settingDir;
    std::unique_ptr<platform::FocusWatcher> m_watcher;
    bool m_watching = false;
    AutoProfile m_auto;
    QFileSystemWatcher m_files;
    QTimer m_reload;
    QString m_lastMessage;
    QByteArray m_source;  // the rules file and the listed profiles last read
    bool m_loaded = false;
};
