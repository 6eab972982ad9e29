#include "DeviceChange.h"

#include <QSocketNotifier>

#include <libudev.h>

#include <memory>

namespace platform {

namespace {
const char kHidSubsystem[] = "hidraw";
const char kUdevEvents[] = "udev";  // events after udev has set up the node
} // namespace

// A udev monitor on the hidraw subsystem, read from the GUI event loop.
class DeviceChangeWatch
{
public:
    DeviceChangeWatch(udev *context, udev_monitor *monitor, DeviceChangeCallback callback, void *callbackContext)
        : m_udev(context)
        , m_monitor(monitor)
        , m_notifier(udev_monitor_get_fd(monitor), QSocketNotifier::Read)
        , m_callback(callback)
        , m_context(callbackContext)
    {
        QObject::connect(&m_notifier, &QSocketNotifier::activated, [this] { drain(); });
    }

    ~DeviceChangeWatch()
    {
        m_notifier.setEnabled(false);
        udev_monitor_unref(m_monitor);
        udev_unref(m_udev);
    }

private:
    void drain()
    {
        while (udev_device *device = udev_monitor_receive_device(m_monitor)) {
            udev_device_unref(device);
            if (m_callback)
                m_callback(m_context);
        }
    }

    udev *m_udev;
    udev_monitor *m_monitor;
    QSocketNotifier m_notifier;
    DeviceChangeCallback m_callback;
    void *m_context;
};

DeviceChangeWatch *startDeviceChangeWatch(DeviceChangeCallback callback, void *context)
{
    udev *u = udev_new();
    if (!u)
        return nullptr;
    udev_monitor *monitor = udev_monitor_new_from_netlink(u, kUdevEvents);
    if (!monitor || udev_monitor_filter_add_match_subsystem_devtype(monitor, kHidSubsystem, nullptr) < 0
        || udev_monitor_enable_receiving(monitor) < 0 || udev_monitor_get_fd(monitor) < 0) {
        if (monitor)
            udev_monitor_unref(monitor);
        udev_unref(u);
        return nullptr;
    }
    return new DeviceChangeWatch(u, monitor, callback, context);
}

void stopDeviceChangeWatch(DeviceChangeWatch *watch)
{
    delete watch;
}

bool isDeviceChangeMessage(const char *, const void *)
{
    return false;
}

} // namespace platform
