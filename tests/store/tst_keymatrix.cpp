#include "KeyMatrix.h"

#include <QtTest>

namespace {

QVariantList filled(int count, int value)
{
    QVariantList list;
    for (int i = 0; i < count; ++i)
        list.append(value);
    return list;
}

QVariantList pageMatrix(int fill)
{
    return filled(int(kKeyMatrixSize), fill);
}

QByteArray group(const KeyMatrix &m, int button)
{
    return QByteArray(reinterpret_cast<const char *>(m.data()) + button * kKeyMatrixGroupSize, kKeyMatrixGroupSize);
}

} // namespace

class KeyMatrixTest : public QObject
{
    Q_OBJECT
private slots:
    void fixed_buttons_whatever_the_page_gave()
    {
        for (const QVariantList &src : {pageMatrix(0), pageMatrix(0xAA), QVariantList{}, QVariantList{1, 2, 3}}) {
            const KeyMatrix m = buttonKeyMatrix(src);
            QCOMPARE(group(m, 7), QByteArray::fromHex("0000030c"));
            QCOMPARE(group(m, 8), QByteArray::fromHex("0000010b"));
            QCOMPARE(group(m, 14), QByteArray::fromHex("00010105"));
            QCOMPARE(group(m, 15), QByteArray::fromHex("00010205"));
        }
    }

    void groups_are_reversed()
    {
        QVariantList src = pageMatrix(0);
        const QVariantList left{0x01, 0x00, 0xF0, 0x00};
        const QVariantList ctrlC{0x01, 0x00, 0xE0, 0x06};
        for (int i = 0; i < 4; ++i) {
            src[i] = left[i];
            src[9 * 4 + i] = ctrlC[i];
        }
        src[63] = 0x7F;
        const KeyMatrix m = buttonKeyMatrix(src);
        QCOMPARE(group(m, 0), QByteArray::fromHex("00f00001"));
        QCOMPARE(group(m, 9), QByteArray::fromHex("06e00001"));
        QCOMPARE(group(m, 1), QByteArray::fromHex("00000000"));
        QCOMPARE(group(m, 15), QByteArray::fromHex("00010205"));  // fixed wins over the page
    }

    void short_and_long_lists()
    {
        const KeyMatrix shortOne = buttonKeyMatrix({0x02, 0x00, 0xF1, 0x00, 0x0A});
        QCOMPARE(group(shortOne, 0), QByteArray::fromHex("00f10002"));
        QCOMPARE(group(shortOne, 1), QByteArray::fromHex("0000000a"));
        QCOMPARE(group(shortOne, 2), QByteArray::fromHex("00000000"));

        QVariantList longOne = pageMatrix(0x11);
        longOne.append(filled(64, 0x22));
        QCOMPARE(group(buttonKeyMatrix(longOne), 13), QByteArray::fromHex("11111111"));
    }

    void stored_definitions_are_as_given()
    {
        QVariantList src = pageMatrix(0);
        src[28] = "12";  // button 7: kept as the page gave it, unlike what is sent
        src[29] = 300;
        QCOMPARE(buttonDefinition(src, 7), (QVariantList{"12", 300, 0, 0}));
        QCOMPARE(buttonDefinition({1, 2, 3, 4, 5, 6}, 1), (QVariantList{5, 6, 0, 0}));
        QCOMPARE(buttonDefinition({1, 2}, 3), (QVariantList{0, 0, 0, 0}));
        QVERIFY(buttonDefinition(src, 16).isEmpty());
        QVERIFY(buttonDefinition(src, -1).isEmpty());
    }

    void gun_matrix_is_sent_as_given()
    {
        QVariantList src;
        for (int i = 0; i < 70; ++i)
            src.append(i + 250);
        const KeyMatrix m = gunKeyMatrix(src);
        for (size_t i = 0; i < kKeyMatrixSize; ++i)
            QCOMPARE(int(m[i]), int((i + 250) & 0xFF));
        QCOMPARE(group(gunKeyMatrix({}), 7), QByteArray(4, '\0'));
    }
};

QTEST_APPLESS_MAIN(KeyMatrixTest)
#include "tst_keymatrix.moc"
