// The Windows focus watcher for real under Wine: the foreground and title
// hooks, and the executable looked up for windows of two small programs.
#include "FocusWatcher.h"

#include <QProcess>
#include <QtTest>

#include <windows.h>

class WinFocusTest : public QObject
{
    Q_OBJECT

private:
    // Starts `program` (AlphaApp.exe or beta.exe beside the test) with a
    // window titled `title`; returns the window.
    HWND open(const QString &program, const QString &title)
    {
        auto process = std::make_unique<QProcess>();
        process->start(QCoreApplication::applicationDirPath() + "/" + program, {title});
        if (!process->waitForReadyRead(20000))
            return nullptr;
        const HWND window = reinterpret_cast<HWND>(UINT_PTR(process->readLine().trimmed().toULongLong()));
        m_pids[window] = process->processId();
        m_apps.push_back(std::move(process));
        return window;
    }
    // The next report within `ms`, as "appId|title|source|same pid", or "".
    QString next(int ms = 5000)
    {
        QDeadlineTimer deadline(ms);
        while (m_events.empty() && !deadline.hasExpired())
            QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
        if (m_events.empty())
            return {};
        const platform::FocusEvent e = m_events.front();
        m_events.erase(m_events.begin());
        bool known = false;
        for (const auto &[window, pid] : m_pids)
            known = known || pid == e.pid;
        return QString::fromStdString(e.appId + "|" + e.title + "|" + e.source) + (known ? "|pid" : "|?");
    }

    std::vector<std::unique_ptr<QProcess>> m_apps;
    std::map<HWND, qint64> m_pids;
    std::vector<platform::FocusEvent> m_events;

private slots:
    void cleanupTestCase()
    {
        for (auto &app : m_apps)
            app->kill(), app->waitForFinished(5000);
    }

    void followsTheForegroundWindow()
    {
        std::unique_ptr<platform::FocusWatcher> watcher = platform::createFocusWatcher();
        QVERIFY(watcher->start([this](const platform::FocusEvent &e) { m_events.push_back(e); }));
        QCOMPARE(watcher->name(), std::string("windows"));
        // A second one at the same time is refused, with a reason.
        std::unique_ptr<platform::FocusWatcher> second = platform::createFocusWatcher();
        QVERIFY(!second->start([](const platform::FocusEvent &) {}));
        QVERIFY(!second->status().empty());
        next(500);  // whatever was in front at the start

        const HWND alpha = open("AlphaApp.exe", "Alpha one");
        const HWND beta = open("beta.exe", "Beta one");
        QVERIFY(alpha && beta);
        QVERIFY(SetForegroundWindow(alpha));
        QString seen = next();
        if (seen.startsWith("beta"))  // beta may have come to the front by itself first
            seen = next();
        QCOMPARE(seen, QString("AlphaApp.exe|Alpha one|windows|pid"));
        QVERIFY(SetForegroundWindow(beta));
        QCOMPARE(next(), QString("beta.exe|Beta one|windows|pid"));
        QVERIFY(SetForegroundWindow(alpha));
        QCOMPARE(next(), QString("AlphaApp.exe|Alpha one|windows|pid"));

        // Only the foreground window's title counts.
        SetWindowTextW(beta, L"Beta two");
        SetWindowTextW(alpha, L"Alpha two");
        QCOMPARE(next(), QString("AlphaApp.exe|Alpha two|windows|pid"));
        QCOMPARE(next(300), QString());

        watcher->stop();
        SetForegroundWindow(beta);
        QCOMPARE(next(300), QString());
    }
};

QTEST_GUILESS_MAIN(WinFocusTest)
#include "tst_winfocus.moc"
