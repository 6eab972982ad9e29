#include "CarriedMacros.h"
#include "MacroFiles.h"
#include "NameLists.h"
#include "Profiles.h"
#include "SettingsFiles.h"
#include "SettingsKeys.h"
#include "StoreTestFiles.h"

#include <QCryptographicHash>
#include <QDir>
#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

// A copy of the installed tree in a temporary folder: setting/ with the
// profiles and the factory profile, an empty macro/ folder.
class ProfilesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsFiles> m_files;
    std::unique_ptr<MacroFiles> m_macros;
    std::unique_ptr<NameLists> m_names;
    std::unique_ptr<Profiles> m_profiles;

    QString settingDir() const { return m_dir->filePath(QStringLiteral("setting")); }
    QString macroDir() const { return m_dir->filePath(QStringLiteral("macro")); }
    QString fixture(const char *name) const { return QStringLiteral(FIXTURE_DIR "/") + QLatin1String(name); }

    // Every file of the tree with a digest of its content.
    QMap<QString, QByteArray> tree() const
    {
        QMap<QString, QByteArray> files;
        QDirIterator it(m_dir->path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (it.hasNext()) {
            const QString p = it.next();
            files.insert(QDir(m_dir->path()).relativeFilePath(p),
                         QCryptographicHash::hash(readFile(p), QCryptographicHash::Sha1));
        }
        return files;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
        QDir().mkpath(settingDir());
        QDir().mkpath(macroDir());
        const QDir installed(QStringLiteral(MU_MODULES_DIR "/setting"));
        for (const QString &f : installed.entryList(QDir::Files)) {
            QVERIFY(QFile::copy(installed.filePath(f), settingDir() + "/" + f));
            QFile(settingDir() + "/" + f).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        }
        m_files = std::make_unique<SettingsFiles>(settingDir());
        m_macros = std::make_unique<MacroFiles>(macroDir());
        m_names = std::make_unique<NameLists>(settingDir());
        m_profiles = std::make_unique<Profiles>(*m_files, settingDir(), *m_macros);
    }

    void cleanup()
    {
        m_profiles.reset();
        m_files.reset();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

    void export_and_import_carry_the_macros_data()
    {
        QTest::addColumn<QStringList>("macroNames");
        QTest::addColumn<QByteArray>("carriedKeys");
        QTest::newRow("two macros") << QStringList({"Macro_0", QString::fromUtf8("宏")})
                                    << QByteArray("0=\"1,A\", \"0,50\", \"2,A\", 3\n"
                                                  "1=\"3,MS-L\", \"4,MS-L\", 1\n"
                                                  "name=Macro_0, \\x5b8f\n");
        // One name is a plain value, and so is a macro with no events.
        QTest::newRow("one macro") << QStringList{"Macro_0"}
                                   << QByteArray("0=\"1,A\", \"0,50\", \"2,A\", 3\nname=Macro_0\n");
    }
    void export_and_import_carry_the_macros()
    {
        QFETCH(QStringList, macroNames);
        QFETCH(QByteArray, carriedKeys);
        const QString wide = QString::fromUtf8("宏");
        QVERIFY(m_macros->create(QStringLiteral("Macro_0"), 0));
        QVERIFY(m_macros->save(QStringLiteral("Macro_0"), {"1,A", "0,50", "2,A"}, 3));
        QVERIFY(m_macros->create(wide, 1));
        QVERIFY(m_macros->save(wide, {"3,MS-L", "4,MS-L"}, 1));
        m_files->profile(0)->setValue(QLatin1String(kCursorSpeedKey), 8);
        m_files->profile(0)->setValue(profileMacroKey(5), QStringLiteral("carried by an earlier import"));

        // An earlier export of that name is replaced whole.
        const QString pf = m_dir->filePath(QStringLiteral("out.pf"));
        writeFile(pf, "[stale]\nkey=1\n");
        QVERIFY(m_profiles->exportProfile(0, pf, macroNames));
        const QByteArray exported = readFile(pf);
        QVERIFY(!exported.contains("stale"));
        QVERIFY(exported.contains("cursorSpeed_Tarn=8\n"));
        QVERIFY2(exported.contains("[profile]\n" + carriedKeys), exported.constData());

        // Another library without these macros takes the file into profile 3.
        QVERIFY(QDir(macroDir()).removeRecursively());
        QDir().mkpath(macroDir());
        m_names->storeNameList(kMacroNameList, {QStringLiteral("Kept")});
        QVERIFY(m_profiles->importProfile(3, pf));
        QCOMPARE(m_files->profile(3)->value(QLatin1String(kCursorSpeedKey)).toInt(), 8);
        QCOMPARE(restoreCarriedMacros(*m_files->profile(3), *m_macros, *m_names), macroNames.size());

        QCOMPARE(m_macros->load(QStringLiteral("Macro_0")), QStringList({"1,A", "0,50", "2,A", "3"}));
        QCOMPARE(m_names->nameList(kMacroNameList).size(), 1 + macroNames.size());
        if (macroNames.size() == 2)
            QCOMPARE(m_macros->load(wide), QStringList({"3,MS-L", "4,MS-L", "1"}));
        else
            QVERIFY(!m_macros->exists(wide));

        // Restoring again changes nothing in the list.
        restoreCarriedMacros(*m_files->profile(3), *m_macros, *m_names);
        QCOMPARE(m_names->nameList(kMacroNameList).size(), 1 + macroNames.size());
    }

    void profile_without_carried_macros_restores_nothing()
    {
        const auto before = tree();
        QCOMPARE(restoreCarriedMacros(*m_files->profile(0), *m_macros, *m_names), 0);
        QCOMPARE(tree(), before);
    }

    void hostile_profiles_stay_inside_the_macro_folder_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QStringList>("restored");
        QTest::newRow("names") << fixture("hostile_names.pf") << QStringList({"ok", "ok2"});
        QTest::newRow("values") << fixture("hostile_values.pf") << QStringList{"Good"};
        QStringList hundred;
        for (int i = 0; i < kMaxMacroNames; ++i)
            hundred << QStringLiteral("h%1").arg(i);
        QTest::newRow("100000 names") << fixture("hostile_huge.pf") << hundred;
    }
    void hostile_profiles_stay_inside_the_macro_folder()
    {
        QFETCH(QString, file);
        QFETCH(QStringList, restored);
        for (int p = 0; p < kProfileFileCount; ++p)
            m_files->profile(p)->sync();
        auto before = tree();

        QVERIFY(m_profiles->importProfile(2, file));
        QCOMPARE(restoreCarriedMacros(*m_files->profile(2), *m_macros, *m_names), restored.size());

        auto after = tree();
        for (const QString &name : restored)
            QVERIFY2(after.remove("macro/" + name + ".bin"), qPrintable(name));
        QVERIFY(after.remove(QStringLiteral("setting/name.bin")));
        QVERIFY(after.remove(QStringLiteral("setting/p3.bin")));
        before.remove(QStringLiteral("setting/p3.bin"));
        before.remove(QStringLiteral("setting/name.bin"));
        QCOMPARE(after.keys(), before.keys());
        QCOMPARE(after, before);
        QCOMPARE(m_names->nameList(kMacroNameList).size(), restored.size() == 1 ? 2 : restored.size());
        QVERIFY(!QFile::exists(m_dir->filePath(QStringLiteral("x.bin"))));
        QVERIFY(!QFile::exists(QStringLiteral("/tmp/abs.bin")));
    }
};

QTEST_GUILESS_MAIN(ProfilesTest)
#include "tst_profiles.moc"
