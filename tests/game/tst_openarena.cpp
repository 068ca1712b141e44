// The Quake III status query against a real dedicated server: Debian's OpenArena server
// (ioquake3 engine) on loopback.
#include "site/statuscache.h"

#include <QProcess>
#include <QTest>
#include <QUdpSocket>

class OpenArenaTest final : public QObject {
    Q_OBJECT

private slots:
    void realServerAnswersGetstatus()
    {
        QUdpSocket probe; // a free UDP port for the server
        QVERIFY(probe.bind(QHostAddress::LocalHost, 0));
        const quint16 port = probe.localPort();
        probe.close();
        QProcess server;
        server.start(QStringLiteral("/usr/games/openarena-server"),
                     {"+set", "net_ip", "127.0.0.1", "+set", "net_port", QString::number(port), "+set", "dedicated", "1",
                      "+set", "sv_hostname", "^1Night ^7Owls", "+set", "sv_maxclients", "12", "+map", "oa_dm1"});
        QVERIFY2(server.waitForStarted(), "openarena-server is installed");
        const Server s{"Night Owls Arena", "qktre", "127.0.0.1:" + QString::number(port), "127.0.0.1", port};
        StatusCache cache(1000, 200); // asks again soon after each silence while the map loads
        QTRY_VERIFY_WITH_TIMEOUT(cache.of(s).state == Status::State::Answering, 60000);
        const Status st = cache.of(s);
        QCOMPARE(st.info.host, QStringLiteral("Night Owls"));
        QCOMPARE(st.info.map, QStringLiteral("oa_dm1"));
        QCOMPARE(st.info.players, 0);
        QCOMPARE(st.info.maxPlayers, 12);
        QVERIFY(st.roundTripMs >= 0 && st.roundTripMs < 1000);
        server.kill();
        server.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(OpenArenaTest)
#include "tst_openarena.moc"
