// The slot bytes of a stored macro from C++ equal the macro page's codec
// (MacroCodec.js, run as it is) for the awkward cases: gaps at and past the
// long-gap limit, releases, delays first and last, unknown and misplaced
// names, a single action, odd loop counts.
#include "KeyNames.h"
#include "MacroEncoding.h"

#include <QFile>
#include <QJSEngine>
#include <QtTest>

class MacroEncodingTest : public QObject
{
    Q_OBJECT

private slots:
    void encoding_matches_the_pages_codec_data()
    {
        QTest::addColumn<QStringList>("stored");
        QTest::newRow("keys and a short gap") << QStringList{"1,A", "0,30", "2,A", "1,B", "2,B", "1"};
        QTest::newRow("gaps around 127 ms") << QStringList{"1,A", "0,126", "2,A", "0,127", "1,B", "0,128", "2,B", "3"};
        QTest::newRow("gap past two bytes") << QStringList{"3,MS-L", "0,70000", "4,MS-L", "0,5", "3,MS-R", "4,MS-R", "2"};
        QTest::newRow("delays first and last") << QStringList{"0,50", "1,Enter", "2,Enter", "0,900", "0"};
        QTest::newRow("unknown and misplaced names") << QStringList{"1,NoSuchKey", "3,A", "2,MS-L", "4,B", "65535"};
        QTest::newRow("one action") << QStringList{"0,10", "1,A", "300"};
        QTest::newRow("no events, bad loop count") << QStringList{"many"};
    }
    void encoding_matches_the_pages_codec()
    {
        QFETCH(QStringList, stored);
        QJSEngine js;
        QFile codec(QStringLiteral(SOURCE_DIR "/ui/modules/qml/Tarn/MacroCodec.js"));
        QVERIFY(codec.open(QIODevice::ReadOnly));
        js.evaluate(QString::fromUtf8(codec.readAll()));
        QJSValue keys = js.newObject();
        QJSValue buttons = js.newObject();
        for (const KeyName &k : keyNameEntries())
            (k.code >= 0xF0 ? buttons : keys).setProperty(QString::fromUtf8(k.name), k.code);
        js.globalObject().setProperty(QStringLiteral("keys"), keys);
        js.globalObject().setProperty(QStringLiteral("buttons"), buttons);
        QJSValue events = js.newArray();
        for (int i = 0; i + 1 < stored.size(); ++i) {
            QJSValue e = js.newObject();
            e.setProperty(QStringLiteral("type"), stored.at(i).left(1).toInt());
            e.setProperty(QStringLiteral("info"), stored.at(i).mid(2));
            events.setProperty(quint32(i), e);
        }
        js.globalObject().setProperty(QStringLiteral("events"), events);
        js.globalObject().setProperty(QStringLiteral("loops"), stored.last());
        const QJSValue page = js.evaluate(QStringLiteral(
            "Array.from(deCode(events, Number(loops), function (n) { return keys[n] }, "
            "function (n) { return buttons[n] }), function (v) { return v === undefined || isNaN(v) ? 0 : v })"));
        QVERIFY2(!page.isError(), qPrintable(page.toString()));
        QVariantList expected;
        for (const QVariant &v : page.toVariant().toList())
            expected << v.toInt();
        QVariantList actual;
        for (const QVariant &v : encodeMacro(parseStoredMacro(stored)))
            actual << v.toInt();
        QCOMPARE(actual, expected);
    }
};

QTEST_MAIN(MacroEncodingTest)
#include "tst_macro_encoding.moc"
