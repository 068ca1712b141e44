// The community's web host: the games' status replies, servers.con, what it serves over HTTP,
// and live status from stand-in servers that answer in their games' documented forms.
#include "site/host.h"
#include "tests/fakes/fakes.h"

#include <QBuffer>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QUdpSocket>
#include <quazip.h>
#include <quazipfile.h>

#include <fstream>

namespace fs = std::filesystem;

namespace {
// The question each game's servers answer, as the server browsers know them.
using P = status::Protocol;
const QHash<QString, P> speaks{{"mohaa", P::Moh},     {"mohsh", P::Moh},      {"mohbt", P::Moh},
                               {"untor", P::GameSpy}, {"qkone", P::NetQuake}, {"qktwo", P::Quake2},
                               {"qktre", P::Quake3},  {"night", P::GameSpy},  {"rwolf", P::Quake3},
                               {"sofon", P::Quake2},  {"softw", P::Quake3},   {"jedio", P::Quake3}};

template <size_t N> QByteArray bytes(const char (&s)[N]) {
    return QByteArray(s, N - 1);
} // NULs included

QString describe(const std::optional<status::Info>& info) {
    if (!info) return {};
    QStringList players;
    for (const status::Player& p : info->list)
        players << p.name + " " + (p.score ? QString::number(*p.score) : "-") + " " +
                       (p.ping >= 0 ? QString::number(p.ping) : "-");
    return QStringList({info->host, info->map, QString::number(info->players),
                        QString::number(info->maxPlayers), players.join(';')})
               .join('|') +
           (info->password ? "|locked" : "");
}

// Bytes as sent, and what came back until the host closed the connection; the host answers on
// this thread, so the wait runs its events.
QByteArray exchange(quint16 port, const QByteArray& request) {
    QTcpSocket s;
    s.connectToHost(QHostAddress::LocalHost, port);
    s.write(request);
    QByteArray got;
    const bool closed = QTest::qWaitFor(
        [&] { return (got += s.readAll(), s.state() == QAbstractSocket::UnconnectedState); },
        10000);
    return (closed ? "" : "still open: ") + got + s.readAll();
}

// One page as a member's browser asks for it, the path exactly as given.
QByteArray get(quint16 port, const QByteArray& path) {
    return exchange(port, "GET " + path + " HTTP/1.1\r\nHost: owls\r\nConnection: close\r\n\r\n");
}
} // namespace

class SiteTest final : public QObject {
    Q_OBJECT

private slots:
    // What a server sends back, in one datagram or several (GameSpy's numbered parts, NetQuake's
    // player replies); a reply that does not follow its game's form is no answer.
    void answers_data() {
        // clang-format off
        QTest::addColumn<QString>("game");
        QTest::addColumn<QList<QByteArray>>("datagrams");
        QTest::addColumn<QString>("steps"); // I ignored, M more, D done, one per datagram
        QTest::addColumn<QString>("seen"); // host|map|players|max|name score ping;..., or "" for no answer
        auto one = [](const char* name, const char* game, const QByteArray& reply, const char* step, const QString& seen) {
            QTest::newRow(name) << QString(game) << QList<QByteArray>{reply} << QString(step) << seen;
        };
        one("Medal of Honor, plain form", "mohaa", oob + "statusResponse\n\\sv_hostname\\x\n", "I", "");
        one("Medal of Honor, its direction byte", "mohaa", oob + "\x01statusResponse\n\\sv_hostname\\MOH Owls\\mapname\\dm/mohdm1\\sv_maxclients\\16\\g_needpass\\1\n30 \"Sarge\"\n",
            "D", "MOH Owls|dm/mohdm1|1|16|Sarge - 30|locked");
        one("Quake II, text first", "qktwo",
            oob + "print\nSoF 1.07 ready\n\\hostname\\Owl Q2\\mapname\\q2dm1\\maxclients\\8\\needpass\\2\n3 50 \"a^1\"\n", "D", "Owl Q2|q2dm1|1|8|a^1 3 50"); // needpass 2: spectators' only
        one("Quake II, locked", "sofon", oob + "print\n\\hostname\\L\\mapname\\m\\maxclients\\8\\needpass\\3\n", "D", "L|m|0|8||locked");
        one("hostile text", "qktre",
            oob + "statusResponse\n\\sv_hostname\\<b>\x01\x7f" + QByteArray(500, 'x') + "\\mapname\\^^2\\sv_maxclients\\-5\n",
            "D", "<b>" + QString(61, QLatin1Char('x')) + "|^|0|0|"); // "^2" is a colour
        // As the servers send them: names one byte a letter (Windows-1252), or UTF-8; scores in the millions.
        one("8-bit names, true scores", "qktre", oob + "statusResponse\n\\sv_hostname\\\xa9 Owls \x80\xa0\xb1\x81\\mapname\\q3dm1\\sv_maxclients\\20\n"
                                                     "12118375 40 \"{JoFA}\xdflackfire\"\nx 30 \"x\"\n-5 9 \"Gr\xc3\xbcn\"\n3000000000 1 \"Max\"\n",
            "D", "\u00a9 Owls \u20ac\u00a0\u00b1|q3dm1|4|20|Max 2147483647 1;{JoFA}\u00dflackfire 12118375 40;Gr\u00fcn -5 9;x - 30");
        QByteArray crowd = oob + "statusResponse\n\\sv_hostname\\Crowd\\mapname\\m\\sv_maxclients\\70\n";
        QStringList kept; // the 64 best of 70
        for (int n = 70; n > 0; --n)
            crowd += QByteArray::number(n) + " 0 \"P" + QByteArray::number(n) + "\"\n", kept << QString("P%1 %1 0").arg(n);
        one("more players than rows kept", "qktre", crowd, "D", "Crowd|m|70|70|" + kept.mid(0, 64).join(';'));
        one("no info string", "qktre", oob + "statusResponse\n", "I", "");
        one("oversized", "qktre", oob + "statusResponse\n\\mapname\\" + QByteArray(20000, 'm'), "I", "");
        one("Unreal, no host name", "untor", "\\mapname\\x\\final\\", "I", "");
        const QByteArray first = "\\hostname\\Owl UT\\mapname\\DM-Turbine\\numplayers\\3\\maxplayers\\12\\password\\True\\queryid\\";
        const QByteArray two = "\\player_0\\Tawny\\frags_0\\4\\ping_0\\30\\player_1\\Barn\\frags_1\\9\\ping_1\\60\\queryid\\";
        const QByteArray three = "\\player_2\\Snowy\\frags_2\\0\\ping_2\\90\\final\\\\queryid\\";
        const QString all = "Owl UT|DM-Turbine|3|12|Barn 9 60;Tawny 4 30;Snowy 0 90|locked";
        QTest::newRow("a part twice, another id") << "untor"
            << QList<QByteArray>{three + "7.3", two + "8.2", three + "7.3", first + "7.1", two + "7.2"} << "MMMMD" << all;
        QTest::newRow("final part before the last number") << "untor"
            << QList<QByteArray>{first + "7.1", QByteArray(three).replace("\\final\\", "\\") + "7.3", two + "7.2"} << "MMM" << "";
        // Players numbered by the slot they hold: 20 of them in slots 5-17, 24, 25, 28, 30, 33, 36 and 39;
        // frags, or a score where a game sends no frags.
        QByteArray seats = "\\hostname\\Owl NF\\mapname\\m\\numplayers\\20\\maxplayers\\40";
        QStringList seated;
        for (int n : {5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 24, 25, 28, 30, 33, 36, 39}) {
            seats += "\\player_" + QByteArray::number(n) + "\\P" + QByteArray::number(n) + (n % 2 ? "\\score_" : "\\frags_") + QByteArray::number(n) + "\\" + QByteArray::number(100 - n);
            seated << QString("P%1 %2 -").arg(n).arg(100 - n);
        }
        QTest::newRow("players in slots, with gaps") << "night" << QList<QByteArray>{seats + "\\final\\\\queryid\\4.1"} << "D"
                                                      << "Owl NF|m|20|40|" + seated.join(';');
        QTest::newRow("Quake players") << "qkone"
            << QList<QByteArray>{netQuake(bytes("\x83" "x\0Q1 Owls\0dm4\0\x02\x10\x03")),
                                 netQuake(bytes("\x84\x01^1Zap\0\x00\x00\x00\x00\x07\x00\x00\x00\x10\x00\x00\x00" "1.2.3.4\0")),
                                 netQuake(bytes("\x84\x01Zap\0\x00\x00\x00\x00\x09\x00\x00\x00\x10\x00\x00\x00" "1.2.3.4\0")),
                                 netQuake(bytes("\x84\x05Nobody\0\x00\x00\x00\x00\x01\x00\x00\x00\x10\x00\x00\x00" "\0")),
                                 netQuake(bytes("\x84\x00\x90\xd2\x93\x91" "\0\x00\x00\x00\x00\xfe\xff\xff\xff\x10\x00\x00\x00" "\0"))}
            << "MMIID" << "Q1 Owls|dm4|2|16|^1Zap 7 -;[R1] -2 -"; // Quake's letters: high bit, digits, brackets
        // clang-format on
    }

    void everyGameAsksItsOwnQuestion() {
        for (const Game& g : catalogue::games()) { // each game typed above, none left out
            QVERIFY2(speaks.contains(g.code), g.code);
            QCOMPARE(g.protocol, speaks[g.code]);
        }
        QCOMPARE(catalogue::games().size(), size_t(speaks.size()));
    }

    void answers() {
        QFETCH(QString, game);
        QFETCH(QList<QByteArray>, datagrams);
        QFETCH(QString, steps);
        QFETCH(QString, seen);
        const Game& g = *catalogue::byCode(game.toStdString());
        status::Question a(speaks.value(game), g.colourCodes);
        QString got;
        std::vector<QByteArray> next;
        for (const QByteArray& d : datagrams)
            got += "IMD"[int(a.take(d, &next))];
        QCOMPARE(got, steps);
        QCOMPARE(describe(a.info()), seen);
    }

    void serversConKeepsOnlyUsableRows() {
        QTemporaryDir dir;
        const fs::path con = dir.path().toStdString() + "/servers.con";
        // clang-format off
        writeFile(con, "[Night Owls Arena]\r\nGame=qktre\r\nAddress=127.0.0.1:27960\r\n"
                       "[Typo]\r\nGame=QKTRE\r\nAddress=1.2.3.4\r\n[No address]\r\nGame=untor\r\n"
                       "[Shell]\r\nGame=qktwo\r\nAddress=1.2.3.4;touch x\r\n[Port]\r\nGame=qktwo\r\nAddress=h:70000\r\n"
                       "[Blank]\r\nGame=qktwo\r\nAddress=a b\r\n\x01\xff garbage\r\n[Saber Hall]\r\ngame=jedio\r\naddress=owls.example.net\r\n"
                       "[All]\nGame=qktre\nAddress=255.255.255.255\n[Subnet]\rGame=qktre\rAddress=10.0.0.255:27960\r"
                       "[Group]\nGame=qktre\nAddress=224.0.0.1\n[Any]\nGame=qktre\nAddress=0.0.0.0\n[Short]\nGame=qktre\nAddress=4294967295\n"
                       "[NIGHT OWLS ARENA]\nGame=qktre\nAddress=10.9.9.9\n[NO ADDRESS]\nAddress=10.0.0.9\n[Quoted]\nADDRESS=\"10.0.0.3\"\nAddress=10.0.0.4\nGame=qktwo\n"
                       // Query ports: Unreal's is the game port + 1, never past 65535; QueryPort= is a port or nothing.
                       "[UT]\nGame=untor\nAddress=10.0.0.1:7777\n[UT top]\nGame=untor\nAddress=10.0.0.2:65535\n[UT own]\nGame=untor\n"
                       "Address=10.0.0.1:65535\nQueryPort=7787\n[NF]\nGame=night\nAddress=owls.example.net\n[BT]\nGame=mohbt\n"
                       "Address=10.0.0.1\n[Word]\nGame=qktre\nAddress=10.0.0.1\nQueryPort=x\n[High]\nGame=qktre\nAddress=10.0.0.5\nQueryPort=65536\n"
                       "[Past]\nGame=night\nAddress=10.0.0.6:65536\n[Lan]\nGame=qktre\nAddress=lan.example\n[Mixed]\nGame=qktre\nAddress=mixed.example");
        // clang-format on
        // Names as the resolver sees them: one leads only to broadcast and multicast, one also to a
        // machine.
        ServerList list(con, [](const QString& name, QObject*,
                                std::function<void(const QList<QHostAddress>&)> done) {
            const QList<QHostAddress> lan{QHostAddress::Broadcast, QHostAddress("224.0.0.1"),
                                          QHostAddress("127.255.255.255"), QHostAddress("ff02::1")};
            done(name == "lan.example"     ? lan
                 : name == "mixed.example" ? lan + QList<QHostAddress>{QHostAddress("10.0.0.7")}
                                           : QList<QHostAddress>{QHostAddress("10.0.0.8")});
        });
        auto rows = [&] {
            QStringList got;
            for (const Server& s : list.servers())
                got << s.name + " " + s.pageName() + " " + QString::number(s.port) + " " +
                           QString::number(
                               status::queryPort(s.code.toStdString(), s.port, s.queryPort)
                                   .value_or(0));
            return got;
        };
        // clang-format off
        QTRY_COMPARE(rows(), QStringList({"Night Owls Arena qktre127.0.0.1:27960.htm 27960 27960", "Saber Hall jedioowls.example.net.htm 28070 28070",
                                          "Quoted qktwo10.0.0.3.htm 27910 27910", "UT untor10.0.0.1:7777.htm 7777 7778",
                                          "UT own untor10.0.0.1:65535.htm 65535 7787", "NF nightowls.example.net.htm 26015 6550",
                                          "BT mohbt10.0.0.1.htm 12203 12203", "Mixed qktremixed.example.htm 27960 27960"}));
        // clang-format on
        // Every edit is seen, even of the same size, at once and with the time stamp put back.
        const auto stamp = fs::last_write_time(con);
        for (int i = 0; i < 30; ++i) {
            writeFile(con, "[Only]\r\nGame=untor\r\nAddress=10.0.0." + std::to_string(i % 2 + 2) +
                               ":7777\r\n");
            fs::last_write_time(con, stamp);
            QVERIFY(list.byPage(QStringLiteral("untor10.0.0.%1:7777.htm").arg(i % 2 + 2)));
        }
        QCOMPARE(list.servers().size(), size_t(1));
    }

    void servesOnlyWhatLiesInTheFolder() {
        QTemporaryDir outside, dir;
        writeFile(outside.path().toStdString() + "/secret.txt", "secret");
        const std::string root = dir.path().toStdString();
        // Private names and links to servers.con through the front: front.py.
        writeFile(root + "/news.htm", "<title>News</title>");
        writeFile(root + "/img/logo.png", "png");
        writeFile(root + "/big.png", std::string(3 << 20, 'b') + "end");
        writeFile(root + "/empty.txt", "");
        writeFile(root + "/huge.bin", "");
        fs::resize_file(root + "/huge.bin", 64 << 20);
        // A game server whose name is a script: it reaches the pages as text.
        const auto hostile = standIn([](const QByteArray&) {
            return oob + "statusResponse\n\\sv_hostname\\<script>x</"
                         "script>\\mapname\\<i>\\sv_maxclients\\8\\g_needpass\\1\n5 20 \"<img "
                         "src=\"x\">\"\n";
        });
        // clang-format off
        writeFile(root + "/servers.con", "[Arena]\r\nGame=qktre\r\nAddress=127.0.0.1:9\r\n[<b>&\"Odd\"</b>]\r\nGame=night\r\nAddress=127.0.0.2\r\n"
                                         "[Hostile]\r\nGame=qktre\r\nAddress=hostile.example:" + std::to_string(hostile->localPort()) + "\r\n"
                                         "[ARENA]\r\nGame=qktre\r\nAddress=127.0.0.1:10\r\n[All]\r\nGame=qktre\r\nAddress=255.255.255.255\r\n"
                                         "[Lan]\r\nGame=qktre\r\nAddress=lan.example\r\n");
        // clang-format on
        fs::create_symlink(outside.path().toStdString() + "/secret.txt", root + "/link.htm");
        fs::create_hard_link(root + "/servers.con", root + "/list.txt");
        // A resolver that takes 3 s to answer: no page waits for it.
        QStringList asked;
        int answered = 0;
        CommunityHost::Options o;
        o.root = dir.path();
        o.lookup = [&](const QString& name, QObject* context,
                       std::function<void(const QList<QHostAddress>&)> done) {
            asked << name;
            QTimer::singleShot(3000, context, [&answered, name, done] {
                ++answered, done({QHostAddress(name == "lan.example" ? QHostAddress::Broadcast
                                                                     : QHostAddress::LocalHost)});
            });
        };
        CommunityHost host(o);
        const quint16 port = host.listen(QHostAddress::LocalHost, 0);
        auto page = [port](const QByteArray& name) {
            return get(port, "/ilnightowls/servers/" + name);
        };
        const QByteArray p = "/ilnightowls/servers/",
                         hostileAt =
                             "qktrehostile.example:" + QByteArray::number(hostile->localPort());
        // clang-format off
        const std::pair<QByteArray, QByteArray> cases[] = {
            {p + "news.htm", "HTTP/1.1 200"}, {p + "img/logo.png", "Content-Type: image/png"},
            {p + "style.css", "Content-Type: text/css"}, {p + "missing.htm", "HTTP/1.1 404"},
            {p + "../../" + outside.path().toUtf8() + "/secret.txt", "HTTP/1.1 403"},
            {p + "%2e%2e/%2E%2E" + outside.path().toUtf8() + "/secret.txt", "HTTP/1.1 403"},
            {p + "img/..%2f..%2fnews.htm", "HTTP/1.1 403"}, {p + "link.htm", "HTTP/1.1 403"}, {p + "%00", "HTTP/1.1 40"},
            {p + "viewservers.htm", "Cache-Control: public, max-age=10"}, {p + "empty.txt", "Content-Length: 0"}, {p + "list.txt", "HTTP/1.1 403"},
            // The pages built from servers.con, a name that is markup shown as text.
            {p + "viewservers.htm", "<td class=\"name\"><a href=\"/ilnightowls/servers/night127.0.0.2.htm\">"
                                    "&lt;b&gt;&amp;&quot;Odd&quot;&lt;/b&gt;</a></td><td>Night Fire</td><td class=\"addr\">127.0.0.2</td>"},
            {p + "night127.0.0.2.htm", "&lt;b&gt;&amp;&quot;Odd&quot;&lt;/b&gt;"}};
        // clang-format on
        for (const auto& [path, expected] : cases) {
            const QByteArray reply = get(port, path);
            QVERIFY2(reply.contains(expected), path + " -> " + reply.left(200));
            QVERIFY2(!reply.contains("secret") && !reply.contains("Address="), path.constData());
        }
        // Meanwhile the named servers show as "asking".
        QCOMPARE(answered, 0);
        QVERIFY(page("viewservers.htm")
                    .contains("title=\"asking\">&#9679;</td><td class=\"name\"><a href=\"" + p +
                              hostileAt + ".htm\">Hostile</a>"));
        QVERIFY(page("viewservers.htm").contains(">Lan</a>"));
        // HEAD has no body, other methods are refused, "Connection: close" closes; answers asked
        // for together come whole and in order, a file as large as a picture included.
        const QByteArray news = p + "news.htm HTTP/1.1\r\nHost: owls\r\n";
        QVERIFY(exchange(port, "HEAD " + news + "Connection: close\r\n\r\n")
                    .endsWith("Content-Length: 19\r\nCache-Control: public, "
                              "max-age=300\r\nConnection: close\r\n\r\n"));
        QVERIFY(
            exchange(port, "HEAD " + p + "viewservers.htm HTTP/1.1\r\nConnection: close\r\n\r\n")
                .endsWith("max-age=10\r\nConnection: close\r\n\r\n"));
        QVERIFY(exchange(port, "POST " + news + "Content-Length: 1\r\nConnection: close\r\n\r\nx")
                    .startsWith("HTTP/1.1 405 Method Not Allowed\r\n"));
        const QByteArray three =
            exchange(port, "GET " + p + "big.png HTTP/1.1\r\nHost: owls\r\n\r\nGET " + news +
                               "\r\nGET " + news + "Connection: close\r\n\r\n");
        QCOMPARE(three.count("HTTP/1.1 200"), 3);
        QVERIFY(three.contains(QByteArray(3 << 20, 'b') + "endHTTP/1.1 200"));
        QVERIFY(three.endsWith("<title>News</title>"));
        // The log: one line per request, nothing in a path speaks to the terminal.
        Site site({"--root", dir.path()});
        exchange(site.port,
                 "GET " + p + "a%0aGET%20/%1b[2J%25 HTTP/1.1\r\nConnection: close\r\n\r\n");
        QTRY_COMPARE(site.requests, QStringList{"GET " + p + "a%0AGET /%1B[2J%25"});
        const QByteArray warnings = site.p.readAllStandardError();
        QVERIFY2(warnings.contains("a second [ARENA] left out") &&
                     warnings.contains("[All] left out: its Address leads only to broadcast"),
                 warnings);
        // A reader that never reads holds a few hundred KB of the host, not the file it asked for;
        // one that asks far ahead of reading is cut off, its questions not kept.
        // The host's resident memory: statm's second number, in pages of 4 KB.
        auto residentKb = [pid = site.p.processId()] {
            QFile f(QStringLiteral("/proc/%1/statm").arg(pid));
            return f.open(QIODevice::ReadOnly) ? f.readAll().split(' ').value(1).toLong() * 4 : 0L;
        };
        [[maybe_unused]] const long before = residentKb();
        QTcpSocket idle, greedy;
        for (QTcpSocket* s : {&idle, &greedy}) {
            // Qt's read buffer and the system's, both small.
            s->setReadBufferSize(4096);
            s->setSocketOption(QAbstractSocket::ReceiveBufferSizeSocketOption, 4096);
            s->connectToHost(QHostAddress::LocalHost, site.port);
        }
        idle.write("GET " + p + "huge.bin HTTP/1.1\r\nHost: owls\r\n\r\n");
        greedy.write(("GET " + p + "gone.htm HTTP/1.1\r\n\r\n").repeated(500000)); // 20 MB
        QTRY_COMPARE(greedy.state(), QAbstractSocket::UnconnectedState);
        // AddressSanitizer holds freed memory back on purpose: the plain build measures it.
#ifndef __SANITIZE_ADDRESS__
        QVERIFY2(residentKb() - before < 16384, QByteArray::number(residentKb() - before) + " KB");
#endif
        site.p.kill();
        // What a member sees of a server once its name is known: one line on the list, details and
        // players on its page; a name that leads only to broadcast leaves its row out.
        // clang-format off
        const std::pair<QByteArray, QByteArray> known[] = {
            {hostileAt + ".htm", "<tr><th>Host name</th><td>&lt;script&gt;x&lt;/script&gt;</td></tr>\n<tr><th>Map</th><td>&lt;i&gt;</td></tr>"},
            {hostileAt + ".htm", "<tr><td>&lt;img src=&quot;x&quot;&gt;</td><td>5</td><td>20 ms</td></tr>"},
            {hostileAt + ".htm", "<p class=\"big\">Password: required <svg"},
            {"viewservers.htm", "\" data-who=\"&lt;img src=&quot;x&quot;&gt;&#10;\" data-locked=\"1\"><td class=\"mark up\" title=\"answering\">&#9679;</td><td class=\"name\"><a href=\""
                                + p + hostileAt + ".htm\">Hostile</a> <svg class=\"lock\" role=\"img\" aria-label=\"Password\""},
            {"viewservers.htm", "<title>Password</title>"},
            {"viewservers.htm", "</svg></td><td>Quake III</td><td class=\"addr\">" + hostileAt.mid(5) + "</td><td class=\"map\">&lt;i&gt;</td><td>1/8</td><td>"}};
        // clang-format on
        for (const auto& [name, expected] : known)
            QTRY_VERIFY2_WITH_TIMEOUT(page(name).contains(expected), expected, 10000);
        QVERIFY(!page("viewservers.htm").contains(">Lan</a>"));
        // The same as data: each server's fields whole, whatever its texts hold.
        const QByteArray json = page("servers.json");
        QVERIFY2(json.contains("Content-Type: application/json\r\n") &&
                     json.contains("Cache-Control: public, max-age=10\r\n"),
                 json);
        const QJsonDocument data = QJsonDocument::fromJson(json.mid(json.indexOf("\r\n\r\n") + 4));
        const QJsonArray servers = data.object().value("servers").toArray();
        QCOMPARE(servers.size(), 3);
        QJsonObject h = servers[2].toObject();
        QVERIFY(h.value("roundTripMs").toInt() >= 0);
        h.remove("roundTripMs");
        // clang-format off
        QCOMPARE(h, QJsonObject({{"name", "Hostile"}, {"game", "qktre"}, {"address", QString(hostileAt.mid(5))}, {"page", QString(hostileAt + ".htm")},
                                 {"state", "answering"}, {"hostName", "<script>x</script>"}, {"map", "<i>"}, {"players", 1}, {"maxPlayers", 8}, {"password", true},
                                 {"playerList", QJsonArray{QJsonObject{{"name", "<img src=\"x\">"}, {"score", 5}, {"ping", 20}}}}}));
        // clang-format on
        QCOMPARE(servers[1].toObject().value("name"), "<b>&\"Odd\"</b>");
        QCOMPARE(servers[1].toObject().value("state"), "no answer");
        QCOMPARE(servers[1].toObject().value("map"), QJsonValue());
        QCOMPARE(servers[1].toObject().value("password"), false);
        QTRY_VERIFY(page("qktre127.0.0.1:9.htm")
                        .contains("<tr><th>Status</th><td class=\"down\">no answer</td></tr>"));
        // An edit of the file has its names looked up again.
        QCOMPARE(asked, QStringList({"hostile.example", "lan.example"}));
        std::ofstream(root + "/servers.con", std::ios::app) << "\r\n";
        page("viewservers.htm");
        QCOMPARE(asked.size(), 4);
    }

    // What the status cache adds to each family's reading.
    // Map pictures: made off the host's thread, kept up to a bound in bytes (the least recently
    // asked for go first), and only for the maps a pak holds; a picture larger than 4096 on a
    // side is refused before it is decoded.
    void mapPictures() {
        auto jpeg = [](int w, int h, QRgb colour) {
            QImage image(w, h, QImage::Format_RGB32);
            image.fill(colour);
            QByteArray out;
            QBuffer b(&out);
            b.open(QIODevice::WriteOnly);
            image.save(&b, "JPG");
            return out;
        };
        // An 8 by 2 picture as a Targa: 18 bytes of header, then blue, green, red a pixel.
        const QByteArray tga =
            bytes("\0\0\x02\0\0\0\0\0\0\0\0\0\x08\0\x02\0\x18\0") + QByteArray(8 * 2 * 3, '\x80');
        QTemporaryDir dir;
        {
            QuaZip zip(dir.filePath("maps.pk3"));
            QVERIFY(zip.open(QuaZip::mdCreate));
            // clang-format off
            const std::pair<QString, QByteArray> files[] = {{"levelshots/a.jpg", jpeg(64, 48, 0xff0000)}, {"levelshots/b.jpg", jpeg(64, 48, 0xff00)},
                {"levelshots/c.jpg", jpeg(64, 48, 0xff)}, {"levelshots/t.tga", tga}, {"levelshots/huge.jpg", jpeg(4097, 8, 0)}};
            // clang-format on
            for (const auto& [name, data] : files) {
                QuaZipFile f(&zip);
                QVERIFY(f.open(QIODevice::WriteOnly, QuaZipNewInfo(name)));
                f.write(data);
            }
        }
        const qint64 one = MapPictures::thumbnail(jpeg(64, 48, 0xff0000), "JPG").size();
        MapPictures pictures({dir.path()}, one * 5 / 2);
        auto make = [&](const QString& map) {
            std::optional<QByteArray> got;
            QObject context;
            pictures.make(map, &context, [&](const QByteArray& j) { got = j; });
            (void)QTest::qWaitFor([&] { return got.has_value(); }, 5000);
            return got.value_or("not told");
        };
        QVERIFY(!pictures.made("a"));
        QCOMPARE(QImage::fromData(make("t")).size(), QSize(320, 240));
        QCOMPARE(QImage::fromData(make("a")).size(), QSize(320, 240));
        make("b");
        QVERIFY(pictures.made("a")); // asked again: b is now the least recently asked
        make("c");
        QVERIFY(pictures.made("a") && !pictures.made("b") && pictures.made("c"));
        QVERIFY(pictures.keptBytes() <= one * 5 / 2);
        QCOMPARE(make("huge"), QByteArray());
        // A map no pak holds: nothing to make, nothing kept.
        const qint64 kept = pictures.keptBytes();
        for (int i = 0; i < 100; ++i)
            QCOMPARE(pictures.made(QString("nothere%1").arg(i)), QByteArray());
        QCOMPARE(pictures.keptBytes(), kept);
    }

    void liveStatusFromStandIns() {
        // Each stand-in answers its game's query in the documented form ($n: the questions it
        // has had); one port is dead. They are servers.con's rows, as a community writes them.
        struct StandIn {
            const char* code;
            QHash<QByteArray, QByteArray> replies; // to each question
            bool onlySecond = false; // drops the first question, as a rate-limited server does
            QHostAddress bind = QHostAddress::LocalHost;
            int offset = 0;         // of its port from the game port in the row's Address
            bool queryPort = false; // the row names its port as QueryPort
        };
        const QByteArray q3 = oob + "getstatus";
        // clang-format off
        const StandIn standIns[] = {
            {"night", {{"\\status\\", {"\\hostname\\Bond\\mapname\\ctf_box\\numplayers\\0\\maxplayers\\8\\final\\\\queryid\\1.1"}}}, false,
             QHostAddress::LocalHost, 0, true},
            {"qktre", {{q3, {oob + "statusResponse\n\\sv_hostname\\Slow\\mapname\\q3dm$n\\sv_maxclients\\4\n2 9 \"Doom\"\n"}}}, true},
            {"jedio", {{q3, {oob + "statusResponse\n\\sv_hostname\\Dual\\mapname\\ffa_bespin\\sv_maxclients\\4\n1 3 \"Kyle\"\n"}}}, false,
             QHostAddress::LocalHostIPv6},
            // Medal of Honor that answers only GameSpy's question, on the game port + 97.
            {"mohaa", {{"\\status\\", {"\\hostname\\MOH GS\\mapname\\obj/obj_team2\\numplayers\\1\\maxplayers\\20\\player_3\\Sarge\\frags_3\\7"
                                        "\\ping_3\\44\\final\\\\queryid\\1.1"}}}, false, QHostAddress::LocalHost, 97}};
        // clang-format on
        std::vector<std::unique_ptr<QUdpSocket>> sockets;
        std::string con;
        for (const StandIn& si : standIns) {
            const QUdpSocket* sock =
                sockets
                    .emplace_back(standIn(
                        [si, asked = std::make_shared<int>(0)](const QByteArray& question) {
                            return ++*asked > 1 || !si.onlySecond
                                       ? QByteArray(si.replies.value(question))
                                             .replace("$n", QByteArray::number(*asked))
                                       : QByteArray();
                        },
                        si.bind))
                    .get();
            const std::string host =
                si.bind == QHostAddress::LocalHostIPv6 ? "owls.example" : "127.0.0.1";
            con += "[" + std::string(si.code) + "]\r\nGame=" + si.code + "\r\nAddress=" + host +
                   ":" + std::to_string(sock->localPort() - si.offset) +
                   (si.queryPort ? "\r\nQueryPort=" + std::to_string(sock->localPort()) : "") +
                   "\r\n";
        }
        QTemporaryDir dir;
        writeFile(dir.path().toStdString() + "/servers.con",
                  con + "[dead]\r\nGame=qktre\r\nAddress=127.0.0.1:9\r\n");
        ServerList list(
            dir.path().toStdString() + "/servers.con",
            [](const QString& name, QObject*,
               std::function<void(const QList<QHostAddress>&)> done) {
                // Before each machine, an address of many (never asked).
                done(name == "owls.example"
                         ? QList<QHostAddress>{QHostAddress("ff02::1"), QHostAddress::LocalHostIPv6,
                                               QHostAddress::Broadcast, QHostAddress::LocalHost}
                         : QList<QHostAddress>{});
            });
        QTRY_VERIFY(std::none_of(list.servers().begin(), list.servers().end(),
                                 [](const Server& s) { return s.resolving; }));
        const std::vector<Server> servers = list.servers();
        StatusCache cache(1000, 4000);
        cache.refresh(servers);
        // Another machine, from the slow server's port, answering first: no answer of the server's.
        QUdpSocket impostor;
        QVERIFY(impostor.bind(QHostAddress("127.0.0.2"), sockets[1]->localPort()));
        impostor.writeDatagram(oob + "statusResponse\n\\sv_hostname\\Impostor\n",
                               QHostAddress::LocalHost, cache.localPort());
        auto seen = [&] {
            QStringList s;
            for (const Server& sv : servers) {
                const Status st = cache.of(sv);
                s << QString::number(int(st.state)) + " " +
                         (st.state == Status::State::Answering ? describe(st.info) : QString());
            }
            return s;
        };
        // clang-format off
        QTRY_COMPARE_WITH_TIMEOUT(seen(), QStringList({"2 Bond|ctf_box|0|8|", "2 Slow|q3dm2|1|4|Doom 2 9", "2 Dual|ffa_bespin|1|4|Kyle 1 3",
                                                       "2 MOH GS|obj/obj_team2|1|20|Sarge 7 44", "3 "}), 3000);
        // clang-format on
        // An answer is kept its lifetime, then asked for again.
        QTRY_COMPARE_WITH_TIMEOUT(cache.of(servers[1]).info.map, "q3dm3", 7000);
    }
};

QTEST_GUILESS_MAIN(SiteTest)
#include "tst_site.moc"
