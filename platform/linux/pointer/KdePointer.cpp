#include "KdePointer.h"

#include "KdeConfigFile.h"

#include <QDBusMessage>

namespace platform {

namespace {

const QString kGlobalsFile = QStringLiteral("kdeglobals");
const QString kInputFile = QStringLiteral("kcminputrc");
const QStringList kGlobalsGroup = {QStringLiteral("KDE")};
const QStringList kX11MouseGroup = {QStringLiteral("Mouse")};
const QString kSpeedKey = QStringLiteral("PointerAcceleration");
const QString kProfileKey = QStringLiteral("PointerAccelerationProfile");
const QString kX11FlatKey = QStringLiteral("X11LibInputXAccelProfileFlat");
constexpr const char *kDoubleClickKey = "DoubleClickInterval";
constexpr const char *kWheelLinesKey = "WheelScrollLines";
// What Plasma uses while kdeglobals holds no value.
constexpr int kDefaultDoubleClickMs = 400;
constexpr int kDefaultWheelLines = 3;

// libinput's own numbers for the profiles, as kcminputrc keeps them.
constexpr int kLibinputProfileFlat = 1;
constexpr int kLibinputProfileAdaptive = 2;

// KGlobalSettings' change notification: settings changed, mouse category.
const QString kNotifyPath = QStringLiteral("/KGlobalSettings");
const QString kNotifyInterface = QStringLiteral("org.kde.KGlobalSettings");
const QString kNotifyMember = QStringLiteral("notifyChange");
constexpr int kSettingsChanged = 3;
constexpr int kSettingsMouse = 0;

bool isX11Session()
{
    return qgetenv("XDG_SESSION_TYPE") != "wayland" && !qEnvironmentVariableIsEmpty("DISPLAY");
}

} // namespace

KdePointer::KdePointer(const QDBusConnection &bus, std::unique_ptr<PointerBackend> x11)
    : m_bus(bus)
    , m_kwin(bus)
    , m_x11(std::move(x11))
{
}

bool KdePointer::setPointers(const double *speed, const AccelProfile *profile)
{
    KdeConfigFile input(kInputFile);
    if (!input.load())
        return false;
    QVector<KWinPointer> pointers;
    if (m_kwin.list(&pointers))
        return setThroughKWin(pointers, input, speed, profile);
    return m_x11 && isX11Session() && setThroughX11(input, speed, profile);
}

bool KdePointer::setThroughKWin(const QVector<KWinPointer> &pointers, KdeConfigFile &input, const double *speed,
                                const AccelProfile *profile)
{
    if (pointers.isEmpty() || (speed && !m_kwin.setSpeed(pointers, *speed))
        || (profile && !m_kwin.setProfile(pointers, *profile)))
        return false;
    for (const KWinPointer &p : pointers) {
        const QStringList group = {QStringLiteral("Libinput"), QString::number(p.vendor),
                                   QString::number(p.product), p.name};
        if (speed)
            input.setValue(group, kSpeedKey, QString::number(*speed));
        if (profile)
            input.setValue(group, kProfileKey,
                           QString::number(*profile == AccelProfile::Flat ? kLibinputProfileFlat
                                                                          : kLibinputProfileAdaptive));
    }
    if (input.save())
        return true;
    if (speed)
        m_kwin.putBackSpeed(pointers);
    if (profile)
        m_kwin.putBackProfile(pointers);
    return false;
}

bool KdePointer::setThroughX11(KdeConfigFile &input, const double *speed, const AccelProfile *profile)
{
    double oldSpeed = 0;
    AccelProfile oldProfile = AccelProfile::Default;
    if ((speed && !m_x11->speed(&oldSpeed)) || (profile && !m_x11->accelProfile(&oldProfile)))
        return false;
    if ((speed && !m_x11->setSpeed(*speed)) || (profile && !m_x11->setAccelProfile(*profile)))
        return false;
    if (speed)
        input.setValue(kX11MouseGroup, kSpeedKey, QString::number(*speed));
    if (profile)
        input.setValue(kX11MouseGroup, kX11FlatKey,
                       QLatin1String(*profile == AccelProfile::Flat ? "true" : "false"));
    if (input.save())
        return true;
    if (speed)
        m_x11->setSpeed(oldSpeed);
    if (profile)
        m_x11->setAccelProfile(oldProfile);
    return false;
}

bool KdePointer::setSpeed(double value)
{
    return setPointers(&value, nullptr);
}

bool KdePointer::setAccelProfile(AccelProfile profile)
{
    return setPointers(nullptr, &profile);
}

template <typename T>
bool KdePointer::readPointers(T KWinPointer::*field, bool (PointerBackend::*readX11)(T *), T *value)
{
    QVector<KWinPointer> pointers;
    if (!m_kwin.list(&pointers))
        return m_x11 && isX11Session() && (m_x11.get()->*readX11)(value);
    if (pointers.isEmpty())
        return false;
    *value = pointers.first().*field;
    return true;
}

bool KdePointer::speed(double *value)
{
    return readPointers(&KWinPointer::speed, &PointerBackend::speed, value);
}

bool KdePointer::accelProfile(AccelProfile *profile)
{
    return readPointers(&KWinPointer::profile, &PointerBackend::accelProfile, profile);
}

bool KdePointer::setGlobal(const char *key, int value)
{
    // Without the bus no running application would hear of the change.
    if (!m_bus.isConnected())
        return false;
    KdeConfigFile globals(kGlobalsFile);
    if (!globals.load())
        return false;
    const KdeConfigFile before = globals;
    globals.setValue(kGlobalsGroup, QString::fromLatin1(key), QString::number(value));
    if (!globals.save())
        return false;
    QDBusMessage notify = QDBusMessage::createSignal(kNotifyPath, kNotifyInterface, kNotifyMember);
    notify << kSettingsChanged << kSettingsMouse;
    if (m_bus.send(notify))
        return true;
    before.save();
    return false;
}

bool KdePointer::global(const char *key, int fallback, int *value) const
{
    KdeConfigFile globals(kGlobalsFile);
    if (!globals.load())
        return false;
    const QString text = globals.value(kGlobalsGroup, QString::fromLatin1(key));
    bool ok = true;
    const int stored = text.isNull() ? fallback : text.trimmed().toInt(&ok);
    if (ok)
        *value = stored;
    return ok;
}

bool KdePointer::setDoubleClickMs(int ms)
{
    return setGlobal(kDoubleClickKey, ms);
}

bool KdePointer::doubleClickMs(int *ms)
{
    return global(kDoubleClickKey, kDefaultDoubleClickMs, ms);
}

bool KdePointer::setWheelLines(int lines)
{
    return setGlobal(kWheelLinesKey, lines);
}

bool KdePointer::wheelLines(int *lines)
{
    return global(kWheelLinesKey, kDefaultWheelLines, lines);
}

} // namespace platform
