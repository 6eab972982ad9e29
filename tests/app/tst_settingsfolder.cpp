#include "SettingsFolder.h"

#include <QtTest>

class TestSettingsFolder : public QObject
{
    Q_OBJECT
    QTemporaryDir m_dir;

    void write(const QString &relative, const QByteArray &bytes)
    {
        QDir().mkpath(QFileInfo(m_dir.filePath(relative)).path());
        QFile file(m_dir.filePath(relative));
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
    }
    QByteArray read(const QString &relative) const
    {
        QFile file(m_dir.filePath(relative));
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
    }
    QString copy() const
    {
        return copyMissingFiles(m_dir.filePath("inst"), m_dir.filePath("user"), m_dir.filePath("inst/setting/apConfig.bin"));
    }

private slots:
    // First start, then a start after an interrupted copy and an upgrade that
    // adds a language table: what is missing arrives, the user's files stay.
    void copy_firstStartThenInterruptedAndUpgraded()
    {
        write("inst/setting/apConfig.bin", "installed config");
        write("inst/setting/p1.bin", "installed p1");
        QDir().mkpath(m_dir.filePath("inst/macro"));
        QCOMPARE(copy(), QString());
        QCOMPARE(read("user/setting/p1.bin"), QByteArray("installed p1"));
        QVERIFY(QFileInfo(m_dir.filePath("user/macro")).isDir());

        write("user/setting/p1.bin", "the user's p1");
        QVERIFY(QFile::remove(m_dir.filePath("user/setting/apConfig.bin")));
        write("user/setting/apConfig.bin.part", "instal");
        write("inst/i18n/new.ini", "new table");
        QCOMPARE(copy(), QString());
        QCOMPARE(read("user/setting/p1.bin"), QByteArray("the user's p1"));
        QCOMPARE(read("user/setting/apConfig.bin"), QByteArray("installed config"));
        QCOMPARE(read("user/i18n/new.ini"), QByteArray("new table"));
        QVERIFY(!QFile::exists(m_dir.filePath("user/setting/apConfig.bin.part")));
    }
};

QTEST_MAIN(TestSettingsFolder)
#include "tst_settingsfolder.moc"
