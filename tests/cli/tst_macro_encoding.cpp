// The slot bytes of a stored macro: gaps at and past the long-gap limit,
// releases, delays first and last, unknown names, a single action; the cut
// of a macro longer than a slot plays, at an event boundary with its end
// marker; and the editor's estimate, never below the encoded size.
#include "KeyEvents.h"
#include "MacroEncoding.h"

#include <QtTest>

namespace {

QList<int> numbers(const QVariantList &list)
{
    QList<int> out;
    for (const QVariant &v : list)
        out << v.toInt();
    return out;
}

} // namespace

class MacroEncodingTest : public QObject
{
    Q_OBJECT

private slots:
    // Each slot carries the gap before its own action: 126 ms is the short form's last, 127 the long form's
    // first; 0 ms is written as 1, a gap past two bytes is kept at the maximum; delays add up, the last gap is
    // not written; with no second action the loop count stands alone; names without a code give 0.
    void encoding()
    {
        const QList<QPair<QStringList, QList<int>>> rows{
            {{"1,A", "0,126", "2,A", "0,30", "1,B", "1"}, {0, 1, 1, 4, 126 + 0x80, 4, 1, 5, 0, 0}},
            {{"1,A", "0,127", "2,A", "0,30", "1,B", "1"}, {0, 1, 1, 4, 0xFF, 4, 0, 127, 1, 5, 0, 0}},
            {{"1,A", "0,0", "2,A", "0,30", "1,B", "1"}, {0, 1, 1, 4, 0x81, 4, 1, 5, 0, 0}},
            {{"1,A", "0,100000", "2,A", "0,30", "1,B", "1"}, {0, 1, 1, 4, 0xFF, 4, 0xFF, 0xFF, 1, 5, 0, 0}},
            {{"1,A", "0,60", "0,66", "2,A", "0,500", "1,B", "1"}, {0, 1, 1, 4, 126 + 0x80, 4, 1, 5, 0, 0}},
            {{"0,50", "1,A", "300"}, {1, 44}}, {{"1,A", "0,50", "1"}, {0, 1, 1, 4, 0, 0}},
            {{"1,Nope", "4,MS-X", "1"}, {0, 1, 1, 0, 0x81, 0, 0, 0}},
            {{"3,MS-L", "4,MS-L", "2"}, {0, 2, 1, 0xF0, 0x81, 0xF0, 0, 0}}, {{"many"}, {0, 0}}};
        for (const auto &row : rows)
            QVERIFY2(numbers(encodeMacro(parseStoredMacro(row.first))) == row.second, qPrintable(row.first.join(' ')));
    }

    // 128 bytes hold the loop count, 62 short slots and the end marker.
    void cut_keeps_whole_events_and_the_end_marker_data()
    {
        QTest::addColumn<QStringList>("events");
        QTest::addColumn<int>("sent");
        QTest::newRow("62 events fit") << keyEvents(62, 0) << 62;
        QTest::newRow("63 events are cut") << keyEvents(63, 0) << 62;
        // 32 actions with their long gaps fill the budget; the delay after the last one costs nothing.
        QTest::newRow("long gaps take four bytes") << keyEvents(40, 200) << 64;
        QTest::newRow("4096 events") << keyEvents(4096, 0) << 62;
    }
    void cut_keeps_whole_events_and_the_end_marker()
    {
        QFETCH(QStringList, events);
        QFETCH(int, sent);
        const StoredMacro m = macroFromEvents(events, 1);
        const FittedMacro fitted = fitMacro(m);
        QCOMPARE(fitted.sentEvents, sent);
        QVERIFY(fitted.bytes.size() <= kMacroBudgetBytes);
        QCOMPARE(fitted.bytes, encodeMacro({m.events.mid(0, sent), m.loops}));
        const QList<int> bytes = numbers(fitted.bytes);
        QCOMPARE(bytes.mid(bytes.size() - 2), (QList<int>{0, 0}));
        if (sent < m.events.size())
            QVERIFY(encodeMacro({m.events.mid(0, sent + 1), m.loops}).size() > kMacroBudgetBytes);
    }

    // The editor stops at the estimate; an encoding larger than it would not
    // fit the slot the estimate was meant to protect.
    void estimate_never_below_the_encoded_size()
    {
        const QStringList kinds{"0,0", "0,10", "0,126", "0,127", "0,130", "0,1000", "0,70000", "1,A", "2,A", "3,MS-L",
                                "4,MS-L"};
        quint32 seed = 7;
        auto next = [&seed](int n) {
            seed = seed * 1103515245u + 12345u;
            return int((seed >> 8) % quint32(n));
        };
        for (int round = 0; round < 300; ++round) {
            QStringList events;
            for (int i = next(40); i > 0; --i)
                events << kinds.at(next(kinds.size()));
            const StoredMacro m = macroFromEvents(events, 1);
            QVERIFY2(macroSizeEstimate(m) >= encodeMacro(m).size(), qPrintable(events.join(QLatin1Char(' '))));
        }
    }
};

QTEST_MAIN(MacroEncodingTest)
#include "tst_macro_encoding.moc"
