#include "ColourPacking.h"

#include <QtTest>

static QByteArray hex(const ColourTable &t)
{
    return QByteArray(reinterpret_cast<const char *>(t.data()), int(t.size())).toHex();
}

class ColourPackingTest : public QObject
{
    Q_OBJECT
private slots:
    void stage_colours_by_type()
    {
        QVariantList src;
        for (int i = 1; i <= 24; ++i)
            src.append(i);
        const QByteArray plain = "0102030405060708090a0b0c0d0e0f101112131415161718";
        QCOMPARE(hex(stageColourBuffer(1, src)), plain);
        QCOMPARE(hex(stageColourBuffer(0, src)), plain);
        QCOMPARE(hex(stageColourBuffer(2, src)), QByteArray("21436587") + plain.mid(8));
        QCOMPARE(stageColourLength(2), kPackedColourSize);
        QCOMPARE(stageColourLength(1), kColourTableSize);

        // Only the low nibble of each value survives packing.
        QCOMPARE(hex(stageColourBuffer(2, {0xAB, 0xCD, 0xFF, 0x10})).left(8), QByteArray("db0f0000"));
    }

    void page_values_become_bytes()
    {
        QCOMPARE(hex(colourTable({300, "12", -1, 255.0, "red", QVariant()})).left(12), QByteArray("2c0cffff0000"));
        QCOMPARE(colourTable({}), ColourTable{});
        QVariantList longList;
        for (int i = 0; i < 100; ++i)
            longList.append(7);
        QCOMPARE(hex(colourTable(longList)), QByteArray("07").repeated(24));
    }
};

QTEST_APPLESS_MAIN(ColourPackingTest)
#include "tst_colourpacking.moc"
