// The focus watchers against what they read: a private Xvfb whose root and
// windows the test sets up as a window manager would, and a stand-in for
// Hyprland's event socket. The sequences are those that break watchers:
// there and back, a title change, the focused window closed, no window left.
#include "FocusWatchers.h"
#include "XvfbServer.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QtTest>
// Last: the X11 headers define names the toolkit's headers use.
#include "FakeWindowManager.h"

namespace {

struct Seen {
    QString id, instance, title, source;
    long pid;
    bool operator==(const Seen &o) const
    {
        return id == o.id && instance == o.instance && title == o.title && source == o.source && pid == o.pid;
    }
};

} // namespace

class FocusWatchersTest : public QObject
{
    Q_OBJECT

    QList<Seen> m_seen;

    platform::FocusWatcher::Callback record()
    {
        return [this](const platform::FocusEvent &e) {
            m_seen.append({QString::fromStdString(e.appId), QString::fromStdString(e.instance),
                           QString::fromStdString(e.title), QString::fromStdString(e.source), e.pid});
        };
    }

private slots:
    void initTestCase()
    {
        // Whatever session the tests run in, the program must see only X11.
        for (const char *v : {"WAYLAND_DISPLAY", "SWAYSOCK", "XDG_SESSION_TYPE", "HYPRLAND_INSTANCE_SIGNATURE"})
            qunsetenv(v);
    }

    void init() { m_seen.clear(); }

    void x11_follows_the_active_window_and_its_title()
    {
        XvfbServer xvfb;
        QVERIFY(!xvfb.display().isEmpty());
        qputenv("DISPLAY", xvfb.display());
        FakeWindowManager wm(xvfb.display());
        QVERIFY(wm.ok());
        const Window alpha = wm.open("alphaInst", "Alpha", "Alpha one", 101);
        const Window beta = wm.open("beta", "BeTa", "Beta", 102);
        wm.activate(alpha);

        auto watcher = platform::createX11FocusWatcher();
        QVERIFY(watcher->start(record()));
        QCOMPARE(watcher->name(), std::string("x11"));
        // The program's --watch-focus prints what the rules would compare.
        QProcess watchFocus;
        watchFocus.start(QStringLiteral(DEMO_PROGRAM), {QStringLiteral("--watch-focus")});
        QVERIFY(watchFocus.waitForReadyRead(10000));
        // Both watchers report each step before the next: a window manager
        // that moves the focus twice before a watcher reads it reports once.
        auto both = [&](int n) {
            return QTest::qWaitFor([&] { return m_seen.size() == n && watchFocus.peek(1 << 16).count('\n') == n; });
        };
        // The window in front at the start is reported at once.
        QCOMPARE(m_seen.size(), 1);
        QCOMPARE(m_seen.last(), (Seen{"Alpha", "alphaInst", "Alpha one", "x11", 101}));

        wm.activate(beta);
        QVERIFY(both(2));
        QCOMPARE(m_seen.last(), (Seen{"BeTa", "beta", "Beta", "x11", 102}));
        wm.activate(alpha);
        QVERIFY(both(3));
        QCOMPARE(m_seen.last().id, QStringLiteral("Alpha"));
        wm.setTitle(alpha, "Alpha two");
        QVERIFY(both(4));
        QCOMPARE(m_seen.last().title, QStringLiteral("Alpha two"));
        // A title change of a window that is not in front says nothing.
        wm.setTitle(beta, "Beta two");
        QTest::qWait(100);
        QCOMPARE(m_seen.size(), 4);

        // The focused window closes; focus falls back to beta, then none is left.
        wm.close(alpha);
        wm.activate(beta);
        QVERIFY(both(5));
        QCOMPARE(m_seen.last().title, QStringLiteral("Beta two"));
        wm.close(beta);
        wm.activate(0);
        QVERIFY(both(6));
        QCOMPARE(m_seen.last(), (Seen{"", "", "", "x11", 0}));

        watcher->stop();
        watcher->stop();
        QCOMPARE(QString::fromUtf8(watchFocus.readAllStandardOutput()).split(QLatin1Char('\n')).mid(0, 3),
                 (QStringList{"Alpha (alphaInst)\tAlpha one\tx11", "BeTa (beta)\tBeta\tx11", "Alpha (alphaInst)\tAlpha one\tx11"}));
        watchFocus.terminate();
        QVERIFY(watchFocus.waitForFinished(5000));
    }

    // The watcher follows the session: the compositor's own on Wayland, X11
    // only on an X11 session, and a plain reason anywhere else.
    void the_session_chooses_the_watcher()
    {
        const struct { const char *name; QList<QPair<const char *, const char *>> env; const char *watcher; const char *says; } cases[] = {
            {"sway", {{"WAYLAND_DISPLAY", "wayland-1"}, {"SWAYSOCK", "/run/sway.sock"}}, "sway", nullptr},
            {"x11", {{"DISPLAY", ":5"}, {"XDG_SESSION_TYPE", "x11"}}, "x11", nullptr},
            {"other Wayland desktop", {{"WAYLAND_DISPLAY", "wayland-0"}, {"DISPLAY", ":0"}}, "none", "not supported on this Wayland desktop"},
            {"Wayland session type", {{"XDG_SESSION_TYPE", "wayland"}, {"DISPLAY", ":0"}}, "none", "not supported"},
            {"no desktop", {}, "none", "not supported on this desktop"},
        };
        for (const auto &c : cases) {
            for (const char *v : {"WAYLAND_DISPLAY", "SWAYSOCK", "DISPLAY", "XDG_SESSION_TYPE", "HYPRLAND_INSTANCE_SIGNATURE"})
                qunsetenv(v);
            for (const auto &e : c.env)
                qputenv(e.first, e.second);
            const auto watcher = platform::createFocusWatcher();
            QVERIFY2(watcher->name() == c.watcher, c.name);
            if (c.says)
                QVERIFY2(QString::fromStdString(watcher->status()).contains(QLatin1String(c.says)), c.name);
        }
    }

    void x11_without_a_display_says_so()
    {
        qunsetenv("DISPLAY");
        auto watcher = platform::createX11FocusWatcher();
        QVERIFY(!watcher->start(record()));
        QVERIFY(QString::fromStdString(watcher->status()).contains(QLatin1String("No X display")));
    }

    void hyprland_lines_split_at_the_first_comma()
    {
        QTemporaryDir runtime;
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
        qputenv("HYPRLAND_INSTANCE_SIGNATURE", "abc_123");
        QVERIFY(QDir().mkpath(runtime.filePath(QStringLiteral("hypr/abc_123"))));
        QLocalServer server;
        QVERIFY(server.listen(runtime.filePath(QStringLiteral("hypr/abc_123/.socket2.sock"))));
        QCOMPARE(QString::fromStdString(platform::hyprlandEventSocket()),
                 runtime.filePath(QStringLiteral("hypr/abc_123/.socket2.sock")));

        auto watcher = platform::createHyprlandFocusWatcher();
        QVERIFY(watcher->start(record()));
        QTRY_VERIFY(server.hasPendingConnections());
        QLocalSocket *compositor = server.nextPendingConnection();
        compositor->write("workspace>>2\nactivewindow>>Alpha,Doc, draft - Editor\nactivewindowv2>>5a1\nactivewin");
        compositor->flush();
        QTRY_COMPARE(m_seen.size(), 1);
        compositor->write("dow>>beta,\nactivewindow>>Alpha,Doc\nactivewindow>>,\n");
        compositor->flush();
        QTRY_COMPARE(m_seen.size(), 4);
        QCOMPARE(m_seen.at(0), (Seen{"Alpha", "", "Doc, draft - Editor", "hyprland", 0}));
        QCOMPARE(m_seen.at(1), (Seen{"beta", "", "", "hyprland", 0}));
        QCOMPARE(m_seen.at(2).title, QStringLiteral("Doc"));
        QCOMPARE(m_seen.at(3), (Seen{"", "", "", "hyprland", 0}));
        watcher->stop();

        // A signature that would leave the folder is not followed.
        qputenv("HYPRLAND_INSTANCE_SIGNATURE", "../abc_123");
        QVERIFY(platform::hyprlandEventSocket().empty());
        QVERIFY(!platform::createHyprlandFocusWatcher()->start(record()));
    }
};

QTEST_GUILESS_MAIN(FocusWatchersTest)
#include "tst_focus_watchers.moc"
