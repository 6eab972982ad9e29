// A command from another process carried out by the running program: the
// pages show the new profile and the mouse has it; a command that arrives
// while one runs waits for it and is answered after it. The channel refuses
// what it cannot carry (what it carries is the single-instance script's).
#include "CliRequest.h"
#include "CommandRunner.h"
#include "LocalPeer.h"
#include "NameLists.h"
#include "RunningWindow.h"

#include <QLocalSocket>

using RunningWindow::carryOut;
using RunningWindow::page;

class InstanceCommandTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    static QString request(const QStringList &arguments)
    {
        return cli::encodeRequest(cli::parse(arguments, QDir::currentPath()));
    }

private slots:
    void profile_command_updates_the_pages_and_the_mouse()
    {
        const int unit = RunningWindow::prepare(m_dir.path());
        // The command line chooses only what the profile manager lists.
        NameLists(m_dir.filePath(QStringLiteral("modules/setting")))
            .storeNameList(kProfileNameList, {QStringLiteral("Standard0"), QStringLiteral("Two1")});
        Widget w;
        QVERIFY(RunningWindow::start(w));
        w.view()->settings().profile(1)->setValue(QStringLiteral("sensor/reportRate_Tarn"), 2);

        const cli::Reply reply = cli::decodeReply(carryOut(request({"--profile", "2"}), w));
        QCOMPARE(reply.status, int(cli::kDone));
        QCOMPARE(page(w, QStringLiteral("profileMain.profileNo")).toInt(), 1);
        QCOMPARE(page(w, QStringLiteral("reprotRateMain.reportValue")).toInt(), 2);
        QCOMPARE(int(vmouse::firmwareState(unit).reportRate), 2);
        QVERIFY(!page(w, QStringLiteral("profileFlow.profileChanged")).toBool());

        // The next request arrives while the device link waits inside this
        // one: it is answered once the outer one is over, with its outcome.
        QString inner;
        bool innerAnsweredEarly = true;
        w.hid().waitHidFree();
        QTimer::singleShot(50, &w, [&] {
            carryOut(request({"--status"}), w, &inner);
            innerAnsweredEarly = !inner.isEmpty();
        });
        QTimer::singleShot(100, &w, [&] { w.hid().releaseHid(); });
        QCOMPARE(cli::decodeReply(carryOut(request({"--profile", "1"}), w)).status, int(cli::kDone));
        QVERIFY(!innerAnsweredEarly);
        const cli::Reply status = cli::decodeReply(inner);
        QCOMPARE(status.status, int(cli::kDone));
        QVERIFY2(status.out.contains(QLatin1String("profile: 1")), qPrintable(status.out));
        // A choice the settings file cannot keep is a failure, through the
        // window and without one, though the mouse has the profile.
        const QString config = m_dir.filePath(QStringLiteral("modules/setting/apConfig.bin"));
        QVERIFY(QFile::remove(config) && QDir().mkdir(config));
        const cli::Reply unkept = cli::decodeReply(carryOut(request({"--profile", "2"}), w));
        QCOMPARE(unkept.status, int(cli::kDeviceFailed));
        QVERIFY2(unkept.err.contains(QLatin1String("sent to the mouse, but"))
                     && unkept.err.contains(QLatin1String("apConfig.bin cannot be written")), qPrintable(unkept.err));
        QCOMPARE(int(vmouse::firmwareState(unit).reportRate), 2);
        const cli::Options one = cli::parse({QStringLiteral("--profile"), QStringLiteral("1")}, QDir::currentPath());
        QCOMPARE(cli::CommandRunner(w.view()->settings(), m_dir.filePath(QStringLiteral("modules/setting")), w.hid())
                     .run(one).status, int(cli::kDeviceFailed));
        QVERIFY(QDir().rmdir(config));
        QCOMPARE(cli::decodeReply(carryOut(request({"--profile", "1"}), w)).status, int(cli::kDone));
        // An import into an unlisted profile shows it in the profile manager.
        const QString pf = m_dir.filePath(QStringLiteral("in.pf"));
        QVERIFY(QFile::copy(m_dir.filePath(QStringLiteral("modules/setting/p1.bin")), pf));
        QCOMPARE(cli::decodeReply(carryOut(request({"--import", "4", pf}), w)).status, int(cli::kDone));
        QCOMPARE(page(w, QStringLiteral("profileMain.profileModel.get(2).name + profileMain.profileModel.get(2).pIndex"))
                     .toString(), QStringLiteral("profile_03"));
    }

    // A command into the current profile while a macro is being recorded:
    // the recording ends as the user ends it and is kept, and then the pages
    // take the profile.
    void command_into_the_current_profile_waits_for_the_recording()
    {
        RunningWindow::prepare(m_dir.path());
        Widget w;
        QVERIFY(RunningWindow::start(w));
        const QString name = page(w, QStringLiteral("macroEditorMain.newMacro()")).toString();
        QVERIFY(!name.isEmpty());
        const QString stored = QStringLiteral("ui_View.loadMacroIni('%1').length").arg(name);
        const int fresh = page(w, stored).toInt();
        page(w, QStringLiteral("macroEditorMain.startRecord(); macroEditorMain.detectKeyboard(true, 4);"
                               " macroEditorMain.detectKeyboard(false, 4)"));
        QVERIFY(w.pageGate().recording());

        QTimer::singleShot(300, &w, [&] {
            page(w, QStringLiteral("macroEditorMain.detectKeyboard(true, 5); macroEditorMain.detectKeyboard(false, 5);"
                                   " macroEditorMain.stopRecord()"));
        });
        QElapsedTimer clock;
        clock.start();
        const int current = page(w, QStringLiteral("profileMain.profileNo")).toInt();
        const cli::Reply reply = cli::decodeReply(carryOut(request({"--profile", QString::number(current + 1)}), w));
        QCOMPARE(reply.status, int(cli::kDone));
        QVERIFY(clock.elapsed() >= 250);
        QVERIFY(!page(w, QStringLiteral("macroEditorMain.isInputting")).toBool());
        QVERIFY2(page(w, stored).toInt() > fresh, "the recorded events were kept");
    }

    void oversized_frame_is_dropped()
    {
        const QString id = m_dir.filePath(QStringLiteral("peer-%1").arg(__LINE__));
        LocalPeer first(id);
        QVERIFY(!first.isClient());
        QSignalSpy received(&first, &LocalPeer::messageReceived);
        QLocalSocket stranger;
        stranger.connectToServer(first.socketName());
        QVERIFY(stranger.waitForConnected(1000));
        stranger.write(QByteArray("\x7f\xff\xff\xff garbage", 12));
        stranger.flush();
        QTRY_COMPARE(stranger.state(), QLocalSocket::UnconnectedState);
        QCOMPARE(received.count(), 0);
    }
};

QTEST_MAIN(InstanceCommandTest)
#include "tst_instance_command.moc"
