#pragma once

#include "history/store.h"
#include "mappictures.h"
#include "serverlist.h"
#include "statuscache.h"

#include <QDir>
#include <QTimer>
#include <QUrlQuery>

#include <memory>

class QHttpServerRequest;
class QTcpSocket;

// The community's web host: its own pages from one folder under /ilnightowls/servers/, and the
// server list and one page per server built from the folder's servers.con, with live status.
class CommunityHost final {
public:
    struct Options {
        QString root{};   // the community's folder
        bool log = false; // each request's method and path on stdout
        int delayMs = 0;  // every answer held back (for pictures of the detection window)
        ServerList::Lookup lookup{}; // how servers.con's names are looked up; unset: the system's
        // The history's store: a file (default: .history.sqlite in the folder, a name never
        // served), postgresql://..., or "none".
        QString database{};
        int keepDays = 90;        // sessions and counts; hourly summaries are kept for ever
        qint64 maxStoreBytes = 0; // past it the oldest sessions go; 0: no bound
        QStringList maps{};       // game data folders with the maps' pictures in their paks
        history::Clock clock{};   // unset: the system's
        int watchMs = 10000;      // every server asked this often, looked at or not
        QByteArray historyNote{}; // said under the pulse (the demo's history is simulated)
    };
    explicit CommunityHost(const Options& o);
    ~CommunityHost();

    // The port it listens on, 0 when it cannot.
    quint16 listen(const QHostAddress& address, quint16 port);

    // One answer: a status, its headers, and a body held in memory or a file sent a piece at a
    // time.
    struct Reply {
        int status = 200;
        QByteArray type{};
        const char* cache = "no-store";
        QByteArray body{};
        std::unique_ptr<QFile> file{};
        int retryAfter = 0; // seconds, said with a 503
    };
    // The answers at hand: a page made from memory, or a file.
    Reply page(const QString& name, const QUrlQuery& query = {});
    // The answers another thread makes (a players search, a map picture not made yet): true when
    // `name` is one, answered through `done` on the host's thread within `laterMs` (else 503
    // with Retry-After), unless `context` is gone by then.
    using Done = std::function<void(Reply)>;
    bool later(const QString& name, const QUrlQuery& query, QObject* context, Done done);
    static constexpr int laterMs = 2000;
    history::Store* history() { return history_.get(); }

private:
    class Http;
    class Listener;
    class Connection;
    static QByteArray contentType(const QString& name);
    void answer(const QHttpServerRequest& r, QTcpSocket* socket);
    Reply file(const QString& name);
    QByteArray listPage();
    QByteArray serverPage(const Server& s);
    std::optional<Reply> historyPage(const QString& name, const QUrlQuery& query);
    void players(const QString& name, const QUrlQuery& query, const Done& done);
    QString serverName(const QString& page);

    Options options_;
    QDir root_;
    QString canonicalRoot_;
    ServerList list_;
    StatusCache status_;
    std::unique_ptr<history::Store> history_;
    MapPictures pictures_;
    QTimer watch_; // the status loop: every server asked, so the history misses nothing
    std::unique_ptr<Http> http_;
};
