#include "X11Pointer.h"

#include <X11/Xatom.h>
#include <X11/extensions/XInput2.h>

namespace platform {

namespace {

constexpr int kXiMajor = 2;
constexpr int kXiMinor = 0;
// Longest property we read, in 4-byte units: the profile flags are a few bytes.
constexpr long kMaxPropertyUnits = 16;

// The factor the X server itself starts with when acceleration is on.
constexpr int kAccelOnNumerator = 2;
constexpr int kAccelOnDenominator = 1;
constexpr int kAccelOff = 1;  // numerator and denominator: unscaled motion

// X reports errors asynchronously; a trap turns those of one request into a result.
class ErrorTrap
{
public:
    ErrorTrap()
    {
        s_failed = false;
        m_previous = XSetErrorHandler(&ErrorTrap::handle);
    }
    ~ErrorTrap() { XSetErrorHandler(m_previous); }
    bool failed(Display *display) const
    {
        XSync(display, False);
        return s_failed;
    }

private:
    static int handle(Display *, XErrorEvent *)
    {
        s_failed = true;
        return 0;
    }
    static inline bool s_failed = false;
    XErrorHandler m_previous;
};

struct PointerControl {
    int numerator = 0;
    int denominator = 0;
    int threshold = 0;
    bool accelerates() const { return denominator > 0 && numerator > denominator; }
};

PointerControl readPointerControl(Display *display)
{
    PointerControl control;
    XGetPointerControl(display, &control.numerator, &control.denominator, &control.threshold);
    return control;
}

} // namespace

std::unique_ptr<X11Pointer> X11Pointer::open()
{
    // A connection of our own: no state shared with the toolkit's connection,
    // and a display that went away is noticed at the next call.
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return nullptr;
    int opcode = 0, event = 0, error = 0;
    int major = kXiMajor, minor = kXiMinor;
    if (!XQueryExtension(display, "XInputExtension", &opcode, &event, &error)
        || XIQueryVersion(display, &major, &minor) != Success) {
        XCloseDisplay(display);
        return nullptr;
    }
    return std::unique_ptr<X11Pointer>(new X11Pointer(display));
}

X11Pointer::X11Pointer(Display *display)
    : m_display(display)
    , m_floatType(XInternAtom(display, kFloatTypeName, False))
{
}

X11Pointer::~X11Pointer()
{
    XCloseDisplay(m_display);
}

bool X11Pointer::readProperty(int device, Atom atom, DeviceProperty *property)
{
    Atom type = None;
    int format = 0;
    unsigned long items = 0, after = 0;
    unsigned char *data = nullptr;
    ErrorTrap trap;
    const Status status = XIGetProperty(m_display, device, atom, 0, kMaxPropertyUnits, False, AnyPropertyType, &type,
                                        &format, &items, &after, &data);
    const bool ok = status == Success && !trap.failed(m_display) && type != None && format > 0;
    if (ok) {
        property->type = type;
        property->format = format;
        property->bytes.assign(data, data + items * static_cast<unsigned long>(format / 8));
    }
    if (data)
        XFree(data);
    return ok;
}

bool X11Pointer::writeProperty(int device, Atom atom, const DeviceProperty &property)
{
    ErrorTrap trap;
    XIChangeProperty(m_display, device, atom, property.type, property.format, PropModeReplace,
                     const_cast<unsigned char *>(property.bytes.data()), static_cast<int>(property.count()));
    if (trap.failed(m_display))
        return false;
    DeviceProperty now;
    return readProperty(device, atom, &now) && now.bytes == property.bytes;
}

std::vector<X11Pointer::DeviceValue> X11Pointer::read(const char *name,
                                                      bool (*fits)(const DeviceProperty &, unsigned long),
                                                      unsigned long type)
{
    std::vector<DeviceValue> values;
    // Only-if-exists: no libinput device on this server means no such atom.
    const Atom atom = XInternAtom(m_display, name, True);
    if (atom == None)
        return values;
    int count = 0;
    XIDeviceInfo *devices = XIQueryDevice(m_display, XIAllDevices, &count);
    for (int i = 0; i < count; ++i) {
        DeviceValue value{devices[i].deviceid, {}};
        if (devices[i].use == XISlavePointer && devices[i].enabled
            && readProperty(value.device, atom, &value.property) && fits(value.property, type))
            values.push_back(value);
    }
    XIFreeDeviceInfo(devices);
    return values;
}

bool X11Pointer::writeAll(const char *name, const std::vector<DeviceValue> &before,
                          const std::vector<DeviceValue> &after)
{
    const Atom atom = XInternAtom(m_display, name, True);
    for (std::size_t i = 0; i < after.size(); ++i) {
        if (!writeProperty(after[i].device, atom, after[i].property)) {
            while (i-- > 0)
                writeProperty(before[i].device, atom, before[i].property);
            return false;
        }
    }
    return !after.empty();
}

bool X11Pointer::setSpeed(double value)
{
    const std::vector<DeviceValue> before = read(kLibinputSpeedProperty, isSpeedProperty, m_floatType);
    std::vector<DeviceValue> after = before;
    for (DeviceValue &v : after)
        v.property.bytes = speedBytes(value);
    return writeAll(kLibinputSpeedProperty, before, after);
}

bool X11Pointer::speed(double *value)
{
    const std::vector<DeviceValue> values = read(kLibinputSpeedProperty, isSpeedProperty, m_floatType);
    if (values.empty())
        return false;
    *value = speedFromBytes(values.front().property.bytes);
    return true;
}

bool X11Pointer::setAccelProfile(AccelProfile profile)
{
    const std::vector<DeviceValue> before = read(kLibinputProfileProperty, isProfileProperty, XA_INTEGER);
    if (before.empty())
        return setCoreAcceleration(profile != AccelProfile::Flat);
    std::vector<DeviceValue> after = before;
    for (DeviceValue &v : after)
        v.property.bytes = profileFlags(v.property.bytes.size(), profile);
    return writeAll(kLibinputProfileProperty, before, after);
}

bool X11Pointer::accelProfile(AccelProfile *profile)
{
    const std::vector<DeviceValue> values = read(kLibinputProfileProperty, isProfileProperty, XA_INTEGER);
    if (values.empty()) {
        bool enabled = false;
        if (!coreAcceleration(&enabled))
            return false;
        *profile = enabled ? AccelProfile::Adaptive : AccelProfile::Flat;
        return true;
    }
    *profile = profileFromFlags(values.front().property.bytes);
    return true;
}

bool X11Pointer::setCoreAcceleration(bool enabled)
{
    const PointerControl before = readPointerControl(m_display);
    if (before.accelerates() == enabled)
        return true;  // keep a factor the user chose elsewhere
    const int numerator = enabled ? kAccelOnNumerator : kAccelOff;
    const int denominator = enabled ? kAccelOnDenominator : kAccelOff;
    XChangePointerControl(m_display, True, False, numerator, denominator, 0);
    // The read is a round trip, so it also sees the change applied.
    const PointerControl after = readPointerControl(m_display);
    return after.numerator == numerator && after.denominator == denominator;
}

bool X11Pointer::coreAcceleration(bool *enabled)
{
    *enabled = readPointerControl(m_display).accelerates();
    return true;
}

} // namespace platform
