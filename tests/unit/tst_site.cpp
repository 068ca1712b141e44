// The community's web host: the games' status replies, servers.con, what it serves over HTTP,
// and live status from stand-in servers that answer in their games' documented forms.
#include "site/host.h"
#include "tests/fakes/fakes.h"

#include <QNetworkDatagram>
#include <QProcess>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QUdpSocket>

using status::Protocol;
Q_DECLARE_METATYPE(Protocol)

namespace {
const QByteArray oob("\xff\xff\xff\xff", 4);
template <size_t N> QByteArray bytes(const char (&s)[N]) { return QByteArray(s, N - 1); } // NULs included
QByteArray netQuake(const QByteArray& body) // a control packet: flag, length, then the body
{
    const int n = int(body.size()) + 4;
    return QByteArray("\x80\x00", 2) + char(n >> 8) + char(n & 0xff) + body;
}

// One HTTP request as a client sends it, the path exactly as given; the host answers on this
// thread, so the wait runs its events.
QByteArray get(quint16 port, const QByteArray& path)
{
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, port);
    s.write("GET " + path + " HTTP/1.1\r\nHost: owls\r\n\r\n");
    QByteArray got;
    (void)QTest::qWaitFor([&] { // what came by then is the answer
        got += s.readAll();
        const qsizetype end = got.indexOf("\r\n\r\n");
        const qsizetype length = got.indexOf("Content-Length: ");
        return end > 0 && length > 0 && got.size() - end - 4 >= got.mid(length + 16, 12).split('\r').first().toInt();
    }, 5000);
    return got;
}
} // namespace

// Bytes as sent, and what came back until the host closed the connection.
QByteArray exchange(quint16 port, const QByteArray& request)
{
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, port);
    s.write(request);
    QByteArray got;
    const bool closed = QTest::qWaitFor([&] { return (got += s.readAll(), s.state() == QAbstractSocket::UnconnectedState); }, 10000);
    return (closed ? "" : "still open: ") + got + s.readAll();
}

class SiteTest final : public QObject {
    Q_OBJECT

private slots:
    void statusReplies_data()
    {
        QTest::addColumn<Protocol>("protocol");
        QTest::addColumn<QByteArray>("reply");
        QTest::addColumn<QString>("seen"); // host|map|players|max, or "" for no answer
        QTest::newRow("Quake III") << Protocol::Quake3
            << oob + "statusResponse\n\\sv_hostname\\^1Night ^7Owls\\mapname\\q3dm17\\sv_maxclients\\16\n0 12 \"Barn\"\n5 40 \"Tawny\"\n"
            << "Night Owls|q3dm17|2|16";
        QTest::newRow("Quake II") << Protocol::Quake2 << oob + "print\n\\hostname\\Owl Q2\\mapname\\q2dm1\\maxclients\\8\n3 50 \"a\"\n"
                                  << "Owl Q2|q2dm1|1|8";
        QTest::newRow("Unreal") << Protocol::Unreal
            << QByteArray("\\hostname\\Owl UT\\hostport\\7777\\mapname\\DM-Deck16][\\numplayers\\3\\maxplayers\\16\\final\\\\queryid\\1.1")
            << "Owl UT|DM-Deck16][|3|16";
        QTest::newRow("Quake") << Protocol::NetQuake << netQuake(bytes("\x83" "127.0.0.1:26000\0Owl Quake\0e1m1\0\x02\x08\x03"))
                               << "Owl Quake|e1m1|2|8";
        QTest::newRow("hostile text") << Protocol::Quake3
            << oob + "statusResponse\n\\sv_hostname\\<b>\x01\x7f" + QByteArray(500, 'x') + "\\mapname\\^^2\\sv_maxclients\\-5\n"
            << "<b>" + QString(61, QLatin1Char('x')) + "|^|0|0"; // "^2" is a colour
        QTest::newRow("no info string") << Protocol::Quake3 << oob + "statusResponse\n" << "";
        QTest::newRow("another game's answer") << Protocol::Quake3 << oob + "print\n\\hostname\\x\n" << "";
        QTest::newRow("oversized") << Protocol::Quake3 << oob + "statusResponse\n\\mapname\\" + QByteArray(20000, 'm') << "";
        QTest::newRow("Unreal, no host name") << Protocol::Unreal << QByteArray("\\mapname\\x\\final\\") << "";
        QTest::newRow("Quake, wrong length") << Protocol::NetQuake << bytes("\x80\x00\x00\x40\x83x\0y\0z\0\x01\x02") << "";
        QTest::newRow("Quake, cut short") << Protocol::NetQuake << netQuake("\x83" "addr") << "";
        QTest::newRow("Night Fire") << Protocol::None << QByteArray("anything") << "";
    }

    void statusReplies()
    {
        QFETCH(Protocol, protocol);
        QFETCH(QByteArray, reply);
        QFETCH(QString, seen);
        const auto info = status::parse(protocol, reply);
        QCOMPARE(info ? QStringList({info->host, info->map, QString::number(info->players), QString::number(info->maxPlayers)}).join('|')
                      : QString(), seen);
    }

    void serversConKeepsOnlyUsableRows()
    {
        QTemporaryDir dir;
        const std::filesystem::path con = dir.path().toStdString() + "/servers.con";
        writeFile(con, "[Night Owls Arena]\r\nGame=qktre\r\nAddress=127.0.0.1:27960\r\n"
                       "[Typo]\r\nGame=QKTRE\r\nAddress=1.2.3.4\r\n[No address]\r\nGame=untor\r\n"
                       "[Shell]\r\nGame=qktwo\r\nAddress=1.2.3.4;touch x\r\n[Port]\r\nGame=qktwo\r\nAddress=h:70000\r\n"
                       "[Blank]\r\nGame=qktwo\r\nAddress=a b\r\n\x01\xff garbage\r\n[Saber Hall]\r\ngame=jedio\r\naddress=owls.example.net\r\n"
                       "[All]\nGame=qktre\nAddress=255.255.255.255\n[Subnet]\rGame=qktre\rAddress=10.0.0.255:27960\r"
                       "[Group]\nGame=qktre\nAddress=224.0.0.1\n[Any]\nGame=qktre\nAddress=0.0.0.0\n[Short]\nGame=qktre\nAddress=4294967295\n"
                       "[NIGHT OWLS ARENA]\nGame=qktre\nAddress=10.9.9.9\n[NO ADDRESS]\nAddress=10.0.0.9\n[Quoted]\nADDRESS=\"10.0.0.3\"\nAddress=10.0.0.4\nGame=qktwo");
        ServerList list(con);
        QStringList got;
        for (const Server& s : list.servers())
            got << s.name + " " + s.pageName() + " " + QString::number(s.port);
        QCOMPARE(got, QStringList({"Night Owls Arena qktre127.0.0.1:27960.htm 27960", "Saber Hall jedioowls.example.net.htm 28070",
                                   "Quoted qktwo10.0.0.3.htm 27910"}));
        QTest::qWait(1100); // a new modification time
        writeFile(con, "[Only]\r\nGame=untor\r\nAddress=10.0.0.1:7777\r\n");
        QCOMPARE(list.servers().size(), size_t(1));
        QCOMPARE(list.byPage("untor10.0.0.1:7777.htm")->name, QStringLiteral("Only"));
        // Edits of the same size, at once and with the time stamp put back: each one is seen.
        const auto stamp = std::filesystem::last_write_time(con);
        for (int i = 0; i < 30; ++i) {
            writeFile(con, "[Only]\r\nGame=untor\r\nAddress=10.0.0." + std::to_string(i % 2 + 2) + ":7777\r\n");
            std::filesystem::last_write_time(con, stamp);
            QVERIFY(list.byPage(QStringLiteral("untor10.0.0.%1:7777.htm").arg(i % 2 + 2)));
        }
    }

    void servesOnlyWhatLiesInTheFolder()
    {
        QTemporaryDir outside, dir;
        writeFile(outside.path().toStdString() + "/secret.txt", "secret");
        const std::string root = dir.path().toStdString();
        std::filesystem::create_directories(root + "/img");
        writeFile(root + "/news.htm", "<title>News</title>");
        writeFile(root + "/img/logo.png", "png");
        // A game server whose name is a script: it reaches the pages as text.
        QUdpSocket hostile;
        QVERIFY(hostile.bind(QHostAddress::LocalHost, 0));
        connect(&hostile, &QUdpSocket::readyRead, &hostile, [&] {
            const QNetworkDatagram d = hostile.receiveDatagram();
            hostile.writeDatagram(oob + "statusResponse\n\\sv_hostname\\<script>x</script>\\mapname\\<i>\n", d.senderAddress(), d.senderPort());
        });
        writeFile(root + "/servers.con", "[Arena]\r\nGame=qktre\r\nAddress=127.0.0.1:9\r\n[<b>&\"Odd\"</b>]\r\nGame=night\r\nAddress=10.0.0.2\r\n"
                                         "[Hostile]\r\nGame=qktre\r\nAddress=127.0.0.1:" + std::to_string(hostile.localPort()) + "\r\n");
        std::filesystem::create_symlink(outside.path().toStdString() + "/secret.txt", root + "/link.htm");
        std::filesystem::create_directories(root + "/.git");
        for (const char* name : {"/.env", "/.git/config", "/servers.con~", "/.servers.con.swp", "/news.htm.swp", "/news.htm.bak", "/news.ORIG"})
            writeFile(root + name, "secret");
        std::filesystem::create_symlink(root + "/servers.con", root + "/list.htm");
        std::filesystem::create_hard_link(root + "/servers.con", root + "/list.txt");
        writeFile(root + "/big.png", std::string(3 << 20, 'b') + "end");
        writeFile(root + "/empty.txt", "");
        CommunityHost host({dir.path()});
        const quint16 port = host.listen(QHostAddress::LocalHost, 0);
        const QByteArray p = "/ilnightowls/servers/";
        const std::pair<QByteArray, QByteArray> cases[] = {
            {p + "news.htm", "HTTP/1.1 200"}, {p + "img/logo.png", "Content-Type: image/png"},
            {p + "style.css", "Content-Type: text/css"}, {p + "missing.htm", "HTTP/1.1 404"},
            {p + "../../" + outside.path().toUtf8() + "/secret.txt", "HTTP/1.1 403"},
            {p + "%2e%2e/%2E%2E" + outside.path().toUtf8() + "/secret.txt", "HTTP/1.1 403"},
            {p + "img/..%2f..%2fnews.htm", "HTTP/1.1 403"}, {p + "link.htm", "HTTP/1.1 403"},
            {p + "servers.con", "HTTP/1.1 403"}, {p + "%00", "HTTP/1.1 40"},
            {p + "viewservers.htm", "Cache-Control: public, max-age=10"}, {p + ".env", "HTTP/1.1 403"},
            {p + ".git/config", "HTTP/1.1 403"}, {p + "servers.con~", "HTTP/1.1 403"}, {p + ".servers.con.swp", "HTTP/1.1 403"},
            {p + "news.htm.bak", "HTTP/1.1 403"}, {p + "news.htm.swp", "HTTP/1.1 403"}, {p + "empty.txt", "Content-Length: 0"}, {p + "news.ORIG", "HTTP/1.1 403"}, {p + "%2egit/config", "HTTP/1.1 403"},
            {p + "list.htm", "HTTP/1.1 403"}, {p + "list.txt", "HTTP/1.1 403"}, {p + "SERVERS.CON", "HTTP/1.1 403"}};
        for (const auto& [path, expected] : cases) {
            const QByteArray reply = get(port, path);
            QVERIFY2(reply.contains(expected), path + " -> " + reply.left(200));
            QVERIFY2(!reply.contains("secret") && !reply.contains("Address="), path.constData());
        }
        // HEAD has no body, other methods are refused, "Connection: close" closes; answers asked
        // for together come whole and in order, a file as large as a picture included.
        const QByteArray news = p + "news.htm HTTP/1.1\r\nHost: owls\r\n";
        QVERIFY(exchange(port, "HEAD " + news + "Connection: close\r\n\r\n").endsWith("Content-Length: 19\r\nCache-Control: public, max-age=300\r\nConnection: close\r\n\r\n"));
        QVERIFY(exchange(port, "HEAD " + p + "viewservers.htm HTTP/1.1\r\nConnection: close\r\n\r\n").endsWith("max-age=10\r\nConnection: close\r\n\r\n"));
        QVERIFY(exchange(port, "POST " + news + "Content-Length: 1\r\nConnection: close\r\n\r\nx")
                    .startsWith("HTTP/1.1 405 Method Not Allowed\r\n"));
        const QByteArray three = exchange(port, "GET " + p + "big.png HTTP/1.1\r\nHost: owls\r\n\r\nGET " + news + "\r\nGET " + news +
                                                "Connection: close\r\n\r\n");
        QCOMPARE(three.count("HTTP/1.1 200"), 3);
        QVERIFY(three.contains(QByteArray(3 << 20, 'b') + "endHTTP/1.1 200"));
        QVERIFY(three.endsWith("<title>News</title>"));
        // The log: one line per request, nothing in a path speaks to the terminal.
        QProcess site;
        site.start(qEnvironmentVariable("TOVO_SITE"), {"--root", dir.path(), "--port", "0", "--log"});
        QVERIFY(site.waitForReadyRead(10000));
        exchange(quint16(site.readLine().trimmed().toUInt()), "GET " + p + "a%0aGET%20/%1b[2J%25 HTTP/1.1\r\nConnection: close\r\n\r\n");
        QByteArray log;
        QTRY_COMPARE((log += site.readAll(), log), "GET " + p + "a%0AGET /%1B[2J%25\n");
        site.kill();
        site.waitForFinished();
        const QByteArray list = get(port, p + "viewservers.htm");
        QVERIFY(list.contains("<title>viewservers.htm</title>"));
        QVERIFY(list.contains("<a href=\"/ilnightowls/servers/qktre127.0.0.1:9.htm\">Arena</a>"));
        QVERIFY(list.contains("&lt;b&gt;&amp;&quot;Odd&quot;&lt;/b&gt;</a></td><td>007 Night Fire</td><td class=\"addr\">10.0.0.2</td><td>status unknown</td>"));
        QVERIFY(get(port, p + "qktre127.0.0.1:9.htm").contains("<title>qktre127.0.0.1:9.htm</title>"));
        QVERIFY(get(port, p + "night10.0.0.2.htm").contains("&lt;b&gt;&amp;&quot;Odd&quot;&lt;/b&gt;"));
        const QByteArray hostilePage = p + "qktre127.0.0.1:" + QByteArray::number(hostile.localPort()) + ".htm";
        for (const QByteArray& page : {p + "viewservers.htm", hostilePage}) {
            QTRY_VERIFY(get(port, page).contains("&lt;script&gt;x&lt;/script&gt;"));
            QVERIFY(!get(port, page).contains("<script>") && !get(port, page).contains("<i>"));
        }
    }

    void liveStatusFromStandIns()
    {
        // Each stand-in answers its game's query in the documented form; one port is dead.
        struct StandIn {
            const char* code;
            QByteArray query, reply;
            int portOffset;
        };
        const StandIn standIns[] = {
            {"qktwo", oob + "status", oob + "print\n\\hostname\\Q2 Owls\\mapname\\base1\\maxclients\\8\n1 2 \"p\"\n", 0},
            {"untor", "\\status\\", "\\hostname\\UT Owls\\mapname\\DM-Morpheus\\numplayers\\0\\maxplayers\\12\\final\\", 1},
            {"qkone", bytes("\x80\x00\x00\x0c\x02QUAKE\x00\x03"),
             netQuake(bytes("\x83" "x\0Q1 Owls\0dm4\0\x01\x10\x03")), 0}};
        std::vector<std::unique_ptr<QUdpSocket>> sockets;
        std::vector<Server> servers;
        for (const StandIn& si : standIns) {
            auto s = std::make_unique<QUdpSocket>();
            QVERIFY(s->bind(QHostAddress::LocalHost, 0));
            const quint16 game = quint16(s->localPort() - si.portOffset);
            connect(s.get(), &QUdpSocket::readyRead, s.get(), [sock = s.get(), si] {
                while (sock->hasPendingDatagrams()) {
                    QNetworkDatagram d = sock->receiveDatagram();
                    if (d.data() == si.query)
                        sock->writeDatagram(si.reply, d.senderAddress(), d.senderPort());
                }
            });
            servers.push_back({si.code, si.code, "127.0.0.1:" + QString::number(game), "127.0.0.1", game});
            sockets.push_back(std::move(s));
        }
        servers.push_back({"dead", "qktre", "127.0.0.1:9", "127.0.0.1", 9});
        servers.push_back({"bond", "night", "127.0.0.1:26015", "127.0.0.1", 26015});
        StatusCache cache;
        cache.refresh(servers);
        auto seen = [&] {
            QStringList s;
            for (const Server& sv : servers)
                s << QStringLiteral("%1 %2 %3 %4/%5").arg(int(cache.of(sv).state)).arg(cache.of(sv).info.host, cache.of(sv).info.map)
                         .arg(cache.of(sv).info.players).arg(cache.of(sv).info.maxPlayers);
            return s;
        };
        QTRY_COMPARE_WITH_TIMEOUT(seen(), QStringList({"2 Q2 Owls base1 1/8", "2 UT Owls DM-Morpheus 0/12", "2 Q1 Owls dm4 1/16",
                                                       "3   0/0", "0   0/0"}), 3000);
    }
};

QTEST_GUILESS_MAIN(SiteTest)
#include "tst_site.moc"
