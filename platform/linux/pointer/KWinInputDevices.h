#pragma once
// The pointers KWin drives (a Plasma Wayland session), through its input
// device objects on the session bus: org.kde.KWin.InputDevice, one object
// per device under /org/kde/KWin/InputDevice, listed by the manager object
// at that path.

#include "PointerBackend.h"

#include <QDBusConnection>
#include <QString>
#include <QVector>

#include <functional>

namespace platform {

struct KWinPointer {
    QString path;
    QString name;
    uint vendor = 0;
    uint product = 0;
    double speed = 0;
    AccelProfile profile = AccelProfile::Default;
};

class KWinInputDevices
{
public:
    explicit KWinInputDevices(const QDBusConnection &bus);

    // False when KWin does not answer on this bus; touchpads are left out.
    bool list(QVector<KWinPointer> *pointers) const;

    // Sets every pointer, or puts back those already set and returns false.
    bool setSpeed(const QVector<KWinPointer> &pointers, double value) const;
    bool setProfile(const QVector<KWinPointer> &pointers, AccelProfile profile) const;
    // Back to the values list() read.
    void putBackSpeed(const QVector<KWinPointer> &pointers) const;
    void putBackProfile(const QVector<KWinPointer> &pointers) const;

private:
    bool read(const QString &path, KWinPointer *pointer, bool *isMouse) const;
    bool writeSpeed(const KWinPointer &pointer, double value) const;
    bool writeProfile(const KWinPointer &pointer, AccelProfile profile) const;
    using Write = std::function<bool(const KWinPointer &)>;
    bool writeAll(const QVector<KWinPointer> &pointers, const Write &write, const Write &undo) const;
    bool put(const QString &path, const char *property, const QVariant &value) const;

    QDBusConnection m_bus;
};

} // namespace platform
