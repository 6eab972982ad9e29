// Keys and clicks anywhere on the desktop reach the root page through the
// main window's handlers.
// Runs under xvfb-run; xdotool types and clicks.
#include "InputHooks.h"
#include "VirtualMouse.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QDir>
#include <QProcess>
#include <QQuickItem>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>

namespace {

bool xdotool(const QStringList &arguments)
{
    QProcess p;
    p.start(QStringLiteral("xdotool"), arguments);
    return p.waitForFinished(10000) && p.exitCode() == 0;
}

constexpr int kWaitMs = 5000;

} // namespace

class WidgetCaptureTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

private slots:
    void initTestCase()
    {
        if (qEnvironmentVariableIsEmpty("DISPLAY"))
            QSKIP("needs an X server (run under xvfb-run)");
        QDir().mkpath(m_dir.filePath(QStringLiteral("modules/setting")));
        QDir::setCurrent(m_dir.path());
        vmouse::reset();
    }

    void keys_and_buttons_reach_the_page()
    {
        Widget w;
        QVERIFY(input::installHooks());
        input::setKeyboardCallback(&Widget::keyboardHandler, &w);
        input::setMouseCallback(&Widget::mouseHandler, &w);
        QQuickItem *page = w.view()->rootObject();
        QVERIFY(page);
        QSignalSpy keys(page, SIGNAL(msg_KB(bool, int)));
        QSignalSpy buttons(page, SIGNAL(msg_MS(bool, int, int, int)));

        w.show();
        w.checkDevice();  // no mouse

        QVERIFY(xdotool({"key", "a"}));
        QTRY_COMPARE_WITH_TIMEOUT(keys.count(), 2, kWaitMs);
        QCOMPARE(keys.at(0), QVariantList({true, 0x04}));
        QCOMPARE(keys.at(1), QVariantList({false, 0x04}));

        QVERIFY(xdotool({"mousemove", "200", "150", "click", "1"}));
        QTRY_COMPARE_WITH_TIMEOUT(buttons.count(), 2, kWaitMs);
        QCOMPARE(buttons.at(0).at(0).toBool(), true);
        QCOMPARE(buttons.at(0).at(1).toInt(), 0xF0);
        QCOMPARE(buttons.at(0).at(2).toInt(), 200);
        QCOMPARE(buttons.at(0).at(3).toInt(), 150);

        input::removeHooks();
    }
};

QTEST_MAIN(WidgetCaptureTest)
#include "tst_widget_capture.moc"
