// The window in front on sway and other compositors that speak its IPC: the
// socket named by SWAYSOCK, a subscription to window events, and the tree
// once at the start for the window focused before.
#include "FocusWatchers.h"
#include "SocketFocusWatcher.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLocalSocket>
#include <QtEndian>

namespace platform {

namespace {

const char kMagic[] = "i3-ipc";
constexpr int kMagicSize = 6;
constexpr int kHeaderSize = kMagicSize + 8;  // magic, payload length, type
constexpr quint32 kGetTree = 4;
constexpr quint32 kSubscribe = 2;
constexpr quint32 kWindowEvent = 0x80000003;
// A tree of a few hundred windows is well below this; a larger payload is
// not a message of the compositor.
constexpr quint32 kMaxPayload = 64u << 20;

QByteArray message(quint32 type, const QByteArray &payload)
{
    QByteArray out(kMagic, kMagicSize);
    quint32 words[2] = {quint32(payload.size()), type};
    out.append(reinterpret_cast<const char *>(words), sizeof words);  // the host's byte order
    return out + payload;
}

// The focused window in a tree, or an empty object.
QJsonObject focusedIn(const QJsonObject &node)
{
    if (node.value(QLatin1String("focused")).toBool() && node.contains(QLatin1String("pid")))
        return node;
    for (const char *children : {"nodes", "floating_nodes"})
        for (const QJsonValue &child : node.value(QLatin1String(children)).toArray()) {
            const QJsonObject found = focusedIn(child.toObject());
            if (!found.isEmpty())
                return found;
        }
    return {};
}

class SwayFocusWatcher : public SocketFocusWatcher
{
public:
    SwayFocusWatcher() : SocketFocusWatcher({"sway", FocusText::SwaySocketSilent, FocusText::SwaySocketClosed}) {}

    std::string name() const override { return "sway"; }

    bool start(Callback onFocus) override
    {
        m_focusedId = -1;
        const QString path = qEnvironmentVariable("SWAYSOCK");
        if (path.isEmpty()) {
            m_status = focusStatus(FocusText::SwaySockUnset);
            return false;
        }
        if (!connectTo(path, std::move(onFocus)))
            return false;
        socket().write(message(kSubscribe, QByteArrayLiteral("[\"window\"]")));
        socket().write(message(kGetTree, {}));
        socket().flush();
        m_status = focusStatus(FocusText::SwayWatching);
        return true;
    }

private:
    void readable() override
    {
        QByteArray &pending = buffer();
        while (pending.size() >= kHeaderSize) {
            if (!pending.startsWith(kMagic))
                return fail(FocusText::SwayNotMessage);
            const quint32 length = qFromUnaligned<quint32>(pending.constData() + kMagicSize);
            const quint32 type = qFromUnaligned<quint32>(pending.constData() + kMagicSize + 4);
            if (length > kMaxPayload)
                return fail(FocusText::SwayOversized);
            if (quint32(pending.size()) < kHeaderSize + length)
                return;
            const QJsonObject body = QJsonDocument::fromJson(pending.mid(kHeaderSize, int(length))).object();
            pending.remove(0, kHeaderSize + int(length));
            if (type == kGetTree)
                initialFocus(body);
            else if (type == kWindowEvent)
                windowEvent(body);
        }
    }

    void initialFocus(const QJsonObject &tree)
    {
        // A window event that came first is newer than the tree.
        if (m_focusedId >= 0)
            return;
        const QJsonObject window = focusedIn(tree);
        if (!window.isEmpty())
            focused(window);
    }

    void windowEvent(const QJsonObject &body)
    {
        const QString change = body.value(QLatin1String("change")).toString();
        const QJsonObject window = body.value(QLatin1String("container")).toObject();
        const qint64 id = qint64(window.value(QLatin1String("id")).toDouble(-1));
        if (change == QLatin1String("focus") || (change == QLatin1String("title") && id == m_focusedId)) {
            focused(window);
        } else if (change == QLatin1String("close") && id == m_focusedId) {
            // The focused window went; the next one announces itself, if any.
            m_focusedId = -1;
            FocusEvent none;
            none.source = name();
            report(none);
        }
    }

    void focused(const QJsonObject &window)
    {
        m_focusedId = qint64(window.value(QLatin1String("id")).toDouble(-1));
        const QJsonObject x11 = window.value(QLatin1String("window_properties")).toObject();
        FocusEvent event;
        event.source = name();
        event.appId = window.value(QLatin1String("app_id")).toString().toStdString();
        if (event.appId.empty()) {
            event.appId = x11.value(QLatin1String("class")).toString().toStdString();
            event.instance = x11.value(QLatin1String("instance")).toString().toStdString();
        }
        event.title = window.value(QLatin1String("name")).toString().toStdString();
        event.pid = long(window.value(QLatin1String("pid")).toDouble(0));
        report(event);
    }

    qint64 m_focusedId = -1;
};

} // namespace

std::unique_ptr<FocusWatcher> createSwayFocusWatcher()
{
    return std::make_unique<SwayFocusWatcher>();
}

} // namespace platform
