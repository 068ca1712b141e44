// The host's status against Debian's quakestat, a status tool written against real game servers:
// the same stand-in replies, read by both, field by field, family by family.
#include "site/statuscache.h"
#include "tests/fakes/fakes.h"

#include <QNetworkDatagram>
#include <QProcess>
#include <QTest>
#include <QUdpSocket>

using Replies = QHash<QByteArray, QList<QByteArray>>; // by the question's first bytes

namespace {
QByteArray netQuakePlayer(char index, const QByteArray& name, char frags) // colours 0, connect time 16 s
{
    return netQuake("\x84" + QByteArray(1, index) + name + QByteArray("\0\0\0\0\0", 5) + frags + QByteArray(frags < 0 ? 3 : 0, '\xff') +
                    QByteArray(frags < 0 ? 0 : 3, '\0') + QByteArray("\x10\0\0\0" "1.2.3.4\0", 12));
}
// Names members write: colour codes, quotes, markup, letters beyond ASCII.
const QList<QByteArray> names{"^1Red^7Owl", "O'Neil", "<script>x</script>", "Gr\xc3\xbcn \xe2\x98\x85", "Neg"};
QByteArray quakeLines(bool score) // [score] ping "name"
{
    QByteArray out;
    for (int i = 0; i < names.size(); ++i)
        out += (score ? QByteArray::number(i * 3 - 4) + ' ' : QByteArray()) + QByteArray::number(10 + i) + " \"" + names[i] + "\"\n";
    return out;
}
} // namespace

class QuakestatTest final : public QObject {
    Q_OBJECT

private slots:
    void sameFieldsAsQuakestat_data()
    {
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("type");   // quakestat's name for the server type
        QTest::addColumn<int>("offset");     // of the stand-in's port from the game port
        QTest::addColumn<Replies>("replies");
        // The Quake III engine's: quakestat asks "getinfo" first, then "getstatus".
        auto q3 = [](const QByteArray& dir, const QByteArray& host, const QByteArray& map, int n, const QByteArray& players) {
            const QByteArray back = dir.isEmpty() ? "" : "\x01", info = "\\hostname\\" + host + "\\mapname\\" + map + "\\sv_maxclients\\16";
            return Replies{{oob + dir + "getinfo", {oob + back + "infoResponse\n" + info + "\\clients\\" + QByteArray::number(n)}},
                           {oob + dir + "getstatus", {oob + back + "statusResponse\n" + info + '\n' + players}}};
        };
        QTest::newRow("Quake III") << "qktre" << "q3s" << 0 << q3("", "^1Night ^7Owls", "q3dm17", 5, quakeLines(true));
        QTest::newRow("SoF II 1.01") << "softw" << "sof2s" << 0 << q3("", "SoF2 Owls", "mp_shop", 2, "12 80 1 \"Blue^2Jay\"\n-1 30 2 \"Crow\"\n");
        QTest::newRow("Medal of Honor") << "mohaa" << "mhs" << 0 << q3("\x02", "MOH Owls", "dm/mohdm1", 5, quakeLines(false));
        const QByteArray gameSpyPlayers = "\\player_0\\^1Red^7Owl\\frags_0\\-2\\ping_0\\30\\player_1\\say \"hi\"\\frags_1\\7\\ping_1\\31"
                                          "\\player_2\\<script>x</script>\\frags_2\\0\\ping_2\\32\\player_3\\Gr\xc3\xbcn\\frags_3\\1\\ping_3\\33";
        // In order: quakestat drops the players of parts that come out of order (the host reads them; tst_site).
        QTest::newRow("Medal of Honor, GameSpy") << "mohaa" << "mas" << 97 << Replies{ // no colour codes: quakestat keeps them here
            {"\\status\\", {"\\hostname\\MOH GS\\mapname\\obj/obj_team2\\numplayers\\2\\maxplayers\\20\\queryid\\3.1",
                            "\\player_0\\Sarge\\frags_0\\7\\ping_0\\44\\player_1\\<b>\\frags_1\\-1\\ping_1\\50\\final\\\\queryid\\3.2"}}};
        QTest::newRow("Unreal Tournament") << "untor" << "uns" << 1 << Replies{
            {"\\status\\", {"\\hostname\\UT ^Owls\\mapname\\DM-Deck16][\\numplayers\\4\\maxplayers\\16\\queryid\\9.1",
                            gameSpyPlayers + "\\final\\\\queryid\\9.2"}}};
        QTest::newRow("Quake II") << "qktwo" << "q2s" << 0 << Replies{
            {oob + "status", {oob + "print\n\\hostname\\Q2 ^Owls\\mapname\\q2dm1\\maxclients\\8\n" + quakeLines(true)}}};
        // Quake's names in its own letters: high bit set, digits 0x12-0x1B, brackets 0x10/0x11.
        QTest::newRow("Quake") << "qkone" << "qs" << 0 << Replies{
            {QByteArray("\x80\x00\x00\x0c\x02QUAKE", 10), {netQuake(QByteArray("\x83" "127.0.0.1:26000\0Owl Quake\0e1m1\0\x03\x08\x03", 35))}},
            {QByteArray("\x80\x00\x00\x06\x03\x00", 6), {netQuakePlayer(0, "\x90\xd2\xef\xf7\xec\x93\x9b\x91", 5)}},
            {QByteArray("\x80\x00\x00\x06\x03\x01", 6), {netQuakePlayer(1, "^1Zap <b>", -3)}},
            {QByteArray("\x80\x00\x00\x06\x03\x02", 6), {netQuakePlayer(2, "O'Neil", 0)}},
            {QByteArray("\x80\x00", 2), {netQuake("\x85")}}}; // no rules
    }

    void sameFieldsAsQuakestat()
    {
        QFETCH(QString, code);
        QFETCH(QString, type);
        QFETCH(int, offset);
        QFETCH(Replies, replies);
        QUdpSocket standIn; // answers the longest question it knows that a datagram begins with
        QVERIFY(standIn.bind(QHostAddress::LocalHost, 0));
        connect(&standIn, &QUdpSocket::readyRead, &standIn, [&] {
            for (QNetworkDatagram d; standIn.hasPendingDatagrams();) {
                QByteArray asked, data = (d = standIn.receiveDatagram()).data();
                for (auto it = replies.begin(); it != replies.end(); ++it)
                    asked = data.startsWith(it.key()) && it.key().size() > asked.size() ? it.key() : asked;
                for (const QByteArray& r : replies.value(asked))
                    standIn.writeDatagram(r, d.senderAddress(), d.senderPort());
            }
        });
        const quint16 game = quint16(standIn.localPort() - offset);
        const QString address = "127.0.0.1:" + QString::number(type == "mas" ? standIn.localPort() : game);
        // quakestat changes names (colours out, Quake's letters, but UTF-8 too) unless told -nnx:
        // a name beyond ASCII is taken from a run that leaves names alone (but Quake's, which are
        // Quake's letters).
        QProcess transformed, whole;
        for (QProcess* p : {&transformed, &whole})
            p->start("quakestat", {"-raw", "\t", "-P", "-nh", "-timeout", "5", p == &whole ? "-nnx" : "-nx", "-" + type, address});
        const Server s{"owls", code, "127.0.0.1:" + QString::number(game), "127.0.0.1", game};
        StatusCache cache(2000, 60000);
        QTRY_VERIFY_WITH_TIMEOUT(cache.of(s).state == Status::State::Answering &&
                                     transformed.state() == QProcess::NotRunning && whole.state() == QProcess::NotRunning, 10000);
        auto rows = [](QProcess& p) {
            QList<QStringList> out;
            for (const QString& line : QString::fromUtf8(p.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts))
                out << line.split('\t');
            return out;
        };
        const QList<QStringList> q = rows(transformed), w = rows(whole);
        QVERIFY2(q.size() > 1 && q.size() == w.size() && q[0].size() > 7, qPrintable(q.value(0).join('|')));
        // Server: name, map, slots, players. Players: name, score (quakestat writes 0 where the
        // game sends none), ping (where the game sends one), in either's order. Quake's rows
        // have columns of their own (address and protocol; the player's number first).
        const bool quake = code == "qkone";
        const status::Info& i = cache.of(s).info;
        const QStringList server = quake ? QStringList{q[0][2], q[0][5], q[0][6], q[0][7]} : q[0].mid(2, 4);
        QCOMPARE((QStringList{i.host, i.map, QString::number(i.maxPlayers), QString::number(i.players)}), server);
        QStringList host, theirs;
        for (const status::Player& p : i.list)
            host << QStringList{p.name, QString::number(p.score.value_or(0)), p.ping >= 0 ? QString::number(p.ping) : "-"}.join('|');
        for (qsizetype n = 1; n < q.size(); ++n) {
            const QStringList& row = !quake && w[n].join('\t').toUtf8() != w[n].join('\t').toLatin1() ? w[n] : q[n];
            theirs << (quake ? QStringList{row[1], row[3], "-"} : row.mid(0, 3)).join('|');
        }
        host.sort();
        theirs.sort();
        QCOMPARE(host, theirs);
    }
};

QTEST_GUILESS_MAIN(QuakestatTest)
#include "tst_quakestat.moc"
