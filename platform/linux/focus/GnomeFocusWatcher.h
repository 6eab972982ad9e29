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
    std::string status() const override { return m_status; }

private:
    bool fail(const std::string &why);
    // What stands between the extension and a working watcher, or "".
    std::string extensionProblem() const;

    QDBusConnection m_bus;
    std::unique_ptr<FocusReceiver> m_receiver;
    bool m_ownsName = false;
    std::string m_status;
};

} // namespace platform
