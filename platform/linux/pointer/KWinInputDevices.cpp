#include "KWinInputDevices.h"

#include "SessionBus.h"

#include <QDBusArgument>
#include <QDBusMessage>
#include <QDBusMetaType>
#include <QDBusVariant>

namespace platform {

namespace {

const QString kService = QStringLiteral("org.kde.KWin");
const QString kManagerPath = QStringLiteral("/org/kde/KWin/InputDevice");
const QString kManagerInterface = QStringLiteral("org.kde.KWin.InputDeviceManager");
const QString kDeviceInterface = QStringLiteral("org.kde.KWin.InputDevice");
const QString kProperties = QStringLiteral("org.freedesktop.DBus.Properties");

} // namespace

KWinInputDevices::KWinInputDevices(const QDBusConnection &bus)
    : m_bus(bus)
{
}

bool KWinInputDevices::list(QVector<KWinPointer> *pointers) const
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, kManagerPath, kProperties, QStringLiteral("Get"));
    call << kManagerInterface << QStringLiteral("devicesSysNames");
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, kDesktopCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    pointers->clear();
    const QStringList names = reply.arguments().first().value<QDBusVariant>().variant().toStringList();
    for (const QString &name : names) {
        KWinPointer pointer;
        bool isMouse = false;
        if (!read(kManagerPath + QLatin1Char('/') + name, &pointer, &isMouse))
            return false;
        if (isMouse)
            pointers->append(pointer);
    }
    return true;
}

bool KWinInputDevices::read(const QString &path, KWinPointer *pointer, bool *isMouse) const
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, path, kProperties, QStringLiteral("GetAll"));
    call << kDeviceInterface;
    const QDBusMessage reply = m_bus.call(call, QDBus::Block, kDesktopCallTimeoutMs);
    if (reply.type() != QDBusMessage::ReplyMessage || reply.arguments().isEmpty())
        return false;
    const QVariantMap p = qdbus_cast<QVariantMap>(reply.arguments().first());
    *isMouse = p.value(QStringLiteral("pointer")).toBool() && !p.value(QStringLiteral("touchpad")).toBool()
        && p.value(QStringLiteral("supportsPointerAcceleration")).toBool();
    pointer->path = path;
    pointer->name = p.value(QStringLiteral("name")).toString();
    pointer->vendor = p.value(QStringLiteral("vendor")).toUInt();
    pointer->product = p.value(QStringLiteral("product")).toUInt();
    pointer->speed = p.value(QStringLiteral("pointerAcceleration")).toDouble();
    if (p.value(QStringLiteral("pointerAccelerationProfileFlat")).toBool())
        pointer->profile = AccelProfile::Flat;
    else if (p.value(QStringLiteral("pointerAccelerationProfileAdaptive")).toBool())
        pointer->profile = AccelProfile::Adaptive;
    return true;
}

bool KWinInputDevices::put(const QString &path, const char *property, const QVariant &value) const
{
    QDBusMessage call = QDBusMessage::createMethodCall(kService, path, kProperties, QStringLiteral("Set"));
    call << kDeviceInterface << QString::fromLatin1(property) << QVariant::fromValue(QDBusVariant(value));
    return m_bus.call(call, QDBus::Block, kDesktopCallTimeoutMs).type() == QDBusMessage::ReplyMessage;
}

bool KWinInputDevices::writeSpeed(const KWinPointer &pointer, double value) const
{
    return put(pointer.path, "pointerAcceleration", value);
}

bool KWinInputDevices::writeProfile(const KWinPointer &pointer, AccelProfile profile) const
{
    // KWin keeps one flag per profile; the one switched on wins.
    const bool flat = profile == AccelProfile::Flat;
    return put(pointer.path, flat ? "pointerAccelerationProfileFlat" : "pointerAccelerationProfileAdaptive", true);
}

bool KWinInputDevices::writeAll(const QVector<KWinPointer> &pointers, const Write &write, const Write &undo) const
{
    for (int i = 0; i < pointers.size(); ++i) {
        if (!write(pointers[i])) {
            while (--i >= 0)
                undo(pointers[i]);
            return false;
        }
    }
    return true;
}

bool KWinInputDevices::setSpeed(const QVector<KWinPointer> &pointers, double value) const
{
    return writeAll(
        pointers, [&](const KWinPointer &p) { return writeSpeed(p, value); },
        [&](const KWinPointer &p) { return writeSpeed(p, p.speed); });
}

bool KWinInputDevices::setProfile(const QVector<KWinPointer> &pointers, AccelProfile profile) const
{
    return writeAll(
        pointers, [&](const KWinPointer &p) { return writeProfile(p, profile); },
        [&](const KWinPointer &p) { return writeProfile(p, p.profile); });
}

void KWinInputDevices::putBackSpeed(const QVector<KWinPointer> &pointers) const
{
    for (const KWinPointer &p : pointers)
        writeSpeed(p, p.speed);
}

void KWinInputDevices::putBackProfile(const QVector<KWinPointer> &pointers) const
{
    for (const KWinPointer &p : pointers)
        writeProfile(p, p.profile);
}

} // namespace platform
