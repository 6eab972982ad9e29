#include "HotKey.h"
#include "Notifier.h"
#include "Tray.h"
#include "Ui_Controler.h"

#include <QAction>
#include <QDir>
#include <QMenu>
#include <QSystemTrayIcon>
#include <QTemporaryDir>
#include <QtTest>

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
    // recorded and the failure said.
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
        for (int i = 0; i < Notifier::kHistoryMax + 10; ++i)
            n.debugLine(QString::number(i));
        QCOMPARE(n.history().size(), Notifier::kHistoryMax);
        QCOMPARE(n.history().last(), QStringLiteral("debug: %1").arg(Notifier::kHistoryMax + 9));
    }

    void controller_moves_and_minimises_without_a_tray()
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
        c.onClose();
        QVERIFY(window.isVisible());
        QVERIFY(window.isMinimized());
    }
};

QTEST_MAIN(WindowPartsTest)
#include "tst_window_parts.moc"
