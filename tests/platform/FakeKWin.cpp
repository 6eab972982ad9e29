// A stand-in for KWin's input devices on a private session bus, after the
// documented org.kde.KWin.InputDevice interface: two mice and a touchpad.
// Prints "ready", then one line per property write and per KGlobalSettings
// notification it hears. --refuse makes the second mouse's speed read-only;
// --broken lists a device that does not exist.
#include <QCoreApplication>
#include <QDBusConnection>
#include <QTextStream>

static void say(const QString &line)
{
    QTextStream(stdout) << line << Qt::endl;
}

class Device : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.KWin.InputDevice")
    Q_PROPERTY(QString name MEMBER name)
    Q_PROPERTY(uint vendor MEMBER vendor)
    Q_PROPERTY(uint product MEMBER product)
    Q_PROPERTY(bool pointer MEMBER pointer)
    Q_PROPERTY(bool touchpad MEMBER touchpad)
    Q_PROPERTY(bool supportsPointerAcceleration MEMBER pointer)
    Q_PROPERTY(double pointerAcceleration READ speed WRITE setSpeed)
    Q_PROPERTY(bool pointerAccelerationProfileFlat READ flat WRITE setFlat)
    Q_PROPERTY(bool pointerAccelerationProfileAdaptive READ adaptive WRITE setAdaptive)
public:
    QString name, sys;
    uint vendor = 0, product = 0;
    bool pointer = true, touchpad = false, isFlat = false;
    double value = 0.0;
    double speed() const { return value; }
    bool flat() const { return isFlat; }
    bool adaptive() const { return !isFlat; }
    void setSpeed(double v) { value = v, say(sys + " pointerAcceleration " + QString::number(v)); }
    void setFlat(bool on) { isFlat = on, say(sys + " flat " + QString::number(on)); }
    void setAdaptive(bool on) { isFlat = !on, say(sys + " adaptive " + QString::number(on)); }
};

// Its speed is read-only, so KWin's bus answers a write with an error.
class FixedDevice : public Device
{
    Q_OBJECT
    Q_PROPERTY(double pointerAcceleration READ speed)
};

class Manager : public QObject
{
    Q_OBJECT
    Q_CLASSINFO("D-Bus Interface", "org.kde.KWin.InputDeviceManager")
    Q_PROPERTY(QStringList devicesSysNames MEMBER names)
public:
    QStringList names;
public slots:
    void notified(int type, int arg) { say(QStringLiteral("notifyChange %1 %2").arg(type).arg(arg)); }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QDBusConnection bus = QDBusConnection::connectToBus(args.value(1), QStringLiteral("fake"));
    Manager manager;
    const auto flags = QDBusConnection::ExportAllProperties;
    Device a, pad, b;
    FixedDevice fixed;
    Device *devices[] = {&a, &pad, args.contains(QStringLiteral("--refuse")) ? &fixed : &b};
    const char *names[] = {"Mouse A", "Pad", "Mouse B"};
    for (int i = 0; i < 3; ++i) {
        Device &d = *devices[i];
        d.name = names[i], d.sys = QStringLiteral("event%1").arg(i + 3), d.vendor = 0x260d, d.product = 0x1040 + i;
        d.touchpad = i == 1, d.value = -0.5;
        bus.registerObject("/org/kde/KWin/InputDevice/" + d.sys, &d, flags);
        manager.names << d.sys;
    }
    if (args.contains(QStringLiteral("--broken")))
        manager.names << QStringLiteral("event9");
    bus.registerObject(QStringLiteral("/org/kde/KWin/InputDevice"), &manager, flags);
    bus.connect(QString(), "/KGlobalSettings", "org.kde.KGlobalSettings", "notifyChange", &manager,
                SLOT(notified(int, int)));
    if (!bus.registerService(QStringLiteral("org.kde.KWin")))
        return 1;
    say(QStringLiteral("ready"));
    return app.exec();
}

#include "FakeKWin.moc"
