// The KWin watcher against a real kwin_wayland on a virtual output, and its
// script under the Plasma 6 names against a stand-in workspace.

#include "FocusSequences.h"
#include "focus/FocusCall.h"
#include "focus/KWinFocusScript.h"
#include "focus/KWinFocusWatcher.h"
#include "pointer/SessionBus.h"

#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QDBusReply>
#include <QJSEngine>

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
    std::unique_ptr<FocusDesktop> m_desktop;

private slots:
    void initTestCase()
    {
        if (QStandardPaths::findExecutable("kwin_wayland").isEmpty())
            QSKIP("kwin_wayland is not installed (scripts/deps.sh installs it)");
        m_desktop = std::make_unique<FocusDesktop>();
        QVERIFY(m_desktop->startKWin());
    }
    void cleanupTestCase() { m_desktop.reset(); }

    void followsTheActiveWindow()
    {
        platform::KWinFocusWatcher watcher(platform::sessionBus());
        // Stopping unloads the script.
        checkFocusSequences(*m_desktop, watcher, [&] {
            QCOMPARE(QDBusReply<bool>(m_desktop->kwin("isScriptLoaded", {watcher.scriptName()})).value(), false);
        });
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
