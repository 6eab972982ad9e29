#include "Catalogue.h"

#include <QTemporaryDir>
#include <QtTest>

class CatalogueTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    QString write(const QByteArray &content)
    {
        static int n = 0;
        const QString path = m_dir.filePath(QStringLiteral("cat%1.ini").arg(++n));
        QFile f(path);
        f.open(QIODevice::WriteOnly);
        f.write(content);
        return path;
    }

private slots:
    void parse_rules_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("hex");
        QTest::newRow("vid") << "260D" << 0x260D;
        QTest::newRow("lower case") << "ff01" << 0xFF01;
        QTest::newRow("leading zeros") << "0001" << 1;
        QTest::newRow("negative") << "-1" << -1;
        QTest::newRow("junk") << "zz" << 0;
        QTest::newRow("blanks") << "  1044 " << 0x1044;
        QTest::newRow("empty") << "" << 0;
    }
    void parse_rules()
    {
        QFETCH(QString, text);
        QFETCH(int, hex);
        QCOMPARE(parseCatalogueHex(text), hex);
    }

    void blanks_high_bits_and_missing_keys()
    {
        const Catalogue c = readCatalogue(write("[common]\ntotal = 2\nisEncode = TRUE\n"
                                                "[0]\nvid = 1260D\npid=  1040  \nusagePage=ff01\n"
                                                "[1]\ntype=zz\n"),
                                          {QStringLiteral("only one name")});
        QVERIFY(c.isEncode);
        QCOMPARE(c.records.size(), 2);
        QCOMPARE(c.records.at(0).vid, uint16_t(0x260D));  // low 16 bits kept
        QCOMPARE(c.records.at(0).pid, uint16_t(0x1040));
        QCOMPARE(c.records.at(0).usagePage, uint16_t(0xFF01));
        QCOMPARE(c.records.at(0).type, -1);         // absent
        QCOMPARE(c.records.at(0).reportLength, 0u); // absent
        QCOMPARE(c.records.at(1).type, 0);          // not a number
        QCOMPARE(c.records.at(1).productName, QString());
    }

    void missing_or_malformed_files()
    {
        QVERIFY(readCatalogue(m_dir.filePath(QStringLiteral("absent.ini")), {}).records.isEmpty());
        QVERIFY(readCatalogue(write("\x01\x02 not an ini [[[ =\n=="), {}).records.isEmpty());
        QVERIFY(readCatalogue(write("[common]\ntotal=-5\n"), {}).records.isEmpty());
        // A corrupt total is bounded instead of building millions of records.
        QCOMPARE(readCatalogue(write("[common]\ntotal=2000000000\n"), {}).records.size(), kMaxCatalogueSections);
        QCOMPARE(readCatalogue(write("[common]\ntotal=1, 2\n[0]\nvid=1,2\n"), {}).records.size(), 0);
    }
};

QTEST_GUILESS_MAIN(CatalogueTest)
#include "tst_catalogue.moc"
