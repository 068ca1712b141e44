// Real games, as a member has them: stand-in Windows games (MinGW) under Debian's Wine, where
// their installers and a Lutris prefix put them, found, set and started each in its prefix; a real
// OpenArena server and client, its status read by the host; the desktop's notifications and links.
#include "games/catalogue.h"
#include "games/dirfile.h"
#include "launch/warmwine.h"
#include "platform/filelists.h"
#include "platform/timer.h"
#include "friends/listing.h"
#include "friends/notifier.h"
#include "friends/oneclient.h"
#include "friends/watch.h"
#include "browser/downloadwindow.h"
#include "settings/gamesfound.h"
#include "settings/settings.h"
#include "servers/serverpassword.h"
#include "servers/viewservers.h"
#include "site/statuscache.h"
#include "tests/fakes/fakes.h"

#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QLocalServer>
#include <QLocalSocket>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QSignalSpy>
#include <QTest>
#include <QUdpSocket>

#include <csignal>
#include <cstdio>
#include <fcntl.h>
#include <pwd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

const char* const matchPassword = "m4tch-n1ght";

namespace {
// The process's own output (the client's, and that of the games it starts, which share it) into
// a file while it lives; its end is shown when it goes, so that a test's failure is seen.
struct Captured {
    explicit Captured(const std::string& file) : file(file) {
        std::fflush(stdout), std::fflush(stderr);
        const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_APPEND, 0600);
        ::dup2(fd, 1), ::dup2(fd, 2), ::close(fd);
    }
    ~Captured() {
        std::fflush(stdout), std::fflush(stderr);
        ::dup2(out, 1), ::dup2(err, 2), ::close(out), ::close(err);
        std::fputs(readFile(file).right(3000).constData(), stdout);
    }
    std::string file;
    int out = ::dup(1), err = ::dup(2);
};

// Runs a Wine command to its end, a minute at most: a Wine that hangs fails the test.
int run(const QString& program, const QStringList& args, const fs::path& prefix = {}) {
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
    fs::path home, wine, lutris, runner, system, starts, byHand, byOther;
    QProcess server, matchServer; // OpenArena's: open, and locked with a password
    QProcess bus;                 // the session bus
    std::string busDir() const { return tmp.path().toStdString() + "/bus"; }
    quint16 port = 0, matchPort = 0;
    // An OpenArena server of the test's as the host's list has it.
    static Server onLoopback(const QString& name, quint16 at) {
        const QString address = "127.0.0.1:" + QString::number(at);
        return {
            name, "qktre", address, "127.0.0.1", at, 0, {QHostAddress(QHostAddress::LocalHost)}};
    }
    Server arena() const { return onLoopback("Night Owls Arena", port); }

    // A Wine's folder with stand-ins for its wine and wineserver that write each start to the
    // starts log and run Debian's; its wine.inf is Debian's, so a prefix Debian's Wine made is its.
    void wineFolder(const fs::path& dir, const std::string& who) {
        fs::create_directories(dir / "bin");
        fs::create_directories(dir / "share/wine");
        fs::create_symlink("/usr/share/wine/wine.inf", dir / "share/wine/wine.inf");
        for (const std::string program : {"wine", "wineserver"}) {
            writeProgram(dir / "bin" / program, "#!/bin/sh\necho \"" + who + " " + program +
                                                    " $WINEPREFIX $*\" >>'" + starts.string() +
                                                    "'\nexec /usr/bin/" + program + " \"$@\"\n");
        }
    }

    static void killAll(const QByteArray& mark) { // every process whose command line holds it
        for (const QString& pid : QDir("/proc").entryList(QDir::Dirs))
            if (readFile("/proc/" + pid.toStdString() + "/cmdline").contains(mark))
                ::kill(pid.toInt(), SIGKILL);
    }

    void place(const char* standIn, const fs::path& at) {
        fs::create_directories(at.parent_path());
        fs::copy_file(qEnvironmentVariable(standIn).toStdString(), at,
                      fs::copy_options::overwrite_existing);
    }

private slots:
    void initTestCase() {
        home = fs::path(tmp.path().toStdString());
        wine = home / ".wine";
        lutris = home / "Lutris Games/mohaa"; // not in ~/Games: only its Lutris config names it
        byHand = home / "Games/rtcw", byOther = home / "Games/sof"; // no launcher names these
        runner = home / ".local/share/lutris/runners/wine/lutris-7.2-x86_64";
        system = home / "usr";
        starts = home / "starts.log";
        qputenv("HOME", tmp.path().toUtf8());
        // OpenArena's servers load their map meanwhile.
        auto openArena = [](QProcess& p, quint16& at, QStringList more) {
            QUdpSocket probe; // a free UDP port for the server
            QVERIFY(probe.bind(QHostAddress::LocalHost, 0));
            at = probe.localPort();
            probe.close();
            p.start("/usr/games/openarena-server",
                    QStringList{"+set", "net_ip", "127.0.0.1", "+set", "net_port",
                                QString::number(at), "+set", "dedicated", "1"} +
                        more);
            QVERIFY2(p.waitForStarted(), "openarena-server is installed");
        };
        openArena(server, port,
                  {"+set", "sv_hostname", "^1Night ^7Owls", "+set", "sv_maxclients", "12", "+set",
                   "bot_enable", "1", "+map", "oa_dm1", "+addbot", "sarge"});
        openArena(matchServer, matchPort, {"+set", "g_password", matchPassword, "+map", "oa_dm1"});
        qputenv("WINEPREFIX", QByteArray::fromStdString(wine.string()));
        qputenv("WINEDEBUG", "-all");
        qputenv("WINEDLLOVERRIDES", "mscoree,mshtml="); // no offers to install Mono or Gecko
        QVERIFY2(run("wineboot", {"-i"}) == 0, "wine is installed");
        QVERIFY(fs::is_regular_file(qEnvironmentVariable("TOVO_WINGAME64").toStdString()));
        run("wineserver", {"-w"});
        for (const fs::path& p : {lutris, byHand}) { // copies of Debian's prefix
            fs::create_directories(p.parent_path());
            QCOMPARE(run("cp", {"-a", QString::fromStdString(wine.string()),
                                QString::fromStdString(p.string())}),
                     0);
        }
        // Another Wine's prefix, as Find Games reads it: its registry, its c:, that Wine's stamp.
        fs::create_directories(byOther / "dosdevices");
        fs::create_directory_symlink("../drive_c", byOther / "dosdevices/c:");
        fs::copy_file(wine / "system.reg", byOther / "system.reg");
        writeFile(byOther / ".update-timestamp", "1700000000\n");
        // As the installers leave them: Quake III's key in the 64-bit view, Jedi Outcast's in the
        // 32-bit one, folders with blanks and a letter outside ASCII; MOHAA in its usual folder.
        QCOMPARE(run("wine", {"reg", "add", "HKLM\\Software\\Id\\Quake III Arena", "/v",
                              "InstallPath", "/d", "C:\\Program Files\\Quake III Arena", "/f"}),
                 0);
        QCOMPARE(run("wine", {"reg", "add",
                              "HKLM\\Software\\LucasArts Entertainment Company LLC\\Star Wars JK "
                              "II Jedi Outcast\\1.0",
                              "/v", "Install Path", "/d", "C:\\Spiele\\Jedi Outcast \u00e9",
                              "/reg:32", "/f"}),
                 0);
        run("wineserver", {"-w"});
        place("TOVO_WINGAME64", wine / "drive_c/Program Files/Quake III Arena/quake3.exe");
        place("TOVO_WINGAME64", wine / "drive_c/Spiele/Jedi Outcast \u00e9/GameData/jk2mp.exe");
        place("TOVO_WINGAME64", lutris / "drive_c/Program Files (x86)/EA GAMES/MOHAA/MOHAA.exe");
        place("TOVO_WINGAME64",
              byHand / "drive_c/Program Files/Return to Castle Wolfenstein/WolfMP.exe");
        place("TOVO_WINGAME64",
              byOther / "drive_c/Program Files/Activision/Soldier of Fortune/SoF.exe");
        writeFile(home / ".config/lutris/games/medal-of-honor-1700000000.yml",
                  "game:\n  arch: win64\n  prefix: " + lutris.string() +
                      "\nwine:\n  version: lutris-7.2-x86_64\n");
        wineFolder(runner, "runner");
        // Debian's wine and wineserver, and a Steam, as the client finds them on PATH.
        wineFolder(system, "system");
        writeProgram(system / "bin/steam",
                     "#!/bin/sh\necho \"steam $*\" >>'" + starts.string() + "'\n");
        qputenv("PATH",
                QByteArray::fromStdString((system / "bin").string()) + ":" + qgetenv("PATH"));
        writeFile(home / ".local/share/Steam/steamapps/appmanifest_2320.acf",
                  "\"AppState\" { \"installdir\" \"Quake 2\" }");
        place("TOVO_WINGAME64", home / ".local/share/Steam/steamapps/common/Quake 2/quake2.exe");
        // A session bus of the test's own, the process's only one (the first use's), which starts
        // Debian's dunst when notifications are first asked for, once.
        const std::string d = busDir();
        writeFile(
            d + "/bus.conf",
            "<busconfig><type>session</type><listen>unix:tmpdir=/tmp</listen>"
            "<servicedir>" +
                d +
                "</servicedir><policy context=\"default\">"
                "<allow send_destination=\"*\" eavesdrop=\"true\"/><allow eavesdrop=\"true\"/>"
                "<allow own=\"*\"/></policy></busconfig>");
        writeFile(d + "/dunst.service",
                  "[D-BUS Service]\nName=org.freedesktop.Notifications\nExec=" + d + "/once\n");
        writeProgram(d + "/once", "#!/bin/sh\nmkdir " + d + "/started || exit 1\nexec dunst\n");
        bus.start("dbus-daemon", {"--config-file=" + QString::fromStdString(d) + "/bus.conf",
                                  "--nofork", "--print-address=1"});
        QVERIFY(bus.waitForReadyRead(10000));
        qputenv("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed());
        StatusCache cache(1000, 200); // asks again soon after each silence while the map loads
        QTRY_VERIFY_WITH_TIMEOUT(!cache.of(arena()).info.list.empty(), 60000); // the bot has joined
    }

    void cleanupTestCase() {
        for (const fs::path& p : {wine, lutris, byHand}) {
            run("wineserver", {"-k"}, p);
            run("wineserver", {"-w"}, p);
        }
        // A game started where none should be (a 32-bit one on a 64-bit-only Wine hangs, outside
        // the Wine server) goes too, and the OpenArena client: nothing of the test outlives it.
        for (const QByteArray& mark : {tmp.path().toUtf8(), "127.0.0.1:" + QByteArray::number(port),
                                       "127.0.0.1:" + QByteArray::number(matchPort)})
            killAll(mark);
        for (QProcess* p : {&server, &matchServer, &bus})
            p->kill(), p->waitForFinished();
    }

    void foundGamesStartInTheirOwnPrefixes() {
        Started h; // the first run done; then the program's own drives and batch runner
        h.services.drives = Services::real(h.dir()).drives;
        wireLaunch(h.services);
        std::vector<Runner> warmed;
        h.services.warmWine = [&](const Runner& r) { warmed.push_back(r), warmwine::warm(r); };
        h.forms->show("viewservers"); // no Windows game set: nothing to get ready
        QVERIFY(warmed.empty());
        auto& settings = h.forms->as<Settings>("Settings");

        // Not set yet: the launch sends the member to Settings, where the search runs by itself.
        QSignalSpy offered(&settings, &Settings::gamesOffered);
        h.connectOn("qktre127.0.0.1:27960.htm");
        QVERIFY(offered.wait(20000));
        auto* found = offered.takeFirst().at(0).value<GamesFound*>();
        QStringList rows;
        for (QWidget* row : found->findChildren<QWidget*>(QRegularExpression("^Found"))) {
            const QVariant ticked = row->property("checked"); // none: no box
            rows << (ticked.isValid() ? ticked.toBool() ? "[x] " : "[ ] " : "    ") +
                        row->property("text").toString();
        }
        const QString d = " \u2014 ";
        // clang-format off
        QCOMPARE(rows, (QStringList{
            "[x] Quake III" + d + "Wine prefix ~/.wine" + d + "C:\\Program Files\\Quake III Arena\\quake3.exe",
            "[x] JKII - Jedi Outcast" + d + "Wine prefix ~/.wine" + d + "C:\\Spiele\\Jedi Outcast \u00e9\\GameData\\jk2mp.exe",
            "[x] Medal of Honor - Allied Assault" + d + "Lutris: Medal of Honor (Wine lutris-7.2)" + d + "C:\\Program Files (x86)\\EA GAMES\\MOHAA\\MOHAA.exe",
            "[x] Return to Castle Wolfenstein" + d + "Wine prefix ~/Games/rtcw" + d + "C:\\Program Files\\Return to Castle Wolfenstein\\WolfMP.exe",
            "    Soldier of Fortune" + d + "Wine prefix ~/Games/sof" + d + "C:\\Program Files\\Activision\\Soldier of Fortune\\SoF.exe" + d + "made by another Wine: set it through its launcher",
            "[x] Quake II" + d + "Steam 2320" + d + "~/.local/share/Steam/steamapps/common/Quake 2/quake2.exe",
            "[x] Quake" + d + "installed engine" + d + "/usr/games/quakespasm",
            "[ ] Quake III" + d + "installed engine" + d + "/usr/lib/ioquake3/ioquake3"}));
        // clang-format on
        QTest::mouseClick(found->SetSelected, Qt::LeftButton);

        // Each as Set writes it; a launcher's game keeps its prefix and Wine, or its Steam number.
        const std::string w = wine.string(), l = lutris.string(), b = byHand.string();
        std::string z = home.string();
        std::replace(z.begin(), z.end(), '/', '\\');
        // clang-format off
        QCOMPARE(h.file("qktre.con"), QByteArray::fromStdString("[Quake III]\r\nDrive=c: [" + w + "/drive_c]\r\nDir=cd c:\\Program Files\\Quake III Arena\\\r\nFile=quake3.exe\r\n[Saved]\r\nPath=1\r\n"));
        QCOMPARE(h.file("mohaa.con"), QByteArray::fromStdString("[Medal of Honor - Allied Assault]\r\nDrive=c: [" + l + "/drive_c]\r\nDir=cd c:\\Program Files (x86)\\EA GAMES\\MOHAA\\\r\nFile=MOHAA.exe\r\nPrefix=" + l + "\r\nWine=" + (runner / "bin/wine").string() + "\r\n[Saved]\r\nPath=1\r\n"));
        QCOMPARE(h.file("rwolf.con"), QByteArray::fromStdString("[Return to Castle Wolfenstein]\r\nDrive=c: [" + b + "/drive_c]\r\nDir=cd c:\\Program Files\\Return to Castle Wolfenstein\\\r\nFile=WolfMP.exe\r\nPrefix=" + b + "\r\n[Saved]\r\nPath=1\r\n"));
        QCOMPARE(h.file("qktwo.con"), QByteArray::fromStdString("[Quake II]\r\nDrive=z: [/]\r\nDir=cd z:" + z + "\\.local\\share\\Steam\\steamapps\\common\\Quake 2\\\r\nFile=quake2.exe\r\nSteam=2320\r\n[Saved]\r\nPath=1\r\n"));
        QCOMPARE(h.file("qkone.con"), QByteArray("[Quake]\r\nDrive=z: [/]\r\nDir=cd z:\\usr\\games\\\r\nFile=quakespasm\r\n[Saved]\r\nPath=1\r\n"));
        // clang-format on
        QCOMPARE(settings.setButton(*catalogue::byCode("jedio"))->text(),
                 "Set JKII - Jedi Outcast+");

        // Shown again: the Wine server of each Windows game's prefix (games' order), the one beside
        // the Wine that made it, started and kept before any game starts; none for Steam's.
        h.forms->hide("viewservers");
        h.forms->show("viewservers");
        QCOMPARE(warmed, (std::vector<Runner>{{lutris, runner / "bin/wine", {}},
                                              {wine, system / "bin/wine", {}},
                                              {byHand, system / "bin/wine", {}}}));
        auto kept = [](const fs::path& prefix) {
            struct stat st {};
            ::stat(prefix.c_str(), &st);
            const auto server = QString("/server-%1-%2")
                                    .arg(st.st_dev, 0, 16)
                                    .arg(st.st_ino, 0, 16); // Wine's folder for it
            for (const QString& pid : QDir("/proc").entryList(QDir::Dirs))
                if (readFile("/proc/" + pid.toStdString() + "/cmdline").contains("-p300") &&
                    QFile::symLinkTarget("/proc/" + pid + "/cwd").endsWith(server))
                    return true;
            return false;
        };
        QTRY_VERIFY_WITH_TIMEOUT(kept(wine) && kept(lutris) && kept(byHand), 20000);
        h.forms->hide("viewservers"); // once a minute at most
        h.forms->show("viewservers");
        QCOMPARE(warmed.size(), size_t(3));

        // clang-format off
        struct Game { const char* page; fs::path folder; const char* cwd; std::string prefix; };
        for (const Game& g : {Game{"qktre127.0.0.1:27960.htm", wine / "drive_c/Program Files/Quake III Arena", "C:\\Program Files\\Quake III Arena", w},
                              Game{"jedio127.0.0.1:27960.htm", wine / "drive_c/Spiele/Jedi Outcast \u00e9/GameData", "C:\\Spiele\\Jedi Outcast \u00e9\\GameData", w},
                              Game{"mohaa127.0.0.1:27960.htm", lutris / "drive_c/Program Files (x86)/EA GAMES/MOHAA", "C:\\Program Files (x86)\\EA GAMES\\MOHAA", l},
                              Game{"rwolf127.0.0.1:27960.htm", byHand / "drive_c/Program Files/Return to Castle Wolfenstein", "C:\\Program Files\\Return to Castle Wolfenstein", b}}) {
            // clang-format on
            const auto before = h.boxes->seen.size();
            h.connectOn(g.page);
            QTRY_VERIFY_WITH_TIMEOUT(fs::exists(g.folder / "wingame.log"), 30000);
            const QList<QByteArray> seen = readFile(g.folder / "wingame.log").split('\n');
            QVERIFY2(seen.value(0).endsWith(" +set cl_playintro 0 +connect 127.0.0.1:27960"),
                     seen.value(0));
            QCOMPARE(QString::fromUtf8(seen.value(1)), QString("cwd=") + g.cwd);
            QCOMPARE(seen.value(2), QByteArray::fromStdString("prefix=" + g.prefix));
            QCOMPARE(h.boxes->seen.size(), before);
        }
        h.connectOn("qktwo127.0.0.1:27960.htm");
        QTRY_VERIFY(readFile(starts).contains(
            "steam -applaunch 2320 +set cl_playintro 0 +connect 127.0.0.1:27960\n"));
        // Nothing of the system's Wine ran in the Lutris prefix: its runner did all. The system's
        // Wine started the game in the prefix it made, and nothing ran in another Wine's.
        const QByteArray log = readFile(starts), lp = QByteArray::fromStdString(l);
        QVERIFY2(log.contains(QByteArray::fromStdString("system wine " + b + " " + b)) &&
                     !log.contains(byOther.c_str()),
                 log);
        const QByteArray exe = QByteArray::fromStdString(
            (lutris / "drive_c/Program Files (x86)/EA GAMES/MOHAA/MOHAA.exe").string());
        QVERIFY2(!log.contains("system wine " + lp) && !log.contains("system wineserver " + lp),
                 log);
        for (const QByteArray& line :
             {"runner wineserver " + lp + " -p300\n", "runner wine " + lp + " cmd /c exit\n",
              "runner wine " + lp + " " + exe + " +set cl_playintro 0 +connect 127.0.0.1:27960\n"})
            QVERIFY2(log.contains(line), line);

        // The runner removed in Lutris: the member is told, and no other Wine stands in.
        fs::rename(runner, runner.string() + ".gone");
        h.connectOn("mohaa127.0.0.1:27960.htm");
        QCOMPARE(h.boxes->seen.back().title, "Wine not found."); // its text is the tables' test
        fs::rename(runner.string() + ".gone", runner);
        QCOMPARE(readFile(starts), log);
    }

    // Wine without its 32-bit part: the member is told what to install; nothing starts, and
    // Settings stays closed, since the folder is right.
    void a32BitGameOnA64BitOnlyWineIsExplained() {
        const fs::path game = wine / "drive_c/Program Files/Quake III Arena/quake3.exe",
                       log = game.parent_path() / "wingame.log";
        place("TOVO_WINGAME32", game);
        fs::remove(log);
        run("wine", {QString::fromStdString(game.string())});
        if (fs::exists(log)) QSKIP("this Wine runs 32-bit programs");
        Started h;
        h.services.drives = Services::real(h.dir()).drives;
        wireLaunch(h.services);
        dirfile::store(h.dir(), *catalogue::byCode("qktre"),
                       DriveTable::text(*h.services.drives.find('c')),
                       "cd c:\\Program Files\\Quake III Arena\\", "quake3.exe");
        h.connectOn("qktre127.0.0.1:27960.htm");
        QCOMPARE(h.boxes->seen.size(), size_t(1));
        // Its text is the tables' test.
        QCOMPARE(h.boxes->seen[0].title, "32-bit Wine not installed.");
        QVERIFY(!h.forms->isShown("Settings"));
        run("wineserver", {"-w"});
        QVERIFY(!fs::exists(log));
    }

    void openArenaPickedInTheFileListJoins() {
        QTemporaryDir root; // the community's host, its history from before the member joins
        writeFile(root.path().toStdString() + "/servers.con",
                  "[Night Owls Arena]\r\nGame=qktre\r\nAddress=127.0.0.1:" + std::to_string(port) +
                      "\r\n");
        Site site({"--root", root.path(), "--maps", "/usr/share/games/openarena/baseoa"});
        Started h;
        h.services.drives = DriveTable({{'z', "/"}});
        wireLaunch(h.services);
        auto& settings = h.forms->as<Settings>("Settings");
        QVERIFY(settings.Dir1->setPath("z:\\usr\\games"));
        const auto items = settings.File1->findItems("openarena", Qt::MatchExactly);
        QCOMPARE(items.size(), 1); // a start script, no ".exe" and no link made for it
        QTest::mouseClick(settings.File1->viewport(), Qt::LeftButton, {},
                          settings.File1->visualItemRect(items[0]).center());
        QTest::mouseClick(settings.setButton(*catalogue::byCode("qktre")), Qt::LeftButton);

        h.connectOn("qktre127.0.0.1:" + QString::number(port) + ".htm");
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
        QTRY_VERIFY_WITH_TIMEOUT(names(st = cache.of(arena())).contains("UnnamedPlayer"), 120000);
        QCOMPARE((QStringList{st.info.host, st.info.map, QString::number(st.info.players),
                              QString::number(st.info.maxPlayers), names(st)}),
                 (QStringList{"Night Owls", "oa_dm1", "2", "12", "Sarge,UnnamedPlayer"}));
        QVERIFY(st.roundTripMs >= 0 && st.roundTripMs < 1000);

        // The server's page on the host follows a bot added and kicked: the day's graph and who
        // played here today; the map's picture is the levelshot in Debian's pak files.
        QNetworkAccessManager net;
        auto get = [&](const QString& name) {
            std::unique_ptr<QNetworkReply> r(
                net.get(QNetworkRequest("http://" + site.host + "/ilnightowls/servers/" + name)));
            (void)QTest::qWaitFor([&] { return r->isFinished(); }, 10000);
            return std::pair{r->readAll(), r->rawHeader("Cache-Control")};
        };
        const QString html = "qktre127.0.0.1:" + QString::number(port) + ".htm";
        auto pulse = [&] { // the graph's description, and each name today: "playing now", "until"
            const QString page = QString::fromUtf8(get(html).first);
            static const QRegularExpression row("<tr><td>([^<]*)</td><td>[^<]*</td><td>(playing "
                                                "now|until)(?: \\d\\d:\\d\\d)?</td>");
            QStringList seen{page.section("<desc id=\"day-d\">", 1).section("</desc>", 0, 0)};
            for (const auto& m : row.globalMatch(page.section("Played here today", 1)))
                seen << m.captured(1) + " " + m.captured(2);
            return (std::sort(seen.begin() + 1, seen.end()), seen.join('|'));
        };
        server.write("addbot grunt\n");
        QTRY_COMPARE_WITH_TIMEOUT(pulse(),
                                  "At most 3 players of 12 slots; 3 now.|Grunt playing "
                                  "now|Sarge playing now|UnnamedPlayer playing now",
                                  30000);
        server.write("kick Grunt\n");
        QTRY_COMPARE_WITH_TIMEOUT(pulse(),
                                  "At most 3 players of 12 slots; 2 now.|Grunt until|"
                                  "Sarge playing now|UnnamedPlayer playing now",
                                  30000);
        QVERIFY(get(html).first.contains(
            "<img src=\"/ilnightowls/servers/levelshots/oa_dm1.jpg\" alt=\"The map oa_dm1\""));
        // The picture as the engine draws it: tst_journey.
        QCOMPARE(get("levelshots/oa_dm1.jpg").second, "public, max-age=31536000, immutable");
    }
    void runStartsADownloadedProgram() {
        struct Whole final : Download { // a patch installer the engine has saved
            QString suggestedName() const override { return "mohaa patch 1.11.exe"; }
            void save(const QString& folder, const QString& name, Events events) override {
                fs::copy_file(qEnvironmentVariable("TOVO_WINGAME64").toStdString(),
                              (folder + '/' + name).toStdString());
                events.ended(End::Whole, {});
            }
            void cancel() override {}
        };
        QTemporaryDir home; // no download folder there: the file lands in the home folder
        qputenv("HOME", home.path().toUtf8());
        Started h;
        wireLaunch(h.services);
        DownloadWindow* w = DownloadWindow::start(*h.forms, std::make_unique<Whole>());
        QVERIFY(w->run->isVisible()); // a Windows program: the member can run it
        QTest::mouseClick(w->run, Qt::LeftButton);
        const fs::path log = home.path().toStdString() + "/wingame.log";
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(log), 30000);
        QVERIFY2(readFile(log).contains("mohaa patch 1.11.exe"), readFile(log));
        QVERIFY(h.boxes->seen.empty());
    }

    // Playing together through the member's desktop: Debian's notification server (dunst) on a
    // session bus of the test's own tells that a friend plays on a stand-in server behind the
    // real host, and its Join starts the game there; links opened by Debian's xdg-open, with the
    // package's desktop entry, reach the running client through a second start.
    void togetherThroughTheDesktop() {
        const std::string d = busDir();
        QByteArray players; // the stand-in's, as its status says them
        const auto server = standIn([&](const QByteArray&) {
            return oob +
                   "statusResponse\n\\sv_hostname\\Owls\\mapname\\q3dm1\\sv_maxclients\\16\n" +
                   players;
        });
        const QString address = "127.0.0.1:" + QString::number(server->localPort());
        QTemporaryDir root;
        writeFile(root.path().toStdString() + "/servers.con",
                  "[Frag & Beer]\r\nGame=qktre\r\nAddress=" + address.toStdString() + "\r\n");
        Site site({"--root", root.path()});
        Harness h;
        h.services.host = site.host;
        h.allPages();
        h.page("/ilnightowls/servers/qktre" + address + ".htm", "qktre" + address + ".htm");
        h.forms->show("news");
        dirfile::store(h.dir(), *catalogue::byCode("qktre"), "z: [/]", "cd z:\\games\\quake3\\",
                       "quake3.exe");
        h.services.fetchListing = [&](QObject* context, auto done) {
            listing::fetch(h.services.host, context, done);
        };
        Notifier notifier;
        h.services.notify = [&](const QString& text, const QString& link) {
            notifier.tell(text, link);
        };
        connect(&notifier, &Notifier::join, &notifier,
                [&](const QString& link) { joinServer(*h.forms, link); });
        writeFile(h.dir() / "friends.con", "[Friends]\r\n1=<owl>raven\r\n2=Crow\r\n");
        FriendWatch watch(h.services, h.dir() / "friends.con");
        auto dunstctl = [](const QStringList& args) {
            QProcess p;
            p.start("dunstctl", args);
            p.waitForFinished(10000);
            return p.readAllStandardOutput();
        };
        // The friends come (the host reads it within 10 s); their notifications start dunst.
        players = "3 40 \"^1<OWL>Raven\"\n0 30 \"crow\"\n";
        QTRY_VERIFY_WITH_TIMEOUT((watch.look(), fs::exists(d + "/started")), 20000);
        QTRY_COMPARE(dunstctl({"count", "displayed"}).trimmed(), "2");
        // The member clicks one (what the server is given to show: tst_logic).
        QCOMPARE(QProcess::execute("dunstctl", {"action", "0"}), 0);
        QTRY_COMPARE_WITH_TIMEOUT(h.started.size(), size_t(1), 10000);
        QVERIFY(readFile(h.dir() / "settings" / "qktre.bat")
                    .contains("+connect " + address.toUtf8() + "\r\n"));

        // Links from anywhere: xdg-open finds the package's desktop entry for tovo:, whose
        // program, started a second time, hands the link to the running client (this one).
        OneClient one;
        QVERIFY(one.listen());
        QStringList handed;
        connect(&one, &OneClient::received, &one, [&](const QString& m) {
            handed << m;
            if (!m.isEmpty()) joinServer(*h.forms, m);
        });
        QTemporaryDir xdg;
        QByteArray entry = readFile(TOVO_SOURCE "/packaging/debian/tovo.desktop");
        entry.replace("Exec=tovo", "Exec=" + qgetenv("TOVO_CLIENT"));
        writeFile(xdg.path().toStdString() + "/data/applications/tovo.desktop",
                  entry.toStdString());
        writeFile(xdg.path().toStdString() + "/config/mimeapps.list",
                  "[Default Applications]\nx-scheme-handler/tovo=tovo.desktop\n");
        // Where xdg-open looks, for the programs it starts.
        qputenv("XDG_DATA_HOME", xdg.path().toUtf8() + "/data");
        qputenv("XDG_CONFIG_HOME", xdg.path().toUtf8() + "/config");
        QCOMPARE(QProcess::execute("xdg-open", {"tovo://join/qktre/" + address}), 0);
        QTRY_COMPARE_WITH_TIMEOUT(h.started.size(), size_t(2), 10000);
        // No link: the running client comes to the front.
        QCOMPARE(QProcess::execute(qEnvironmentVariable("TOVO_CLIENT"), {}), 0);
        qunsetenv("XDG_DATA_HOME"), qunsetenv("XDG_CONFIG_HOME");
        QTRY_COMPARE(handed.size(), 2);
        QCOMPARE(handed.last(), QString());
        QCOMPARE(h.started.size(), size_t(2));
    }

    // Another account's socket in the member's own one-client folder (root may put one there)
    // takes no start: the member's client comes up all the same (its socket is made once its window
    // is painted) and puts its own in its place. Which folder is the member's own: tst_logic.
    void aStrangerNeitherStopsTheClientNorTakesItsLinks() {
        if (::getuid() != 0) QSKIP("accounts are made as root");
        for (const char* who : {"tovostranger", "tovomember"}) {
            QProcess::execute("userdel", {who}); // one a stopped run left
            QCOMPARE(QProcess::execute("useradd", {"-M", "-s", "/usr/sbin/nologin", who}), 0);
        }
        const uint member = ::getpwnam("tovomember")->pw_uid,
                   stranger = ::getpwnam("tovostranger")->pw_uid;
        const QString link = "tovo://join/qktre/127.0.0.1:27960",
                      own = QString("/tmp/tovo-%1").arg(member);
        const auto cleanUp = [&] {
            QDir(own).removeRecursively();
            for (const char* who : {"tovostranger", "tovomember"})
                QProcess::execute("userdel", {who});
        };
        QDir(own).removeRecursively();
        const auto gone = qScopeGuard(cleanUp);
        auto as = [](uint uid, const QStringList& command) {
            auto* p = new QProcess;
            p->start("setpriv",
                     QStringList{"--reuid=" + QString::number(uid),
                                 "--regid=" + QString::number(uid), "--clear-groups", "env", "-i"} +
                         command);
            return std::unique_ptr<QProcess>(p);
        };
        QTemporaryDir home, theirs; // the member's home; a folder of the stranger's, open to all
        QVERIFY(::chown(home.path().toUtf8(), member, member) == 0);
        QVERIFY(::chown(theirs.path().toUtf8(), stranger, stranger) == 0 &&
                ::chmod(theirs.path().toUtf8(), 0777) == 0);
        const QString socket = own + "/tovo-_4242";
        auto ownerOf = [](const QString& path) {
            struct stat st {};
            return ::lstat(path.toUtf8(), &st) == 0 ? st.st_uid : uint(-1);
        };
        QVERIFY(QDir().mkpath(own) && ::chown(own.toUtf8(), member, member) == 0 &&
                ::chmod(own.toUtf8(), 0700) == 0);
        QLocalServer root;
        QByteArray heard;
        connect(&root, &QLocalServer::newConnection, &root, [&] {
            QLocalSocket* s = root.nextPendingConnection();
            connect(s, &QLocalSocket::readyRead, s, [&heard, s] { heard += s->readAll(); });
        });
        QLocalServer::removeServer(socket);
        root.setSocketOptions(QLocalServer::WorldAccessOption);
        QVERIFY(root.listen(socket));
        auto client =
            as(member, {"HOME=" + home.path(), "DISPLAY=:4242", "XDG_RUNTIME_DIR=" + theirs.path(),
                        "QT_QPA_PLATFORM=offscreen", "QTWEBENGINE_DISABLE_SANDBOX=1",
                        qEnvironmentVariable("TOVO_CLIENT"), link});
        QTRY_COMPARE_WITH_TIMEOUT(ownerOf(socket), member, 30000);
        QCOMPARE(client->state(), QProcess::Running);
        client->kill(), client->waitForFinished();
        QCOMPARE(heard, "");

        // The member's running client (this one) hears no one else, even with its socket and the
        // folder it is in opened to all. Its key holds the display's identity, not just its name:
        // after the display's server is replaced, a start does not reach this client.
        QTemporaryDir runtime, screen;
        const QString wayland = screen.path() + "/wayland-0";
        QLocalServer display;
        QVERIFY(display.listen(wayland));
        const QByteArray runtimeWas = qgetenv("XDG_RUNTIME_DIR");
        qputenv("XDG_RUNTIME_DIR", runtime.path().toUtf8());
        qputenv("WAYLAND_DISPLAY", wayland.toUtf8());
        OneClient one;
        QVERIFY(one.listen());
        const QString itsSocket = OneClient::name();
        QStringList handed;
        connect(&one, &OneClient::received, &one, [&](const QString& said) { handed << said; });
        QVERIFY(::chmod(runtime.path().toUtf8(), 0711) == 0 &&
                ::chmod(itsSocket.toUtf8(), 0777) == 0);
        auto hand =
            as(stranger, {"/usr/bin/python3", "-c",
                          "import socket, sys\ns = socket.socket(socket.AF_UNIX)\n"
                          "s.connect(sys.argv[1]); s.sendall(sys.argv[2].encode() + b'\\n')",
                          itsSocket, link});
        QVERIFY(hand->waitForFinished(10000));
        QLocalSocket mine;
        mine.connectToServer(itsSocket);
        mine.write("member\n");
        QTRY_VERIFY(!handed.isEmpty());
        QCOMPARE(handed, QStringList{"member"});
        QVERIFY(::chmod(runtime.path().toUtf8(), 0700) == 0);
        display.close();
        QVERIFY(display.listen(wayland));
        QVERIFY(!OneClient::handOver("the next session's"));
        qunsetenv("WAYLAND_DISPLAY"), qputenv("XDG_RUNTIME_DIR", runtimeWas);
    }

    // A match server with a password, joined by the real OpenArena client: the password typed
    // once, kept by GNOME Keyring on the tier's session bus, given to the game on its command
    // line and nowhere else; without it the player never gets in; with no keyring it is asked
    // each time.
    void aLockedServerJoinsWithTheKeyringsPassword() {
        const std::string d = tmp.path().toStdString() + "/keyring";
        fs::create_directories(d);
        fs::permissions(d, fs::perms::owner_all, fs::perm_options::replace);
        qputenv("XDG_RUNTIME_DIR", QByteArray::fromStdString(d));
        QProcess keyring;
        keyring.start("gnome-keyring-daemon", {"--unlock", "--components=secrets", "--foreground"});
        keyring.write("keyring password"); // the member's login unlocks it
        keyring.closeWriteChannel();
        auto secretTool = [](const QStringList& args) {
            QProcess p;
            p.start("secret-tool", args);
            p.waitForFinished(10000);
            return p.readAllStandardOutput() + p.readAllStandardError();
        };
        QTRY_VERIFY_WITH_TIMEOUT(
            !secretTool({"search", "--all", "server", "TOVO"}).contains("not provided"), 10000);

        QTemporaryDir root;
        writeFile(root.path().toStdString() + "/servers.con",
                  "[Match Night]\r\nGame=qktre\r\nAddress=127.0.0.1:" + std::to_string(matchPort) +
                      "\r\n");
        Site site({"--root", root.path()});
        Harness h;
        h.services.host = site.host;
        h.services.drives = DriveTable({{'z', "/"}});
        h.services.keyring = desktopKeyring();
        h.services.fetchListing = [&](QObject* context, auto done) {
            listing::fetch(h.services.host, context, done);
        };
        wireLaunch(h.services);
        QStringList passwords; // each start's, as the runner got it
        bool reallyStart = true;
        h.services.startBatch = [&, real = h.services.startBatch](const batch::Start& s) {
            passwords << QString::fromStdString(s.password);
            return reallyStart ? real(s) : batch::Outcome::Started;
        };
        h.allPages();
        h.forms->show("news");
        dirfile::store(h.dir(), *catalogue::byCode("qktre"), "z: [/]", "cd z:\\usr\\games\\",
                       "openarena");
        const QString page = "qktre127.0.0.1:" + QString::number(matchPort) + ".htm";
        bool locked = false; // as the host's servers.json says
        QTRY_VERIFY_WITH_TIMEOUT((listing::read(h.services, &site.p,
                                                [&](auto servers) {
                                                    locked = servers && !servers->empty() &&
                                                             servers->front().password;
                                                }),
                                  locked),
                                 60000);
        const Server match = onLoopback("Match Night", matchPort);
        StatusCache cache(1000, 200);
        auto onServer = [&] { return cache.of(match).info.list.size(); };

        // What the client and the games it starts print, kept apart while they run.
        const std::string said = tmp.path().toStdString() + "/said.log";
        Captured out(said);
        auto& w = h.forms->as<ServerPassword>("ServerPassword");
        auto connectWith = [&](const QString& typed, bool remember) -> QString {
            QString noKeyring = "not asked";
            if (!typed.isEmpty())
                whenShown(w, [&, typed, remember] {
                    noKeyring = w.lblNoKeyring->isVisible() ? "no keyring" : "";
                    w.chkRemember->setChecked(remember);
                    w.txtPassword->setText(typed);
                    QTest::mouseClick(w.cmdOK, Qt::LeftButton);
                });
            const qsizetype before = passwords.size();
            h.connectOn(page);
            (void)QTest::qWaitFor([&] { return passwords.size() > before; }, 20000);
            return noKeyring;
        };
        // A wrong password: the server says so to the game, and the player never gets in.
        QCOMPARE(connectWith("owls", false), "");
        QTRY_VERIFY_WITH_TIMEOUT(readFile(said).contains("Invalid password"), 120000);
        QCOMPARE(onServer(), size_t(0));
        killAll("127.0.0.1:" + QByteArray::number(matchPort));
        // The right one, remembered: the member is on the server, and the keyring has it.
        QCOMPARE(connectWith(matchPassword, true), "");
        QTRY_COMPARE_WITH_TIMEOUT(onServer(), size_t(1), 120000);
        QVERIFY(secretTool({"search", "--all", "server", "TOVO"})
                    .contains(QByteArray("secret = ") + matchPassword));
        reallyStart = false;
        QCOMPARE(connectWith({}, false), "not asked");
        QCOMPARE(passwords, QStringList({"owls", matchPassword, matchPassword}));
        // No keyring any more: asked each time, and told why.
        keyring.kill(), keyring.waitForFinished();
        for (int n : {4, 5}) {
            QCOMPARE(connectWith(matchPassword, true), "no keyring");
            QCOMPARE(passwords.size(), n);
        }
        // No file of the client's holds it, nor anything the client said.
        QProcess grep;
        grep.start("grep", {"-r", "-l", matchPassword, QString::fromStdString(h.dir().string())});
        grep.waitForFinished();
        QCOMPARE(grep.readAllStandardOutput(), QByteArray());
        QVERIFY(!readFile(said).contains(matchPassword));
    }
};

QTEST_MAIN(GamesTest)
#include "tst_games.moc"
