// The conversions of page values into what the mouse takes: DPI codes and
// masks, lighting options, colour tables, button matrices, the gun. What
// damaged stored values become is the every-path test's.
#include "ColourPacking.h"
#include "GunAxisCommands.h"
#include "DpiCode.h"
#include "KeyMatrix.h"
#include "LightingOptions.h"

#include <QtTest>

template <std::size_t N>
static QByteArray hex(const std::array<quint8, N> &bytes)
{
    return QByteArray(reinterpret_cast<const char *>(bytes.data()), int(N)).toHex();
}

static QVariantList filled(int count, int value)
{
    QVariantList list;
    while (list.size() < count)
        list.append(value);
    return list;
}

class ConversionsTest : public QObject
{
    Q_OBJECT
private slots:
    void dpi_codes_data()
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
    void dpi_codes()
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

        const QVariantList dpis{800, 5000, 5100, 8000, 8100, "6000", 200, 100};
        QCOMPARE(int(dpiHighRangeMask(true, dpis)), 0x3C);
        QCOMPARE(int(dpiHighRangeMask(false, dpis)), 0x10);

        const DpiSetPayload p = dpiSetPayload(true, {800, 6000}, {1, 1, 1});
        const std::array<quint8, kDpiStageCount> codes{7, 29, 0, 0, 0, 0, 0, 0};  // absent: lowest, not 255
        QCOMPARE(p.codes, codes);
        QCOMPARE(int(p.stageMask), 0x07);
        QCOMPARE(int(p.highRangeMask), 0x02);
    }

    void lighting_options_data()
    {
        QTest::addColumn<int>("effect");
        QTest::addColumn<int>("level");
        QTest::addColumn<int>("option1");
        QTest::addColumn<int>("option2");
        QTest::newRow("steady level 0") << 0 << 0 << 0 << 6;
        QTest::newRow("steady level 3") << 0 << 3 << 37 << 6;
        QTest::newRow("effect 13 level 1") << 13 << 1 << 20 << 6;
        QTest::newRow("effect 1 level 0") << 1 << 0 << 50 << 10;
        QTest::newRow("effect 12 level 2") << 12 << 2 << 50 << 6;
        QTest::newRow("effect 13 level 7") << 13 << 7 << 50 << 6;
        // Levels past the pages' range hold at the far end instead of wrapping.
        QTest::newRow("steady level 255") << 0 << 255 << 50 << 6;
        QTest::newRow("speed level 5") << 3 << 5 << 50 << 1;
        QTest::newRow("speed level 255") << 3 << 255 << 50 << 1;
        QTest::newRow("unknown effect") << 200 << 2 << 50 << 6;
    }
    void lighting_options()
    {
        QFETCH(int, effect);
        QFETCH(int, level);
        QFETCH(int, option1);
        QFETCH(int, option2);
        const LightingOptions o = lightingOptions(quint8(effect), quint8(level));
        QCOMPARE(int(o.option1), option1);
        QCOMPARE(int(o.option2), option2);
    }

    void stage_colours_by_type()
    {
        QVariantList src;
        for (int i = 1; i <= 24; ++i)
            src.append(i);
        const QByteArray plain = "0102030405060708090a0b0c0d0e0f101112131415161718";
        QCOMPARE(hex(stageColourBuffer(1, src)), plain);
        QCOMPARE(hex(stageColourBuffer(0, src)), plain);
        QCOMPARE(hex(stageColourBuffer(2, src)), QByteArray("21436587") + plain.mid(8));

        // Only the low nibble of each value survives packing.
        QCOMPARE(hex(stageColourBuffer(2, {0xAB, 0xCD, 0xFF, 0x10})).left(8), QByteArray("db0f0000"));
    }

    // Groups reversed; buttons 7, 8, 14, 15 fixed whatever the page gave.
    void button_matrix_as_sent()
    {
        QVariantList src = filled(64, 0xAA);
        const QVariantList firstTwo{0x01, 0x00, 0xF0, 0x00, 0x01, 0x00, 0xE0, 0x06};
        for (int i = 0; i < firstTwo.size(); ++i)
            src[i] = firstTwo[i];
        const QByteArray expected = "00f00001" "06e00001" "aaaaaaaa" "aaaaaaaa" "aaaaaaaa" "aaaaaaaa" "aaaaaaaa"
                                    "0000030c" "0000010b" "aaaaaaaa" "aaaaaaaa" "aaaaaaaa" "aaaaaaaa" "aaaaaaaa"
                                    "00010105" "00010205";
        QCOMPARE(hex(buttonKeyMatrix(src)), expected);

        src.append(filled(8, 0x22));  // longer: the extra values are not used
        QCOMPARE(hex(buttonKeyMatrix(src)), expected);
    }

    void chosen_gun_as_sent()
    {
        QCOMPARE(gunFiringData(3, -10, 127), (GunData{0xF0, 3, 0xF6, 0x7F, 0}));
        QCOMPARE(gunFiringData(0, -127, -200)[2], quint8(0x81));
        const QVariantList m = gunFiringMatrix(5, 3);
        QCOMPARE(m.size(), 64);
        QCOMPARE(m.mid(0, 4), (QVariantList{0x0B, 0, 10, 3}));  // below 10 ms fires every 10 ms
        QCOMPARE(m.mid(28, 4), (QVariantList{0x08, 0, 0x02, 0}));
        QCOMPARE(m.mid(56, 8), (QVariantList{0x04, 0, 1, 0, 0x04, 0, 2, 0}));
        QCOMPARE(gunFiringMatrix(40, 0).at(2).toInt(), 40);
    }
};

QTEST_APPLESS_MAIN(ConversionsTest)
#include "tst_conversions.moc"
