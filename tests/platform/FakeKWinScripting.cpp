// A stand-in for Plasma 6's KWin scripting on a private session bus: the
// documented org.kde.kwin.Scripting calls, each loaded script at
// /Scripting/Script<id>, run in a JavaScript engine against a workspace with
// Plasma 6's names (windowActivated, activeWindow) whose callDBus makes real
// calls from the org.kde.KWin name. Prints "ready"; lines on standard input
// drive the workspace: "activate ID TITLE", "activate" (no window),
// "rename TITLE" (the active window's caption).
#include <QCoreApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusMessage>
#include <QFile>
#include <QJSEngine>
#include <QSocketNotifier>
#include <QTextStream>
#include <map>
#include <memory>
#include <unistd.h>

class Window : public QObject
{
    Q_OBJECT
    Q_PROPERTY(QString resourceClass MEMBER resourceClass CONSTANT)
    Q_PROPERTY(QString caption MEMBER caption NOTIFY captionChanged)
public:
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
    Q_INVOKABLE void callDBus(const QString &service, const QString &path, const QString &interface,
                              const QString &method, const QString &appId, const QString &title)
    {
        QDBusMessage call = QDBusMessage::createMethodCall(service, path, interface, method);
        call << appId << title;
        QDBusConnection::sessionBus().send(call);
    }
signals:
    void windowActivated(QObject *window);
};

class Script : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.kwin.Script")
public:
    Script(QString file, Workspace *workspace) : m_file(std::move(file)), m_workspace(workspace) {}
public slots:
    void run()
    {
        QFile file(m_file);
        file.open(QIODevice::ReadOnly);
        QJSValue ws = m_engine.newQObject(m_workspace);
        m_engine.globalObject().setProperty("workspace", ws);
        m_engine.globalObject().setProperty("callDBus", ws.property("callDBus"));
        const QJSValue result = m_engine.evaluate(QString::fromUtf8(file.readAll()));
        QTextStream(stdout) << (result.isError() ? "error " + result.toString() : "ran") << Qt::endl;
    }

private:
    QString m_file;
    Workspace *m_workspace;
    QJSEngine m_engine;
};

class Scripting : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.kwin.Scripting")
public:
    Workspace workspace;
public slots:
    int loadScript(const QString &file, const QString &name)
    {
        if (m_scripts.count(name))
            return -1;
        const int id = m_next++;
        auto script = std::make_unique<Script>(file, &workspace);
        QDBusConnection::sessionBus().registerObject(QStringLiteral("/Scripting/Script%1").arg(id), script.get(),
                                                     QDBusConnection::ExportAllSlots);
        m_ids[name] = id;
        m_scripts[name] = std::move(script);
        return id;
    }
    bool unloadScript(const QString &name)
    {
        if (!m_scripts.count(name))
            return false;
        QDBusConnection::sessionBus().unregisterObject(QStringLiteral("/Scripting/Script%1").arg(m_ids[name]));
        m_scripts.erase(name);
        return true;
    }
    bool isScriptLoaded(const QString &name) { return m_scripts.count(name) > 0; }

private:
    int m_next = 0;
    std::map<QString, int> m_ids;
    std::map<QString, std::unique_ptr<Script>> m_scripts;
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    Scripting scripting;
    std::map<QString, std::unique_ptr<Window>> windows;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (!bus.registerObject("/Scripting", &scripting, QDBusConnection::ExportAllSlots)
        || !bus.registerService("org.kde.KWin"))
        return 1;
    QSocketNotifier input(STDIN_FILENO, QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        char buffer[512];
        const ssize_t n = read(STDIN_FILENO, buffer, sizeof buffer - 1);
        if (n <= 0)
            return app.quit();
        for (const QString &line : QString::fromUtf8(buffer, int(n)).split('\n', Qt::SkipEmptyParts)) {
            const QString command = line.section(' ', 0, 0), id = line.section(' ', 1, 1);
            if (command == "rename" && scripting.workspace.activeWindow) {
                auto *w = static_cast<Window *>(scripting.workspace.activeWindow);
                w->caption = line.section(' ', 1);
                emit w->captionChanged();
            } else if (command == "activate") {
                Window *w = nullptr;
                if (!id.isEmpty()) {
                    auto &slot = windows[id];
                    if (!slot)
                        slot = std::make_unique<Window>(), slot->resourceClass = id;
                    slot->caption = line.section(' ', 2);
                    w = slot.get();
                }
                scripting.workspace.activeWindow = w;
                emit scripting.workspace.windowActivated(w);
            }
        }
    });
    QTextStream(stdout) << "ready" << Qt::endl;
    return app.exec();
}

#include "FakeKWinScripting.moc"
