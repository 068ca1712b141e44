#include "store.h"

#include "hours.h"
#include "schema.h"
#include "status/status.h"

#include <QDateTime>
#include <QFileInfo>
#include <QSqlDatabase>
#include <QSqlError>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <QUrlQuery>
#include <QUuid>

#include <cstdio>

namespace history {
namespace {

// What is queued while the store cannot be written: about a day of a busy community's changes.
constexpr size_t mostQueued = 200000;
// Hours summarized in one pass: a host back after a long stop catches up a week a pass.
constexpr qint64 mostHoursAPass = 24 * 7;

qint64 systemClock() {
    return QDateTime::currentSecsSinceEpoch();
}

} // namespace

Target target(const QString& database) {
    Target t;
    const QUrl url(database);
    if (url.scheme() != QLatin1String("postgresql") && url.scheme() != QLatin1String("postgres")) {
        t.driver = QStringLiteral("QSQLITE");
        t.name = database;
        return t;
    }
    t.driver = QStringLiteral("QPSQL");
    t.name = url.path().mid(1);
    t.host = url.host();
    const QString socketFolder =
        QUrlQuery(url).queryItemValue(QStringLiteral("host"), QUrl::FullyDecoded);
    if (!socketFolder.isEmpty()) t.host = socketFolder;
    t.user = url.userName(QUrl::FullyDecoded);
    t.password = url.password(QUrl::FullyDecoded);
    t.port = url.port(-1);
    return t;
}

namespace {

QSqlDatabase openConnection(const QString& connection, const Store::Options& o, bool reader,
                            QString* why) {
    const Target t = target(o.database);
    QSqlDatabase db = QSqlDatabase::addDatabase(t.driver, connection);
    db.setDatabaseName(t.name);
    if (t.driver == QLatin1String("QPSQL")) {
        db.setHostName(t.host);
        db.setUserName(t.user);
        db.setPassword(t.password);
        if (t.port > 0) db.setPort(t.port);
        db.setConnectOptions(QStringLiteral("connect_timeout=5"));
    } else {
        // A page never waits on a lock; the writer, on its own thread, waits a little.
        db.setConnectOptions(reader ? QStringLiteral("QSQLITE_BUSY_TIMEOUT=0")
                                    : QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    }
    if (!db.open()) {
        *why = db.lastError().text();
        return db;
    }
    if (t.driver == QLatin1String("QSQLITE") && !reader) {
        // WAL: readers go on while the writer writes; NORMAL: a commit survives the process
        // being killed (what the system has been given stays), fsync only at checkpoints.
        QList<QVariantList> mode;
        if (!schema::rows(db, QStringLiteral("PRAGMA journal_mode=WAL"), {}, &mode, why) ||
            !schema::run(db, QStringLiteral("PRAGMA synchronous=NORMAL"), {}, why))
            db.close();
    }
    return db;
}

} // namespace

struct Store::Event {
    enum class Kind { Count, Open, Close } kind;
    QString server, name;
    qint64 at = 0;
    int players = 0, slotLimit = 0;
};

// The store's thread: owns the writing connection, writes the queue a batch at a time, sums up
// each hour that has ended and lets go of what is older than the admin keeps.
class Store::Writer final : public QObject {
public:
    explicit Writer(Store* store) : store_(store), name_(QUuid::createUuid().toString()) {}
    ~Writer() override {
        db_ = {};
        QSqlDatabase::removeDatabase(name_);
    }

    void open() {
        QString why;
        db_ = openConnection(name_, store_->options_, false, &why);
        if (!db_.isOpen() || !schema::prepare(db_, schemaVersion, &why)) return store_->fail(why);
        // A host that stopped (or was killed) stopped watching when it was last alive: its open
        // sessions end there, and its servers' counts say "not watching" from then on.
        const QVariant alive = schema::meta(db_, QStringLiteral("alive"));
        if (!alive.isNull()) ended(alive.toLongLong());
        if (schema::meta(db_, QStringLiteral("rolled")).isNull())
            schema::setMeta(db_, QStringLiteral("rolled"), hourOf(store_->now()) - 3600, &why);
        opened_ = true;
        timer_ = new QTimer(this);
        connect(timer_, &QTimer::timeout, this, &Writer::pass);
        timer_->start(store_->options_.flushMs);
    }

    void pass() {
        if (!opened_) {
            db_ = {};
            QSqlDatabase::removeDatabase(name_);
            open();
            if (!opened_) return;
        }
        std::vector<Event> batch;
        {
            std::lock_guard lock(store_->queueMutex_);
            batch.swap(*store_->queue_);
        }
        const qint64 now = store_->now();
        QString why;
        const bool written = db_.transaction() && write(batch, now, &why) && rollUp(now, &why) &&
                             schema::setMeta(db_, QStringLiteral("alive"), now, &why) &&
                             db_.commit();
        if (!written) {
            if (why.isEmpty()) why = db_.lastError().text();
            db_.rollback();
            ids_.clear(); // rows made in the lost transaction are gone
            std::lock_guard lock(store_->queueMutex_);
            std::vector<Event>& q = *store_->queue_;
            q.insert(q.begin(), std::make_move_iterator(batch.begin()),
                     std::make_move_iterator(batch.end()));
            if (q.size() > mostQueued)
                q.erase(q.begin(), q.begin() + qsizetype(q.size() - mostQueued));
            return store_->fail(why);
        }
        if (store_->broken_.exchange(false))
            std::fprintf(stderr, "%s: history: writing again\n",
                         qPrintable(store_->options_.journalName));
    }

    // The host stops: everything written, its watch ended now.
    void close() {
        pass();
        QString why;
        if (opened_ && db_.transaction() && ended(store_->now()) &&
            schema::run(db_, QStringLiteral("DELETE FROM meta WHERE key = 'alive'"), {}, &why) &&
            db_.commit())
            return;
        db_.rollback();
    }

private:
    static qint64 hourOf(qint64 t) { return t - ((t % 3600) + 3600) % 3600; }

    bool ended(qint64 at) {
        QString why;
        QList<QVariantList> servers;
        // Open sessions were seen until the last pass, which is when `at` is.
        if (!schema::run(db_, QStringLiteral("UPDATE sessions SET open = 0 WHERE open = 1"), {},
                         &why) ||
            !schema::rows(db_, QStringLiteral("SELECT id FROM servers"), {}, &servers, &why))
            return false;
        for (const QVariantList& s : servers)
            if (!schema::run(db_,
                             QStringLiteral("INSERT INTO counts (server, at, players, slots) "
                                            "VALUES (?, ?, ?, 0)"),
                             {s[0], at, notWatching}, &why))
                return false;
        return true;
    }

    std::optional<qint64> id(const QString& page, QString* why) {
        if (const auto at = ids_.constFind(page); at != ids_.constEnd()) return *at;
        QList<QVariantList> r;
        if (!schema::run(db_,
                         QStringLiteral("INSERT INTO servers (page) VALUES (?) ON CONFLICT (page) "
                                        "DO NOTHING"),
                         {page}, why) ||
            !schema::rows(db_, QStringLiteral("SELECT id FROM servers WHERE page = ?"), {page}, &r,
                          why) ||
            r.isEmpty())
            return std::nullopt;
        return ids_[page] = r[0][0].toLongLong();
    }

    bool write(const std::vector<Event>& batch, qint64 now, QString* why) {
        for (const Event& e : batch) {
            const std::optional<qint64> server = id(e.server, why);
            if (!server) return false;
            bool ok = true;
            switch (e.kind) {
            case Event::Kind::Count:
                ok = schema::run(db_,
                                 QStringLiteral("INSERT INTO counts (server, at, players, slots) "
                                                "VALUES (?, ?, ?, ?)"),
                                 {*server, e.at, e.players, e.slotLimit}, why);
                break;
            case Event::Kind::Open:
                ok = schema::run(db_,
                                 QStringLiteral("INSERT INTO sessions (server, name, folded, "
                                                "since, until, open) VALUES (?, ?, ?, ?, ?, 1)"),
                                 {*server, e.name, schema::folded(e.name), e.at, e.at}, why);
                break;
            case Event::Kind::Close:
                ok = schema::run(db_,
                                 QStringLiteral("UPDATE sessions SET until = ?, open = 0 WHERE "
                                                "server = ? AND name = ? AND open = 1"),
                                 {e.at, *server, e.name}, why);
                break;
            }
            if (!ok) return false;
        }
        // Sessions still open are seen until now: a host killed mid-way keeps them to here.
        return schema::run(db_, QStringLiteral("UPDATE sessions SET until = ? WHERE open = 1"),
                           {now}, why);
    }

    // Each hour that ended since the last summary, for every server, from the counts.
    bool rollUp(qint64 now, QString* why) {
        const qint64 rolled = schema::meta(db_, QStringLiteral("rolled")).toLongLong();
        const qint64 last = std::min(hourOf(now) - 3600, rolled + mostHoursAPass * 3600);
        if (last <= rolled) return true;
        const qint64 from = rolled + 3600;
        QList<QVariantList> before, steps;
        if (!schema::rows(db_,
                          QStringLiteral("SELECT c.server, c.players FROM counts c WHERE c.at = "
                                         "(SELECT MAX(at) FROM counts d WHERE d.server = "
                                         "c.server AND d.at < ?)"),
                          {from}, &before, why) ||
            !schema::rows(db_,
                          QStringLiteral("SELECT server, at, players FROM counts WHERE at >= ? "
                                         "AND at < ? ORDER BY server, at"),
                          {from, last + 3600}, &steps, why))
            return false;
        QHash<qint64, int> standing; // each server's count as each hour starts
        QHash<qint64, std::vector<Step>> changes;
        for (const QVariantList& r : before)
            standing[r[0].toLongLong()] = r[1].toInt();
        for (const QVariantList& r : steps)
            changes[r[0].toLongLong()].push_back({r[1].toLongLong(), r[2].toInt()});
        for (auto it = changes.cbegin(); it != changes.cend(); ++it)
            if (!standing.contains(it.key())) standing[it.key()] = notWatching;
        for (auto s = standing.begin(); s != standing.end(); ++s) {
            const std::vector<Step>& mine = changes.value(s.key());
            auto next = mine.begin();
            for (qint64 h = from; h <= last; h += 3600) {
                const auto end =
                    std::find_if(next, mine.end(), [&](const Step& x) { return x.at >= h + 3600; });
                const Hour sum =
                    summarize({h, s.value()}, std::vector<Step>(next, end), h, h + 3600);
                if (end != next) s.value() = (end - 1)->players;
                next = end;
                if (sum.watched == 0) continue;
                if (!schema::run(db_,
                                 QStringLiteral("INSERT INTO hours (server, hour, peak, mean, up, "
                                                "watched) VALUES (?, ?, ?, ?, ?, ?) ON CONFLICT "
                                                "(server, hour) DO NOTHING"),
                                 {s.key(), h, sum.peak, sum.mean, sum.up, sum.watched}, why))
                    return false;
            }
        }
        return schema::setMeta(db_, QStringLiteral("rolled"), last, why) && forget(now, why);
    }

    // Sessions and counts older than the admin keeps; the summaries stay.
    bool forget(qint64 now, QString* why) {
        const qint64 before = now - qint64(store_->options_.keepDays) * 86400;
        const qint64 rolled = schema::meta(db_, QStringLiteral("rolled")).toLongLong();
        return schema::run(db_, QStringLiteral("DELETE FROM sessions WHERE open = 0 AND until < ?"),
                           {before}, why) &&
               // Each server's last count stays: it still stands.
               schema::run(db_,
                           QStringLiteral("DELETE FROM counts WHERE at < ? AND at < ? AND at < "
                                          "(SELECT MAX(at) FROM counts d WHERE d.server = "
                                          "counts.server)"),
                           {before, rolled}, why);
    }

    Store* store_;
    QString name_;
    QSqlDatabase db_;
    bool opened_ = false;
    QTimer* timer_ = nullptr;
    QHash<QString, qint64> ids_;
};

Store::Store(Options o)
    : options_(std::move(o)), readerName_(QUuid::createUuid().toString()),
      queue_(new std::vector<Event>), thread_(std::make_unique<QThread>()) {
    if (!options_.clock) options_.clock = systemClock;
    writer_ = new Writer(this);
    writer_->moveToThread(thread_.get());
    thread_->start();
    QMetaObject::invokeMethod(
        writer_, [w = writer_] { w->open(); }, Qt::BlockingQueuedConnection);
}

Store::~Store() {
    QMetaObject::invokeMethod(
        writer_, [w = writer_] { w->close(); }, Qt::BlockingQueuedConnection);
    QMetaObject::invokeMethod(
        writer_, [w = writer_] { delete w; }, Qt::BlockingQueuedConnection);
    thread_->quit();
    thread_->wait();
    if (readerOpen_) {
        QSqlDatabase::database(readerName_, false).close();
        QSqlDatabase::removeDatabase(readerName_);
    }
    delete queue_;
}

qint64 Store::now() const {
    return options_.clock();
}

void Store::fail(const QString& why) {
    if (!broken_.exchange(true))
        std::fprintf(stderr, "%s: history unavailable: %s\n", qPrintable(options_.journalName),
                     qPrintable(why.trimmed().isEmpty() ? QStringLiteral("the store refused")
                                                        : why.trimmed()));
}

void Store::flush() {
    QMetaObject::invokeMethod(
        writer_, [w = writer_] { w->pass(); }, Qt::BlockingQueuedConnection);
}

void Store::record(const QString& server, const Reading& r) {
    Last& was = last_[server];
    const int players = r.answering ? r.players : notAnswering;
    // Most answers are the one before again: told apart without a set or the clock.
    if (players == was.players && r.names == was.list &&
        (!r.answering || r.slotLimit == was.slotLimit))
        return;
    was.list = r.answering ? r.names : QStringList();
    const qint64 at = now();
    QSet<QString> names;
    if (r.answering)
        for (const QString& n : r.names)
            if (!n.isEmpty()) names.insert(n.left(status::MaxText));
    std::vector<Event> events;
    if (players != was.players || (r.answering && r.slotLimit != was.slotLimit))
        events.push_back(
            {Event::Kind::Count, server, {}, at, players, r.answering ? r.slotLimit : 0});
    for (const QString& n : was.names)
        if (!names.contains(n)) events.push_back({Event::Kind::Close, server, n, at});
    for (const QString& n : names)
        if (!was.names.contains(n)) events.push_back({Event::Kind::Open, server, n, at});
    was.players = players;
    if (r.answering) was.slotLimit = r.slotLimit;
    was.names = std::move(names);
    if (events.empty()) return;
    std::lock_guard lock(queueMutex_);
    if (queue_->size() + events.size() > mostQueued) return; // the store has long been failing
    queue_->insert(queue_->end(), std::make_move_iterator(events.begin()),
                   std::make_move_iterator(events.end()));
}

bool Store::openReader() {
    if (readerOpen_) return QSqlDatabase::database(readerName_, false).isOpen();
    QString why;
    QSqlDatabase db = openConnection(readerName_, options_, true, &why);
    readerOpen_ = true;
    if (!db.isOpen()) fail(why);
    return db.isOpen();
}

} // namespace history
