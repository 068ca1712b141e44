#include "host.h"

#include "serverpages.h"

#include <QFile>
#include <QFileInfo>
#include <QHttpServerRequest>
#include <QThread>

#include <cstdio>

namespace {

const QString prefix = QStringLiteral("/ilnightowls/servers/");

QByteArray resource(const QString& name)
{
    QFile f(QStringLiteral(":/pages/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QHttpServerResponse answer(const QByteArray& type, const QByteArray& body, const char* cache,
                           QHttpServerResponse::StatusCode code = QHttpServerResponse::StatusCode::Ok)
{
    QHttpServerResponse r(type, body, code);
    r.addHeader("Cache-Control", cache);
    return r;
}

QHttpServerResponse refused(QHttpServerResponse::StatusCode code)
{
    const QByteArray what = code == QHttpServerResponse::StatusCode::Forbidden ? "Forbidden" : "Not found";
    return answer("text/html; charset=utf-8",
                  "<!DOCTYPE html><html><head><title>" + what + "</title></head><body>" + what + "</body></html>\n",
                  "no-store", code);
}

} // namespace

CommunityHost::CommunityHost(const Options& o)
    : options_(o), root_(o.root), canonicalRoot_(QFileInfo(o.root).canonicalFilePath()),
      list_((o.root + QStringLiteral("/servers.con")).toStdString())
{
    Q_INIT_RESOURCE(pages); // the page templates and the program's own style sheet
    auto log = [this](const QHttpServerRequest& r) {
        if (options_.log) {
            std::printf("GET %s\n", r.url().path(QUrl::FullyDecoded).toUtf8().constData());
            std::fflush(stdout);
        }
        if (options_.delayMs > 0)
            QThread::msleep(ulong(options_.delayMs));
    };
    // The rest of the path is taken from the request itself: as a URL of its own, a server page
    // such as "qktre127.0.0.1:27960.htm" would read as a scheme and a path.
    http_.route(prefix + QStringLiteral("<arg>"), [this, log](const QUrl&, const QHttpServerRequest& r) {
        log(r);
        return page(r.url().path(QUrl::FullyDecoded).mid(prefix.size()));
    });
    http_.route(QStringLiteral("/"), [this, log](const QHttpServerRequest& r) {
        log(r);
        return page(QStringLiteral("index.htm"));
    });
    http_.setMissingHandler([log](const QHttpServerRequest& r, QHttpServerResponder&& responder) {
        log(r);
        refused(QHttpServerResponse::StatusCode::NotFound).write(std::move(responder));
    });
    status_.refresh(list_.servers()); // the first look at the list finds answers waiting
}

QByteArray CommunityHost::contentType(const QString& name)
{
    const QString ext = QFileInfo(name).suffix().toLower();
    static const QHash<QString, QByteArray> types{
        {"htm", "text/html; charset=utf-8"}, {"html", "text/html; charset=utf-8"}, {"css", "text/css"},
        {"png", "image/png"}, {"jpg", "image/jpeg"}, {"jpeg", "image/jpeg"}, {"gif", "image/gif"},
        {"ico", "image/x-icon"}, {"svg", "image/svg+xml"}, {"js", "text/javascript"}, {"txt", "text/plain; charset=utf-8"}};
    return types.value(ext, "application/octet-stream");
}

QHttpServerResponse CommunityHost::page(const QString& name)
{
    const char* generated = "public, max-age=10"; // as long as a status answer is kept
    if (name == QLatin1String("viewservers.htm"))
        return answer(contentType(name), listPage(), generated);
    if (const Server* s = list_.byPage(name))
        return answer(contentType(name), serverPage(*s), generated);
    return file(name);
}

// Only what lies inside the community's folder is served: no "..", no absolute paths, no link
// that leads out of it.
QHttpServerResponse CommunityHost::file(const QString& name)
{
    const QStringList parts = name.split(QLatin1Char('/'));
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QChar(0)) || parts.contains(QStringLiteral("..")) || parts.contains(QStringLiteral(".")) ||
        name == QLatin1String("servers.con"))
        return refused(QHttpServerResponse::StatusCode::Forbidden);
    const QFileInfo info(root_.filePath(name));
    const QString real = info.canonicalFilePath();
    if (!real.isEmpty() && !real.startsWith(canonicalRoot_ + QLatin1Char('/')))
        return refused(QHttpServerResponse::StatusCode::Forbidden);
    QFile f(real);
    QByteArray body = info.isFile() && f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
    if (body.isEmpty() && !info.isFile() && name == QLatin1String("style.css"))
        body = resource(name); // the program's own look, for a community that brings none
    if (body.isEmpty() && !info.isFile())
        return refused(QHttpServerResponse::StatusCode::NotFound);
    const char* cache = name == QLatin1String("detect.htm") ? "no-cache" : "public, max-age=300";
    return answer(contentType(name), body, cache);
}

QByteArray CommunityHost::listPage()
{
    return serverpages::list(list_.servers(), [this](const Server& s) { return status_.of(s); });
}

QByteArray CommunityHost::serverPage(const Server& s) { return serverpages::server(s, status_.of(s)); }
