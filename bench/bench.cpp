// Figures of the client's own work, measured in its own windows with the real browser, files and
// processes. Prints one "name value unit" line per figure (medians).
//   tovo-bench SITE-PROGRAM FAKEGAME [WINDOWS-STAND-IN]
#include "games/catalogue.h"
#include "games/dirfile.h"
#include "installs/finder.h"
#include "launch/batchrunner.h"
#include "launch/warmwine.h"
#include "platform/accessibility.h"
#include "platform/controls.h"
#include "platform/filelists.h"
#include "platform/services.h"
#include "browser/browserpane.h"
#include "browser/rendering.h"
#include "settings/settings.h"
#include "app/login.h"
#include "content/pagewindow.h"
#include "servers/viewservers.h"
#include "program/program.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QLineEdit>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <thread>
#include <unistd.h>

namespace {

class SilentBoxes final : public msgbox::Boxes {
public:
    msgbox::Answer show(const QString&, msgbox::Buttons, msgbox::Icon, const QString&) override {
        return msgbox::Answer::Ok;
    }
};

// Runs the event loop (sleeping when there is nothing to do) until done or ms have passed.
void idle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

bool waitFor(const std::function<bool()>& done, int ms = 30000) {
    QDeadlineTimer until(ms);
    QEventLoop loop;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (done() || until.hasExpired()) loop.quit();
    });
    poll.start(5);
    if (!done()) loop.exec();
    return done();
}

double median(std::vector<double> v) {
    std::sort(v.begin(), v.end());
    return v.empty() ? 0 : v[v.size() / 2];
}

void report(const char* name, double value, const char* unit) {
    std::printf("%s %.3f %s\n", name, value, unit);
    std::fflush(stdout);
}

struct Client {
    QTemporaryDir dir;
    Services services;
    std::unique_ptr<Forms> forms;
    explicit Client(const QString& host) {
        services = realServices(dir.path().toStdString());
        warmWebEngine(); // as the program does at start
        services.host = host;
        services.boxes = std::make_unique<SilentBoxes>();
        forms = std::make_unique<Forms>(services);
        addWindows(*forms);
        forms->show("Login");
        forms->as<Login>("Login").Text1->setText("Bench Owl");
    }
};

// CPU time (user and system, in clock ticks, exited threads included) and memory of a process
// and all its descendants, whichever of its threads started them; `skip` (the web host) aside.
struct Usage {
    double ticks = 0, rssKiB = 0, pssKiB = 0;
};
void addUsage(pid_t pid, Usage& u, pid_t skip) {
    const std::filesystem::path proc = "/proc/" + std::to_string(pid);
    std::ifstream stat(proc / "stat");
    std::string s((std::istreambuf_iterator<char>(stat)), {});
    if (auto close = s.rfind(')'); close != std::string::npos) {
        std::istringstream rest(s.substr(close + 2));
        std::string field;
        for (int i = 3; i <= 15 && rest >> field; ++i)
            if (i == 14 || i == 15) u.ticks += std::stod(field);
    }
    std::ifstream roll(proc / "smaps_rollup");
    for (std::string line; std::getline(roll, line);) {
        if (line.rfind("Rss:", 0) == 0) u.rssKiB += std::stod(line.substr(4));
        if (line.rfind("Pss:", 0) == 0) u.pssKiB += std::stod(line.substr(4));
    }
    std::error_code ec;
    for (const auto& task : std::filesystem::directory_iterator(proc / "task", ec)) {
        std::ifstream kids(task.path() / "children");
        for (pid_t child; kids >> child;)
            if (child != skip) addUsage(child, u, skip);
    }
}

// The web host on a free port; its address.
QString startHost(QProcess& site, const QString& program) {
    site.start(program, {"--port", "0"});
    site.waitForReadyRead(10000);
    return "127.0.0.1:" + QString::fromLatin1(site.readLine().trimmed());
}

// The two seconds at the login window before the first press, the time a member takes to type an
// alias, in which the engine gets ready in the background; a 10 ms timer shows how long the
// window's event loop waited meanwhile, from its first tick after the window shows.
void measureWarming() {
    QElapsedTimer shown;
    shown.start();
    qint64 last = -1, longest = 0, ready = -1;
    QTimer probe;
    QObject::connect(&probe, &QTimer::timeout, [&] {
        const qint64 now = shown.elapsed();
        longest = last < 0 ? 0 : std::max(longest, now - last);
        last = now;
        if (ready < 0 && webEngineWarm()) ready = now;
    });
    probe.start(10);
    idle(2000);
    report("warm_longest_wait", double(longest), "ms");
    report("warm_ready", double(ready), "ms");
}

// Login press to news shown: a new run of the windows each time (detection is once a run). False
// when only the first press is wanted (TOVO_BENCH_FIRST_ONLY), and the run ends there.
bool measureLogin(const QString& host) {
    std::vector<double> login;
    for (int i = 0; i < 6; ++i) {
        Client c(host);
        if (i == 0) measureWarming();
        QElapsedTimer t;
        t.start();
        emit c.forms->as<Login>("Login").Image5->MouseUp(1);
        waitFor([&] { return c.forms->isShown("news"); });
        if (i == 0) { // the first also starts the browser engine's own processes
            report("login_to_news_first", t.nsecsElapsed() / 1e6, "ms");
            if (qEnvironmentVariableIsSet("TOVO_BENCH_FIRST_ONLY")) return false;
        } else
            login.push_back(t.nsecsElapsed() / 1e6);
    }
    report("login_to_news", median(login), "ms");
    return true;
}

// The settings window: a folder of 10,000 files, 100 of them games; a Set.
void measureSettings(const QString& host) {
    QTemporaryDir big;
    for (int i = 0; i < 10000; ++i)
        std::ofstream((big.path() + QString("/file%1.%2").arg(i).arg(i % 100 == 0 ? "EXE" : "dat"))
                          .toStdString());
    Client c(host);
    c.services.drives = DriveTable({{'z', "/"}});
    c.forms->show("Settings");
    auto& s = c.forms->as<Settings>("Settings");
    const QString win = "z:" + QString(big.path()).replace('/', '\\');
    std::vector<double> list, set;
    for (int i = 0; i < 10; ++i) {
        s.File1->setPath("z:\\");
        QElapsedTimer t;
        t.start();
        s.File1->setPath(win);
        list.push_back(t.nsecsElapsed() / 1e6);
    }
    report("file_list_10000", median(list), "ms");
    report("file_list_matches", s.File1->count(), "files");
    const Game& g = *catalogue::byCode("qktre");
    for (int i = 0; i < 200; ++i) {
        s.Text1->setText(win);
        s.File1->setCurrentRow(0);
        QElapsedTimer t;
        t.start();
        s.Set_Click(g);
        set.push_back(t.nsecsElapsed() / 1e6);
    }
    report("set", median(set), "ms");
}

// A registry of a fresh prefix's size, some 2 MB as wineboot leaves it, that knows one game.
void writeRegistry(const std::filesystem::path& prefix) {
    std::ofstream reg(prefix / "system.reg");
    reg << "WINE REGISTRY Version 2\n";
    for (int k = 0; k < 20000; ++k)
        reg << "[Software\\\\Classes\\\\Key" << k << "] 1701234567\n#time=1d9\n@=\"value " << k
            << "\"\n\n";
    reg << "[Software\\\\Wow6432Node\\\\Id\\\\Quake III Arena] "
           "1\n\"InstallPath\"=\"C:\\\\Games\\\\Quake3\"\n";
}

// A home where launchers made 70 prefixes, one game each: 50 named by Lutris' game configs, 20
// Bottles' bottles.
void makeLauncherPrefixes(const std::filesystem::path& h) {
    for (int p = 0; p < 70; ++p) {
        const bool lutris = p < 50;
        const std::string name = "game" + std::to_string(p);
        const auto prefix =
            lutris ? h / "Lutris" / name : h / ".local/share/bottles/bottles" / name;
        std::filesystem::create_directories(prefix / "drive_c/Games/Quake3");
        std::ofstream(prefix / "drive_c/Games/Quake3/quake3.exe") << "MZ";
        writeRegistry(prefix);
        if (lutris) {
            std::filesystem::create_directories(h / ".config/lutris/games");
            std::ofstream(h / ".config/lutris/games" / (name + "-1700000000.yml"))
                << "game:\n  exe: drive_c/Games/Quake3/quake3.exe\n  prefix: " << prefix.string()
                << "\nsystem: {}\nwine:\n  version: lutris-7.2-x86_64\n";
        } else {
            std::ofstream(prefix / "bottle.yml")
                << "Name: " << name << "\nRunner: caffe-7.20\nArch: win64\n";
        }
    }
}

// A Steam library of a hundred games, Quake III among them.
void makeSteamLibrary(const std::filesystem::path& h) {
    const auto apps = h / ".local/share/Steam/steamapps";
    for (int a = 0; a < 100; ++a) {
        const int id = a == 0 ? 2200 : 100000 + a;
        std::filesystem::create_directories(apps / "common" / ("game" + std::to_string(a)));
        std::ofstream(apps / ("appmanifest_" + std::to_string(id) + ".acf"))
            << "\"AppState\"\n{\n\t\"appid\"\t\"" << id << "\"\n\t\"installdir\"\t\"game" << a
            << "\"\n}\n";
    }
    std::ofstream(apps / "common/game0/quake3.exe") << "MZ";
}

// Find Games over the launchers' prefixes and the Steam library.
void measureFindGames() {
    QTemporaryDir home;
    const std::filesystem::path h = home.path().toStdString();
    makeLauncherPrefixes(h);
    makeSteamLibrary(h);
    installs::Search where = installs::Search::fromEnvironment();
    where.home = h;
    std::vector<double> times;
    std::size_t found = 0;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer t;
        t.start();
        found = installs::find(where).size();
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    report("find_games", median(times), "ms");
    report("find_games_found", double(found), "games");
}

// The server list shown, a Quake III server on loopback chosen in it.
viewservers& chooseServer(Client& c) {
    c.forms->show("viewservers");
    auto& v = c.forms->as<viewservers>("viewservers");
    waitFor([&] { return v.Text3->text() == "views"; });
    v.Text3->setText("qktre");
    v.Text1->setText("127.0.0.1:27960");
    return v;
}

// "Connect to Server" to the game's process started, and to the game's first word.
void measureConnect(const QString& host, const std::filesystem::path& fakeGame) {
    QTemporaryDir games;
    const std::filesystem::path game = games.path().toStdString();
    std::filesystem::copy_file(fakeGame, game / "quake3.exe");
    Client c(host);
    c.services.drives = DriveTable({{'g', game}});
    wireLaunch(c.services);
    dirfile::store(c.services.programDir, *catalogue::byCode("qktre"), "g: [game]", "cd g:\\",
                   "quake3.exe");
    viewservers& v = chooseServer(c);
    std::vector<double> started, running;
    for (int i = 0; i < 15; ++i) {
        std::filesystem::remove(game / "fakegame.log");
        QElapsedTimer t;
        t.start();
        v.Command6_Click();
        started.push_back(t.nsecsElapsed() / 1e6);
        while (!std::filesystem::exists(game / "fakegame.log") && t.elapsed() < 10000)
            std::this_thread::sleep_for(std::chrono::microseconds(200));
        running.push_back(t.nsecsElapsed() / 1e6);
    }
    report("connect_to_started", median(started), "ms");
    report("connect_to_game_running", median(running), "ms");
}

// A Wine program run in the prefix to its end (two minutes at most), quietly and without Mono
// and Gecko.
void wine(const QString& prefix, const QString& program, const QStringList& args) {
    QProcess p;
    auto env = QProcessEnvironment::systemEnvironment();
    env.insert("WINEPREFIX", prefix);
    env.insert("WINEDEBUG", "-all");
    env.insert("WINEDLLOVERRIDES", "mscoree,mshtml=");
    p.setProcessEnvironment(env);
    p.start(program, args);
    p.waitForFinished(120000);
}

// Connect to Server to the Windows game's first instruction, five times from no Wine server
// running; `warmed`, with the prefix got ready as the server list does. The median.
double connectToWindowsGame(viewservers& v, const std::filesystem::path& prefix,
                            const std::filesystem::path& folder, bool warmed) {
    const QString pfx = QString::fromStdString(prefix.string());
    std::vector<double> times;
    for (int i = 0; i < 5; ++i) {
        wine(pfx, "wineserver", {"-k"});
        wine(pfx, "wineserver", {"-w"});
        if (warmed) {
            warmwine::warm({prefix, QStandardPaths::findExecutable("wine").toStdString(), {}});
            idle(3000); // the server list shown a few seconds before the press
        }
        std::filesystem::remove(folder / "wingame.log");
        QElapsedTimer t;
        t.start();
        v.Command6_Click();
        while (!std::filesystem::exists(folder / "wingame.log") && t.elapsed() < 20000)
            std::this_thread::sleep_for(std::chrono::microseconds(500));
        times.push_back(t.nsecsElapsed() / 1e6);
    }
    return median(times);
}

// Connect to Server to a Windows game's first instruction (the MinGW stand-in under real Wine, in
// a prefix of its own): with no Wine server running, and with the prefix got ready as the server
// list does. Only where Wine is.
void measureWindowsConnect(const QString& host, const std::filesystem::path& standIn) {
    if (QStandardPaths::findExecutable("wine").isEmpty()) return;
    QTemporaryDir pfx;
    const std::filesystem::path prefix = pfx.path().toStdString(),
                                folder = prefix / "drive_c/Games/Owl";
    wine(pfx.path(), "wineboot", {"-i"});
    std::filesystem::create_directories(folder);
    std::filesystem::copy_file(standIn, folder / "game.exe");
    Client c(host);
    wireLaunch(c.services);
    const DriveTable drives = DriveTable::fromPrefix(prefix);
    dirfile::store(c.services.programDir, *catalogue::byCode("qktre"),
                   DriveTable::text(*drives.find('c')), "cd c:\\Games\\Owl\\", "game.exe",
                   Runner{.prefix = prefix, .wine = {}, .steamApp = {}});
    viewservers& v = chooseServer(c);
    for (const bool warmed : {false, true})
        report(warmed ? "connect_to_windows_game_warmed" : "connect_to_windows_game_cold",
               connectToWindowsGame(v, prefix, folder, warmed), "ms");
    wine(pfx.path(), "wineserver", {"-k"});
}

// A 100 MB file from a host on loopback: the client's download, from the Navigate to the file
// under its own name, against curl's.
void measureDownload(const QString& siteProgram, const QString& host) {
    QTemporaryDir root, home;
    std::ofstream(root.filePath("big.zip").toStdString()) << std::string(100 << 20, 'x');
    QProcess big;
    big.start(siteProgram, {"--port", "0", "--root", root.path()});
    big.waitForReadyRead(10000);
    const QString url = "http://127.0.0.1:" + QString::fromLatin1(big.readLine().trimmed()) +
                        "/ilnightowls/servers/big.zip";
    qputenv("HOME", home.path().toLocal8Bit()); // no download folder there: the home folder
    Client c(host);
    c.forms->show("update");
    BrowserPane* pane = c.forms->as<PageWindow>("update").brwWebBrowser;
    std::vector<double> client, curl;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer t;
        t.start();
        pane->Navigate(url);
        const QString file = i ? QString("big (%1).zip").arg(i) : QString("big.zip");
        waitFor([&] { return QFile::exists(home.filePath(file)); }, 120000);
        client.push_back(t.nsecsElapsed() / 1e6);
        t.restart();
        QProcess::execute("curl", {"-s", "-o", home.filePath("curl.zip"), url});
        curl.push_back(t.nsecsElapsed() / 1e6);
    }
    report("download_100mb", median(client), "ms");
    report("download_100mb_curl", median(curl), "ms");
    big.kill();
    big.waitForFinished();
}

// Idle: all five page windows with their clocks, nothing else happening; the figures named with
// `suffix`.
void measureIdle(const QString& host, pid_t site, const QString& suffix) {
    Client c(host);
    // As the member leaves them: every page window made, the news window showing.
    for (const char* w : {"news", "events", "update", "discuss", "viewservers"})
        c.forms->show(w);
    for (const char* w : {"events", "update", "discuss", "viewservers"})
        c.forms->hide(w);
    idle(5000); // pages loaded and settled
    // Three windows of twenty seconds (a clock tick is 0.05% of one); the median, since the
    // machine's other work shows up too.
    std::vector<double> shares;
    Usage after;
    for (int w = 0; w < 3; ++w) {
        Usage before;
        addUsage(::getpid(), before, site);
        QElapsedTimer t;
        t.start();
        idle(20000);
        after = Usage();
        addUsage(::getpid(), after, site);
        shares.push_back(100.0 * (after.ticks - before.ticks) / double(sysconf(_SC_CLK_TCK)) /
                         (t.nsecsElapsed() / 1e9));
    }
    report(qPrintable("idle_cpu" + suffix), median(shares), "%core");
    report(qPrintable("idle_cpu_lowest" + suffix), *std::min_element(shares.begin(), shares.end()),
           "%core");
    report(qPrintable("idle_rss" + suffix), after.rssKiB / 1024, "MiB");
    report(qPrintable("idle_pss" + suffix), after.pssKiB / 1024, "MiB");
}

} // namespace

int main(int argc, char** argv) {
    chooseRendering();
    QApplication app(argc, argv);
    if (!qEnvironmentVariableIsSet("TOVO_BENCH_LOUD_HIDDEN"))
        quietHiddenControls(); // as the client does

    if (argc < 3) {
        std::fprintf(stderr, "usage: tovo-bench SITE-PROGRAM FAKEGAME\n");
        return 2;
    }
    QProcess site;
    const QString host = startHost(site, QString::fromLocal8Bit(argv[1]));

    // TOVO_BENCH_IDLE_ONLY: only the idle figures, named with TOVO_BENCH_SUFFIX (for a second
    // run with the desktop's accessibility bus on). TOVO_BENCH_FIRST_ONLY: only what happens once
    // a run, the engine's warming and the first login, for a median over several runs.
    const QString suffix = qEnvironmentVariable("TOVO_BENCH_SUFFIX");
    if (!qEnvironmentVariableIsSet("TOVO_BENCH_IDLE_ONLY")) {
        if (!measureLogin(host)) return 0;
        measureSettings(host);
        measureFindGames();
        measureConnect(host, argv[2]);
        if (argc > 3) measureWindowsConnect(host, argv[3]);
        measureDownload(QString::fromLocal8Bit(argv[1]), host);
    }
    measureIdle(host, pid_t(site.processId()), suffix);
    site.kill();
    site.waitForFinished();
    std::fflush(stdout);
    std::_Exit(0);
}
