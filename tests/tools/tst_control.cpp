// The control channel's line commands; the socket is driven by the end-to-end tests.

#include "VirtualMouse.h"

#include <hidapi.h>

#include <QtTest>

namespace {

QString run(const char *line)
{
    return QString::fromStdString(vmouse::runControlCommand(line));
}

} // namespace

class ControlTest : public QObject
{
    Q_OBJECT
private slots:
    void init() { vmouse::reset(); }

    void line_commands()
    {
        QCOMPARE(run("plug 1044"), QStringLiteral("ok unit 1\n"));
        QCOMPARE(run("plug"), QStringLiteral("ok unit 2\n"));
        QVERIFY(run("plug 9999").startsWith(QStringLiteral("error:")));
        QCOMPARE(run("stage 4"), QStringLiteral("ok\n"));
        QCOMPARE(int(vmouse::firmwareState(1).currentStage), 3);
        QCOMPARE(run("stage 2 2"), QStringLiteral("ok\n"));
        QCOMPARE(int(vmouse::firmwareState(2).currentStage), 1);
        QCOMPARE(run("button"), QStringLiteral("ok stage 5\n"));
        QVERIFY(run("stage x").startsWith(QStringLiteral("error:")));

        QCOMPARE(run("fail open 1"), QStringLiteral("ok\n"));
        const std::string path = vmouse::interfaces().front().path;
        QVERIFY(!hid_open_path(path.c_str()));
        hid_device *dev = hid_open_path(path.c_str());
        QVERIFY(dev);
        hid_close(dev);

        QCOMPARE(run("unplug 1"), QStringLiteral("ok\n"));
        QCOMPARE(run("unplug"), QStringLiteral("ok\n"));
        QCOMPARE(run("state"), QStringLiteral("no unit plugged\n"));
        QVERIFY(run("dance").startsWith(QStringLiteral("error: unknown command")));
    }
};

QTEST_GUILESS_MAIN(ControlTest)
#include "tst_control.moc"
