#include "HotKey.h"
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

    void controller_moves_and_hides()
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
        QVERIFY(!window.isVisible());
    }
};

QTEST_MAIN(WindowPartsTest)
#include "tst_window_parts.moc"
