#include "SettingsLists.h"
#include "StoreTestFiles.h"

#include <QTemporaryDir>
#include <QtTest>

class SettingsListsTest : public QObject
{
    Q_OBJECT

private slots:
    void stored_lists_read_back_from_disk()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("p.bin"));
        writeFile(path,
                  "[sensor]\ndpi_Tarn=400, 800, 1600\ndpi_Select=1\nreportRate_Tarn=abc\n"
                  "[color_Tarn]\ntype1=255, 0, 0, 0, 0, 255, 0, 255, 0, 255, 255, 0, 0, 255, 255, 255, 0, 255, 255, 0, 255, 255, 0, 255, 9\n");
        const QSettings file(path, QSettings::IniFormat);
        QCOMPARE(readUIntList(file, QStringLiteral("sensor/dpi_Tarn"), 8),
                 (QVector<uint>{400, 800, 1600, 0, 0, 0, 0, 0}));
        // One element is stored as a plain value, which is text and no list.
        QVERIFY(readSettingsList(file, QStringLiteral("sensor/dpi_Select")).isEmpty());
        QCOMPARE(readUIntList(file, QStringLiteral("sensor/dpi_Select"), 8), QVector<uint>(8, 0));
        QVERIFY(readSettingsList(file, QStringLiteral("sensor/absent")).isEmpty());
        QCOMPARE(readUIntList(file, QStringLiteral("color_Tarn/type1"), 24).size(), 24);
        QCOMPARE(toUIntVariantList(readSettingsList(file, QStringLiteral("color_Tarn/type1"))).size(), 25);
        QCOMPARE(toUIntVariantList({QStringLiteral("7"), QStringLiteral("z")}), (QVariantList{7u, 0u}));
    }
};

QTEST_GUILESS_MAIN(SettingsListsTest)
#include "tst_settingslists.moc"
