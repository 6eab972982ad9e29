#include "AppConfig.h"
#include "SettingsFiles.h"
#include "SettingsKeys.h"
#include "SettingsLists.h"
#include "StoreTestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

class SettingsFilesTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString &name) const { return m_dir->filePath(name); }
    QString profilePath(int index) const { return path(profileFileName(index)); }

    static void flushDeferredDeletes()
    {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    }

private slots:
    void init()
    {
        // A new folder per test: the toolkit shares parsed files between
        // handles of the same name within a process.
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
    }

    void window_title_defaults()
    {
        QCOMPARE(readWindowTitle(path(QStringLiteral("absent.bin"))), QString());
        writeFile(path(QStringLiteral("en.bin")), "[common]\nlanguage=English\nname0=zh\nname1=en\n");
        QCOMPARE(readWindowTitle(path(QStringLiteral("en.bin"))), QStringLiteral("en"));
    }

    void replace_with_equal_size_file_is_reread()
    {
        writeFile(profilePath(4), "[sensor]\ncursorSpeed_Tarn=1\n");
        writeFile(path(QStringLiteral("src.bin")), "[sensor]\ncursorSpeed_Tarn=2\n");
        SettingsFiles files(m_dir->path());
        QCOMPARE(files.profile(4)->value(QLatin1String(kCursorSpeedKey)).toInt(), 1);
        QVERIFY(files.replaceProfileFile(4, path(QStringLiteral("src.bin"))));
        QCOMPARE(files.profile(4)->value(QLatin1String(kCursorSpeedKey)).toInt(), 2);
        flushDeferredDeletes();
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
        flushDeferredDeletes();
        QCOMPARE(readFile(profilePath(3)), QByteArray("[sensor]\ncursorSpeed_Tarn=4\ndoubleClickSpeed_Tarn=8\n"));
    }
};

QTEST_GUILESS_MAIN(SettingsFilesTest)
#include "tst_settingsfiles.moc"
