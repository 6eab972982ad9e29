// The settings files installed beside the program: each parses, and holds
// every key the program reads, with lengths and values it can use.

#include "SettingsGuard.h"
#include "SettingsKeys.h"
#include "SettingsLists.h"
#include "SettingsPaths.h"
#include "StoreTestFiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {
const QString kModules = QStringLiteral(MU_MODULES_DIR);

QString settingPath(const QString &name)
{
    return kModules + QStringLiteral("/setting/") + name;
}

bool inRange(uint v, uint low, uint high)
{
    return v >= low && v <= high;
}

// Every element present and a number within low .. high.
void checkNumbers(const QSettings &file, const QString &key, int count, uint low, uint high)
{
    const QVariantList list = readSettingsList(file, key);
    QVERIFY2(list.size() == count, qPrintable(key));
    for (const QVariant &v : list) {
        bool ok = false;
        const uint n = v.toString().toUInt(&ok);
        QVERIFY2(ok && inRange(n, low, high), qPrintable(key + QLatin1Char('=') + v.toString()));
    }
}

void checkNumber(const QSettings &file, const QString &key, uint low, uint high)
{
    bool ok = false;
    const uint n = file.value(key).toString().toUInt(&ok);
    QVERIFY2(file.contains(key) && ok && inRange(n, low, high), qPrintable(key));
}

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
        QVERIFY(isSettingsText(readFile(path), utf8));
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

    void profiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::newRow("pD.bin") << QString::fromLatin1(kFactoryProfileFileName);
        for (int i = 0; i < kProfileFileCount; ++i)
            QTest::newRow(qPrintable(profileFileName(i))) << profileFileName(i);
    }
    void profiles()
    {
        QFETCH(QString, name);
        const QSettings file(settingPath(name), QSettings::IniFormat);
        for (bool is4090 : {false, true}) {
            checkNumbers(file, dpiListKey(is4090), kDpiStageCount, 200, 8000);
            for (uint dpi : readUIntList(file, dpiListKey(is4090), kDpiStageCount))
                QCOMPARE(dpi % 100, 0u);
            QVERIFY(QList<uint>({1, 2, 4, 8}).contains(file.value(reportRateKey(is4090)).toUInt()));
            checkNumbers(file, ledEffectKey(is4090), kLedEffectSize, 0, 255);
            const QVector<uint> led = readUIntList(file, ledEffectKey(is4090), kLedEffectSize);
            QVERIFY(led[0] <= 13 && led[2] <= 4);
        }
        checkNumbers(file, QLatin1String(kDpiSelectKey), kDpiStageCount, 0, 1);
        QVERIFY(readUIntList(file, QLatin1String(kDpiSelectKey), kDpiStageCount).contains(1u));
        checkNumbers(file, colorTypeKey(kLightingColorTable), kColorTableSize, 0, 255);
        checkNumbers(file, colorTypeKey(kStageColorTable), kColorTableSize, 0, 255);
        for (int k = 0; k < kButtonCount; ++k) {
            checkNumbers(file, keyDefineKey(k), kButtonDefinitionSize, 0, 255);
            QVERIFY(file.contains(macroKey(k)));
        }
        checkNumber(file, QLatin1String(kCursorSpeedKey), 0, 11);
        checkNumber(file, QLatin1String(kDoubleClickSpeedKey), 0, 11);
        const uint lines = file.value(QLatin1String(kScrollLinesKey)).toUInt();
        QVERIFY(inRange(lines, 1, 100) || lines == 1000);
        checkNumber(file, xySensitiveKey(QStringLiteral("0")), 0, 9);
        checkNumber(file, xySensitiveKey(QStringLiteral("1")), 0, 9);
        QVERIFY(file.contains(selectGunKey(QStringLiteral("0"))));
        QVERIFY(!file.contains(QLatin1String(kProfileMacroNamesKey)));
    }
};

QTEST_GUILESS_MAIN(InstalledTreeTest)
#include "tst_installedtree.moc"
