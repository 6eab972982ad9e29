#include "KeyTranslation.h"
#include "linux/InputCaptureCodes.h"

#include <QtTest>

namespace {

// The usage an evdev key reports once turned into a scan code.
int usageOfEvdev(unsigned evdevKey)
{
    const platform::ScanCode scan = platform::scanCodeForEvdevKey(evdevKey);
    platform::RawKeyEvent e;
    e.message = platform::kMsgKeyDown;
    e.scanCode = scan.code;
    e.flags = scan.extended ? platform::kKeyFlagExtended : 0;
    return input::usageForEvent(e);
}

} // namespace

class X11KeysTest : public QObject
{
    Q_OBJECT

private slots:
    // Keys that share a scan code with a basic-block key must come out as
    // their own usages.
    void evdev_usages_data()
    {
        QTest::addColumn<unsigned>("evdev");
        QTest::addColumn<int>("usage");
        const struct {
            const char *name;
            unsigned evdev;
            int usage;
        } rows[] = {
            {"Enter", 28, 0x28}, {"keypad Enter", 96, 0x58}, {"right Ctrl", 97, 0xE4}, {"right Shift", 54, 0xE5},
            {"right Alt", 100, 0xE6}, {"keypad /", 98, 0x54}, {"keypad *", 55, 0x55}, {"Print Screen", 99, 0x46},
            {"Num Lock", 69, 0x53}, {"Pause", 119, 0x48}, {"keypad 8", 72, 0x60}, {"Up", 103, 0x52},
            {"Home", 102, 0x4A}, {"End", 107, 0x4D}, {"Page Up", 104, 0x4B}, {"Page Down", 109, 0x4E},
            {"Left", 105, 0x50}, {"Right", 106, 0x4F}, {"Down", 108, 0x51}, {"Insert", 110, 0x49},
            {"Delete", 111, 0x4C}, {"left Windows", 125, 0xE3}, {"right Windows", 126, 0}, {"Menu", 127, 0x65},
            {"F13", 183, 0}, {"F23", 193, 0x72}, {"none: 84", 84, 0}, {"none: mute", 113, 0}, {"none: large", 100000, 0},
        };
        for (const auto &row : rows)
            QTest::newRow(row.name) << row.evdev << row.usage;
    }
    void evdev_usages()
    {
        QFETCH(unsigned, evdev);
        QFETCH(int, usage);
        QCOMPARE(usageOfEvdev(evdev), usage);
    }

    void evdev_basicBlockAllReports()
    {
        for (unsigned k = 1; k <= 88; ++k)
            if (k != 84 && k != 85)
                QVERIFY2(usageOfEvdev(k) != 0, qPrintable(QString::number(k)));
    }
};

QTEST_GUILESS_MAIN(X11KeysTest)
#include "tst_x11keys.moc"
