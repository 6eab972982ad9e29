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

static QVariantList filled(int count, int value) { return QVector<QVariant>(count, value).toList(); }

class ConversionsTest : public QObject
{
    Q_OBJECT
private slots:
    // The last plain and first high value of each sensor, 0 saturating low, values beyond a byte.
    void dpi_codes()
    {
        const struct { bool is4090; uint dpi; int code; bool high; } rows[] = {
            {true, 800, 7, false}, {true, 5000, 49, false}, {true, 5100, 24, true}, {true, 6000, 29, true},
            {true, 0, 0, false}, {true, 60000, 255, true}, {false, 800, 16, false}, {false, 8000, 160, false},
            {false, 8100, 81, true}, {false, 30000, 255, true}};
        for (const auto &r : rows)
            QVERIFY2(dpiCode(r.is4090, r.dpi) == r.code && dpiIsHighRange(r.is4090, r.dpi) == r.high,
                     qPrintable(QStringLiteral("%1 at %2").arg(r.is4090 ? "4090" : "3336").arg(r.dpi)));
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

    // Steady (0), speed (3) and other effects; levels past the pages' range (255) hold at the far end
    // instead of wrapping; an unknown effect (200).
    void lighting_options()
    {
        const struct { int effect, level, option1, option2; } rows[] = {
            {0, 0, 0, 6}, {0, 3, 37, 6}, {13, 1, 20, 6}, {1, 0, 50, 10}, {12, 2, 50, 6}, {13, 7, 50, 6},
            {0, 255, 50, 6}, {3, 5, 50, 1}, {3, 255, 50, 1}, {200, 2, 50, 6}};
        for (const auto &r : rows) {
            const LightingOptions o = lightingOptions(quint8(r.effect), quint8(r.level));
            QVERIFY2(o.option1 == r.option1 && o.option2 == r.option2,
                     qPrintable(QStringLiteral("effect %1 level %2: %3 %4").arg(r.effect).arg(r.level).arg(o.option1)
                                    .arg(o.option2)));
        }
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
