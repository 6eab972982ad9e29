#pragma once
// GNOME 43 and later on Wayland: the program's Shell extension reports the
// focused window to a FocusReceiver under a well-known bus name. The
// extension is installed with the program; the user enables it.

#include "FocusReceiver.h"

#include <memory>

namespace platform {

// The extension's uuid, its folder name under gnome-shell/extensions.
constexpr const char *kGnomeFocusExtension = "focus@mouseutility.org";

class GnomeFocusWatcher : public FocusWatcher
{
public:
    explicit GnomeFocusWatcher(QDBusConnection bus);
    ~GnomeFocusWatcher() override;

    std::string name() const override { return "gnome"; }
    bool start(Callback onFocus) override;
    void stop() override;
    StatusText statusText() const override { return m_status; }

private:
    bool fail(StatusText why);
    // What stands between the extension and a working watcher; no key when nothing.
    StatusText extensionProblem() const;

    QDBusConnection m_bus;
    std::unique_ptr<FocusReceiver> m_receiver;
    bool m_ownsName = false;
    StatusText m_status;
};

} // namespace platform
