#include "ColourPacking.h"

#include <QtTest>

namespace {

QVariantList counting(int n)
{
    QVariantList list;
    for (int i = 1; i <= n; ++i)
        list.append(i);
    return list;
}

} // namespace

class ColourPackingTest : public QObject
{
    Q_OBJECT
private slots:
    void type_2_packs_nibbles()
    {
        const ColourTable b = stageColourBuffer(2, counting(24));
        QCOMPARE(int(b[0]), 0x21);
        QCOMPARE(int(b[1]), 0x43);
        QCOMPARE(int(b[2]), 0x65);
        QCOMPARE(int(b[3]), 0x87);
        for (size_t i = 4; i < kColourTableSize; ++i)
            QCOMPARE(int(b[i]), int(i) + 1);
        QCOMPARE(stageColourLength(2), size_t(4));

        // High nibbles of the even bytes are dropped, the odd bytes' low nibbles move up.
        const ColourTable full = stageColourBuffer(2, {0xAB, 0xCD, 0xFF, 0x10});
        QCOMPARE(int(full[0]), 0xDB);
        QCOMPARE(int(full[1]), 0x0F);
    }

    void other_types_stay_plain()
    {
        for (const quint8 type : {quint8(0), quint8(1), quint8(3)}) {
            const ColourTable b = stageColourBuffer(type, counting(24));
            for (size_t i = 0; i < kColourTableSize; ++i)
                QCOMPARE(int(b[i]), int(i) + 1);
            QCOMPARE(stageColourLength(type), kColourTableSize);
        }
    }

    void page_values_become_bytes()
    {
        const ColourTable b = colourTable({300, "12", -1, 255.0, "red", QVariant()});
        QCOMPARE(int(b[0]), 44);
        QCOMPARE(int(b[1]), 12);
        QCOMPARE(int(b[2]), 255);
        QCOMPARE(int(b[3]), 255);
        QCOMPARE(int(b[4]), 0);
        QCOMPARE(int(b[5]), 0);
    }

    void list_length_does_not_matter()
    {
        const ColourTable shortList = colourTable({9, 9});
        QCOMPARE(int(shortList[1]), 9);
        for (size_t i = 2; i < kColourTableSize; ++i)
            QCOMPARE(int(shortList[i]), 0);
        const ColourTable longList = colourTable(counting(100));
        QCOMPARE(int(longList[kColourTableSize - 1]), 24);
        QCOMPARE(colourTable({}), ColourTable{});
    }
};

QTEST_APPLESS_MAIN(ColourPackingTest)
#include "tst_colourpacking.moc"
