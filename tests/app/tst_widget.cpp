#include "DebugLog.h"
#include "DevicePresence.h"
#include "StageTexts.h"
#include "UpdateLauncher.h"
#include "VirtualMouse.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QtTest>

#include <memory>

namespace {

// The messages shown; the notification service may add debug lines after them.
QStringList balloons(Widget &w)
{
    return w.notifier().history().filter(QStringLiteral("balloon: "));
}

} // namespace

// The main window on a copy of the installed tree, with the virtual mouse.
class WidgetTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    std::unique_ptr<DebugLog> m_log;

private slots:
    void initTestCase()
    {
        QProcess::execute(QStringLiteral("cp"), {QStringLiteral("-r"), QStringLiteral(SOURCE_DIR "/modules"), m_dir.path()});
        for (const QString &f : QDir(m_dir.filePath(QStringLiteral("modules/setting"))).entryList(QDir::Files))
            QFile(m_dir.filePath(QStringLiteral("modules/setting/") + f)).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        QDir::setCurrent(m_dir.path());
        m_log = std::make_unique<DebugLog>();
    }

    void init()
    {
        vmouse::reset();
        setDevicePresent(false);
        resetStageTexts();
        DebugLog::clear();
    }

    // The offscreen desktop has no tray: the window is never hidden.
    void start_without_mouse_waits_on_screen_without_a_tray()
    {
        Widget w;
        w.show();
        w.checkDevice();
        QCOMPARE(DebugLog::count(QStringLiteral("Device Error")), 1);
        QVERIFY(!devicePresent());
        QVERIFY(w.isVisible());
        QVERIFY(w.waiting());
        QVERIFY(!w.view()->isVisible());
        QVERIFY(balloons(w).isEmpty());
        // A second start brings a minimised window back even without a mouse.
        w.showMinimized();
        w.receiveMessage(QString());
        QTRY_VERIFY(!w.isMinimized());
    }

    void plug_later_checks_once_after_the_burst()
    {
        Widget w;
        w.show();
        w.checkDevice();
        QVERIFY(w.waiting());
        vmouse::plugMouse();
        QElapsedTimer clock;
        clock.start();
        qint64 lastNotice = 0;
        for (int i = 0; i < 3; ++i) {
            w.deviceChanged();
            lastNotice = clock.elapsed();
            QTest::qWait(300);
        }
        QVERIFY(w.deviceCheckPending());
        QTRY_COMPARE_WITH_TIMEOUT(DebugLog::count(QStringLiteral("Device Connect")), 1, 5000);
        QVERIFY(clock.elapsed() >= lastNotice + Widget::kDeviceCheckDelayMs - 100);
        QCOMPARE(balloons(w), QStringList{"balloon: Info: Detect Mouse!"});
        // The waiting window turns into the page.
        QVERIFY(!w.waiting());
        QVERIFY(w.view()->isVisible());

        // While the mouse is watched, device changes start no check.
        QVERIFY(w.hid().isListening());
        w.deviceChanged();
        QVERIFY(!w.deviceCheckPending());
    }

    void unplug_disables_input_without_a_notice()
    {
        const int unit = vmouse::plugMouse();
        Widget w;
        w.show();
        w.checkDevice();
        const int before = balloons(w).size();
        // The page holds input off for a moment after the connect.
        QTRY_VERIFY_WITH_TIMEOUT(w.view()->isEnabled(), 3000);
        QElapsedTimer clock;
        clock.start();
        vmouse::unplug(unit);
        QTRY_VERIFY_WITH_TIMEOUT(!w.view()->isEnabled(), 2000);
        QVERIFY(clock.elapsed() < 1500);
        QCOMPARE(DebugLog::count(QStringLiteral("Device removed")), 1);
        QVERIFY(!w.hid().isListening());
        QVERIFY(w.isVisible());
        QCOMPARE(balloons(w).size(), before);
        // Without a tray the disabled page would look unchanged.
        QTRY_VERIFY(w.waiting());
    }

    // The firmware update: a missing program is said and stops nothing; one
    // that runs has the mouse to itself, and the listener resumes when it
    // ends, however it ended.
    void update_program_gives_the_listener_back()
    {
        vmouse::plugMouse();
        Widget w;
        w.checkDevice();
        QVERIFY(w.hid().isListening());
        QStringList notices;
        const UpdateNotice notice = [&notices](const QString &text) { notices << text; };
        launchUpdateProgram(m_dir.filePath(QStringLiteral("update/none")), &w.hid(), &w, notice);
        QCOMPARE(notices.size(), 1);
        QVERIFY2(notices.at(0).contains(QLatin1String("is missing")), qPrintable(notices.at(0)));
        QVERIFY(w.hid().isListening());

        QFile failing(m_dir.filePath(QStringLiteral("failing-update")));
        QVERIFY(failing.open(QIODevice::WriteOnly));
        failing.write("#!/bin/sh\nsleep 1\nexit 3\n");
        failing.close();
        failing.setPermissions(failing.permissions() | QFileDevice::ExeOwner);
        // Commands still queued reach the mouse before the program takes it.
        for (int i = 0; i < 20; ++i)
            w.view()->ui_01H_SetReportRate(uchar(i % 4));
        QVERIFY(w.hid().commandsPending());
        launchUpdateProgram(failing.fileName(), &w.hid(), &w, notice);
        QVERIFY(w.hid().isListening());
        QTRY_VERIFY(!w.hid().isListening());
        QVERIFY(!w.hid().commandsPending());
        QTRY_VERIFY_WITH_TIMEOUT(w.hid().isListening(), 5000);
        QCOMPARE(notices.size(), 1);
    }
};

QTEST_MAIN(WidgetTest)
#include "tst_widget.moc"
