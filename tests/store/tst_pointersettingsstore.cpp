#include "PointerLevels.h"
#include "PointerSettingsStore.h"
#include "XvfbServer.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

#include <X11/Xlib.h>

#include <memory>

class PointerSettingsStoreTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY(m_dir.isValid());
        QVERIFY2(!m_server.display().isEmpty(), "Xvfb did not start");
    }

    void init()
    {
        qputenv("DISPLAY", m_server.display());
        m_profiles[0] = std::make_unique<QSettings>(m_dir.filePath("p1.bin"), QSettings::IniFormat);
        m_profiles[1] = std::make_unique<QSettings>(m_dir.filePath("p2.bin"), QSettings::IniFormat);
        m_profiles[0]->clear();
        m_profiles[1]->clear();
        m_current = 0;
    }

    void levels_data()
    {
        QTest::addColumn<uint>("level");
        QTest::addColumn<uint>("speed");
        QTest::addColumn<uint>("doubleClickMs");
        const uint speeds[] = {1, 2, 4, 6, 8, 10, 12, 14, 16, 18, 20, 20};
        for (uint level = 0; level <= 11; ++level)
            QTest::addRow("level %u", level) << level << speeds[level] << 900 - 70 * level;
        // Beyond the dial: held at its end, never wrapped.
        QTest::newRow("level 12") << 12u << 20u << 130u;
        QTest::newRow("level 2^31") << 0x80000000u << 20u << 130u;
        QTest::newRow("level max") << 0xFFFFFFFFu << 20u << 130u;
    }
    void levels()
    {
        QFETCH(uint, level);
        QFETCH(uint, speed);
        QFETCH(uint, doubleClickMs);
        QCOMPARE(pointerSpeedFromLevel(level), speed);
        QCOMPARE(doubleClickTimeFromLevel(level), doubleClickMs);
    }

    void missing_keys_read_zero()
    {
        PointerSettingsStore store = makeStore();
        QCOMPARE(store.getCursorSpeed(), 0u);
        QCOMPARE(store.getDoubleClickSpeed(), 0u);
        QCOMPARE(store.getVerticalScrollLines(), 0u);

        m_profiles[0]->setValue("sensor/cursorSpeed_Tarn", "fast");
        QCOMPARE(store.getCursorSpeed(), 0u);
    }

    void double_click_and_lines_apply_and_store_the_level()
    {
        PointerSettingsStore store = makeStore();
        store.setDoubleClickSpeed(0);
        QCOMPARE(QApplication::doubleClickInterval(), 900);
        store.setDoubleClickSpeed(10);
        QCOMPARE(QApplication::doubleClickInterval(), 200);
        QCOMPARE(store.getDoubleClickSpeed(), 10u);

        store.setVerticalScrollLines(1000);
        QCOMPARE(QApplication::wheelScrollLines(), 1000);
        QCOMPARE(store.getVerticalScrollLines(), 1000u);

        m_profiles[0]->sync();
        QFile file(m_profiles[0]->fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray text = file.readAll();
        QVERIFY(text.contains("[sensor]"));
        QVERIFY(text.contains("doubleClickSpeed_Tarn=10"));
        QVERIFY(text.contains("verticalScrollLines_Tarn=1000"));
    }

    // There is no system pointer speed to set here, so every call reports
    // failure, and the level is kept all the same.
    void refused_speed_keeps_the_level()
    {
        PointerSettingsStore store = makeStore();
        QTest::ignoreMessage(QtDebugMsg, "setCursorSpeed Failed");
        store.setCursorSpeed(7);
        QCOMPARE(store.getCursorSpeed(), 7u);
    }

    void refused_toolkit_values_are_reported_and_kept()
    {
        PointerSettingsStore store = makeStore();
        QTest::ignoreMessage(QtDebugMsg, "setVerticalScrollLines Failed");
        store.setVerticalScrollLines(0xFFFFFFFFu);
        QCOMPARE(store.getVerticalScrollLines(), 0xFFFFFFFFu);
    }

    void levels_follow_the_current_profile()
    {
        PointerSettingsStore store = makeStore();
        store.setDoubleClickSpeed(3);
        m_current = 1;
        QCOMPARE(store.getDoubleClickSpeed(), 0u);
        store.setDoubleClickSpeed(5);
        m_current = 0;
        QCOMPARE(store.getDoubleClickSpeed(), 3u);
        QCOMPARE(m_profiles[1]->value("sensor/doubleClickSpeed_Tarn").toUInt(), 5u);
    }

    void no_profile_still_applies()
    {
        PointerSettingsStore store([] { return nullptr; });
        store.setVerticalScrollLines(4);
        QCOMPARE(QApplication::wheelScrollLines(), 4);
        QCOMPARE(store.getVerticalScrollLines(), 0u);
        PointerSettingsStore empty{PointerSettingsStore::ProfileSource()};
        QCOMPARE(empty.getCursorSpeed(), 0u);
    }

    void acceleration_is_switched_not_stored()
    {
        PointerSettingsStore store = makeStore();
        store.setAcceleration(true);
        QVERIFY(store.getAcceleration());
        QCOMPARE(serverNumerator(), 2);
        store.setAcceleration(false);
        QVERIFY(!store.getAcceleration());
        QCOMPARE(serverNumerator(), 1);
        QVERIFY(m_profiles[0]->allKeys().isEmpty());
    }

    void acceleration_without_display_is_reported()
    {
        qputenv("DISPLAY", "");
        PointerSettingsStore store = makeStore();
        QTest::ignoreMessage(QtDebugMsg, "setAcceleration Failed");
        store.setAcceleration(true);
        QTest::ignoreMessage(QtDebugMsg, "getAcceleration Failed");
        QVERIFY(!store.getAcceleration());
    }

private:
    PointerSettingsStore makeStore()
    {
        return PointerSettingsStore([this] { return m_profiles[m_current].get(); });
    }

    int serverNumerator() const
    {
        int numerator = 0, denominator = 0, threshold = 0;
        if (Display *d = XOpenDisplay(m_server.display().constData())) {
            XGetPointerControl(d, &numerator, &denominator, &threshold);
            XCloseDisplay(d);
        }
        return numerator;
    }

    QTemporaryDir m_dir;
    XvfbServer m_server;
    std::unique_ptr<QSettings> m_profiles[2];
    int m_current = 0;
};

QTEST_MAIN(PointerSettingsStoreTest)
#include "tst_pointersettingsstore.moc"
