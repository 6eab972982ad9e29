#pragma once
// KDE Plasma 5 and 6, Wayland and X11: a script loaded into KWin over D-Bus
// reports the active window to a FocusReceiver; stop() unloads it again.

#include "FocusReceiver.h"

#include <QDBusServiceWatcher>
#include <QTemporaryFile>
#include <memory>

namespace platform {

class KWinFocusWatcher : public FocusWatcher
{
public:
    explicit KWinFocusWatcher(QDBusConnection bus);
    ~KWinFocusWatcher() override;

    std::string name() const override { return "kwin"; }
    bool start(Callback onFocus) override;
    void stop() override;
    StatusText statusText() const override { return m_status; }

    // The name the script is loaded under in KWin (one per process).
    QString scriptName() const;

private:
    bool fail(StatusText why);
    // Loads and runs the script; false (status() says why) when KWin refuses.
    bool load();
    QStringList scriptPaths() const;

    QDBusConnection m_bus;
    std::unique_ptr<FocusReceiver> m_receiver;
    std::unique_ptr<QTemporaryFile> m_script;  // KWin reads it when the script runs
    bool m_loaded = false;
    std::unique_ptr<QDBusServiceWatcher> m_restarts;
    StatusText m_status;
};

} // namespace platform
