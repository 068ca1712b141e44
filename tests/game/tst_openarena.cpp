// The Quake III status query against a real dedicated server: Debian's OpenArena server
// (ioquake3 engine) on loopback, with a bot playing.
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
                      "+set", "sv_hostname", "^1Night ^7Owls", "+set", "sv_maxclients", "12", "+set", "bot_enable", "1",
                      "+map", "oa_dm1", "+addbot", "sarge"});
        QVERIFY2(server.waitForStarted(), "openarena-server is installed");
        const Server s{"Night Owls Arena", "qktre", "127.0.0.1:" + QString::number(port), "127.0.0.1", port};
        StatusCache cache(1000, 200); // asks again soon after each silence while the map loads
        // A bot is a real player in the server's answer; it joins once the map is up.
        QTRY_VERIFY_WITH_TIMEOUT(cache.of(s).state == Status::State::Answering && !cache.of(s).info.list.empty(), 60000);
        const Status st = cache.of(s);
        const status::Info& i = st.info; // host, map, players, slots, player rows, the first player
        QCOMPARE((QStringList{i.host, i.map, QString::number(i.players), QString::number(i.maxPlayers),
                              QString::number(i.list.size()), i.list[0].name}),
                 (QStringList{"Night Owls", "oa_dm1", "1", "12", "1", "Sarge"}));
        QVERIFY(st.info.list[0].score.has_value() && st.info.list[0].ping >= 0);
        QVERIFY(st.roundTripMs >= 0 && st.roundTripMs < 1000);
        server.kill();
        server.waitForFinished();
    }
};

QTEST_GUILESS_MAIN(OpenArenaTest)
#include "tst_openarena.moc"
