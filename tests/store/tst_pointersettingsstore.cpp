#include "DebugLog.h"
#include "DesktopSession.h"
#include "PointerLevels.h"
#include "PointerSettingsStore.h"
#include "XvfbServer.h"

class PointerSettingsStoreTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        QVERIFY2(!m_server.display().isEmpty(), "Xvfb did not start");
        qputenv("DISPLAY", m_server.display());
        for (int i = 0; i < 2; ++i) {
            m_profiles[i] = std::make_unique<QSettings>(m_dir.filePath(QStringLiteral("p%1.bin").arg(i + 1)),
                                                        QSettings::IniFormat);
            m_profiles[i]->clear();
        }
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
    }
    void levels()
    {
        QFETCH(uint, level);
        QFETCH(uint, speed);
        QFETCH(uint, doubleClickMs);
        QCOMPARE(pointerSpeedFromLevel(level).value(), speed);
        QCOMPARE(doubleClickTimeFromLevel(level).value(), doubleClickMs);
        QCOMPARE(levelFromPointerSpeed(speed), std::min(level, 10u));
        QCOMPARE(levelFromDoubleClickTime(doubleClickMs + 30), level);  // a hand-set time: the nearest level
    }

    void levels_are_stored_and_refusals_reported()
    {
        PointerSettingsStore store = makeStore();
        QCOMPARE(store.getDoubleClickSpeed(), 0u);  // absent key
        DebugLog log;
        // A plain X session keeps no double-click time or wheel lines, and
        // Xvfb's devices no libinput speed; a profile value past the range
        // is refused before any system call.
        store.setDoubleClickSpeed(10);
        store.setVerticalScrollLines(1000);
        store.setCursorSpeed(7);
        store.setVerticalScrollLines(101);
        QCOMPARE(log.lines(), QStringList({"setDoubleClickSpeed Failed", "setVerticalScrollLines Failed",
                                           "setCursorSpeed Failed", "setVerticalScrollLines Failed"}));
        QVERIFY(!doubleClickTimeFromLevel(0x80000000u) && !scrollLinesValid(0));

        QCOMPARE(store.getDoubleClickSpeed(), 10u);
        QCOMPARE(store.getCursorSpeed(), 7u);  // kept although refused
        m_profiles[0]->sync();
        QFile file(m_profiles[0]->fileName());
        QVERIFY(file.open(QIODevice::ReadOnly));
        QCOMPARE(file.readAll(), QByteArray("[sensor]\ncursorSpeed_Tarn=7\ndoubleClickSpeed_Tarn=10\n"
                                            "verticalScrollLines_Tarn=101\n"));
    }

    void acceleration_is_switched_not_stored()
    {
        PointerSettingsStore store = makeStore();
        store.setAcceleration(true);
        QVERIFY(store.getAcceleration());
        store.setAcceleration(false);
        QVERIFY(!store.getAcceleration());
        QVERIFY(m_profiles[0]->allKeys().isEmpty());
    }

private:
    PointerSettingsStore makeStore()
    {
        return PointerSettingsStore([this] { return m_profiles[m_current].get(); });
    }

    QTemporaryDir m_dir;
    DesktopSession m_session{""};
    XvfbServer m_server;
    std::unique_ptr<QSettings> m_profiles[2];
    int m_current = 0;
};

QTEST_MAIN(PointerSettingsStoreTest)
#include "tst_pointersettingsstore.moc"
