#include "host.h"

#include "playerpages.h"
#include "pulsesection.h"
#include "serverpages.h"
#include "games/community.h"

#include <QAbstractHttpServer>
#include <QFile>
#include <QFileInfo>
#include <QHttpServerRequest>
#include <QMetaEnum>
#include <QSocketNotifier>
#include <QSysInfo>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>

#include <algorithm>
#include <cerrno>
#include <cstdio>
#include <sys/socket.h>
#include <sys/stat.h>

namespace {

const QString pagesPath = QString::fromLatin1(community::pages);

// The answer's first line and headers; the body follows as it is.
QByteArray head(const CommunityHost::Reply& r, qint64 length, bool close) {
    const int status = r.status;
    static const QHash<int, QByteArray> reasons{{200, "OK"},
                                                {403, "Forbidden"},
                                                {404, "Not Found"},
                                                {405, "Method Not Allowed"},
                                                {503, "Service Unavailable"}};
    QByteArray h = "HTTP/1.1 " + QByteArray::number(status) + ' ' + reasons.value(status) +
                   "\r\nContent-Type: " + r.type +
                   "\r\nContent-Length: " + QByteArray::number(length) +
                   "\r\nCache-Control: " + r.cache + "\r\n";
    if (status == 405) h += "Allow: GET, HEAD\r\n";
    if (r.retryAfter > 0) h += "Retry-After: " + QByteArray::number(r.retryAfter) + "\r\n";
    if (close) h += "Connection: close\r\n";
    return h + "\r\n";
}

CommunityHost::Reply refused(int status) {
    const QByteArray what = status == 403   ? "Forbidden"
                            : status == 405 ? "Method not allowed"
                            : status == 503 ? "Busy: try again in a few seconds"
                                            : "Not found";
    return {.status = status,
            .type = "text/html; charset=utf-8",
            .body = "<!DOCTYPE html><html><head><title>" + what + "</title></head><body>" + what +
                    "</body></html>\n",
            .retryAfter = status == 503 ? 5 : 0};
}

// A page made now, kept by caches as long as a status answer is kept.
CommunityHost::Reply made(const QByteArray& type, QByteArray body) {
    return {.status = 200, .type = type, .cache = "public, max-age=10", .body = std::move(body)};
}

// Names a community never means to publish: dot-files and dot-folders (.git, .env, an editor's
// .name.swp) and the backups editors leave beside a file.
bool privateName(const QStringList& parts) {
    static const QStringList backups{QStringLiteral("~"), QStringLiteral(".swp"),
                                     QStringLiteral(".bak"), QStringLiteral(".orig")};
    return std::any_of(parts.begin(), parts.end(), [](const QString& part) {
        return part.startsWith(QLatin1Char('.')) ||
               part.compare(QLatin1String("servers.con"), Qt::CaseInsensitive) == 0 ||
               std::any_of(backups.begin(), backups.end(),
                           [&](const QString& b) { return part.endsWith(b, Qt::CaseInsensitive); });
    });
}

// Control characters and '%' as %XX, so a path can neither start a line of its own in the log
// nor speak to the terminal.
QByteArray escaped(const QString& path) {
    QString out;
    for (const QChar c : path) {
        const bool control = c.unicode() < 0x20 || (c.unicode() >= 0x7f && c.unicode() < 0xa0) ||
                             c == QLatin1Char('%');
        out += control ? QString::fromLatin1(QString(c).toUtf8().toPercentEncoding()) : QString(c);
    }
    return out.toUtf8();
}

bool sameFile(int fd, const QString& path) {
    struct stat a {
    }, b{};
    return ::fstat(fd, &a) == 0 && ::stat(QFile::encodeName(path).constData(), &b) == 0 &&
           a.st_dev == b.st_dev && a.st_ino == b.st_ino;
}

} // namespace

// The listening socket, accepting on its own: Qt's accepting, at the open-file limit, retries
// the failing accept as fast as the event loop turns. Here accepting stops there, and starts
// again when one of its connections is gone, or a moment later (a descriptor freed elsewhere).
// Its queue is as deep as the system allows, so that a crowd arriving at once waits in it
// rather than retrying its connections a second later.
class CommunityHost::Listener final : public QTcpServer {
public:
    using QTcpServer::QTcpServer;

    bool start(const QHostAddress& address, quint16 port) {
        QFile somaxconn(QStringLiteral("/proc/sys/net/core/somaxconn"));
        const int deepest =
            somaxconn.open(QIODevice::ReadOnly) ? somaxconn.readAll().trimmed().toInt() : 0;
        setListenBacklogSize(deepest > 0 ? deepest : SOMAXCONN);
        if (!listen(address, port)) return false;
        // Qt's own accepting off for good: it accepts only while fewer connections than this wait
        // to be taken (and taking one wakes it, to find that none may).
        setMaxPendingConnections(0);
        notifier_ = new QSocketNotifier(socketDescriptor(), QSocketNotifier::Read, this);
        connect(notifier_, &QSocketNotifier::activated, this, &Listener::accept);
        later_.setSingleShot(true);
        connect(&later_, &QTimer::timeout, this, &Listener::resume);
        return true;
    }

    void resume() { notifier_->setEnabled(true); }

private:
    void accept() {
        for (;;) {
            const int fd =
                ::accept4(int(socketDescriptor()), nullptr, nullptr, SOCK_NONBLOCK | SOCK_CLOEXEC);
            if (fd < 0) {
                if (errno == EMFILE || errno == ENFILE || errno == ENOBUFS || errno == ENOMEM) {
                    notifier_->setEnabled(false);
                    later_.start(250);
                }
                if (errno != ECONNABORTED && errno != EINTR) return; // EAGAIN: all taken
                continue;
            }
            auto* socket = new QTcpSocket(this);
            socket->setSocketDescriptor(fd);
            // What a member sends is taken as it is answered: requests sent far ahead wait in the
            // system's buffers, not the host's memory. 32 KB: the most a request may be behind
            // nginx.
            socket->setReadBufferSize(32 * 1024);
            connect(socket, &QObject::destroyed, this, &Listener::resume); // its descriptor is free
            addPendingConnection(socket);
            emit newConnection();
        }
    }

    QSocketNotifier* notifier_ = nullptr;
    QTimer later_;
};

// Qt's own server, with the socket at hand: answers are written here, so that a file can go out
// a piece at a time, HEAD gets no body, and "Connection: close" closes.
class CommunityHost::Http final : public QAbstractHttpServer {
public:
    explicit Http(CommunityHost* host) : host_(host) {}

protected:
    bool handleRequest(const QHttpServerRequest& r, QTcpSocket* socket) override {
        host_->answer(r, socket);
        return true;
    }
    void missingHandler(const QHttpServerRequest&, QTcpSocket*) override {}

private:
    CommunityHost* host_;
};

// One member's connection. Answers leave in the order they were asked for; a file goes as the
// other side takes it, so a reader that is slow or never reads holds a few hundred KB of the
// host's memory, not the file.
class CommunityHost::Connection final : public QObject {
public:
    struct Asked {
        QString name; // the page
        QUrlQuery query;
        int refusal = 0; // or the refusal it gets
        bool head = false;
        bool close = false;
    };

    Connection(QTcpSocket* socket, CommunityHost* host)
        : QObject(socket), socket_(socket), host_(host) {
        connect(socket, &QTcpSocket::bytesWritten, this, &Connection::pump);
        // A file's head and first piece go at once.
        socket->setSocketOption(QAbstractSocket::LowDelayOption, 1);
    }

    void ask(Asked a) {
        if (waiting_.size() >= maxWaiting) { // asking far ahead of reading: cut off, unread
            QObject::disconnect(socket_, &QIODevice::readyRead, nullptr, nullptr);
            return socket_->abort();
        }
        waiting_.push_back(std::move(a));
        if (!file_) next();
    }

private:
    static constexpr qsizetype maxWaiting = 64, piece = 64 * 1024, buffered = 256 * 1024;

    void next() {
        // Answers wait their turn while the reader is behind: what the host holds for one
        // connection is the few answers asked for, not everything they would write. One that
        // another thread makes holds those after it back until it comes.
        while (!file_ && !later_ && !waiting_.empty() &&
               socket_->state() == QAbstractSocket::ConnectedState &&
               socket_->bytesToWrite() < buffered) {
            const Asked a = waiting_.takeFirst();
            if (!a.refusal && host_->later(a.name, a.query, this, [this, a](Reply r) {
                    later_ = false;
                    send(a, std::move(r));
                    if (!file_ && !a.close) next();
                })) {
                later_ = true;
                return;
            }
            if (!send(a, a.refusal ? refused(a.refusal) : host_->page(a.name, a.query))) return;
        }
    }

    // False when the connection is done with or a file is on its way.
    bool send(const Asked& a, Reply r) {
        const qint64 length = r.file ? r.file->size() : r.body.size();
        close_ = a.close;
        if (a.head) r.file.reset();
        // One write for a page: the socket sends at once, and a head sent alone would hold its
        // body back until the reader acknowledged it.
        socket_->write(head(r, length, a.close) + (a.head || r.file ? QByteArray() : r.body));
        if (r.file) {
            file_ = std::move(r.file);
            left_ = length;
            pump();
            return false;
        }
        if (a.close) socket_->disconnectFromHost();
        return !a.close;
    }

    void pump() {
        while (file_ && socket_->bytesToWrite() < buffered) {
            const QByteArray bytes = file_->read(std::min<qint64>(piece, left_));
            if (bytes.isEmpty() && left_ > 0) // the file shrank: the length promised cannot be kept
                return socket_->abort();
            socket_->write(bytes);
            left_ -= bytes.size();
            if (left_ == 0) {
                file_.reset();
                if (close_) return socket_->disconnectFromHost();
                next();
            }
        }
        if (!file_) next();
    }

    QTcpSocket* socket_;
    CommunityHost* host_;
    QList<Asked> waiting_;
    std::unique_ptr<QFile> file_; // being sent
    qint64 left_ = 0;
    bool close_ = false;
    bool later_ = false; // an answer is being made elsewhere
};

CommunityHost::CommunityHost(const Options& o)
    : options_(o), root_(o.root), canonicalRoot_(QFileInfo(o.root).canonicalFilePath()),
      list_((o.root + QStringLiteral("/servers.con")).toStdString(), o.lookup), pictures_(o.maps),
      http_(std::make_unique<Http>(this)) {
    Q_INIT_RESOURCE(pages); // the page templates and the program's own style sheet
    if (o.database != QLatin1String("none")) {
        history_ = std::make_unique<history::Store>(history::Store::Options{
            .database = o.database.isEmpty() ? root_.filePath(QStringLiteral(".history.sqlite"))
                                             : o.database,
            .keepDays = o.keepDays,
            .clock = o.clock,
            .journalName = QStringLiteral("tovo-site"),
            .hostName = QSysInfo::machineHostName() + QLatin1Char(':') + canonicalRoot_,
            .maxBytes = o.maxStoreBytes});
        status_.onSettled([this](const QString& page, const Status& st) {
            const bool up = st.state == Status::State::Answering;
            if (!up && st.state != Status::State::Silent) return;
            QStringList names;
            for (const status::Player& p : st.info.list)
                names << p.name;
            history_->record(page, {.answering = up,
                                    .players = st.info.players,
                                    .slotLimit = st.info.maxPlayers,
                                    .names = names});
        });
        QObject::connect(&watch_, &QTimer::timeout, &watch_,
                         [this] { status_.refresh(list_.servers(), true); });
        watch_.start(o.watchMs);
    }
    list_.onResolved([this] {
        status_.refresh(list_.servers());
    });                               // a name's servers asked as soon as it is known
    status_.refresh(list_.servers()); // the first look at the list finds answers waiting
}

CommunityHost::~CommunityHost() = default;

quint16 CommunityHost::listen(const QHostAddress& address, quint16 port) {
    auto* server = new Listener(http_.get());
    if (!server->start(address, port)) {
        delete server;
        return 0;
    }
    http_->bind(server);
    return server->serverPort();
}

// Only GET and HEAD; "/" is the index, everything else lies under the pages path. The rest of the
// path is taken whole: as a URL of its own, a server page such as "qktre127.0.0.1:27960.htm"
// would read as a scheme and a path.
void CommunityHost::answer(const QHttpServerRequest& r, QTcpSocket* socket) {
    const bool get = r.method() == QHttpServerRequest::Method::Get;
    const bool head = r.method() == QHttpServerRequest::Method::Head;
    const QString path = r.url().path(QUrl::FullyDecoded);
    if (options_.log) {
        const QByteArray method =
            QByteArray(
                QMetaEnum::fromType<QHttpServerRequest::Method>().valueToKey(int(r.method())))
                .toUpper();
        std::printf("%s %s\n", method.constData(), escaped(path).constData());
        std::fflush(stdout);
    }
    Connection::Asked a;
    a.head = head;
    for (const auto& [name, value] : r.headers())
        if (name.compare("Connection", Qt::CaseInsensitive) == 0)
            for (const QByteArray& option : value.split(','))
                a.close = a.close || option.trimmed().compare("close", Qt::CaseInsensitive) == 0;
    if (!get && !head)
        a.refusal = 405;
    else if (path == QLatin1String("/"))
        a.name = QStringLiteral("index.htm");
    else if (path.startsWith(pagesPath))
        a.name = path.mid(pagesPath.size()), a.query = r.query();
    else
        a.refusal = 404;
    Connection* c = nullptr;
    for (QObject* child : socket->children())
        c = c ? c : dynamic_cast<Connection*>(child);
    if (!c) c = new Connection(socket, this);
    // A held-back answer waits on a timer: the host has one thread, and every other request goes
    // on meanwhile.
    if (options_.delayMs <= 0) return c->ask(std::move(a));
    QTimer::singleShot(options_.delayMs, c,
                       [c, a = std::move(a)]() mutable { c->ask(std::move(a)); });
}

QByteArray CommunityHost::contentType(const QString& name) {
    const QString ext = QFileInfo(name).suffix().toLower();
    static const QHash<QString, QByteArray> types{{"htm", "text/html; charset=utf-8"},
                                                  {"html", "text/html; charset=utf-8"},
                                                  {"css", "text/css"},
                                                  {"png", "image/png"},
                                                  {"jpg", "image/jpeg"},
                                                  {"jpeg", "image/jpeg"},
                                                  {"gif", "image/gif"},
                                                  {"ico", "image/x-icon"},
                                                  {"svg", "image/svg+xml"},
                                                  {"js", "text/javascript"},
                                                  {"txt", "text/plain; charset=utf-8"},
                                                  {"json", "application/json"},
                                                  {"zip", "application/zip"}};
    return types.value(ext, "application/octet-stream");
}

CommunityHost::Reply CommunityHost::page(const QString& name, const QUrlQuery& query) {
    if (std::optional<Reply> r = historyPage(name, query)) return std::move(*r);
    if (const QString map = MapPictures::mapOf(name); !map.isEmpty()) {
        // Made once from the game's own data; a picture of a map never changes.
        const QByteArray shot = pictures_.made(map).value_or(QByteArray());
        if (!shot.isEmpty())
            return {.status = 200,
                    .type = "image/jpeg",
                    .cache = "public, max-age=31536000, immutable",
                    .body = shot};
    }
    if (name == QLatin1String("viewservers.htm")) return made(contentType(name), listPage());
    if (name == QLatin1String("servers.json"))
        return made(contentType(name), serverpages::json(list_.servers(), [this](const Server& s) {
                        return status_.of(s);
                    }));
    if (const Server* s = list_.byPage(name)) return made(contentType(name), serverPage(*s));
    return file(name);
}

bool CommunityHost::later(const QString& name, const QUrlQuery& query, QObject* context,
                          Done done) {
    const QString map = MapPictures::mapOf(name);
    const bool picture = !map.isEmpty() && !pictures_.made(map);
    if (!picture && (!history_ || (name != QLatin1String("players.htm") &&
                                   name != QLatin1String("players.json"))))
        return false;
    // Whichever comes first, the answer or the time limit; the other finds it answered.
    auto answered = std::make_shared<bool>(false);
    auto once = [answered, done](Reply r) {
        if (!std::exchange(*answered, true)) done(std::move(r));
    };
    QTimer::singleShot(laterMs, context, [once] { once(refused(503)); });
    if (picture)
        pictures_.make(map, context, [this, name, once](const QByteArray&) { once(page(name)); });
    else
        players(name, query, once);
    return true;
}

// players.htm and players.json, from the store's answer.
void CommunityHost::players(const QString& name, const QUrlQuery& query, const Done& done) {
    auto nameOf = [this](const QString& page) { return serverName(page); };
    const QString find = query.queryItemValue(QStringLiteral("name"), QUrl::FullyDecoded).left(256);
    auto told = [this, name, find, nameOf, done](const std::optional<history::Found>& seen) {
        const qint64 now = history_->now();
        done(made(contentType(name), name == QLatin1String("players.htm")
                                         ? playerpages::page(find, seen, now, nameOf)
                                         : playerpages::json(seen, now, nameOf)));
    };
    // The context: the host's own timer, which lives as long as the host.
    const QStringList names = query.allQueryItemValues(QStringLiteral("name"), QUrl::FullyDecoded);
    if (name == QLatin1String("players.json") && !names.isEmpty())
        history_->seen(names.mid(0, 64), &watch_, told);
    else
        history_->seen(
            name == QLatin1String("players.htm")
                ? find
                : query.queryItemValue(QStringLiteral("find"), QUrl::FullyDecoded).left(256),
            history::mostListed, &watch_, told);
}

// Only what lies inside the community's folder is served: no "..", no absolute paths, no link
// that leads out of it, no private name, and not servers.con under any name that leads to it.
CommunityHost::Reply CommunityHost::file(const QString& name) {
    const QStringList parts = name.split(QLatin1Char('/'));
    if (name.isEmpty() || name.startsWith(QLatin1Char('/')) || name.contains(QLatin1Char('\\')) ||
        name.contains(QChar(0)) || privateName(parts))
        return refused(403);
    const QFileInfo info(root_.filePath(name));
    const QString real = info.canonicalFilePath();
    if (!real.isEmpty() && !real.startsWith(canonicalRoot_ + QLatin1Char('/'))) return refused(403);
    const char* cache = name == QLatin1String("detect.htm") ? "no-cache" : "public, max-age=300";
    auto f = std::make_unique<QFile>(real);
    if (info.isFile() && f->open(QIODevice::ReadOnly)) {
        if (sameFile(f->handle(), root_.filePath(QStringLiteral("servers.con"))))
            return refused(403);
        return {.status = 200, .type = contentType(name), .cache = cache, .file = std::move(f)};
    }
    if (!info.exists() &&
        (name == QLatin1String("style.css") || name == QLatin1String("viewservers.js")))
        // The program's own look, for a community that brings none.
        return {.status = 200,
                .type = contentType(name),
                .cache = cache,
                .body = serverpages::resource(name)};
    return refused(404);
}

QByteArray CommunityHost::listPage() {
    return serverpages::list(
        list_.servers(), [this](const Server& s) { return status_.of(s); },
        [this](const QString& map) {
            return serverpages::picture(map, pictures_.has(map), false);
        });
}

QByteArray CommunityHost::serverPage(const Server& s) {
    const Status st = status_.of(s);
    const bool up = st.state == Status::State::Answering;
    QHash<QByteArray, QByteArray> more{
        {"PICTURE",
         up ? serverpages::picture(st.info.map, pictures_.has(st.info.map), true) : QByteArray()}};
    if (history_)
        more.insert("PULSE",
                    pulsesection::section(history_->pulse(s.pageName())) + options_.historyNote);
    return serverpages::server(s, st, more);
}

QString CommunityHost::serverName(const QString& page) {
    const Server* s = list_.byPage(page);
    return s ? s->name : QString();
}

// history.json, and players.json and players.htm without a store; nullopt for any other name.
std::optional<CommunityHost::Reply> CommunityHost::historyPage(const QString& name,
                                                               const QUrlQuery& query) {
    if (name == QLatin1String("history.json")) {
        const Server* s = list_.byPage(
            query.queryItemValue(QStringLiteral("page"), QUrl::FullyDecoded).left(256));
        if (!s) return refused(404);
        return made(contentType(name),
                    pulsesection::json(s->pageName(),
                                       history_ ? history_->pulse(s->pageName()) : std::nullopt));
    }
    auto nameOf = [this](const QString& page) { return serverName(page); };
    if (name == QLatin1String("players.json"))
        return made(contentType(name), playerpages::json(std::nullopt, 0, nameOf));
    if (name == QLatin1String("players.htm"))
        return made(contentType(name),
                    playerpages::page(
                        query.queryItemValue(QStringLiteral("name"), QUrl::FullyDecoded).left(256),
                        std::nullopt, 0, nameOf));
    return std::nullopt;
}
