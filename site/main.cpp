// The community's web host: serves a community's pages, its server list and one page per
// server with live status, on Qt HTTP Server.
//   tovo-site [--root DIR] [--address A] [--port N] [--log] [--delay MS]
// Without --root it serves the built-in demo community. N = 0 picks a free port; the port is
// printed on stdout. --log prints each request's method and path, control characters as %XX;
// --delay holds every answer back.

#include "host.h"

#include <QCoreApplication>
#include <QDirIterator>
#include <QFile>
#include <QTemporaryDir>

#include <sys/resource.h>

#include <cstdio>

namespace {

QString option(const QStringList& args, const char* name, const QString& fallback = {})
{
    const qsizetype i = args.indexOf(QLatin1String(name));
    return i >= 0 && i + 1 < args.size() ? args[i + 1] : fallback;
}

// The demo community is a folder like any other: the built-in pages and servers.con, copied.
bool unpackDemo(const QString& dir)
{
    for (QDirIterator it(QStringLiteral(":/pages")); it.hasNext();) {
        const QString from = it.next();
        const QString name = it.fileName();
        if (name == QLatin1String("viewservers.htm") || name == QLatin1String("server.htm"))
            continue; // built from servers.con
        if (!QFile::copy(from, dir + QLatin1Char('/') + name))
            return false;
    }
    return true;
}

// Each member's connection is an open file: the soft limit (often 1,024) would turn members
// away long before the machine runs short, so the host takes all the system allows it.
void raiseOpenFileLimit()
{
    rlimit l{};
    if (getrlimit(RLIMIT_NOFILE, &l) == 0 && l.rlim_cur < l.rlim_max) {
        l.rlim_cur = l.rlim_max;
        if (setrlimit(RLIMIT_NOFILE, &l) != 0)
            std::fprintf(stderr, "tovo-site: cannot raise the open-file limit\n");
    }
}

} // namespace

int main(int argc, char** argv)
{
    raiseOpenFileLimit();
    QCoreApplication app(argc, argv);
    Q_INIT_RESOURCE(pages); // the built-in pages live in the host's library
    const QStringList args = app.arguments();
    QTemporaryDir demo;
    CommunityHost::Options o;
    o.root = option(args, "--root");
    o.log = args.contains(QStringLiteral("--log"));
    o.delayMs = option(args, "--delay", QStringLiteral("0")).toInt();
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
    const QHostAddress address(option(args, "--address", QStringLiteral("127.0.0.1")));
    const quint16 wanted = quint16(option(args, "--port", QStringLiteral("8790")).toUInt());
    CommunityHost host(o);
    const quint16 port = address.isNull() ? 0 : host.listen(address, wanted);
    if (!port) {
        std::fprintf(stderr, "tovo-site: cannot listen on %s:%u\n", qPrintable(address.toString()), unsigned(wanted));
        return 1;
    }
    std::printf("%u\n", unsigned(port));
    std::fflush(stdout);
    return app.exec();
}
