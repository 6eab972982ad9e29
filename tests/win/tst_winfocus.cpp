// The Windows focus watcher for real under Wine: the hooks, and the
// executable looked up for windows of two small programs.
#include "FocusWatcher.h"

#include <QProcess>
#include <QtTest>

#include <windows.h>

// The window message on which focus_app raises an event for its window.
constexpr UINT kRaiseEvent = WM_APP + 1;

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
        m_pids.push_back(process->processId());
        m_apps.push_back(std::move(process));
        return reinterpret_cast<HWND>(UINT_PTR(m_apps.back()->readLine().trimmed().toULongLong()));
    }
    // The next report within `ms`, as "appId|title|source|pid" (the pid of
    // one of the programs: "pid", else "?"), or "".
    QString next(int ms = 5000)
    {
        if (!QTest::qWaitFor([this] { return !m_events.empty(); }, ms))
            return {};
        const platform::FocusEvent e = m_events.front();
        m_events.erase(m_events.begin());
        const bool known = std::count(m_pids.begin(), m_pids.end(), e.pid) > 0;
        return QString::fromStdString(e.appId + "|" + e.title + "|" + e.source) + (known ? "|pid" : "|?");
    }

    std::vector<std::unique_ptr<QProcess>> m_apps;
    std::vector<qint64> m_pids;
    std::vector<platform::FocusEvent> m_events;

    // What Windows does when `window` comes to the front; Wine 8 moves the
    // focus but raises no event, so the window's program raises it.
    static void bringToFront(HWND window)
    {
        SetForegroundWindow(window);
        PostMessageW(window, kRaiseEvent, EVENT_SYSTEM_FOREGROUND, 0);
    }
    static void rename(HWND window, const wchar_t *title)
    {
        SetWindowTextW(window, title);
        PostMessageW(window, kRaiseEvent, EVENT_OBJECT_NAMECHANGE, 0);
    }

private slots:
    void cleanupTestCase()
    {
        for (auto &app : m_apps)
            app->kill(), app->waitForFinished(5000);
    }

    void followsTheForegroundWindow()
    {
        const HWND alpha = open("AlphaApp.exe", "Alpha one");
        const HWND beta = open("beta.exe", "Beta one");
        QVERIFY(alpha && beta);
        SetForegroundWindow(alpha);

        std::unique_ptr<platform::FocusWatcher> watcher = platform::createFocusWatcher();
        const auto record = [this](const platform::FocusEvent &e) { m_events.push_back(e); };
        QVERIFY(watcher->start(record));
        QCOMPARE(watcher->name(), std::string("windows"));
        // The window in front at the start, with its executable and process.
        QCOMPARE(next(), QString("AlphaApp.exe|Alpha one|windows|pid"));
        // One watcher at a time, and the second says why not.
        std::unique_ptr<platform::FocusWatcher> second = platform::createFocusWatcher();
        QVERIFY(!second->start(record));
        QVERIFY(!second->status().empty());

        bringToFront(beta);
        QCOMPARE(next(), QString("beta.exe|Beta one|windows|pid"));
        bringToFront(alpha);
        QCOMPARE(next(), QString("AlphaApp.exe|Alpha one|windows|pid"));

        // Only the foreground window's title counts.
        rename(beta, L"Beta two");
        rename(alpha, L"Alpha two");
        QCOMPARE(next(), QString("AlphaApp.exe|Alpha two|windows|pid"));
        QCOMPARE(next(300), QString());

        // This program's own windows are never reported.
        const HWND own = CreateWindowExW(0, L"STATIC", L"Own", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 100, 100,
                                         nullptr, nullptr, nullptr, nullptr);
        QVERIFY(own);
        SetForegroundWindow(own);
        NotifyWinEvent(EVENT_SYSTEM_FOREGROUND, own, OBJID_WINDOW, CHILDID_SELF);
        QCOMPARE(next(300), QString());
        DestroyWindow(own);

        watcher->stop();
        bringToFront(beta);
        QCOMPARE(next(300), QString());
        // Stopped, the place is free again.
        QVERIFY(second->start(record));
        QCOMPARE(next(), QString("beta.exe|Beta two|windows|pid"));
    }
};

QTEST_GUILESS_MAIN(WinFocusTest)
#include "tst_winfocus.moc"
