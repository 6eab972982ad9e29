#include "DpiCode.h"

#include <QtTest>

class DpiCodeTest : public QObject
{
    Q_OBJECT
private slots:
    void codes_data()
    {
        QTest::addColumn<bool>("is4090");
        QTest::addColumn<uint>("dpi");
        QTest::addColumn<int>("code");
        QTest::addColumn<bool>("high");
        QTest::newRow("4090 800") << true << 800u << 7 << false;
        QTest::newRow("4090 5000 last plain") << true << 5000u << 49 << false;
        QTest::newRow("4090 5100 first high") << true << 5100u << 24 << true;
        QTest::newRow("4090 6000") << true << 6000u << 29 << true;
        QTest::newRow("4090 0 saturates low") << true << 0u << 0 << false;
        QTest::newRow("4090 beyond a byte") << true << 60000u << 255 << true;
        QTest::newRow("3336 800") << false << 800u << 16 << false;
        QTest::newRow("3336 8000 last plain") << false << 8000u << 160 << false;
        QTest::newRow("3336 8100 first high") << false << 8100u << 81 << true;
        QTest::newRow("3336 beyond a byte") << false << 30000u << 255 << true;
    }
    void codes()
    {
        QFETCH(bool, is4090);
        QFETCH(uint, dpi);
        QFETCH(int, code);
        QFETCH(bool, high);
        QCOMPARE(int(dpiCode(is4090, dpi)), code);
        QCOMPARE(dpiIsHighRange(is4090, dpi), high);
    }

    void masks_and_payload_from_page_lists()
    {
        QCOMPARE(int(dpiStageMask({1, 1, 0, 1, 0, 0, 0, 0})), 0x0B);
        QCOMPARE(int(dpiStageMask({"1", "0", "x", 2.0, 0, 0, 0, 1, 1, 1})), 0x89);  // text converts; 8 count

        const QVariantList dpis{800, 5000, 5100, 8000, 8100, "6000", 200, 100};
        QCOMPARE(int(dpiHighRangeMask(true, dpis)), 0x3C);
        QCOMPARE(int(dpiHighRangeMask(false, dpis)), 0x10);

        const DpiSetPayload p = dpiSetPayload(true, {800, 6000}, {1, 1, 1});
        const std::array<quint8, kDpiStageCount> codes{7, 29, 0, 0, 0, 0, 0, 0};  // absent: lowest, not 255
        QCOMPARE(p.codes, codes);
        QCOMPARE(int(p.stageMask), 0x07);
        QCOMPARE(int(p.highRangeMask), 0x02);
    }

    void stage_table_from_stored_list()
    {
        const std::array<quint32, kDpiStageCount> expected{800, 1600, 0, 0, 0, 0, 0, 0};
        QCOMPARE(stageDpiTable({"800", "1600", "abc"}), expected);
        QVariantList longList;
        for (int i = 1; i <= 12; ++i)
            longList.append(400 * i);
        QCOMPARE(stageDpiTable(longList)[7], 3200u);
    }
};

QTEST_APPLESS_MAIN(DpiCodeTest)
#include "tst_dpicode.moc"
