// The window in front on Hyprland: its event socket sends one line per event,
// "activewindow>>CLASS,TITLE" among them (the class has no comma; the title may).
#include "FocusWatchers.h"
#include "SocketFocusWatcher.h"

#include <QFileInfo>

namespace platform {

namespace {

const char kEventSocket[] = ".socket2.sock";
const char kActiveWindow[] = "activewindow>>";
// An event line is a class and a title; anything far longer is not one.
constexpr int kMaxLine = 64 * 1024;

class HyprlandFocusWatcher : public SocketFocusWatcher
{
public:
    HyprlandFocusWatcher() : SocketFocusWatcher({"Hyprland", FocusText::HyprlandSocketSilent, FocusText::HyprlandSocketClosed}) {}

    std::string name() const override { return "hyprland"; }

    bool start(Callback onFocus) override
    {
        const QString path = QString::fromStdString(hyprlandEventSocket());
        if (path.isEmpty()) {
            m_status = focusStatus(FocusText::HyprlandUnset);
            return false;
        }
        if (!connectTo(path, std::move(onFocus)))
            return false;
        m_status = focusStatus(FocusText::HyprlandWatching);
        return true;
    }

private:
    void readable() override
    {
        QByteArray &pending = buffer();
        int end;
        while ((end = pending.indexOf('\n')) >= 0) {
            const QByteArray line = pending.left(end);
            pending.remove(0, end + 1);
            if (line.startsWith(kActiveWindow))
                activeWindow(QString::fromUtf8(line.mid(int(sizeof kActiveWindow) - 1)));
        }
        if (pending.size() > kMaxLine)
            pending.clear();
    }

    void activeWindow(const QString &classAndTitle)
    {
        const int comma = classAndTitle.indexOf(QLatin1Char(','));
        FocusEvent event;
        event.source = name();
        event.appId = classAndTitle.left(comma < 0 ? classAndTitle.size() : comma).toStdString();
        event.title = comma < 0 ? std::string() : classAndTitle.mid(comma + 1).toStdString();
        report(event);
    }
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
