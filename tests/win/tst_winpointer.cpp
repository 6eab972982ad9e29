// The pointer settings through the real SystemParametersInfoW: each level the
// pages set is read back from the system and from the user's registry, where
// the set calls write it (SPIF_UPDATEINIFILE).
#include "PointerLevels.h"
#include "PointerSettingsStore.h"

#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include <windows.h>

namespace {

UINT systemValue(UINT action)
{
    UINT value = 0;
    return SystemParametersInfoW(action, 0, &value, 0) ? value : ~0u;
}

QString registryValue(const char *key, const char *name)
{
    return QSettings(QStringLiteral("HKEY_CURRENT_USER\\Control Panel\\") + QLatin1String(key), QSettings::NativeFormat)
        .value(QLatin1String(name))
        .toString();
}

// Windows takes the speed from pvParam; Wine 8.0 takes it from uiParam.
bool speedTakenFromUiParam()
{
    SystemParametersInfoW(SPI_SETMOUSESPEED, 7, reinterpret_cast<PVOID>(UINT_PTR(3)), 0);
    return systemValue(SPI_GETMOUSESPEED) == 7;
}

} // namespace

class WinPointerTest : public QObject
{
    Q_OBJECT
private slots:
    void pointer_speed_reaches_the_system_and_the_registry()
    {
        if (speedTakenFromUiParam())
            QSKIP("this system (Wine) reads SPI_SETMOUSESPEED's value from uiParam, not from pvParam as Windows does");
        PointerSettingsStore store([this] { return &m_profile; });
        for (uint level : {0u, 7u, 10u}) {
            store.setCursorSpeed(level);
            QCOMPARE(systemValue(SPI_GETMOUSESPEED), pointerSpeedFromLevel(level));
            QCOMPARE(registryValue("Mouse", "MouseSensitivity").toUInt(), pointerSpeedFromLevel(level));
        }
        QCOMPARE(store.getCursorSpeed(), 10u);
    }

    void double_click_and_wheel_reach_the_system_and_the_registry()
    {
        PointerSettingsStore store([this] { return &m_profile; });
        for (uint level : {0u, 7u, 10u}) {
            store.setDoubleClickSpeed(level);
            QCOMPARE(GetDoubleClickTime(), doubleClickTimeFromLevel(level));
            QCOMPARE(registryValue("Mouse", "DoubleClickSpeed").toUInt(), doubleClickTimeFromLevel(level));
        }
        store.setVerticalScrollLines(1000);
        QCOMPARE(systemValue(SPI_GETWHEELSCROLLLINES), 1000u);
        QCOMPARE(registryValue("Desktop", "WheelScrollLines"), QStringLiteral("1000"));
        QCOMPARE(store.getVerticalScrollLines(), 1000u);
    }

    void acceleration_keeps_the_thresholds()
    {
        PointerSettingsStore store([] { return nullptr; });
        int values[3] = {4, 9, 0};
        QVERIFY(SystemParametersInfoW(SPI_SETMOUSE, 0, values, 0));
        store.setAcceleration(true);
        QVERIFY(SystemParametersInfoW(SPI_GETMOUSE, 0, values, 0));
        QCOMPARE(QVector<int>(values, values + 3), (QVector<int>{4, 9, 1}));
        QVERIFY(store.getAcceleration());
        store.setAcceleration(false);
        QVERIFY(SystemParametersInfoW(SPI_GETMOUSE, 0, values, 0));
        QCOMPARE(QVector<int>(values, values + 3), (QVector<int>{4, 9, 0}));
        QVERIFY(!store.getAcceleration());
    }

private:
    QTemporaryDir m_dir;
    QSettings m_profile{m_dir.filePath(QStringLiteral("p1.bin")), QSettings::IniFormat};
};

QTEST_GUILESS_MAIN(WinPointerTest)
#include "tst_winpointer.moc"
