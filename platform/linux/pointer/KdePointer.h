#pragma once
// KDE Plasma: double-click time and wheel lines in kdeglobals, announced
// with the change notification Plasma's applications listen for; pointer
// speed and acceleration applied through KWin's input devices (Wayland) or,
// in an X11 session, the X server's libinput properties, and kept in
// kcminputrc where Plasma's mouse settings read them at the next login.

#include "KWinInputDevices.h"
#include "PointerBackend.h"

#include <QDBusConnection>

namespace platform {

class KdeConfigFile;

class KdePointer : public PointerBackend
{
public:
    // `x11` reaches the pointers when KWin does not; may be null.
    KdePointer(const QDBusConnection &bus, std::unique_ptr<PointerBackend> x11);

    const char *name() const override { return "kde"; }
    bool setSpeed(double value) override;
    bool speed(double *value) override;
    bool setAccelProfile(AccelProfile profile) override;
    bool accelProfile(AccelProfile *profile) override;
    bool setDoubleClickMs(int ms) override;
    bool doubleClickMs(int *ms) override;
    bool setWheelLines(int lines) override;
    bool wheelLines(int *lines) override;

private:
    // Sets the speed or the profile (whichever is given) and keeps it in kcminputrc.
    bool setPointers(const double *speed, const AccelProfile *profile);
    bool setThroughKWin(const QVector<KWinPointer> &pointers, KdeConfigFile &input, const double *speed,
                        const AccelProfile *profile);
    bool setThroughX11(KdeConfigFile &input, const double *speed, const AccelProfile *profile);
    // A value of KWin's first pointer, or of the X server's when KWin does not answer.
    template <typename T>
    bool readPointers(T KWinPointer::*field, bool (PointerBackend::*readX11)(T *), T *value);
    bool setGlobal(const char *key, int value);
    bool global(const char *key, int fallback, int *value) const;

    QDBusConnection m_bus;
    KWinInputDevices m_kwin;
    std::unique_ptr<PointerBackend> m_x11;
};

} // namespace platform
