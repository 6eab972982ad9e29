#include "CopyDataFilter.h"
#include "CopyDataText.h"
#include "Notifier.h"
#include "Tray.h"
#include "Ui_Controler.h"

#include <QAction>
#include <QSystemTrayIcon>
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

} // namespace

// The tray, the notifier, the window controller, and what the copy-data
// message of another program shows (its answer and the box are seen under
// Wine, by the messages script).
class WindowPartsTest : public QObject
{
    Q_OBJECT
private slots:
    void tray_menu_in_both_languages()
    {
        QTemporaryDir dir;
        QDir::setCurrent(dir.path());
        QWidget window;
        Tray english = buildTray(&window, QString());
        QCOMPARE(english.quit->text(), QStringLiteral("Quit (&Q)"));
        QCOMPARE(english.icon->contextMenu(), english.menu);
        QCOMPARE(english.icon->toolTip(), QStringLiteral("ORVANE TALVEK MOUSE K812"));
        QVERIFY(english.icon->icon().availableSizes().isEmpty());  // no icon file here: no image, no failure

        QVERIFY(QDir().mkpath(QStringLiteral("modules/img")));
        QVERIFY(QFile::copy(QStringLiteral(SOURCE_DIR "/modules/img/trayIcon.ico"), QStringLiteral("modules/img/trayIcon.ico")));
        QVERIFY(!buildTray(&window, QString()).icon->icon().availableSizes().isEmpty());

        Tray chinese = buildTray(&window, QStringLiteral("ChineseSimplified"));
        QCOMPARE(chinese.quit->text(), QStringLiteral("退出"));
        Tray other = buildTray(&window, QStringLiteral("chinesesimplified"));
        QCOMPARE(other.quit->text(), QStringLiteral("Quit (&Q)"));
    }

    // Without a tray and without a notification service the message is
    // recorded and the failure said, once per run for the same reason.
    void notifier_records_what_the_user_sees()
    {
        qputenv("DBUS_SESSION_BUS_ADDRESS", "unix:path=/nonexistent/bus");
        Notifier n;
        QSignalSpy said(&n, &Notifier::said);
        n.debugLine(QStringLiteral("Device Connect"));
        n.balloon(QStringLiteral("Info"), QStringLiteral("Detect Mouse!"));
        QTRY_COMPARE(said.count(), 3);
        QCOMPARE(n.history().mid(0, 2), QStringList({QStringLiteral("debug: Device Connect"),
                                                     QStringLiteral("balloon: Info: Detect Mouse!")}));
        QVERIFY2(n.history().at(2).startsWith(QLatin1String("debug: Notification not shown: ")), qPrintable(n.history().at(2)));
        n.balloon(QStringLiteral("Info"), QStringLiteral("DPI Switch to 800"));
        QTest::qWait(200);
        QCOMPARE(n.history().filter(QStringLiteral("Notification not shown")).size(), 1);
        for (int i = 0; i < Notifier::kHistoryMax + 10; ++i)
            n.debugLine(QString::number(i));
        QCOMPARE(n.history().size(), Notifier::kHistoryMax);
        QCOMPARE(n.history().last(), QStringLiteral("debug: %1").arg(Notifier::kHistoryMax + 9));
    }

    void controller_moves_the_window()
    {
        Ui_Controler none;
        none.onXChanged(5);  // no window: nothing happens
        none.onClose();
        none.setBusy(100);

        QWidget window;
        window.move(100, 200);
        window.show();
        Ui_Controler c;
        c.setWindow(&window);
        c.onXChanged(15);
        c.onYChanged(-20);
        QCOMPARE(window.pos(), QPoint(115, 180));
    }

    // Bytes, count and tag of a message, and the text shown (null: nothing shown).
    void which_messages_show()
    {
        const QByteArray hello("Hello\0", 6), chinese = QStringLiteral("检测").toUtf8();
        const struct { const char *name; QByteArray bytes; quint32 count; quint64 tag; QString shown; } rows[] = {
            {"count without the zero", hello, 5, 9487, QStringLiteral("Hello")}, {"other tag", hello, 5, 9488},
            {"count with the zero", hello, 6, 9487}, {"invalid utf-8", QByteArray("ab\xff\xfe"), 4, 9487},
            {"cut utf-8 sequence", QByteArray("ab\xe4\xb8"), 4, 9487},
            {"utf-8 text", chinese, quint32(chinese.size()), 9487, QStringLiteral("检测")},
            {"count shorter than text", hello, 3, 9487, QStringLiteral("Hel")}, {"empty", QByteArray("\0", 1), 0, 9487},
            {"zero inside", QByteArray("ab\0cd", 5), 5, 9487}};
        for (const auto &r : rows) {
            const QString text = copyDataText(message(r.bytes, r.count, static_cast<std::uintptr_t>(r.tag)));
            QVERIFY2(text.isNull() == r.shown.isNull() && text == r.shown, qPrintable(r.name + (": " + text)));
        }
    }
};

QTEST_MAIN(WindowPartsTest)
#include "tst_window_parts.moc"
