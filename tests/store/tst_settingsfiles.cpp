#include "AppConfig.h"
#include "SettingsFiles.h"
#include "SettingsGuard.h"
#include "SettingsKeys.h"
#include "SettingsLists.h"
#include "SettingsPaths.h"
#include "StoreTestFiles.h"

#include <QtTest>
#include <memory>

class SettingsFilesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString profilePath(int index) const { return path(profileFileName(index)); }

private slots:
    void init()
    {
        // A new folder per test: the toolkit shares parsed files between handles of the same name within a process.
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void current_index_routes_profile_keys()
    {
        {
            SettingsFiles files(m_dir->path());
            QVERIFY(files.setCurrentProfileIndex(3));
            files.currentProfile()->setValue(QLatin1String(kCursorSpeedKey), 7);
            QVERIFY(!files.setCurrentProfileIndex(10));
            QVERIFY(!files.setCurrentProfileIndex(-1));
            QCOMPARE(files.currentProfileIndex(), 3);
            files.setCurrentProfileIndex(0);
            QCOMPARE(files.currentProfile()->value(QLatin1String(kCursorSpeedKey), 0).toInt(), 0);
        }
        QCOMPARE(readFile(profilePath(3)), QByteArray("[sensor]\ncursorSpeed_Tarn=7\n"));
        QVERIFY(!QFile::exists(profilePath(0)));
        QVERIFY(!QFile::exists(path(QStringLiteral("apConfig.bin"))));
    }

    // The written form must stay what the toolkit has always written: lists
    // joined by ", ", non-ASCII as \x escapes in profile files, plain UTF-8
    // in apConfig.bin.
    void profile_file_form()
    {
        {
            SettingsFiles files(m_dir->path());
            QSettings *p = files.profile(1);
            p->setValue(keyDefineKey(3), QVariantList{1, 0, 244, 0});
            p->setValue(colorTypeKey(1), QVariantList{255, 0, 0});
            p->setValue(macroKey(11), QString::fromUtf8("宏 1"));
            p->setValue(selectGunKey(QStringLiteral("0")), QString::fromUtf8("Gun0é"));
            p->setValue(xySensitiveKey(QStringLiteral("1")), 9);
        }
        QCOMPARE(readFile(profilePath(1)),
                 QByteArray("[XYSensitive]\n1=9\n\n"
                            "[color_Tarn]\ntype1=255, 0, 0\n\n"
                            "[keydefine_Tarn]\n3=1, 0, 244, 0\n\n"
                            "[macro]\n11=\\x5b8f 1\n\n"
                            "[selectGun]\n0=Gun0\\xe9\n"));
    }

    void appconfig_keeps_utf8_title_through_rewrite()
    {
        writeFile(path(QStringLiteral("apConfig.bin")),
                  "[common]\nlanguage=ChineseSimplified\nname0=\\x9f20\\x6807 K812\nname1=Mouse\n\n[Tarn]\nprofileNo=0\n");
        {
            SettingsFiles files(m_dir->path());
            files.appConfig()->setValue(QLatin1String(kProfileNoKey), 4u);
        }
        QCOMPARE(readFile(path(QStringLiteral("apConfig.bin"))),
                 QByteArray("[Tarn]\nprofileNo=4\n\n"
                            "[common]\nlanguage=ChineseSimplified\nname0=\xe9\xbc\xa0\xe6\xa0\x87 K812\nname1=Mouse\n"));
        QCOMPARE(readWindowTitle(path(QStringLiteral("apConfig.bin"))), QString::fromUtf8("鼠标 K812"));
        QCOMPARE(readWindowTitle(path(QStringLiteral("absent.bin"))), QString());
    }

    // A list of one element is stored as a plain value, which reads back as text and no list.
    void stored_lists_read_back()
    {
        const QString file = path(QStringLiteral("p.bin"));
        writeFile(file, "[sensor]\ndpi_Tarn=400, 800, 1600\ndpi_Select=1\n[color_Tarn]\ntype1=255, 0, x, 0, 0, 255\n");
        const QSettings settings(file, QSettings::IniFormat);
        QCOMPARE(toUIntVariantList(readSettingsList(settings, QStringLiteral("sensor/dpi_Tarn"))), (QVariantList{400u, 800u, 1600u}));
        QVERIFY(readSettingsList(settings, QStringLiteral("sensor/dpi_Select")).isEmpty());
        QVERIFY(readSettingsList(settings, QStringLiteral("sensor/absent")).isEmpty());
        QCOMPARE(toUIntVariantList(readSettingsList(settings, QStringLiteral("color_Tarn/type1"))),
                 (QVariantList{255u, 0u, 0u, 0u, 0u, 255u}));
    }

    void replace_copies_between_profiles_and_onto_itself()
    {
        writeFile(profilePath(1), "[sensor]\ncursorSpeed_Tarn=2\n");
        writeFile(profilePath(3), "[sensor]\ncursorSpeed_Tarn=4\ndoubleClickSpeed_Tarn=8\n");
        SettingsFiles files(m_dir->path());
        QVERIFY(files.replaceProfileFile(1, files.fileName(3)));
        QCOMPARE(readFile(profilePath(1)), readFile(profilePath(3)));
        QVERIFY(files.replaceProfileFile(3, files.fileName(3)));
        QCOMPARE(files.profile(3)->value(QLatin1String(kDoubleClickSpeedKey)).toInt(), 8);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(readFile(profilePath(3)), QByteArray("[sensor]\ncursorSpeed_Tarn=4\ndoubleClickSpeed_Tarn=8\n"));
    }

    void recognises_settings_text()
    {
        const struct { const char *name; QByteArray content; bool accepted; } rows[] = {
            {"empty", QByteArray(), true},
            {"written by the toolkit", QByteArray("[sensor]\ndpi_Tarn=400, 800\n\n[macro]\n11=\\x5b8f 1\n"), true},
            {"CRLF, comments, blanks", QByteArray("; note\r\n# note\r\n\r\n[a]\r\n  k = v \r\n"), true},
            {"continued value", QByteArray("[a]\nk=one \\\n two\n"), true},
            {"UTF-8 with BOM", QByteArray("\xEF\xBB\xBF[common]\nname0=\xE9\xBC\xA0\n"), true},
            {"Latin-1 value", QByteArray("[a]\nk=\xE9t\xE9\n"), true},
            {"binary", QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16), false},
            {"NUL in a value", QByteArray("[a]\nk=v\0w\n", 10), false},
            {"line without =", QByteArray("[a]\nk=v\nstray words\n"), false},
            {"unterminated section", QByteArray("[sensor\nk=v\n"), false},
            {"empty section name", QByteArray("[]\nk=v\n"), false},
            {"empty key", QByteArray("[a]\n=v\n"), false},
            // Values the settings class would build objects from, however spelled.
            {"serialised list", QByteArray("[sensor]\ndpi_Tarn=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\n"), false},
            {"serialised list element", QByteArray("[a]\nk=1, @ByteArray(x)\n"), false},
            {"quoted", QByteArray("[a]\nk=\"@Rect(1 2 3 4)\"\n"), false},
            {"hex escape", QByteArray("[a]\nk=\\x40Variant(\\0)\n"), false},
            {"hex escape past 16 bits", QByteArray("[a]\nk=\\x10040Variant()\n"), false},
            {"octal escape", QByteArray("[a]\nk=\\100Size(1 2)\n"), false},
            {"after a dropped escape", QByteArray("[a]\nk=\\z@Point(1 2)\n"), false},
            {"continued onto the next line", QByteArray("[a]\nk=\\\n@Variant(\\0)\n"), false},
            {"key of a # line", QByteArray("#k=@Variant(\\0)\n"), false},
            {"an empty list, as an export without macros has it", QByteArray("[profile]\nname=@Invalid()\n"), true},
            {"more after the empty list's text", QByteArray("[a]\nk=@Invalid()@Variant(\\0)\n"), false},
            {"text that begins with @", QByteArray("[a]\nk=@@home, \"@@a,b\"\n"), true},
            {"@ inside values", QByteArray("[a]\nk=me@home, x@y\nl=\"a @b\"\n"), true},
        };
        for (const auto &r : rows)
            QVERIFY2(isSettingsText(r.content) == r.accepted, r.name);
    }

    // A value ending in an escaped backslash ends its line: a broken line after it is damage, a key after it is read.
    void value_ending_in_escaped_backslash_ends_its_line()
    {
        const QByteArray broken("[paths]\nfolder=C:\\\\\nstray words\n");
        writeFile(profilePath(0), broken);
        writeFile(profilePath(1), "[paths]\nfolder=C:\\\\\n[sensor]\ncursorSpeed_Tarn=7\n");
        SettingsFiles files(m_dir->path());
        QCOMPARE(readFile(profilePath(0) + QLatin1String(kDamagedSuffix)), broken);
        QVERIFY(files.profile(0)->allKeys().isEmpty());
        QCOMPARE(files.profile(1)->value(QStringLiteral("paths/folder")).toString(), QStringLiteral("C:\\"));
        QCOMPARE(files.profile(1)->value(QLatin1String(kCursorSpeedKey)).toInt(), 7);
    }

    // Garbage beside an older copy, a file past the size limit, a folder
    // where the file should be (unreadable by anyone, root included): each
    // goes aside whole and an empty file takes its place.
    void damaged_files_are_set_aside_intact()
    {
        const auto at = [this](const char *name) { return path(QLatin1String(name)); };
        const QByteArray garbage("GIF89a\x01\0\x01\0", 10);
        writeFile(at("p1.bin"), garbage);
        writeFile(at("p1.bin.damaged"), "older");
        const QByteArray big = "[a]\n" + QByteArray("k=v\n").repeated(int(kMaxSettingsFileSize / 4));
        writeFile(at("p3.bin"), big);
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("p2.bin/inner")));

        QCOMPARE(setAsideDamagedFile(at("p1.bin")), at("p1.bin.damaged1"));
        QCOMPARE(readFile(at("p1.bin.damaged1")), garbage);
        QCOMPARE(readFile(at("p1.bin.damaged")), QByteArray("older"));
        QCOMPARE(setAsideDamagedFile(at("p3.bin")), at("p3.bin.damaged"));
        QCOMPARE(QFileInfo(at("p3.bin.damaged")).size(), big.size());
        QCOMPARE(setAsideDamagedFile(at("p2.bin")), at("p2.bin.damaged"));
        QVERIFY(QFileInfo(at("p2.bin.damaged/inner")).isDir());
        for (const char *name : {"p1.bin", "p2.bin"})
            QVERIFY2(QFileInfo(at(name)).isFile() && QFileInfo(at(name)).size() == 0, name);
    }

    // What the toolkit alone would do: read what it can of the file (or build
    // the objects it claims to hold, exhausting memory) and, on the next
    // write, replace it with that. The user's file must survive, the start
    // must go on with the factory profile, and the user is told once.
    void damaged_profile_starts_from_the_factory_profile_data()
    {
        QTest::addColumn<QByteArray>("damaged");
        QTest::newRow("garbage") << QByteArray("\x00\x01\xff\xfe=\x89PNG\r\n\x1a\n[foo\nbar=baz", 25);
        QTest::newRow("serialised object")
            << QByteArray("[sensor]\ndpi_Tarn=@Variant(\\0\\0\\0\\t\\x7f\\xff\\xff\\xff)\n");
    }
    void damaged_profile_starts_from_the_factory_profile()
    {
        QFETCH(QByteArray, damaged);
        setDamagedFileListener([](const QString &, const QString &) {});  // takes what earlier tests set aside
        writeFile(path(QStringLiteral("p1.bin")), damaged);
        writeFile(path(QLatin1String(kFactoryProfileFileName)), "[sensor]\ncursorSpeed_Tarn=5\n");
        QStringList told;
        setDamagedFileListener([&](const QString &file, const QString &aside) { told << file + " > " + aside; });
        {
            SettingsFiles files(m_dir->path());
            QCOMPARE(files.currentProfile()->value(QLatin1String(kCursorSpeedKey)).toInt(), 5);
            QCOMPARE(files.currentProfile()->value(QLatin1String(kDpiListKey)), QVariant());
            files.currentProfile()->setValue(QLatin1String(kCursorSpeedKey), 3);
        }
        setDamagedFileListener({});
        QCOMPARE(told, QStringList{profilePath(0) + " > " + profilePath(0) + ".damaged"});
        QVERIFY(damagedFileMessage(profilePath(0), profilePath(0) + ".damaged").contains("p1.bin.damaged"));
        QCOMPARE(readFile(path(QStringLiteral("p1.bin.damaged"))), damaged);
        QCOMPARE(readFile(path(QStringLiteral("p1.bin"))), QByteArray("[sensor]\ncursorSpeed_Tarn=3\n"));
    }

    // A title re-saved in a legacy encoding is one bad byte: the file stays, with the product names and secrecy codes.
    void legacy_byte_in_appconfig_keeps_its_keys()
    {
        writeFile(path(QStringLiteral("apConfig.bin")), "[common]\nlanguage=ChineseSimplified\nname0=\xe9\nsCode0=518206\n");
        SettingsFiles files(m_dir->path());
        QCOMPARE(files.appConfig()->value(QStringLiteral("common/sCode0")).toString(), QStringLiteral("518206"));
        QCOMPARE(files.appConfig()->value(QStringLiteral("common/language")).toString(), QStringLiteral("ChineseSimplified"));
        QVERIFY(!QFile::exists(path(QStringLiteral("apConfig.bin.damaged"))));
    }

    // Each file passes the damage check, and rewriting every key through the
    // toolkit gives the same bytes: the installed files are in the exact form
    // the program will write them.
    void files_are_in_written_form_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("utf8");
        const QDir setting(QStringLiteral(MU_MODULES_DIR) + QStringLiteral("/setting"));
        for (const QString &name : setting.entryList({QStringLiteral("*.bin")}, QDir::Files))
            QTest::newRow(qPrintable(name)) << setting.filePath(name) << (name == QLatin1String(kAppConfigFileName));
        const QDir i18n(QStringLiteral(MU_MODULES_DIR) + QStringLiteral("/i18n"));
        for (const QString &name : i18n.entryList({QStringLiteral("*.ini")}, QDir::Files))
            QTest::newRow(qPrintable(name)) << i18n.filePath(name) << true;
        QTest::newRow("gunData.bin") << QStringLiteral(MU_MODULES_DIR) + QStringLiteral("/gun/gunData.bin") << false;
    }
    void files_are_in_written_form()
    {
        QFETCH(QString, path);
        QFETCH(bool, utf8);
        QVERIFY(isSettingsText(readFile(path)));
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("copy"));
        {
            QSettings source(path, QSettings::IniFormat);
            QSettings target(copy, QSettings::IniFormat);
            if (utf8) {
                source.setIniCodec(kUtf8Codec);
                target.setIniCodec(kUtf8Codec);
            }
            for (const QString &key : source.allKeys())
                target.setValue(key, source.value(key));
        }
        QCOMPARE(readFile(copy), readFile(path));
    }
};

QTEST_GUILESS_MAIN(SettingsFilesTest)
#include "tst_settingsfiles.moc"
