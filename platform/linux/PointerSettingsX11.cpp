#include "PointerSettings.h"

#include <X11/Xlib.h>

#include <memory>

// Pointer speed and acceleration through the X server's core pointer control.

namespace platform {

namespace {

// The factor the X server itself starts with when acceleration is on.
constexpr int kAccelOnNumerator = 2;
constexpr int kAccelOnDenominator = 1;
constexpr int kAccelOff = 1;  // numerator and denominator: unscaled motion

struct DisplayCloser {
    void operator()(Display *display) const { XCloseDisplay(display); }
};
using DisplayHandle = std::unique_ptr<Display, DisplayCloser>;

// A connection of our own for each call: no state shared with the toolkit's
// connection, and a display that went away is noticed at the next call.
DisplayHandle openDisplay()
{
    return DisplayHandle(XOpenDisplay(nullptr));
}

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

bool setPointerSpeed(std::uint32_t)
{
    // The core pointer control only scales motion above its threshold; it
    // cannot hold a speed that applies to all motion, slower or faster.
    return false;
}

bool setPointerAcceleration(bool enabled)
{
    DisplayHandle display = openDisplay();
    if (!display)
        return false;
    const PointerControl before = readPointerControl(display.get());
    if (before.accelerates() == enabled)
        return true;  // keep a factor the user chose elsewhere
    const int numerator = enabled ? kAccelOnNumerator : kAccelOff;
    const int denominator = enabled ? kAccelOnDenominator : kAccelOff;
    XChangePointerControl(display.get(), True, False, numerator, denominator, 0);
    // The read is a round trip, so it also sees the change applied.
    const PointerControl after = readPointerControl(display.get());
    return after.numerator == numerator && after.denominator == denominator;
}

bool getPointerAcceleration(bool *enabled)
{
    if (!enabled)
        return false;
    DisplayHandle display = openDisplay();
    if (!display)
        return false;
    *enabled = readPointerControl(display.get()).accelerates();
    return true;
}

} // namespace platform
