// The KWin watcher against a real kwin_wayland on a virtual output, and its
// script under the Plasma 6 names against a stand-in workspace.

#include "FocusDesktop.h"
#include "focus/FocusCall.h"
#include "focus/KWinFocusScript.h"
#include "focus/KWinFocusWatcher.h"
#include "pointer/SessionBus.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QJSEngine>
#include <QStandardPaths>

namespace {

// KWin as Plasma 6 shows it to scripts, with calls to callDBus recorded.
class Window : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString resourceClass MEMBER resourceClass CONSTANT)
    Q_PROPERTY(QString caption MEMBER caption NOTIFY captionChanged)
public:
    Window(QString id, QString title) : resourceClass(std::move(id)), caption(std::move(title)) {}
    void rename(const QString &to) { caption = to, emit captionChanged(); }
    QString resourceClass, caption;
signals:
    void captionChanged();
};

class Workspace : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QObject *activeWindow MEMBER activeWindow)
public:
    QObject *activeWindow = nullptr;
    QStringList calls;
    Q_INVOKABLE void callDBus(const QString &service, const QString &path, const QString &interface,
                              const QString &method, const QString &appId, const QString &title)
    {
        calls << QStringList{service, path, interface, method, appId, title}.join('|');
    }
signals:
    void windowActivated(QObject *window);
};

} // namespace

class TestFocusKWin : public QObject
{
    Q_OBJECT

private:
    // Runs a one-shot script in KWin that activates the window titled `title`.
    void activate(const QString &title)
    {
        QFile script(m_desktop->path("activate.js"));
        QVERIFY(script.open(QIODevice::WriteOnly | QIODevice::Truncate));
        script.write("var l = workspace.clientList();\n"
                     "for (var i = 0; i < l.length; ++i) if (l[i].caption == '" + title.toUtf8()
                     + "') workspace.activeClient = l[i];\n");
        script.close();
        QVERIFY(kwin("unloadScript", {"activate"}).type() == QDBusMessage::ReplyMessage);
        const QDBusReply<int> id = kwin("loadScript", {script.fileName(), "activate"});
        QVERIFY(id.isValid());
        QDBusMessage run = QDBusMessage::createMethodCall("org.kde.KWin", QString("/%1").arg(id.value()),
                                                          "org.kde.kwin.Script", "run");
        QCOMPARE(platform::sessionBus().call(run).type(), QDBusMessage::ReplyMessage);
    }
    QDBusMessage kwin(const char *method, const QVariantList &args)
    {
        QDBusMessage call = QDBusMessage::createMethodCall("org.kde.KWin", "/Scripting", "org.kde.kwin.Scripting", method);
        call.setArguments(args);
        return platform::sessionBus().call(call);
    }

    std::unique_ptr<FocusDesktop> m_desktop;

private slots:
    void initTestCase()
    {
        const QString binary = QStandardPaths::findExecutable("kwin_wayland");
        if (binary.isEmpty())
            QSKIP("kwin_wayland is not installed (scripts/deps.sh installs it)");
        m_desktop = std::make_unique<FocusDesktop>();
        // The installed binary carries a file capability this sandbox refuses;
        // a copy has none.
        const QString copy = m_desktop->path("kwin_wayland");
        QVERIFY(QFile::copy(binary, copy));
        m_desktop->spawn(copy, {"--virtual", "--no-lockscreen", "--no-global-shortcuts", "--no-kactivities",
                                "--socket", "wayland-k", "--width", "1024", "--height", "768"},
                         {"KWIN_COMPOSE=Q"});
        // Scripts can be loaded a little after the name appears.
        QTRY_VERIFY_WITH_TIMEOUT(kwin("isScriptLoaded", {"none"}).type() == QDBusMessage::ReplyMessage, 15000);
    }
    void cleanupTestCase() { m_desktop.reset(); }

    // The sequences that break watchers, in one KWin session.
    void followsTheActiveWindow()
    {
        platform::KWinFocusWatcher watcher(platform::sessionBus());
        QVERIFY2(watcher.start(m_desktop->recorder()), watcher.status().c_str());
        QCOMPARE(m_desktop->next(300), QString());  // nothing focused yet

        QVERIFY(m_desktop->open("AlphaApp", "Alpha one", "wayland-k"));
        QCOMPARE(m_desktop->next(), QString("AlphaApp|Alpha one|kwin"));  // case kept, null skipped
        QVERIFY(m_desktop->open("beta", "Beta one", "wayland-k"));
        QCOMPARE(m_desktop->next(), QString("beta|Beta one|kwin"));
        activate("Alpha one");
        QCOMPARE(m_desktop->next(), QString("AlphaApp|Alpha one|kwin"));

        // Only the active window's caption counts.
        m_desktop->retitle("Beta one", "Beta two");
        m_desktop->retitle("Alpha one", "Alpha two");
        QCOMPARE(m_desktop->next(), QString("AlphaApp|Alpha two|kwin"));
        QCOMPARE(m_desktop->next(300), QString());

        // Closing the focused window: focus falls back; then no window at all.
        m_desktop->close("Alpha one");
        QCOMPARE(m_desktop->next(), QString("beta|Beta two|kwin"));
        m_desktop->close("Beta one");
        QCOMPARE(m_desktop->next(500), QString());
        QVERIFY(m_desktop->open("gamma", "Gamma", "wayland-k"));
        QCOMPARE(m_desktop->next(), QString("gamma|Gamma|kwin"));

        // Stopping unloads the script; a new start reports the window in front.
        watcher.stop();
        QCOMPARE(QDBusReply<bool>(kwin("isScriptLoaded", {watcher.scriptName()})).value(), false);
        QVERIFY(watcher.start(m_desktop->recorder()));
        QCOMPARE(m_desktop->next(), QString("gamma|Gamma|kwin"));
        m_desktop->close("Gamma");
    }

    // Only KWin may report; anyone else on the bus is ignored.
    void ignoresOtherCallers()
    {
        platform::KWinFocusWatcher watcher(platform::sessionBus());
        QVERIFY(watcher.start(m_desktop->recorder()));
        QDBusConnection other = QDBusConnection::connectToBus(qgetenv("DBUS_SESSION_BUS_ADDRESS"), "other");
        QDBusMessage call = QDBusMessage::createMethodCall(platform::sessionBus().baseService(), platform::kFocusPath,
                                                           platform::kFocusInterface, platform::kFocusMethod);
        call << QString("intruder") << QString("x");
        QVERIFY(other.send(call));
        QCOMPARE(m_desktop->next(300), QString());
        QDBusConnection::disconnectFromBus("other");
    }

    void plasma6Names()
    {
        QJSEngine engine;
        Workspace workspace;
        Window alpha("AlphaApp", "Alpha"), beta("beta", "Beta");
        workspace.activeWindow = &alpha;
        QJSValue ws = engine.newQObject(&workspace);
        engine.globalObject().setProperty("workspace", ws);
        engine.globalObject().setProperty("callDBus", ws.property("callDBus"));
        const QJSValue result = engine.evaluate(platform::kwinFocusScript(":1.42"));
        QVERIFY2(!result.isError(), qPrintable(result.toString()));
        emit workspace.windowActivated(nullptr);
        emit workspace.windowActivated(&beta);
        alpha.rename("Alpha renamed");  // no longer active
        beta.rename("Beta renamed");
        const QString to = QString(":1.42|%1|%2|%3|").arg(platform::kFocusPath, platform::kFocusInterface,
                                                          platform::kFocusMethod);
        QCOMPARE(workspace.calls, QStringList({to + "AlphaApp|Alpha", to + "beta|Beta", to + "beta|Beta renamed"}));
        QVERIFY(platform::kwinFocusScript("\"); evil(); (\"").isEmpty());
    }
};

QTEST_GUILESS_MAIN(TestFocusKWin)
#include "tst_focus_kwin.moc"
