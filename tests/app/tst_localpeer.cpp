#include "LocalPeer.h"

#include <QLocalServer>
#include <QLocalSocket>
#include <QSignalSpy>
#include <QtTest>

class LocalPeerTest : public QObject
{
    Q_OBJECT

    QString uniqueId() { return QStringLiteral("/opt/test/%1/%2").arg(QCoreApplication::applicationPid()).arg(++m_n); }
    int m_n = 0;

private slots:

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
