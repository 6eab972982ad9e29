// A command from another process carried out by the running program: the
// pages show the new profile and the mouse has it; a command that arrives
// while one runs is refused as busy, and the plain message of a second
// start still reaches the window. The channel refuses what it cannot carry.
#include "CommandLine.h"
#include "CliRequest.h"
#include "LocalPeer.h"
#include "SettingsFiles.h"
#include "VirtualMouse.h"
#include "RunningWindow.h"
#include "Widget.h"
#include "myQQuickView.h"

#include <QLocalSocket>
#include <QQmlExpression>
#include <QQuickItem>
#include <QTemporaryDir>
#include <QtTest>

class InstanceCommandTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;

    static QString request(const QStringList &arguments)
    {
        return cli::encodeRequest(cli::parse(arguments, QDir::currentPath()));
    }

    static QVariant page(Widget &w, const QString &code) { return RunningWindow::page(w, code); }

private slots:
    void profile_command_updates_the_pages_and_the_mouse()
    {
        const int unit = RunningWindow::prepare(m_dir.path());
        Widget w;
        QVERIFY(RunningWindow::start(w));
        w.view()->settings().profile(1)->setValue(QStringLiteral("sensor/reportRate_Tarn"), 2);

        const cli::Reply reply = cli::decodeReply(carryOutRequest(request({"--profile", "2"}), w));
        QCOMPARE(reply.status, int(cli::kDone));
        QCOMPARE(page(w, QStringLiteral("profileMain.profileNo")).toInt(), 1);
        QCOMPARE(page(w, QStringLiteral("reprotRateMain.reportValue")).toInt(), 2);
        QCOMPARE(int(vmouse::firmwareState(unit).reportRate), 2);
        QVERIFY(!page(w, QStringLiteral("profileFlow.profileChanged")).toBool());

        // The next request arrives while the device link waits inside this one.
        QString inner;
        w.hid().waitHidFree();
        QTimer::singleShot(50, &w, [&] { inner = carryOutRequest(request({"--status"}), w); });
        QTimer::singleShot(100, &w, [&] { w.hid().releaseHid(); });
        QCOMPARE(cli::decodeReply(carryOutRequest(request({"--profile", "1"}), w)).status, int(cli::kDone));
        QCOMPARE(cli::decodeReply(inner).err, cli::busyReply().err);
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
        const cli::Reply reply = cli::decodeReply(carryOutRequest(request({"--profile", QString::number(current + 1)}), w));
        QCOMPARE(reply.status, int(cli::kDone));
        QVERIFY(clock.elapsed() >= 250);
        QVERIFY(!page(w, QStringLiteral("macroEditorMain.isInputting")).toBool());
        QVERIFY2(page(w, stored).toInt() > fresh, "the recorded events were kept");
    }

    void request_is_answered_over_the_channel_and_a_plain_message_is_not()
    {
        const QString id = m_dir.filePath(QStringLiteral("peer-id"));
        LocalPeer server(id);
        QVERIFY(!server.isClient());
        QStringList received;
        connect(&server, &LocalPeer::messageReceived, this, [&](const QString &m) {
            received << m;
            if (!m.isEmpty())
                server.answer(QStringLiteral("answer to ") + m);
        });
        QString plain = QStringLiteral("unset");
        std::optional<QString> answer;
        QThread *client = QThread::create([&] {
            LocalPeer peer(id);
            plain = peer.sendMessage(QString(), 5000) ? QString() : QStringLiteral("failed");
            answer = peer.request(QStringLiteral("héllo"), 5000);
        });
        client->start();
        QTRY_VERIFY(client->isFinished());
        delete client;
        QCOMPARE(received, QStringList({QString(), QStringLiteral("héllo")}));
        QCOMPARE(plain, QString());
        QCOMPARE(answer.value_or(QString()), QStringLiteral("answer to héllo"));
    }

    void primary_cannot_send_and_absent_server_times_out()
    {
        const QString id = m_dir.filePath(QStringLiteral("peer-%1").arg(__LINE__));
        LocalPeer first(id);
        QVERIFY(!first.sendMessage(QStringLiteral("x"), 100));

        // A client whose primary never listens gives up within its time-out.
        QLockFile held(LocalPeer(id + QStringLiteral("-nolisten")).lockFilePath());
        QVERIFY(held.tryLock(0));
        LocalPeer client(id + QStringLiteral("-nolisten"));
        QElapsedTimer clock;
        clock.start();
        QVERIFY(!client.sendMessage(QStringLiteral("x"), 500));
        QVERIFY(clock.elapsed() < 3000);
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
