// The settings files installed beside the program pass the damage check and
// are in the form the program writes; the page and view tests use their values.

#include "SettingsGuard.h"
#include "SettingsKeys.h"
#include "SettingsPaths.h"
#include "StoreTestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kModules = QStringLiteral(MU_MODULES_DIR);
}

class InstalledTreeTest : public QObject
{
    Q_OBJECT

private slots:
    // Each file passes the damage check, and rewriting every key through the
    // toolkit gives the same bytes: the installed files are in the exact form
    // the program will write them.
    void files_are_in_written_form_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<bool>("utf8");
        const QDir setting(kModules + QStringLiteral("/setting"));
        for (const QString &name : setting.entryList({QStringLiteral("*.bin")}, QDir::Files))
            QTest::newRow(qPrintable(name)) << setting.filePath(name) << (name == QLatin1String(kAppConfigFileName));
        const QDir i18n(kModules + QStringLiteral("/i18n"));
        for (const QString &name : i18n.entryList({QStringLiteral("*.ini")}, QDir::Files))
            QTest::newRow(qPrintable(name)) << i18n.filePath(name) << true;
        QTest::newRow("gunData.bin") << kModules + QStringLiteral("/gun/gunData.bin") << false;
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

QTEST_GUILESS_MAIN(InstalledTreeTest)
#include "tst_installedtree.moc"
