#include "SettingsFiles.h"
#include "SettingsGuard.h"
#include "SettingsKeys.h"
#include "StoreTestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

class SettingsGuardTest : public QObject
{
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> m_dir;

    QString path(const QString &name) const { return m_dir->filePath(name); }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        QVERIFY(m_dir->isValid());
    }

    void recognises_settings_text_data()
    {
        QTest::addColumn<QByteArray>("content");
        QTest::addColumn<bool>("accepted");
        QTest::newRow("empty") << QByteArray() << true;
        QTest::newRow("written by the toolkit")
            << QByteArray("[sensor]\ndpi_Tarn=400, 800\n\n[macro]\n11=\\x5b8f 1\n") << true;
        QTest::newRow("CRLF, comments, blanks")
            << QByteArray("; note\r\n# note\r\n\r\n[a]\r\n  k = v \r\n") << true;
        QTest::newRow("continued value") << QByteArray("[a]\nk=one \\\n two\n") << true;
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF[common]\nname0=\xE9\xBC\xA0\n") << true;
        QTest::newRow("Latin-1 value") << QByteArray("[a]\nk=\xE9t\xE9\n") << true;
        QTest::newRow("binary") << QByteArray("\x89PNG\r\n\x1a\n\0\0\0\rIHDR", 16) << false;
        QTest::newRow("NUL in a value") << QByteArray("[a]\nk=v\0w\n", 10) << false;
        QTest::newRow("line without =") << QByteArray("[a]\nk=v\nstray words\n") << false;
        QTest::newRow("unterminated section") << QByteArray("[sensor\nk=v\n") << false;
        QTest::newRow("empty section name") << QByteArray("[]\nk=v\n") << false;
        QTest::newRow("empty key") << QByteArray("[a]\n=v\n") << false;
    }
    void recognises_settings_text()
    {
        QFETCH(QByteArray, content);
        QFETCH(bool, accepted);
        QCOMPARE(isSettingsText(content), accepted);
    }

    void damaged_file_is_set_aside_intact()
    {
        const QByteArray garbage("GIF89a\x01\0\x01\0", 10);
        writeFile(path(QStringLiteral("p1.bin")), garbage);
        writeFile(path(QStringLiteral("p1.bin.damaged")), "older");

        const QString aside = setAsideDamagedFile(path(QStringLiteral("p1.bin")));
        QCOMPARE(aside, path(QStringLiteral("p1.bin.damaged1")));
        QCOMPARE(readFile(aside), garbage);
        QCOMPARE(readFile(path(QStringLiteral("p1.bin.damaged"))), QByteArray("older"));
        QVERIFY(QFileInfo(path(QStringLiteral("p1.bin"))).isFile());
        QCOMPARE(QFileInfo(path(QStringLiteral("p1.bin"))).size(), 0);
    }

    void oversized_file_is_set_aside()
    {
        QByteArray big("[a]\n");
        big.append(QByteArray("k=v\n").repeated(int(kMaxSettingsFileSize / 4)));
        writeFile(path(QStringLiteral("p3.bin")), big);
        QCOMPARE(setAsideDamagedFile(path(QStringLiteral("p3.bin"))), path(QStringLiteral("p3.bin.damaged")));
        QCOMPARE(QFileInfo(path(QStringLiteral("p3.bin.damaged"))).size(), big.size());
    }

    void unreadable_file_is_set_aside()
    {
        // A folder where the file should be cannot be read by anyone, root included.
        QVERIFY(QDir(m_dir->path()).mkpath(QStringLiteral("p2.bin/inner")));
        const QString aside = setAsideDamagedFile(path(QStringLiteral("p2.bin")));
        QCOMPARE(aside, path(QStringLiteral("p2.bin.damaged")));
        QVERIFY(QFileInfo(aside + QStringLiteral("/inner")).isDir());
        QVERIFY(QFileInfo(path(QStringLiteral("p2.bin"))).isFile());
    }

    // What the toolkit alone would do: read what it can of the file and, on
    // the next write, replace it with that. The user's file must survive.
    void garbage_profile_reads_defaults_and_is_not_overwritten()
    {
        const QByteArray garbage("\x00\x01\xff\xfe=\x89PNG\r\n\x1a\n[foo\nbar=baz", 25);
        writeFile(path(QStringLiteral("p1.bin")), garbage);
        {
            SettingsFiles files(m_dir->path());
            QVERIFY(files.currentProfile()->allKeys().isEmpty());
            QCOMPARE(files.currentProfile()->value(xySensitiveKey(QStringLiteral("0")), kXYSensitiveDefault).toInt(),
                     kXYSensitiveDefault);
            files.currentProfile()->setValue(QLatin1String(kCursorSpeedKey), 3);
        }
        QCOMPARE(readFile(path(QStringLiteral("p1.bin.damaged"))), garbage);
        QCOMPARE(readFile(path(QStringLiteral("p1.bin"))), QByteArray("[sensor]\ncursorSpeed_Tarn=3\n"));
    }

    // A title re-saved in a legacy encoding is one bad byte: the file stays,
    // with the product names and secrecy codes.
    void legacy_byte_in_appconfig_keeps_its_keys()
    {
        writeFile(path(QStringLiteral("apConfig.bin")), "[common]\nlanguage=ChineseSimplified\nname0=\xe9\nsCode0=518206\n");
        SettingsFiles files(m_dir->path());
        QCOMPARE(files.appConfig()->value(QStringLiteral("common/sCode0")).toString(), QStringLiteral("518206"));
        QCOMPARE(files.appConfig()->value(QStringLiteral("common/language")).toString(), QStringLiteral("ChineseSimplified"));
        QVERIFY(!QFile::exists(path(QStringLiteral("apConfig.bin.damaged"))));
    }
};

QTEST_GUILESS_MAIN(SettingsGuardTest)
#include "tst_settingsguard.moc"
