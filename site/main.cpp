// The community's web host: serves a community's pages, its server list and one page per
// server with live status, on Qt HTTP Server.
//   tovo-site [--root DIR] [--address A] [--port N] [--log] [--delay MS] [--help] [--version]
// Without --root it serves the built-in demo community. N = 0 picks a free port; the port is
// printed on stdout. --log prints each request's method and path, control characters as %XX;
// --delay holds every answer back. A command line it cannot follow ends it with status 2.

#include "host.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <cstdio>
#include <sys/resource.h>

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

} // namespace

int main(int argc, char** argv) {
    raiseOpenFileLimit();
    QCoreApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("tovo-site"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOVO_VERSION));
    Q_INIT_RESOURCE(pages); // the built-in pages live in the host's library
    QCommandLineParser p;
    p.setApplicationDescription(QStringLiteral("The web host of a TOVO gaming community."));
    const QCommandLineOption root(
        QStringLiteral("root"),
        QStringLiteral("The community's folder (default: a demo community)."),
        QStringLiteral("folder"));
    const QCommandLineOption addressOption(QStringLiteral("address"),
                                           QStringLiteral("The address to listen on."),
                                           QStringLiteral("address"), QStringLiteral("127.0.0.1"));
    const QCommandLineOption portOption(QStringLiteral("port"),
                                        QStringLiteral("The port to listen on, 0 for a free one."),
                                        QStringLiteral("port"), QStringLiteral("8790"));
    const QCommandLineOption log(QStringLiteral("log"),
                                 QStringLiteral("Print each request's method and path."));
    const QCommandLineOption delay(QStringLiteral("delay"),
                                   QStringLiteral("Hold every answer back this long."),
                                   QStringLiteral("ms"), QStringLiteral("0"));
    p.addOptions({root, addressOption, portOption, log, delay});
    const QCommandLineOption help = p.addHelpOption(), version = p.addVersionOption();
    if (!p.parse(app.arguments())) return usage(p.errorText());
    if (p.isSet(help)) p.showHelp(0);
    if (p.isSet(version)) p.showVersion();
    if (!p.positionalArguments().isEmpty())
        return usage(
            QStringLiteral("unexpected argument '%1'").arg(p.positionalArguments().first()));
    const std::optional<uint> wanted = whole(p.value(portOption), 0, 65535);
    if (!wanted)
        return usage(
            QStringLiteral("--port: '%1' is no port (0 to 65535)").arg(p.value(portOption)));
    const std::optional<uint> delayMs = whole(p.value(delay), 0, 60000);
    if (!delayMs)
        return usage(
            QStringLiteral("--delay: '%1' is no time (0 to 60000 ms)").arg(p.value(delay)));
    const QHostAddress address(p.value(addressOption));
    if (address.isNull())
        return usage(
            QStringLiteral("--address: '%1' is no IP address").arg(p.value(addressOption)));
    QTemporaryDir demo;
    CommunityHost::Options o;
    o.root = p.value(root);
    o.log = p.isSet(log);
    o.delayMs = int(*delayMs);
    if (o.root.isEmpty()) {
        if (!demo.isValid() || !unpackDemo(demo.path())) {
            std::fprintf(stderr, "tovo-site: cannot unpack the demo community\n");
            return 1;
        }
        o.root = demo.path();
    } else if (!QFileInfo(o.root).isDir()) {
        std::fprintf(stderr, "tovo-site: %s is no folder\n", qPrintable(o.root));
        return 1;
    }
    CommunityHost host(o);
    const quint16 port = host.listen(address, quint16(*wanted));
    if (!port) {
        std::fprintf(stderr, "tovo-site: cannot listen on %s:%u\n", qPrintable(address.toString()),
                     *wanted);
        return 1;
    }
    std::printf("%u\n", unsigned(port));
    std::fflush(stdout);
    return app.exec();
}
