#include "CarriedMacros.h"
#include "MacroFiles.h"
#include "NameLists.h"
#include "Profiles.h"
#include "SettingsFiles.h"
#include "SettingsKeys.h"
#include "StoreTestFiles.h"

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
    void syncAll()
    {
        for (int p = 0; p < kProfileFileCount; ++p)
            m_files->profile(p)->sync();
    }
    QString fixture(const char *name) const { return QStringLiteral(FIXTURE_DIR "/") + QLatin1String(name); }

    QMap<QString, QByteArray> tree() const { return fileDigests(m_dir->path()); }

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

        QCOMPARE(m_macros->load(QStringLiteral("Macro_0")), QStringList({"1,A", "0,50", "2,A", "3"}));
        QCOMPARE(m_names->nameList(kMacroNameList).size(), 1 + macroNames.size());
        if (macroNames.size() == 2)
            QCOMPARE(m_macros->load(wide), QStringList({"3,MS-L", "4,MS-L", "1"}));
        else
            QVERIFY(!m_macros->exists(wide));

        // The profile menu's restore after it finds nothing left to do.
        const auto imported = tree();
        QCOMPARE(restoreCarriedMacros(*m_files->profile(3), *m_macros, *m_names), 0);
        QCOMPARE(tree(), imported);
    }

    // Names that cannot be file names are renamed, never dropped, and nothing is written outside the macro folder.
    void hostile_names_are_renamed_inside_the_macro_folder()
    {
        syncAll();
        auto before = tree();
        QVERIFY(m_profiles->importProfile(2, fixture("hostile_names.pf")));

        const QStringList stored{".._.._x(0)", "a_b(0)", "Macro(0)", "Macro(1)", "ok", ".._escape(0)", "_tmp_abs(0)", "ok2"};
        auto after = tree();
        for (const QString &name : stored)
            QVERIFY2(after.remove("macro/" + name + ".bin"), qPrintable(name));
        for (auto *files : {&before, &after})
            files->remove(QStringLiteral("setting/name.bin")), files->remove(QStringLiteral("setting/p3.bin"));
        QCOMPARE(after, before);
        QCOMPARE(QVariant(m_names->nameList(kMacroNameList)).toStringList(), stored);
        QCOMPARE(m_macros->load(QStringLiteral("Macro(0)")), QStringList({"1,C", "2,C", "1"}));
        QCOMPARE(m_files->profile(2)->value(macroKey(0)).toString(), QStringLiteral(".._.._x(0)"));
        QCOMPARE(m_files->profile(2)->value(macroKey(3)).toString(), QStringLiteral("a_b(0)"));
    }

    // A file that is damaged, or carries one macro the editor could not have
    // made, is refused before anything is written.
    void refused_import_writes_nothing_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::newRow("serialised object") << QByteArray("[sensor]\ndpi_Tarn=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\n");
        QTest::newRow("serialised carried macro")
            << QByteArray("[profile]\nname=Fine, Odd\n0=\"1,A\", 1\n1=@Variant(\\0\\0\\0\\t\\0\\0\\0\\1)\n");
        QTest::newRow("malformed events") << readFile(fixture("hostile_values.pf"));
        QTest::newRow("100000 names") << readFile(fixture("hostile_huge.pf"));
    }
    void refused_import_writes_nothing()
    {
        QFETCH(QByteArray, content);
        const QString pf = m_dir->filePath(QStringLiteral("in.pf"));
        writeFile(pf, content);
        syncAll();
        const auto before = tree();
        QVERIFY(!m_profiles->importProfile(0, pf));
        QCOMPARE(tree(), before);
    }

    // A carried macro never replaces another macro of the same name: it is
    // stored beside it, and only the imported profile plays it.
    void carried_macro_never_replaces_another_data()
    {
        QTest::addColumn<QByteArray>("carried");
        QTest::addColumn<QString>("stored");
        QTest::newRow("same name, other events") << QByteArray("0=\"1,B\", \"2,B\", 1\n") << QStringLiteral("Jump(1)");
        QTest::newRow("same macro") << QByteArray("0=\"1,A\", \"2,A\", 2\n") << QStringLiteral("Jump");
    }
    void carried_macro_never_replaces_another()
    {
        QFETCH(QByteArray, carried);
        QFETCH(QString, stored);
        QVERIFY(m_macros->write(QStringLiteral("Jump"), 0, {"1,A", "2,A"}, 2));
        QVERIFY(m_macros->write(QStringLiteral("Jump(0)"), 1, {"1,Z", "2,Z"}, 1));
        m_names->storeNameList(kMacroNameList, {QStringLiteral("Jump"), QStringLiteral("Jump(0)")});
        m_files->profile(0)->setValue(macroKey(2), QStringLiteral("Jump"));
        const QByteArray jump = readFile(m_macros->filePath(QStringLiteral("Jump")));
        const QString pf = m_dir->filePath(QStringLiteral("in.pf"));
        writeFile(pf, "[macro]\n2=Jump\n[profile]\nname=Jump\n" + carried);

        QVERIFY(m_profiles->importProfile(3, pf));
        QCOMPARE(readFile(m_macros->filePath(QStringLiteral("Jump"))), jump);
        QCOMPARE(m_files->profile(0)->value(macroKey(2)).toString(), QStringLiteral("Jump"));
        QCOMPARE(m_files->profile(3)->value(macroKey(2)).toString(), stored);
        QCOMPARE(m_macros->load(stored).mid(0, 2), carriedMacroContent(*m_files->profile(3), 0).mid(0, 2));
        QCOMPARE(m_names->nameList(kMacroNameList).size(), stored == QLatin1String("Jump") ? 2 : 3);

        // The same file again finds its macro under the name it got.
        const auto once = tree();
        QVERIFY(m_profiles->importProfile(3, pf));
        QCOMPARE(tree().keys(), once.keys());
        QCOMPARE(m_files->profile(3)->value(macroKey(2)).toString(), stored);
    }

    // A names file that is damaged is made again from the files present,
    // so the lists keep the user's macros and profiles.
    void damaged_name_list_is_rebuilt_from_the_files()
    {
        QVERIFY(m_macros->write(QStringLiteral("Second"), 1, {"1,A", "2,A"}, 1));
        QVERIFY(m_macros->write(QStringLiteral("First"), 0, {"1,B", "2,B"}, 1));
        m_files->profile(2)->setValue(QLatin1String(kCursorSpeedKey), 9);
        syncAll();
        const QString names = m_names->filePath();
        writeFile(names, QByteArray("[macro]\nmacroName=First, Second\n\x01\x02", 34));

        QCOMPARE(QVariant(m_names->nameList(kMacroNameList)).toStringList(), QStringList({"First", "Second"}));
        QCOMPARE(QVariant(m_names->nameList(kProfileNameList)).toStringList(),
                 QStringList({"Standard0", "profile_02"}));
        QVERIFY(QFile::exists(names + ".damaged"));
    }
};

QTEST_GUILESS_MAIN(ProfilesTest)
#include "tst_profiles.moc"
