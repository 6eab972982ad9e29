// The window in front on Hyprland: its event socket sends one line per event,
// "activewindow>>CLASS,TITLE" among them (the class has no comma; the title may).
#include "FocusWatchers.h"

#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>

namespace platform {

namespace {

const char kEventSocket[] = ".socket2.sock";
const char kActiveWindow[] = "activewindow>>";
constexpr int kConnectTimeoutMs = 2000;
// An event line is a class and a title; anything far longer is not one.
constexpr int kMaxLine = 64 * 1024;

class HyprlandFocusWatcher : public FocusWatcher
{
public:
    ~HyprlandFocusWatcher() override { stop(); }

    std::string name() const override { return "hyprland"; }
    std::string status() const override { return m_status; }

    bool start(Callback onFocus) override
    {
        stop();
        const QString path = QString::fromStdString(hyprlandEventSocket());
        if (path.isEmpty()) {
            m_status = "HYPRLAND_INSTANCE_SIGNATURE is not set, or its event socket is missing";
            return false;
        }
        m_socket = std::make_unique<QLocalSocket>();
        m_socket->connectToServer(path);
        if (!m_socket->waitForConnected(kConnectTimeoutMs)) {
            m_status = "The Hyprland event socket " + path.toStdString() + " does not answer";
            m_socket.reset();
            return false;
        }
        m_onFocus = std::move(onFocus);
        QObject::connect(m_socket.get(), &QLocalSocket::readyRead, [this] { readLines(); });
        QObject::connect(m_socket.get(), &QLocalSocket::disconnected,
                         [this] { m_status = "The Hyprland event socket closed"; });
        m_status = "Watching Hyprland through its event socket (hyprland)";
        return true;
    }

    void stop() override
    {
        if (m_socket) {
            m_socket->disconnect();
            m_socket->abort();
            m_socket.release()->deleteLater();
        }
        m_buffer.clear();
    }

private:
    void readLines()
    {
        m_buffer += m_socket->readAll();
        int end;
        while ((end = m_buffer.indexOf('\n')) >= 0) {
            const QByteArray line = m_buffer.left(end);
            m_buffer.remove(0, end + 1);
            if (line.startsWith(kActiveWindow))
                report(QString::fromUtf8(line.mid(int(sizeof kActiveWindow) - 1)));
        }
        if (m_buffer.size() > kMaxLine)
            m_buffer.clear();
    }

    void report(const QString &classAndTitle)
    {
        const int comma = classAndTitle.indexOf(QLatin1Char(','));
        FocusEvent event;
        event.source = name();
        event.appId = classAndTitle.left(comma < 0 ? classAndTitle.size() : comma).toStdString();
        event.title = comma < 0 ? std::string() : classAndTitle.mid(comma + 1).toStdString();
        m_onFocus(event);
    }

    std::unique_ptr<QLocalSocket> m_socket;
    QByteArray m_buffer;
    Callback m_onFocus;
    std::string m_status = "Hyprland focus watcher not started";
};

} // namespace

std::string hyprlandEventSocket()
{
    const QString signature = qEnvironmentVariable("HYPRLAND_INSTANCE_SIGNATURE");
    if (signature.isEmpty() || signature.contains(QLatin1Char('/')) || signature.startsWith(QLatin1Char('.')))
        return {};
    // Newer versions keep it in the runtime folder, older ones under /tmp.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    for (const QString &base : {runtime.isEmpty() ? QString() : runtime + QStringLiteral("/hypr"), QStringLiteral("/tmp/hypr")}) {
        if (base.isEmpty())
            continue;
        const QString path = base + QLatin1Char('/') + signature + QLatin1Char('/') + QLatin1String(kEventSocket);
        if (QFileInfo::exists(path))
            return path.toStdString();
    }
    return {};
}

std::unique_ptr<FocusWatcher> createHyprlandFocusWatcher()
{
    return std::make_unique<HyprlandFocusWatcher>();
}

} // namespace platform
