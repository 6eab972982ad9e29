#include "CopyDataFilter.h"
#include "CopyDataText.h"

#include <QApplication>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>
#include <QtTest>

namespace {

platform::CopyDataMessage message(const QByteArray &bytes, quint32 count, std::uintptr_t tag = kCopyDataTag)
{
    platform::CopyDataMessage m;
    m.tag = tag;
    m.byteCount = count;
    m.data = bytes.constData();
    return m;
}

int g_calls = 0;
void countingHandler(const platform::CopyDataMessage &, void *) { ++g_calls; }

} // namespace

class CopyDataTest : public QObject
{
    Q_OBJECT
private slots:
    void which_messages_show_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<quint32>("count");
        QTest::addColumn<quint64>("tag");
        QTest::addColumn<QString>("shown");  // null: nothing shown
        const QByteArray hello("Hello\0", 6);
        QTest::newRow("count without the zero") << hello << 5u << quint64(9487) << QStringLiteral("Hello");
        QTest::newRow("count with the zero") << hello << 6u << quint64(9487) << QString();
        QTest::newRow("other tag") << hello << 5u << quint64(9488) << QString();
        QTest::newRow("invalid utf-8") << QByteArray("ab\xff\xfe") << 4u << quint64(9487) << QString();
        QTest::newRow("cut utf-8 sequence") << QByteArray("ab\xe4\xb8") << 4u << quint64(9487) << QString();
        const QByteArray chinese = QStringLiteral("检测").toUtf8();
        QTest::newRow("utf-8 text") << chinese << quint32(chinese.size()) << quint64(9487) << QStringLiteral("检测");
        QTest::newRow("count shorter than text") << hello << 3u << quint64(9487) << QStringLiteral("Hel");
        QTest::newRow("empty") << QByteArray("\0", 1) << 0u << quint64(9487) << QString();
        QTest::newRow("zero inside") << QByteArray("ab\0cd", 5) << 5u << quint64(9487) << QString();
    }
    void which_messages_show()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(quint32, count);
        QFETCH(quint64, tag);
        QFETCH(QString, shown);
        const QString text = copyDataText(message(bytes, count, static_cast<std::uintptr_t>(tag)));
        QCOMPARE(text.isNull(), shown.isNull());
        QCOMPARE(text, shown);
    }

    void every_copy_data_message_answers_one()
    {
        const QByteArray bytes("Hello");
        for (const quint32 count : {5u, 6u}) {
            for (const std::uintptr_t tag : {std::uintptr_t(9487), std::uintptr_t(1)}) {
                g_calls = 0;
                long result = 0;
                const platform::CopyDataMessage m = message(bytes, count, tag);
                QVERIFY(platform::dispatchCopyData(&m, countingHandler, nullptr, &result));
                QCOMPARE(result, 1L);
                QCOMPARE(g_calls, 1);
            }
        }
        long result = 7;
        const platform::CopyDataMessage m = message(bytes, 5);
        QVERIFY(!platform::dispatchCopyData(nullptr, countingHandler, nullptr, &result));  // not copy data
        QVERIFY(!platform::dispatchCopyData(&m, nullptr, nullptr, &result));              // no handler
        QCOMPARE(result, 7L);
    }

    void handler_shows_a_warning_titled_with_the_window()
    {
        QWidget window;
        window.setWindowTitle(QStringLiteral("Mouse Title"));
        QString title, text;
        QMessageBox::Icon icon = QMessageBox::NoIcon;
        QTimer::singleShot(0, [&] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            QVERIFY(box);
            title = box->windowTitle();
            text = box->text();
            icon = box->icon();
            box->accept();
        });
        const QByteArray bytes("Hello");
        showCopyDataMessage(message(bytes, 5), &window);
        QCOMPARE(title, QStringLiteral("Mouse Title"));
        QCOMPARE(text, QStringLiteral("Hello"));
        QCOMPARE(icon, QMessageBox::Warning);

        // Without a window, or with the zero counted, no box opens (exec would block).
        showCopyDataMessage(message(bytes, 5), nullptr);
        showCopyDataMessage(message(QByteArray("Hello\0", 6), 6), &window);
    }

    void the_filter_ignores_other_native_events()
    {
        CopyDataFilter filter;
        g_calls = 0;
        filter.setHandler(countingHandler, nullptr);
        long result = 0;
        int dummy = 0;
        QVERIFY(!filter.nativeEventFilter("xcb_generic_event_t", &dummy, &result));
        QCOMPARE(g_calls, 0);
    }
};

QTEST_MAIN(CopyDataTest)
#include "tst_copydata.moc"
