#include "KeyMatrix.h"

#include <QtTest>

static QByteArray hex(const KeyMatrix &m)
{
    return QByteArray(reinterpret_cast<const char *>(m.data()), int(m.size())).toHex();
}

static QVariantList filled(int count, int value)
{
    QVariantList list;
    while (list.size() < count)
        list.append(value);
    return list;
}

class KeyMatrixTest : public QObject
{
    Q_OBJECT
private slots:
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

    void short_lists_count_missing_values_as_zero()
    {
        const QByteArray sent = hex(buttonKeyMatrix({0x02, 0x00, "241", 0x00, 0x0A}));
        QCOMPARE(sent.left(24), QByteArray("00f10002" "0000000a" "00000000"));
        QCOMPARE(sent.mid(7 * 8, 8), QByteArray("0000030c"));
        QCOMPARE(hex(buttonKeyMatrix({})).mid(7 * 8, 8), QByteArray("0000030c"));
    }

    void stored_definitions_are_as_given()
    {
        QVariantList src = filled(64, 0);
        src[28] = "12";
        src[29] = 300;
        QCOMPARE(buttonDefinition(src, 7), (QVariantList{"12", 300, 0, 0}));
        QCOMPARE(buttonDefinition({1, 2, 3, 4, 5, 6}, 1), (QVariantList{5, 6, 0, 0}));
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
    }
};

QTEST_APPLESS_MAIN(KeyMatrixTest)
#include "tst_keymatrix.moc"
