#include "services.h"

#include "text.h"
#include "files/paths.h"
#include "files/profile.h"
#include "games/community.h"

#include <QCursor>
#include <QDesktopServices>
#include <QMenu>

#include <cstdio>
#include <cstdlib>

QString Services::hostFrom(const std::filesystem::path& programDir, const QString& fallback) {
    std::string h =
        profile::read("Web", "Host", "", 1024, paths::resolve(programDir, "\\host.con"));
    return h.empty() ? fallback : hostAddress(fromBytes(h), fallback);
}

// "host[:port]" is reached over HTTP, as is "http://host[:port]"; "https://host[:port]" over
// HTTPS, its certificate checked as the browser engine checks any. Any other scheme names no
// host the member can reach: the default then.
QString Services::hostAddress(const QString& setting, const QString& fallback) {
    const QString h = setting.trimmed();
    const qsizetype scheme = h.indexOf(QLatin1String("://"));
    QString rest = scheme < 0 ? h : h.mid(scheme + 3);
    while (rest.endsWith(QLatin1Char('/')))
        rest.chop(1);
    const QString name = scheme < 0 ? QStringLiteral("http") : h.left(scheme).toLower();
    if (name == QLatin1String("http") && !rest.isEmpty()) return rest;
    if (name == QLatin1String("https") && !rest.isEmpty()) return QStringLiteral("https://") + rest;
    std::fprintf(
        stderr,
        "tovo: host.con: Host=%s is neither host[:port] nor http:// or https://; using %s\n",
        qPrintable(h), qPrintable(fallback));
    return fallback;
}

std::filesystem::path Services::file(std::string_view winRelative) const {
    return paths::resolve(programDir, winRelative);
}

Services Services::real(const std::filesystem::path& programDir,
                        const std::filesystem::path& systemConfig) {
    Services s;
    s.programDir = programDir;
    const QString builtIn = QString::fromLatin1(community::defaultHost);
    s.host = hostFrom(programDir, systemConfig.empty() ? builtIn : hostFrom(systemConfig, builtIn));
    s.boxes = std::make_unique<msgbox::QtBoxes>();
    s.now = [] { return QTime::currentTime(); };
    s.openUrl = [](const QUrl& url) { QDesktopServices::openUrl(url); };
    s.locale = QLocale::system();
    s.drives = DriveTable::fromEnvironment();
    s.popup = [](QMenu* m) { m->exec(QCursor::pos()); };
    s.endProgram = [] {
        std::fflush(nullptr);
        std::_Exit(0);
    };
    return s;
}
