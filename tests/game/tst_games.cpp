// Real games, as a member has them. Under Debian's real Wine: stand-in Windows games (built with
// MinGW) installed where their installers put them, their registry keys written by Wine's own
// reg, one game in a Lutris-style prefix of its own. Find Games offers them with Debian's native
// engines, Set Selected sets them, and Connect to Server starts each in its prefix, as the game
// itself reports. A downloaded Windows program started by the download window's Run. And a real
// OpenArena dedicated server (Debian's, ioquake3 engine) on loopback with a bot playing, which the
// real OpenArena client, picked in the file list where Debian installs it, joins.
#include "browser/downloadwindow.h"
#include "games/catalogue.h"
#include "games/dirfile.h"
#include "launch/warmwine.h"
#include "platform/filelists.h"
#include "servers/viewservers.h"
#include "settings/gamesfound.h"
#include "settings/settings.h"
#include "site/statuscache.h"
#include "tests/fakes/fakes.h"

#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>

#include <csignal>
#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {
// Runs a Wine command to its end, a minute at most: a Wine that hangs fails the test.
int run(const QString& program, const QStringList& args, const fs::path& prefix = {})
{
    QProcess p;
    if (!prefix.empty()) {
        auto env = QProcessEnvironment::systemEnvironment();
        env.insert("WINEPREFIX", QString::fromStdString(prefix.string()));
        p.setProcessEnvironment(env);
    }
    p.start(program, args);
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}
} // namespace

class GamesTest final : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;
    fs::path home, wine, lutris;
    QProcess server; // OpenArena's
    quint16 port = 0;
    Server arena() const { return {"Night Owls Arena", "qktre", "127.0.0.1:" + QString::number(port), "127.0.0.1", port}; }

    void place(const char* standIn, const fs::path& at)
    {
        fs::create_directories(at.parent_path());
        fs::copy_file(qEnvironmentVariable(standIn).toStdString(), at, fs::copy_options::overwrite_existing);
    }

private slots:
    void initTestCase()
    {
        home = fs::path(tmp.path().toStdString());
        wine = home / ".wine";
        lutris = home / "Games/mohaa";
        qputenv("HOME", tmp.path().toUtf8());
        // OpenArena's server loads its map meanwhile.
        QUdpSocket probe; // a free UDP port for the server
        QVERIFY(probe.bind(QHostAddress::LocalHost, 0));
        port = probe.localPort();
        probe.close();
        server.start(QStringLiteral("/usr/games/openarena-server"),
                     {"+set", "net_ip", "127.0.0.1", "+set", "net_port", QString::number(port), "+set", "dedicated", "1",
                      "+set", "sv_hostname", "^1Night ^7Owls", "+set", "sv_maxclients", "12", "+set", "bot_enable", "1",
                      "+map", "oa_dm1", "+addbot", "sarge"});
        QVERIFY2(server.waitForStarted(), "openarena-server is installed");
        qputenv("WINEPREFIX", QByteArray::fromStdString(wine.string()));
        qputenv("WINEDEBUG", "-all");
        qputenv("WINEDLLOVERRIDES", "mscoree,mshtml="); // no offers to install Mono or Gecko
        QVERIFY2(run("wineboot", {"-i"}) == 0, "wine is installed");
        QVERIFY(fs::is_regular_file(qEnvironmentVariable("TOVO_WINGAME64").toStdString()));
        run("wineserver", {"-w"});
        fs::create_directories(lutris.parent_path());
        QCOMPARE(run("cp", {"-a", QString::fromStdString(wine.string()), QString::fromStdString(lutris.string())}), 0);
        // As the installers leave them: Quake III's key in the 64-bit view, Jedi Outcast's in the
        // 32-bit one, folders with blanks and a letter outside ASCII; MOHAA in its usual folder.
        QCOMPARE(run("wine", {"reg", "add", "HKLM\\Software\\Id\\Quake III Arena", "/v", "InstallPath", "/d",
                              "C:\\Program Files\\Quake III Arena", "/f"}), 0);
        QCOMPARE(run("wine", {"reg", "add", "HKLM\\Software\\LucasArts Entertainment Company LLC\\Star Wars JK II Jedi Outcast\\1.0",
                              "/v", "Install Path", "/d", "C:\\Spiele\\Jedi Outcast \u00e9", "/reg:32", "/f"}), 0);
        run("wineserver", {"-w"});
        place("TOVO_WINGAME64", wine / "drive_c/Program Files/Quake III Arena/quake3.exe");
        place("TOVO_WINGAME64", wine / "drive_c/Spiele/Jedi Outcast \u00e9/GameData/jk2mp.exe");
        place("TOVO_WINGAME64", lutris / "drive_c/Program Files (x86)/EA GAMES/MOHAA/MOHAA.exe");
        StatusCache cache(1000, 200); // asks again soon after each silence while the map loads
        QTRY_VERIFY_WITH_TIMEOUT(!cache.of(arena()).info.list.empty(), 60000); // the bot has joined
    }

    void cleanupTestCase()
    {
        for (const fs::path& p : {wine, lutris}) {
            run("wineserver", {"-k"}, p);
            run("wineserver", {"-w"}, p);
        }
        // A game started where none should be (a 32-bit one on a 64-bit-only Wine hangs, outside
        // the Wine server) goes too, and the OpenArena client: nothing of the test outlives it.
        const QByteArray address = "127.0.0.1:" + QByteArray::number(port);
        for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs))
            if (const QByteArray line = readFile("/proc/" + pid.toStdString() + "/cmdline"); line.contains(tmp.path().toUtf8()) || line.contains(address))
                ::kill(pid.toInt(), SIGKILL);
        server.kill();
        server.waitForFinished();
    }

    void foundGamesStartInTheirOwnPrefixes()
    {
        Started h; // the first run done; then the program's own drives and batch runner
        const Services real = Services::real(h.dir());
        h.services.drives = real.drives;
        h.services.startBatch = real.startBatch;
        std::vector<fs::path> warmed;
        h.services.warmWine = [&](const fs::path& p) { warmed.push_back(p), warmwine::warm(p); };
        h.forms->show(QStringLiteral("viewservers")); // no Windows game set: nothing to get ready
        QVERIFY(warmed.empty());
        auto& v = h.forms->as<viewservers>(QStringLiteral("viewservers"));
        auto& settings = h.forms->as<Settings>(QStringLiteral("Settings"));
        auto connect = [&](const char* page) {
            h.page("/ilnightowls/servers/s.htm", page);
            v.brwWebBrowser->Navigate(h.services.host + "/ilnightowls/servers/s.htm");
            QTRY_COMPARE(v.Text3->text(), QString(page).left(5));
            QTest::mouseClick(v.Command6, Qt::LeftButton);
        };

        // Not set yet: the launch sends the member to Settings, where the search runs by itself.
        QSignalSpy offered(&settings, &Settings::gamesOffered);
        connect("qktre127.0.0.1:27960.htm");
        QCOMPARE(h.boxes->seen.back().title, QStringLiteral("Directories not set."));
        QVERIFY(offered.wait(20000));
        auto* found = offered.takeFirst().at(0).value<GamesFound*>();
        QStringList rows;
        for (auto* box : found->findChildren<QCheckBox*>())
            rows << QString(box->isChecked() ? "[x] " : "[ ] ") + box->text();
        const QString d = QStringLiteral(" \u2014 ");
        QCOMPARE(rows, (QStringList{
            "[x] Quake III" + d + "Wine prefix ~/.wine" + d + "C:\\Program Files\\Quake III Arena\\quake3.exe",
            "[x] JKII - Jedi Outcast" + d + "Wine prefix ~/.wine" + d + "C:\\Spiele\\Jedi Outcast \u00e9\\GameData\\jk2mp.exe",
            "[x] Medal of Honor - Allied Assault" + d + "Lutris ~/Games/mohaa" + d + "C:\\Program Files (x86)\\EA GAMES\\MOHAA\\MOHAA.exe",
            "[x] Quake" + d + "installed engine" + d + "/usr/games/quakespasm",
            "[ ] Quake III" + d + "installed engine" + d + "/usr/lib/ioquake3/ioquake3"}));
        QTest::mouseClick(found->SetSelected, Qt::LeftButton);

        // Each as its Set button writes it; the game in a prefix of its own keeps the prefix.
        const std::string w = wine.string(), l = lutris.string();
        QCOMPARE(h.file("qktre.con"), QByteArray::fromStdString("[Quake III]\r\nDrive=c: [" + w + "/drive_c]\r\nDir=cd c:\\Program Files\\Quake III Arena\\\r\nFile=quake3.exe\r\n[Saved]\r\nPath=1\r\n"));
        QCOMPARE(h.file("mohaa.con"), QByteArray::fromStdString("[Medal of Honor - Allied Assault]\r\nDrive=c: [" + l + "/drive_c]\r\nDir=cd c:\\Program Files (x86)\\EA GAMES\\MOHAA\\\r\nFile=MOHAA.exe\r\nPrefix=" + l + "\r\n[Saved]\r\nPath=1\r\n"));
        QCOMPARE(h.file("qkone.con"), QByteArray("[Quake]\r\nDrive=z: [/]\r\nDir=cd z:\\usr\\games\\\r\nFile=quakespasm\r\n[Saved]\r\nPath=1\r\n"));
        QCOMPARE(settings.setButton(*catalogue::byCode("jedio"))->text(), QStringLiteral("Set JKII - Jedi Outcast+"));

        // The server list shown again: Wine's server of each game's prefix started and kept a
        // while, before any game starts.
        h.forms->hide(QStringLiteral("viewservers"));
        h.forms->show(QStringLiteral("viewservers"));
        QCOMPARE(warmed, (std::vector<fs::path>{lutris, wine})); // in the games' order
        auto kept = [](const fs::path& prefix) {
            struct stat st{};
            ::stat(prefix.c_str(), &st);
            const auto server = QString("/server-%1-%2").arg(st.st_dev, 0, 16).arg(st.st_ino, 0, 16); // Wine's folder for it
            for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs))
                if (readFile("/proc/" + pid.toStdString() + "/cmdline").contains("-p300") &&
                    QFile::symLinkTarget("/proc/" + pid + "/cwd").endsWith(server))
                    return true;
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(kept(wine) && kept(lutris), 20000);

        struct Game { const char* page; fs::path folder; const char* cwd; std::string prefix; };
        for (const Game& g : {Game{"qktre127.0.0.1:27960.htm", wine / "drive_c/Program Files/Quake III Arena", "C:\\Program Files\\Quake III Arena", w},
                              Game{"jedio127.0.0.1:27960.htm", wine / "drive_c/Spiele/Jedi Outcast \u00e9/GameData", "C:\\Spiele\\Jedi Outcast \u00e9\\GameData", w},
                              Game{"mohaa127.0.0.1:27960.htm", lutris / "drive_c/Program Files (x86)/EA GAMES/MOHAA", "C:\\Program Files (x86)\\EA GAMES\\MOHAA", l}}) {
            const auto before = h.boxes->seen.size();
            connect(g.page);
            QTRY_VERIFY_WITH_TIMEOUT(fs::exists(g.folder / "wingame.log"), 30000);
            const QList<QByteArray> seen = readFile(g.folder / "wingame.log").split('\n');
            QVERIFY2(seen.value(0).endsWith(" +set cl_playintro 0 +connect 127.0.0.1:27960"), seen.value(0));
            QCOMPARE(QString::fromUtf8(seen.value(1)), QString("cwd=") + g.cwd);
            QCOMPARE(seen.value(2), QByteArray::fromStdString("prefix=" + g.prefix));
            QCOMPARE(h.boxes->seen.size(), before);
        }
    }

    // Wine without its 32-bit part: the member is told what to install; nothing starts, and
    // Settings stays closed, since the folder is right.
    void a32BitGameOnA64BitOnlyWineIsExplained()
    {
        const fs::path game = wine / "drive_c/Program Files/Quake III Arena/quake3.exe", log = game.parent_path() / "wingame.log";
        place("TOVO_WINGAME32", game);
        fs::remove(log);
        run("wine", {QString::fromStdString(game.string())});
        if (fs::exists(log))
            QSKIP("this Wine runs 32-bit programs");
        Started h;
        const Services real = Services::real(h.dir());
        h.services.drives = real.drives;
        h.services.startBatch = real.startBatch;
        dirfile::store(h.dir(), *catalogue::byCode("qktre"), DriveTable::text(*h.services.drives.find('c')),
                       "cd c:\\Program Files\\Quake III Arena\\", "quake3.exe");
        h.page("/ilnightowls/servers/s.htm", "qktre127.0.0.1:27960.htm");
        auto& v = h.forms->as<viewservers>(QStringLiteral("viewservers"));
        v.brwWebBrowser->Navigate(h.services.host + "/ilnightowls/servers/s.htm");
        QTRY_COMPARE(v.Text3->text(), QStringLiteral("qktre"));
        QTest::mouseClick(v.Command6, Qt::LeftButton);
        QCOMPARE(h.boxes->seen.size(), size_t(1));
        QCOMPARE(h.boxes->seen[0].title, QStringLiteral("32-bit Wine not installed.")); // its text is the tables' test
        QVERIFY(!h.forms->isShown(QStringLiteral("Settings")));
        run("wineserver", {"-w"});
        QVERIFY(!fs::exists(log));
    }

    void openArenaPickedInTheFileListJoins()
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
    void runStartsADownloadedProgram()
    {
        struct Whole final : Download { // a patch installer the engine has saved
            QString suggestedName() const override { return QStringLiteral("mohaa patch 1.11.exe"); }
            void save(const QString& folder, const QString& name, Events events) override
            {
                fs::copy_file(qEnvironmentVariable("TOVO_WINGAME64").toStdString(), (folder + '/' + name).toStdString());
                events.ended(End::Whole, {});
            }
            void cancel() override {}
        };
        QTemporaryDir home; // no download folder there: the file lands in the home folder
        qputenv("HOME", home.path().toUtf8());
        Started h;
        DownloadWindow* w = DownloadWindow::start(*h.forms, std::make_unique<Whole>());
        QVERIFY(w->run->isVisible()); // a Windows program: the member can run it
        QTest::mouseClick(w->run, Qt::LeftButton);
        const fs::path log = home.path().toStdString() + "/wingame.log";
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(log), 30000);
        QVERIFY2(readFile(log).contains("mohaa patch 1.11.exe"), readFile(log));
        QVERIFY(h.boxes->seen.empty());
    }
};

QTEST_MAIN(GamesTest)
#include "tst_games.moc"
