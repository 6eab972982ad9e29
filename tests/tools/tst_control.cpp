// The control channel: line commands, and the socket with vmousectl.

#include "VirtualMouse.h"

#include <hidapi.h>

#include <QProcess>
#include <QTemporaryDir>
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
        QVERIFY(run("stage 9").startsWith(QStringLiteral("error:")));
        QVERIFY(run("stage x").startsWith(QStringLiteral("error:")));
        QVERIFY(run("state").contains(QStringLiteral("unit 2\npid 1040\n")));

        QCOMPARE(run("fail open 1"), QStringLiteral("ok\n"));
        const std::string path = vmouse::interfaces().front().path;
        QVERIFY(!hid_open_path(path.c_str()));
        hid_device *dev = hid_open_path(path.c_str());
        QVERIFY(dev);
        hid_close(dev);
        QVERIFY(run("fail sideways").startsWith(QStringLiteral("error:")));
        QCOMPARE(run("fail off"), QStringLiteral("ok\n"));
        QCOMPARE(run("silent on"), QStringLiteral("ok\n"));
        QVERIFY(run("silent maybe").startsWith(QStringLiteral("error:")));
        QVERIFY(run("trace").contains(QStringLiteral("open_path")));
        QCOMPARE(run("clear-trace"), QStringLiteral("ok\n"));

        QCOMPARE(run("unplug 1"), QStringLiteral("ok\n"));
        QCOMPARE(run("unplug"), QStringLiteral("ok\n"));
        QVERIFY(run("unplug").startsWith(QStringLiteral("error:")));
        QCOMPARE(run("state"), QStringLiteral("no unit plugged\n"));
        QVERIFY(run("dance").startsWith(QStringLiteral("error: unknown command")));
        QVERIFY(run("help").contains(QStringLiteral("silent on|off")));
    }

    void socket_with_vmousectl()
    {
        QTemporaryDir dir;
        const QString socket = dir.filePath(QStringLiteral("vm.sock"));
        QVERIFY(vmouse::startControlServer(socket.toStdString()));
        auto ctl = [&](const QStringList &args, int expectedExit) {
            QProcess p;
            p.start(QStringLiteral(VMOUSECTL), QStringList{QStringLiteral("-s"), socket} + args);
            if (!p.waitForFinished(10000) || p.exitCode() != expectedExit)
                return QStringLiteral("exit %1: ").arg(p.exitCode()) + QString::fromUtf8(p.readAllStandardError());
            return QString::fromUtf8(p.readAllStandardOutput() + p.readAllStandardError());
        };
        QCOMPARE(ctl({QStringLiteral("plug"), QStringLiteral("1044")}, 0), QStringLiteral("ok unit 1\n"));
        QCOMPARE(ctl({QStringLiteral("stage"), QStringLiteral("3")}, 0), QStringLiteral("ok\n"));
        QVERIFY(ctl({QStringLiteral("state")}, 0).contains(QStringLiteral("currentStage 2\n")));
        QVERIFY(ctl({QStringLiteral("stage"), QStringLiteral("0")}, 1).startsWith(QStringLiteral("error:")));
        vmouse::stopControlServer();
        QVERIFY(ctl({QStringLiteral("state")}, 1).contains(QStringLiteral("cannot reach")));
    }
};

QTEST_GUILESS_MAIN(ControlTest)
#include "tst_control.moc"
