#pragma once
// One way of reaching the running desktop's pointer settings, in the units
// the Linux desktops share: libinput's pointer speed (-1 slowest, 0 the
// device's own, 1 fastest), an acceleration profile, milliseconds and lines.
// Every call defaults to "not kept here"; a back end overrides what its
// desktop keeps. A setter changes all or nothing.

#include <memory>

namespace platform {

enum class AccelProfile { Default, Flat, Adaptive };

// GNOME's names for the profiles, also used in the file of kept originals.
const char *accelProfileName(AccelProfile profile);
bool accelProfileFromName(const char *name, AccelProfile *profile);

class PointerBackend
{
public:
    virtual ~PointerBackend() = default;

    // Names the back end in the file of kept originals.
    virtual const char *name() const = 0;

    virtual bool setSpeed(double) { return false; }
    virtual bool speed(double *) { return false; }
    virtual bool setAccelProfile(AccelProfile) { return false; }
    virtual bool accelProfile(AccelProfile *) { return false; }
    virtual bool setDoubleClickMs(int) { return false; }
    virtual bool doubleClickMs(int *) { return false; }
    virtual bool setWheelLines(int) { return false; }
    virtual bool wheelLines(int *) { return false; }
};

// A Wayland session of a desktop not listed here, or no session at all.
class NoPointerBackend : public PointerBackend
{
public:
    const char *name() const override { return "none"; }
};

// Chooses from the environment and what answers; never null.
std::unique_ptr<PointerBackend> choosePointerBackend();

} // namespace platform
