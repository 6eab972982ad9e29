#pragma once
// An X11 session without a desktop service of its own: the libinput
// properties of every pointer device, through XInput2. Acceleration falls
// back to the server's core pointer control when no device has libinput
// properties (evdev, Xvfb); pointer speed has no such fallback, since the
// core control only scales motion above a threshold.

#include "LibinputProperties.h"
#include "PointerBackend.h"

#include <X11/Xlib.h>

#include <vector>

namespace platform {

class X11Pointer : public PointerBackend
{
public:
    // Null when the display named by DISPLAY cannot be opened or has no XInput2.
    static std::unique_ptr<X11Pointer> open();
    ~X11Pointer() override;

    const char *name() const override { return "x11"; }
    bool setSpeed(double value) override;
    bool speed(double *value) override;
    bool setAccelProfile(AccelProfile profile) override;
    bool accelProfile(AccelProfile *profile) override;

private:
    struct DeviceValue {
        int device;
        DeviceProperty property;
    };

    explicit X11Pointer(Display *display);
    // The pointers' current values of `name` that pass `fits`; empty when none has it.
    std::vector<DeviceValue> read(const char *name, bool (*fits)(const DeviceProperty &, unsigned long),
                                  unsigned long type);
    bool readProperty(int device, Atom atom, DeviceProperty *property);
    bool writeProperty(int device, Atom atom, const DeviceProperty &property);
    // Writes every device, or puts back those already written.
    bool writeAll(const char *name, const std::vector<DeviceValue> &before, const std::vector<DeviceValue> &after);
    bool setCoreAcceleration(bool enabled);
    bool coreAcceleration(bool *enabled);

    Display *m_display;
    Atom m_floatType;
};

} // namespace platform
