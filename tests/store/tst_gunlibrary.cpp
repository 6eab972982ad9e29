#include "GunLibrary.h"
#include "ProfileGunAxis.h"
#include "SettingsFiles.h"
#include "StoreTestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

class GunLibraryTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString gunFile() const { return m_dir.filePath(QStringLiteral("gunData.bin")); }

    static QVariantList gun(const QString &name, int interval, int x, int y, int times)
    {
        return {name, QStringLiteral("L-Click"), interval, x, y, times};
    }

private slots:
    void init()
    {
        writeFile(gunFile(), QByteArray());
    }

    void nothing_without_the_installed_file()
    {
        QFile::remove(gunFile());
        GunLibrary guns(gunFile());
        QVERIFY(!guns.saveGun(gun(QStringLiteral("Gun0"), 10, 0, 0, 0)));
        QVERIFY(!guns.modifyGun(1, gun(QStringLiteral("Gun1"), 10, 0, 0, 0) << QStringLiteral("Gun0")));
        QVERIFY(guns.gun(QStringLiteral("Gun0")).isEmpty());
        QVERIFY(!QFile::exists(gunFile()));
    }

    void incomplete_gun_lists_are_refused()
    {
        GunLibrary guns(gunFile());
        QVERIFY(!guns.saveGun({QStringLiteral("Gun0"), QStringLiteral("L-Click")}));
        QVERIFY(!guns.saveGun(gun(QString(), 10, 0, 0, 0)));
        QVERIFY(!guns.modifyGun(kGunRename, gun(QStringLiteral("Gun0"), 10, 0, 0, 0)));  // no old name
        QVERIFY(!guns.modifyGun(QStringLiteral("rename"), {QStringLiteral("Gun0")}));
        QCOMPARE(readFile(gunFile()), QByteArray());
    }

};

QTEST_GUILESS_MAIN(GunLibraryTest)
#include "tst_gunlibrary.moc"
