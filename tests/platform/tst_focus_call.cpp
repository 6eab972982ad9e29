// The checks every call from a desktop's script or extension passes.

#include "focus/FocusCall.h"

#include <QtTest>

using platform::CallRate;
using platform::focusEventFromCall;

class TestFocusCall : public QObject
{
    Q_OBJECT

private slots:
    // App id, title and what is kept: "appId|title", or "" when dropped. Ids count in bytes, not characters
    // (three bytes each in UTF-8); controls in titles become spaces.
    void validation()
    {
        const QString longest = QString(platform::kMaxFocusAppIdBytes, 'a');
        const QList<QStringList> rows{
            {"Steam_App_570", "Dota 2 – 读取", "Steam_App_570|Dota 2 – 读取"}, {"", "t", ""}, {longest, "", longest + "|"},
            {longest + "a", "", ""}, {QString(86, QChar(0x8bfb)), "", ""},
            {"a", QString(platform::kMaxFocusTitleBytes + 1, 'x'), ""}, {"a\nb", "", ""}, {"a", "x\ty\x1bz", "a|x y z"},
            {"a", QString(QChar(0xd800)), ""}};
        for (const QStringList &row : rows) {
            const auto event = focusEventFromCall(row[0], row[1]);
            QCOMPARE(event ? QString::fromStdString(event->appId + "|" + event->title) : QString(), row[2]);
        }
    }

    void rate()
    {
        CallRate rate(3, 100);
        for (int i = 0; i < 3; ++i)
            QVERIFY(rate.take(1000));
        QVERIFY(!rate.take(1050));
        QCOMPARE(rate.wait(1050), 50);
        QVERIFY(rate.take(1100));
        QVERIFY(!rate.take(1100));
        // A long quiet time refills to the burst, not beyond it.
        for (int i = 0; i < 3; ++i)
            QVERIFY(rate.take(100000));
        QVERIFY(!rate.take(100000));
        // A clock that went back does not lock the caller out.
        QVERIFY(rate.wait(10) <= 100);
    }
};

QTEST_GUILESS_MAIN(TestFocusCall)
#include "tst_focus_call.moc"
