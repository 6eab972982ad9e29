// GNOME's mouse settings through the real GSettings, keyfile back end in a
// scratch config folder, with the installed schemas.
#include "DebugLog.h"
#include "DesktopSession.h"
#include "PointerLevels.h"
#include "PointerSettings.h"
#include "PointerSettingsStore.h"

class PointerGnomeTest : public QObject
{
    Q_OBJECT
private slots:
    void levels_land_in_gsettings_and_read_back()
    {
        QSettings profile(m_session.path("p1.bin"), QSettings::IniFormat);
        PointerSettingsStore store([&] { return &profile; });
        for (uint level = 0; level <= kDialLevelMax; ++level) {
            store.setCursorSpeed(level);
            store.setDoubleClickSpeed(level);
            QCOMPARE(mouse("speed").toDouble(), level == 0 ? -0.9 : std::min(1.0, level * 0.2 - 1.0));
            QCOMPARE(mouse("double-click").toUInt(), 900 - 70 * level);
            uint speed = 0, ms = 0;
            QVERIFY(platform::getPointerSpeed(&speed) && platform::getDoubleClickTime(&ms));
            QCOMPARE(speed, pointerSpeedFromLevel(level).value());
            QCOMPARE(ms, doubleClickTimeFromLevel(level).value());
        }
        store.setAcceleration(false);
        QCOMPARE(mouse("accel-profile").toString(), QStringLiteral("'flat'"));
        QVERIFY(!store.getAcceleration());
        store.setAcceleration(true);
        QCOMPARE(mouse("accel-profile").toString(), QStringLiteral("'adaptive'"));

        // No home for wheel lines, and a level past the dial: a failure text, nothing changed.
        DebugLog log;
        const QByteArray before = m_session.file(keyfile());
        store.setVerticalScrollLines(3);
        store.setCursorSpeed(12);
        store.setDoubleClickSpeed(0xFFFFFFFFu);
        QCOMPARE(log.lines(), QStringList({"setVerticalScrollLines Failed", "setCursorSpeed Failed",
                                           "setDoubleClickSpeed Failed"}));
        QCOMPARE(m_session.file(keyfile()), before);

        // The values from before the first change come back.
        QVERIFY(platform::restoreOriginalPointerSettings());
        QCOMPARE(mouse("speed").toDouble(), 0.0);
        QCOMPARE(mouse("double-click").toInt(), 400);
        QCOMPARE(mouse("accel-profile").toString(), QStringLiteral("'default'"));
    }

    void missing_schema_or_store_fails_without_a_crash()
    {
        // GIO chooses its schemas and store once per process: a child for each,
        // told by GNOME_CHILD which variable to set.
        const QList<QByteArray> variable = qgetenv("GNOME_CHILD").split('=');
        if (variable.size() != 2) {
            for (const QString &set : {"XDG_DATA_DIRS=" + m_session.path("none"), QString("GSETTINGS_BACKEND=memory")}) {
                QProcess child;
                QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
                env.insert("GNOME_CHILD", set);
                child.setProcessEnvironment(env);
                child.start(QCoreApplication::applicationFilePath(), {"missing_schema_or_store_fails_without_a_crash"});
                QVERIFY(child.waitForFinished(60000));
                QVERIFY2(child.exitStatus() == QProcess::NormalExit && child.exitCode() == 0, child.readAll());
            }
            return;
        }
        qputenv(variable[0], variable[1]);
        uint speed = 7;
        QVERIFY(!platform::setPointerSpeed(12) && !platform::setDoubleClickTime(400));
        QVERIFY(!platform::getPointerSpeed(&speed) && speed == 7);
        QVERIFY(!QFile::exists(m_session.path(keyfile())));
    }

private:
    static QString keyfile() { return QStringLiteral("glib-2.0/settings/keyfile"); }
    // Read from the file itself: QSettings may keep a copy it thinks current.
    QVariant mouse(const char *key) const
    {
        const QString text = QString::fromUtf8(m_session.file(keyfile()));
        return QRegularExpression(QStringLiteral("^%1=(.*)$").arg(key), QRegularExpression::MultilineOption)
            .match(text).captured(1);
    }

    DesktopSession m_session{"GNOME"};
};

QTEST_MAIN(PointerGnomeTest)
#include "tst_pointer_gnome.moc"
