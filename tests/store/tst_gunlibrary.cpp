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

    void save_rename_and_delete()
    {
        GunLibrary guns(gunFile());
        QVERIFY(guns.saveGun(gun(QStringLiteral("Gun0"), 5, -10, 127, 0)));
        QVERIFY(guns.saveGun(gun(QString::fromUtf8("枪"), 10, 0, 0, 3)));
        QCOMPARE(readFile(gunFile()),
                 QByteArray("[gunData]\nGun0=L-Click, 5, -10, 127, 0\n%U67AA=L-Click, 10, 0, 0, 3\n"));
        QCOMPARE(guns.gun(QStringLiteral("Gun0")), QVariantList({"L-Click", "5", "-10", "127", "0"}));
        QVERIFY(guns.gun(QStringLiteral("Gun9")).isEmpty());

        // Renaming onto the same name stores the current values again.
        QVERIFY(guns.modifyGun(kGunRename, gun(QStringLiteral("Gun0"), 20, 1, 2, 3) << QStringLiteral("Gun0")));
        QCOMPARE(guns.gun(QStringLiteral("Gun0")), QVariantList({"L-Click", "20", "1", "2", "3"}));
        QVERIFY(guns.modifyGun(kGunRename, gun(QStringLiteral("Gun1"), 20, 1, 2, 3) << QStringLiteral("Gun0")));
        QVERIFY(guns.gun(QStringLiteral("Gun0")).isEmpty());
        QCOMPARE(guns.gun(QStringLiteral("Gun1")).size(), 5);

        // Deleting a gun that is not there leaves the file exactly as it was.
        const QByteArray before = readFile(gunFile());
        QVERIFY(!guns.modifyGun(kGunDelete, {QStringLiteral("Gun7")}));
        QCOMPARE(readFile(gunFile()), before);
        QVERIFY(guns.modifyGun(QStringLiteral("0"), {QStringLiteral("Gun1")}));
        QVERIFY(guns.gun(QStringLiteral("Gun1")).isEmpty());
        QVERIFY(!guns.modifyGun(2, gun(QStringLiteral("x"), 1, 1, 1, 1) << QStringLiteral("y")));
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
