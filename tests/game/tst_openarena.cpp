// A real OpenArena dedicated server (Debian's, ioquake3 engine) on loopback, with a bot playing:
// the host's Quake III status query reads it, and the real OpenArena client, picked in the
// settings window's file list where Debian installs it, joins it on Connect to Server.
#include "platform/filelists.h"
#include "servers/viewservers.h"
#include "settings/settings.h"
#include "site/statuscache.h"
#include "tests/fakes/fakes.h"

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QUdpSocket>

#include <csignal>

class OpenArenaTest final : public QObject {
    Q_OBJECT
    QProcess server;
    quint16 port = 0;
    QTemporaryDir home; // the client's own settings go here, not into the machine's home
    Server arena() const { return {"Night Owls Arena", "qktre", "127.0.0.1:" + QString::number(port), "127.0.0.1", port}; }

private slots:
    void initTestCase()
    {
        QUdpSocket probe; // a free UDP port for the server
        QVERIFY(probe.bind(QHostAddress::LocalHost, 0));
        port = probe.localPort();
        probe.close();
        server.start(QStringLiteral("/usr/games/openarena-server"),
                     {"+set", "net_ip", "127.0.0.1", "+set", "net_port", QString::number(port), "+set", "dedicated", "1",
                      "+set", "sv_hostname", "^1Night ^7Owls", "+set", "sv_maxclients", "12", "+set", "bot_enable", "1",
                      "+map", "oa_dm1", "+addbot", "sarge"});
        QVERIFY2(server.waitForStarted(), "openarena-server is installed");
        qputenv("HOME", home.path().toUtf8());
        StatusCache cache(1000, 200); // asks again soon after each silence while the map loads
        QTRY_VERIFY_WITH_TIMEOUT(!cache.of(arena()).info.list.empty(), 60000); // the bot has joined
    }

    void cleanupTestCase()
    {
        const QByteArray address = "127.0.0.1:" + QByteArray::number(port);
        for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs))
            if (readFile("/proc/" + pid.toStdString() + "/cmdline").contains(address))
                ::kill(pid.toInt(), SIGKILL);
        server.kill();
        server.waitForFinished();
    }

    void clientPickedInTheFileListJoins()
    {
        Started h;
        h.services.drives = DriveTable({{'z', "/"}});
        h.services.startBatch = Services::real(h.dir()).startBatch;
        auto& settings = h.forms->as<Settings>(QStringLiteral("Settings"));
        QVERIFY(settings.Dir1->setPath(QStringLiteral("z:\\usr\\games")));
        const auto items = settings.File1->findItems(QStringLiteral("openarena"), Qt::MatchExactly);
        QCOMPARE(items.size(), 1); // a start script, no ".exe" and no link made for it
        QTest::mouseClick(settings.File1->viewport(), Qt::LeftButton, {}, settings.File1->visualItemRect(items[0]).center());
        QTest::mouseClick(settings.setButton(*catalogue::byCode("qktre")), Qt::LeftButton);

        h.page("/ilnightowls/servers/s.htm", "qktre127.0.0.1:" + QString::number(port) + ".htm");
        auto& v = h.forms->as<viewservers>(QStringLiteral("viewservers"));
        v.brwWebBrowser->Navigate(h.services.host + "/ilnightowls/servers/s.htm");
        QTRY_COMPARE(v.Text3->text(), QStringLiteral("qktre"));
        QTest::mouseClick(v.Command6, Qt::LeftButton);
        QVERIFY(h.boxes->seen.empty());
        // The member is on the server: the host's status reads it with the client's player beside
        // the bot, colours out of the server's name.
        StatusCache cache(1000, 200);
        Status st;
        auto names = [](const Status& st) {
            QStringList n;
            for (const status::Player& p : st.info.list)
                n << p.name + (p.score && p.ping >= 0 ? "" : " (no score or ping)");
            n.sort(); // whoever leads
            return n.join(',');
        };
        QTRY_VERIFY_WITH_TIMEOUT(names(st = cache.of(arena())).contains(QStringLiteral("UnnamedPlayer")), 120000);
        QCOMPARE((QStringList{st.info.host, st.info.map, QString::number(st.info.players), QString::number(st.info.maxPlayers), names(st)}),
                 (QStringList{"Night Owls", "oa_dm1", "2", "12", "Sarge,UnnamedPlayer"}));
        QVERIFY(st.roundTripMs >= 0 && st.roundTripMs < 1000);
    }
};

QTEST_MAIN(OpenArenaTest)
#include "tst_openarena.moc"
