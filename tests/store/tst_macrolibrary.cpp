#include "GunLibrary.h"
#include "MacroAssignments.h"
#include "MacroFiles.h"
#include "MacroNames.h"
#include "NameLists.h"
#include "ProfileGunAxis.h"
#include "SettingsFiles.h"
#include "SettingsKeys.h"
#include "StoreTestFiles.h"

#include <QtTest>
#include <memory>

class MacroLibraryTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString macroDir() const { return path(QStringLiteral("macro")); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QDir().mkpath(macroDir());
    }

    void unsafe_names_never_become_paths_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<bool>("safe");
        for (const QString name : {"Macro_0", "my macro", "宏一", "a..b"})
            QTest::newRow(qPrintable("safe: " + name)) << name << true;
        for (const QString name : {QString(), QStringLiteral("."), QStringLiteral(".."), QStringLiteral("../../x"),
                                   QStringLiteral("a/b"), QStringLiteral("a\\b"), QStringLiteral("/etc/passwd"),
                                   QString::fromUtf16(u"a\0b", 3)})
            QTest::newRow(qPrintable("unsafe: " + name)) << name << false;
    }
    void unsafe_names_never_become_paths()
    {
        QFETCH(QString, name);
        QFETCH(bool, safe);
        QCOMPARE(isSafeMacroName(name), safe);
        const QString p = macroFilePath(macroDir(), name);
        QCOMPARE(p.isEmpty(), !safe);
        if (safe)
            QCOMPARE(QFileInfo(p).absolutePath(), QFileInfo(macroDir()).absoluteFilePath());

        MacroFiles files(macroDir());
        QCOMPARE(files.create(name, 0), safe);
        QCOMPARE(files.save(name, {QStringLiteral("1,A")}, 1), safe);
        QCOMPARE(files.load(name).size(), safe ? 2 : 0);
        QCOMPARE(files.remove(name), safe);
        QCOMPARE(QDir(m_dir->path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot), QStringList{"macro"});
        QVERIFY(QDir(macroDir()).isEmpty());
    }

    void hostile_total_is_read_only_so_far()
    {
        writeFile(macroDir() + "/big.bin", "[config]\ntotal=2000000000\nrepeat=1\n[macro]\n0=\"1,A\"\n");
        const QStringList events = MacroFiles(macroDir()).load(QStringLiteral("big"));
        QCOMPARE(events.size(), kMaxMacroEvents + 1);
        QCOMPARE(events.first(), QStringLiteral("1,A"));
        QCOMPARE(events.at(1), QStringLiteral("0"));
    }

    void name_list_golden_files()
    {
        const QString settingDir = path(QStringLiteral("setting"));
        QDir().mkpath(settingDir);
        NameLists lists(settingDir);
        const QString file = settingDir + "/name.bin";

        QVERIFY(lists.storeNameList(0, {QStringLiteral("Macro_0")}));
        QCOMPARE(readFile(file), QByteArray("[macro]\nmacroName=Macro_0, loadercorwel\n"));
        QCOMPARE(lists.nameList(0), QVariantList({"Macro_0", "loadercorwel"}));

        QVERIFY(lists.storeNameList(1, {QStringLiteral("Gun0"), QStringLiteral("Gun1")}));
        QVERIFY(lists.storeNameList(2, {QString::fromUtf8("标准0")}));
        QVERIFY(lists.storeNameList(0, {}));
        QCOMPARE(readFile(file), QByteArray("[gun]\ngunName=Gun0, Gun1\n\n"
                                            "[profile]\nprofileName=\\x6807\\x51c6\\x30, loadercorwel\n"));
        QVERIFY(lists.nameList(0).isEmpty());
        QCOMPARE(lists.nameList(2), QVariantList({QString::fromUtf8("标准0"), "loadercorwel"}));
        QCOMPARE(lists.nameList(QStringLiteral("1")), QVariantList({"Gun0", "Gun1"}));

        // Not a list type: nothing read, nothing stored.
        QVERIFY(lists.nameList(4).isEmpty());
        QVERIFY(!lists.storeNameList(QStringLiteral("gun"), {QStringLiteral("x"), QStringLiteral("y")}));
        QVERIFY(!lists.storeNameList(QVariant(), {QStringLiteral("x"), QStringLiteral("y")}));
        QVERIFY(!readFile(file).contains("x, y"));

        // A plain value (written by hand) is no list.
        writeFile(file, "[gun]\nselectGun=Gun0\n");
        QVERIFY(lists.nameList(3).isEmpty());
    }

    void sentinel_is_dropped_only_in_its_place()
    {
        QCOMPARE(withoutNameListSentinel({"a", "loadercorwel"}), QStringList{"a"});
        QCOMPARE(withoutNameListSentinel({"a", "b"}), QStringList({"a", "b"}));
        QCOMPARE(withoutNameListSentinel({"a", "b", "loadercorwel"}), QStringList({"a", "b", "loadercorwel"}));
    }

    void renumbering_skips_the_current_profile_and_later_ones()
    {
        const QString settingDir = path(QStringLiteral("setting"));
        SettingsFiles settings(settingDir);
        for (int p = 0; p < 6; ++p) {
            settings.profile(p)->setValue(keyDefineKey(0), QVariantList{9, 0, 3, 0});
            settings.profile(p)->setValue(keyDefineKey(1), QVariantList{9, 0, 2, 0});
            settings.profile(p)->setValue(keyDefineKey(2), QStringLiteral("9"));
        }
        settings.setCurrentProfileIndex(1);
        MacroAssignments(settings).renumberAfterDelete(2);

        const auto definition = [&](int p, int k) { return settings.profile(p)->value(keyDefineKey(k)); };
        for (int p : {0, 2, 3, 4}) {
            QCOMPARE(definition(p, 0).toStringList(), QStringList({"9", "0", "2", "0"}));
            QCOMPARE(definition(p, 1).toStringList(), QStringList({"1", "0", "241", "0"}));
            QCOMPARE(definition(p, 2).toString(), QStringLiteral("9"));
        }
        for (int p : {1, 5})
            QCOMPARE(definition(p, 0).toStringList(), QStringList({"9", "0", "3", "0"}));
        settings.profile(0)->sync();
        QVERIFY(readFile(settingDir + "/p1.bin").contains("0=9, 0, 2, 0\n1=1, 0, 241, 0\n2=9\n"));
    }
    void gun_library_needs_the_installed_file_and_whole_guns()
    {
        const QString file = path(QStringLiteral("gunData.bin"));
        const auto gun = [](const QString &name) { return QVariantList{name, QStringLiteral("L-Click"), 10, 0, 0, 0}; };
        GunLibrary guns(file);
        QVERIFY(!guns.saveGun(gun(QStringLiteral("Gun0"))));
        QVERIFY(!guns.modifyGun(1, gun(QStringLiteral("Gun1")) << QStringLiteral("Gun0")));
        QVERIFY(guns.gun(QStringLiteral("Gun0")).isEmpty());
        QVERIFY(!QFile::exists(file));

        writeFile(file, QByteArray());
        GunLibrary installed(file);
        QVERIFY(!installed.saveGun({QStringLiteral("Gun0"), QStringLiteral("L-Click")}));
        QVERIFY(!installed.saveGun(gun(QString())));
        QVERIFY(!installed.modifyGun(kGunRename, gun(QStringLiteral("Gun0"))));  // no old name
        QVERIFY(!installed.modifyGun(QStringLiteral("rename"), {QStringLiteral("Gun0")}));
        QCOMPARE(readFile(file), QByteArray());
    }
};

QTEST_GUILESS_MAIN(MacroLibraryTest)
#include "tst_macrolibrary.moc"
