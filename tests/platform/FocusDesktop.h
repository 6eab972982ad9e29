#pragma once
// A real desktop for the focus watchers: a runtime folder and session bus of
// its own, the compositor started by the test, windows of chosen app ids
// (focus_window, beside the test), and the FocusEvents a watcher reports.
// The environment it replaced comes back when it ends.

#include "FocusWatcher.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <map>
#include <memory>

class FocusDesktop
{
public:
    FocusDesktop()
    {
        QFile::setPermissions(m_dir.path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
        set("XDG_RUNTIME_DIR", QFile::encodeName(m_dir.path()));
        set("HOME", QFile::encodeName(m_dir.path()));
        set("XDG_CONFIG_HOME", QFile::encodeName(m_dir.filePath("config")));
        set("DBUS_SESSION_BUS_ADDRESS", "unix:path=" + QFile::encodeName(m_dir.filePath("bus")));
        set("QT_QPA_PLATFORM", "");
        set("DISPLAY", "");
        spawn("dbus-daemon", {"--session", "--nofork", "--address=" + qgetenv("DBUS_SESSION_BUS_ADDRESS")});
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(m_dir.filePath("bus")), 10000);
    }
    ~FocusDesktop()
    {
        m_windows.clear();
        for (auto it = m_processes.rbegin(); it != m_processes.rend(); ++it)
            (*it)->terminate(), (*it)->waitForFinished(5000) || ((*it)->kill(), (*it)->waitForFinished(2000));
        for (auto it = m_saved.rbegin(); it != m_saved.rend(); ++it)
            it->second.isNull() ? qunsetenv(it->first) : qputenv(it->first, it->second);
    }

    QString path(const QString &name) const { return m_dir.filePath(name); }
    void set(const char *name, const QByteArray &value)
    {
        m_saved.emplace_back(name, qEnvironmentVariableIsSet(name) ? qgetenv(name) : QByteArray());
        qputenv(name, value);
    }
    // A process that lives as long as the desktop; its output goes to a log.
    QProcess *spawn(const QString &program, const QStringList &args, const QStringList &env = {})
    {
        m_processes.push_back(std::make_unique<QProcess>());
        QProcess *p = m_processes.back().get();
        QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
        for (const QString &pair : env)
            environment.insert(pair.section('=', 0, 0), pair.section('=', 1));
        p->setProcessEnvironment(environment);
        p->setStandardOutputFile(path(QFileInfo(program).fileName() + ".log"), QIODevice::Append);
        p->setProcessChannelMode(QProcess::MergedChannels);
        p->start(program, args);
        if (!p->waitForStarted(10000))
            qWarning() << "could not start" << program;
        return p;
    }

    // A window of `appId` titled `title`, on the Wayland display `display`;
    // true once it is shown.
    bool open(const QString &appId, const QString &title, const QByteArray &display)
    {
        auto window = std::make_unique<QProcess>();
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert("QT_QPA_PLATFORM", "wayland");
        env.insert("WAYLAND_DISPLAY", display);
        window->setProcessEnvironment(env);
        window->start(QCoreApplication::applicationDirPath() + "/focus_window", {appId, title});
        if (!window->waitForReadyRead(10000) || window->readLine() != "shown\n")
            return false;
        m_windows[title] = std::move(window);
        return true;
    }
    void retitle(const QString &title, const QString &to)
    {
        QProcess &w = *m_windows.at(title);
        w.write("title " + to.toUtf8() + "\n");
        w.waitForBytesWritten(2000);
    }
    void close(const QString &title)
    {
        QProcess &w = *m_windows.at(title);
        w.write("quit\n");
        w.waitForFinished(5000);
        m_windows.erase(title);
    }

    // Collects what a watcher reports.
    platform::FocusWatcher::Callback recorder()
    {
        return [this](const platform::FocusEvent &e) { m_events.push_back(e); };
    }
    // The next report within `ms`, as "appId|title|source", or "" when none.
    QString next(int ms = 5000)
    {
        QDeadlineTimer deadline(ms);
        while (m_events.empty() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (m_events.empty())
            return {};
        const platform::FocusEvent e = m_events.front();
        m_events.erase(m_events.begin());
        return QString::fromStdString(e.appId + "|" + e.title + "|" + e.source);
    }

private:
    QTemporaryDir m_dir;
    std::vector<std::unique_ptr<QProcess>> m_processes;
    std::map<QString, std::unique_ptr<QProcess>> m_windows;
    std::vector<platform::FocusEvent> m_events;
    std::vector<std::pair<const char *, QByteArray>> m_saved;
};
