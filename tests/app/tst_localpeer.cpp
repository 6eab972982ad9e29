#include "LocalPeer.h"

#include <QFile>
#include <QLocalServer>
#include <QLocalSocket>
#include <QProcess>
#include <QSignalSpy>
#include <QtTest>

class LocalPeerTest : public QObject
{
    Q_OBJECT

    QString uniqueId() { return QStringLiteral("/opt/test/%1/%2").arg(QCoreApplication::applicationPid()).arg(++m_n); }
    int m_n = 0;

private slots:
    void first_is_primary_second_is_client()
    {
        const QString id = uniqueId();
        LocalPeer first(id);
        QVERIFY(!first.isClient());
        QVERIFY(!first.isClient());  // asking again keeps the role

        LocalPeer second(id);
        QVERIFY(second.isClient());
        LocalPeer other(uniqueId());  // another executable path
        QVERIFY(!other.isClient());
    }

    void message_reaches_the_primary()
    {
        const QString id = uniqueId();
        LocalPeer first(id);
        QVERIFY(!first.isClient());
        QSignalSpy received(&first, &LocalPeer::messageReceived);

        // The client blocks, so it runs on its own thread while the primary's
        // event loop answers.
        bool sent = false;
        QThread *sender = QThread::create([&] {
            LocalPeer second(id);
            sent = second.sendMessage(QStringLiteral("héllo"), 5000);
        });
        sender->start();
        QTRY_VERIFY(sender->isFinished());
        delete sender;
        QVERIFY(sent);
        QCOMPARE(received.count(), 1);
        QCOMPARE(received.at(0).at(0).toString(), QStringLiteral("héllo"));
    }

    void primary_cannot_send_and_absent_server_times_out()
    {
        const QString id = uniqueId();
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

    void stale_lock_and_socket_of_a_dead_instance_are_taken_over()
    {
        const QString id = uniqueId();
        LocalPeer probe(id);
        // A lock written by a process that has ended, and its socket file left behind.
        QProcess dead;
        dead.start(QStringLiteral("true"), QStringList());
        QVERIFY(dead.waitForFinished());
        const qint64 deadPid = dead.processId() ? dead.processId() : 999999;
        QFile lock(probe.lockFilePath());
        QVERIFY(lock.open(QIODevice::WriteOnly));
        lock.write(QByteArray::number(deadPid) + "\nmouse-utility\n" + QSysInfo::machineHostName().toUtf8() + "\n");
        lock.close();
        QFile socketFile(QDir::temp().filePath(probe.socketName()));
        QVERIFY(socketFile.open(QIODevice::WriteOnly));
        socketFile.close();

        LocalPeer next(id);
        QVERIFY(!next.isClient());
        QSignalSpy received(&next, &LocalPeer::messageReceived);
        QThread *sender = QThread::create([&] { LocalPeer(id).sendMessage(QString(), 5000); });
        sender->start();
        QTRY_VERIFY(sender->isFinished());
        delete sender;
        QCOMPARE(received.count(), 1);
        QCOMPARE(received.at(0).at(0).toString(), QString());
    }

    void oversized_frame_is_dropped()
    {
        const QString id = uniqueId();
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

QTEST_GUILESS_MAIN(LocalPeerTest)
#include "tst_localpeer.moc"
