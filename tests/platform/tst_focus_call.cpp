// The checks every call from a desktop's script or extension passes.

#include "focus/FocusCall.h"

#include <QtTest>

using platform::CallRate;
using platform::focusEventFromCall;

class TestFocusCall : public QObject
{
    Q_OBJECT

private slots:
    void validation_data()
    {
        QTest::addColumn<QString>("appId");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("expected");  // "appId|title", or "" when dropped
        const QString longest = QString(platform::kMaxFocusAppIdBytes, 'a');
        QTest::newRow("kept as sent") << "Steam_App_570" << "Dota 2 – 读取" << "Steam_App_570|Dota 2 – 读取";
        QTest::newRow("no id") << "" << "t" << "";
        QTest::newRow("longest id") << longest << "" << longest + "|";
        QTest::newRow("id one byte over") << longest + "a" << "" << "";
        // Bytes, not characters, count: three bytes each in UTF-8.
        QTest::newRow("id over in bytes") << QString(86, QChar(0x8bfb)) << "" << "";
        QTest::newRow("title over") << "a" << QString(platform::kMaxFocusTitleBytes + 1, 'x') << "";
        QTest::newRow("control in id") << "a\nb" << "" << "";
        QTest::newRow("control in title") << "a" << "x\ty\x1bz" << "a|x y z";
        QTest::newRow("lone surrogate") << "a" << QString(QChar(0xd800)) << "";
    }
    void validation()
    {
        QFETCH(QString, appId);
        QFETCH(QString, title);
        QFETCH(QString, expected);
        const auto event = focusEventFromCall(appId, title);
        QCOMPARE(event ? QString::fromStdString(event->appId + "|" + event->title) : QString(), expected);
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
