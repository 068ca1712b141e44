// The community's web host: serves a community's pages, its server list and one page per
// server with live status, on Qt HTTP Server.
//   tovo-site [--root DIR] [--address A] [--port N] [--log] [--delay MS] [--database DB]
//             [--keep-days N] [--max-store-mb N] [--maps DIR]... [--help] [--version]
// Without --root it serves the built-in demo community, with a simulated week of history. N = 0
// picks a free port; the port is printed on stdout. --log prints each request's method and path,
// control characters as %XX;
// --delay holds every answer back. A command line it cannot follow ends it with status 2.

#include "host.h"
#include "simulation.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QSocketNotifier>
#include <QTemporaryDir>

#include <csignal>
#include <cstdio>
#include <sys/resource.h>
#include <unistd.h>

namespace {

int usage(const QString& problem) {
    std::fprintf(stderr, "tovo-site: %s\nTry 'tovo-site --help'.\n", qPrintable(problem));
    return 2;
}

// A whole number from `low` to `high`, else nullopt.
std::optional<uint> whole(const QString& text, uint low, uint high) {
    bool ok = false;
    const uint n = text.toUInt(&ok);
    return ok && n >= low && n <= high ? std::optional<uint>(n) : std::nullopt;
}

// The demo community is a folder like any other: the built-in pages and servers.con, copied.
bool unpackDemo(const QString& dir) {
    for (QDirIterator it(QStringLiteral(":/pages")); it.hasNext();) {
        const QString from = it.next();
        const QString name = it.fileName();
        if (name == QLatin1String("viewservers.htm") || name == QLatin1String("server.htm"))
            continue; // built from servers.con
        if (!QFile::copy(from, dir + QLatin1Char('/') + name)) return false;
    }
    return true;
}

// Each member's connection is an open file: the soft limit (often 1,024) would turn members
// away long before the machine runs short, so the host takes all the system allows it.
void raiseOpenFileLimit() {
    rlimit l{};
    if (getrlimit(RLIMIT_NOFILE, &l) == 0 && l.rlim_cur < l.rlim_max) {
        l.rlim_cur = l.rlim_max;
        if (setrlimit(RLIMIT_NOFILE, &l) != 0)
            std::fprintf(stderr, "tovo-site: cannot raise the open-file limit\n");
    }
}

// The store's bound: room for more than a year of a hundred ordinary servers (sessions kept 90
// days, hourly summaries for ever), of which a month takes about 8 MB.
constexpr uint defaultStoreMb = 1024;

// What the command line asks for.
struct Wanted {
    QString root; // empty: the demo community
    QHostAddress address;
    uint port = 0;
    uint delayMs = 0;
    bool log = false;
    QString database;
    uint keepDays = 90;
    uint maxStoreMb = defaultStoreMb;
    QStringList maps;
};

// The options, with their help, --help's and --version's.
void describeOptions(QCommandLineParser& p) {
    p.setApplicationDescription(QStringLiteral("The web host of a TOVO gaming community."));
    p.addOptions(
        {{QStringLiteral("root"),
          QStringLiteral("The community's folder (default: a demo community)."),
          QStringLiteral("folder")},
         {QStringLiteral("address"), QStringLiteral("The address to listen on."),
          QStringLiteral("address"), QStringLiteral("127.0.0.1")},
         {QStringLiteral("port"), QStringLiteral("The port to listen on, 0 for a free one."),
          QStringLiteral("port"), QStringLiteral("8790")},
         {QStringLiteral("log"), QStringLiteral("Print each request's method and path.")},
         {QStringLiteral("delay"), QStringLiteral("Hold every answer back this long."),
          QStringLiteral("ms"), QStringLiteral("0")},
         {QStringLiteral("database"),
          QStringLiteral("The history's store: a file, postgresql://user@host/name, or none "
                         "(default: .history.sqlite in the community's folder)."),
          QStringLiteral("store")},
         {QStringLiteral("keep-days"),
          QStringLiteral("Days the players' sessions are kept (hourly summaries stay)."),
          QStringLiteral("days"), QStringLiteral("90")},
         {QStringLiteral("max-store-mb"),
          QStringLiteral("The most the history's store may take; past it the oldest sessions "
                         "go first."),
          QStringLiteral("MB"), QString::number(defaultStoreMb)},
         {QStringLiteral("maps"),
          QStringLiteral("A game data folder whose .pk3 files hold the maps' levelshots (can be "
                         "given more than once)."),
          QStringLiteral("folder")}});
    p.addHelpOption();
    p.addVersionOption();
}

// The command line read into `w`: 0 when the host can follow it, else the status to end with,
// the problem told. --help and --version answer and end the program here.
int readCommandLine(const QStringList& arguments, Wanted& w) {
    QCommandLineParser p;
    describeOptions(p);
    if (!p.parse(arguments)) return usage(p.errorText());
    if (p.isSet(QStringLiteral("help"))) p.showHelp(0);
    if (p.isSet(QStringLiteral("version"))) p.showVersion();
    if (!p.positionalArguments().isEmpty())
        return usage(
            QStringLiteral("unexpected argument '%1'").arg(p.positionalArguments().first()));
    const QString port = p.value(QStringLiteral("port")), delay = p.value(QStringLiteral("delay")),
                  address = p.value(QStringLiteral("address"));
    const std::optional<uint> wanted = whole(port, 0, 65535);
    if (!wanted) return usage(QStringLiteral("--port: '%1' is no port (0 to 65535)").arg(port));
    const std::optional<uint> delayMs = whole(delay, 0, 60000);
    if (!delayMs)
        return usage(QStringLiteral("--delay: '%1' is no time (0 to 60000 ms)").arg(delay));
    w.address = QHostAddress(address);
    if (w.address.isNull())
        return usage(QStringLiteral("--address: '%1' is no IP address").arg(address));
    const QString keep = p.value(QStringLiteral("keep-days"));
    const std::optional<uint> keepDays = whole(keep, 1, 36500);
    if (!keepDays)
        return usage(
            QStringLiteral("--keep-days: '%1' is no number of days (1 to 36500)").arg(keep));
    w.keepDays = *keepDays;
    const QString most = p.value(QStringLiteral("max-store-mb"));
    const std::optional<uint> maxStoreMb = whole(most, 1, 1u << 30);
    if (!maxStoreMb)
        return usage(QStringLiteral("--max-store-mb: '%1' is no size in MB").arg(most));
    w.maxStoreMb = *maxStoreMb;
    w.database = p.value(QStringLiteral("database"));
    w.maps = p.values(QStringLiteral("maps"));
    w.root = p.value(QStringLiteral("root"));
    w.port = *wanted;
    w.delayMs = *delayMs;
    w.log = p.isSet(QStringLiteral("log"));
    return 0;
}

// The community's folder: the one given, else the demo community unpacked into `demo`; empty
// when there is none, the problem told.
QString communityFolder(const QString& given, const QTemporaryDir& demo) {
    if (given.isEmpty()) {
        if (!demo.isValid() || !unpackDemo(demo.path())) {
            std::fprintf(stderr, "tovo-site: cannot unpack the demo community\n");
            return {};
        }
        return demo.path();
    }
    if (!QFileInfo(given).isDir()) {
        std::fprintf(stderr, "tovo-site: %s is no folder\n", qPrintable(given));
        return {};
    }
    return given;
}

// SIGTERM and SIGINT end the event loop, so the history's store writes what it holds and ends
// its players' sessions; a signal's handler may only write to a pipe.
int stopPipe[2] = {-1, -1};
void stopOnSignals(QCoreApplication& app) {
    if (::pipe(stopPipe) != 0) return;
    auto* notifier = new QSocketNotifier(stopPipe[0], QSocketNotifier::Read, &app);
    QObject::connect(notifier, &QSocketNotifier::activated, &app, &QCoreApplication::quit);
    for (int s : {SIGTERM, SIGINT})
        std::signal(s, [](int) { [[maybe_unused]] auto n = ::write(stopPipe[1], "x", 1); });
}

} // namespace

int main(int argc, char** argv) {
    raiseOpenFileLimit();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tovo-site"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOVO_VERSION));
    Q_INIT_RESOURCE(pages); // the built-in pages live in the host's library
    Wanted w;
    if (const int status = readCommandLine(app.arguments(), w)) return status;
    QTemporaryDir demo;
    CommunityHost::Options o;
    o.root = communityFolder(w.root, demo);
    if (o.root.isEmpty()) return 1;
    o.log = w.log;
    o.delayMs = int(w.delayMs);
    o.database = w.database;
    o.keepDays = int(w.keepDays);
    o.maxStoreBytes = qint64(w.maxStoreMb) << 20;
    o.maps = w.maps;
    if (w.root.isEmpty() && w.database != QLatin1String("none")) {
        // The demo's servers are made up, and so is their past: a week, so the pulse shows.
        o.database =
            w.database.isEmpty() ? demo.filePath(QStringLiteral(".history.sqlite")) : w.database;
        simulation::demoWeek(o.database, QStringLiteral("qktre127.0.0.1:27960.htm"));
        o.historyNote = "<p class=\"sub\">This demo community's history before the host "
                        "started is simulated.</p>\n";
    }
    CommunityHost host(o);
    const quint16 port = host.listen(w.address, quint16(w.port));
    if (!port) {
        std::fprintf(stderr, "tovo-site: cannot listen on %s:%u\n",
                     qPrintable(w.address.toString()), w.port);
        return 1;
    }
    std::printf("%u\n", unsigned(port));
    std::fflush(stdout);
    stopOnSignals(app);
    return app.exec();
}
