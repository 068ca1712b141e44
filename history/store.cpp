#include "store.h"

#include "hours.h"
#include "reading.h"
#include "schema.h"
#include "status/status.h"

#include <QCryptographicHash>
#include <QDateTime>
#include <QDeadlineTimer>
#include <QPointer>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSysInfo>
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
// A pulse no change has made again is made again this often: its day moves on; one that
// changed, as often as a page is kept by caches.
constexpr qint64 pulseAge = 60, changedAge = 10;
// A PostgreSQL statement that takes longer is cancelled: the store's thread moves on.
constexpr int statementMs = 20000;
// Sessions pruned at most in one pass while the store is over its size bound.
constexpr int mostPruned = 100000;

qint64 systemClock() {
    return QDateTime::currentSecsSinceEpoch();
}

qint64 hourOf(qint64 t) {
    return t - ((t % 3600) + 3600) % 3600;
}

// A host's mark in a shared store, from its name.
qint64 hostId(const QString& name) {
    const QByteArray sum = QCryptographicHash::hash(name.toUtf8(), QCryptographicHash::Sha256);
    qint64 id = 0;
    for (int i = 0; i < 7; ++i)
        id = (id << 8) | quint8(sum[i]);
    return id;
}

} // namespace

void Retry::failed(qint64 now) {
    wait_ = wait_ ? std::min(wait_ * 2, longestWait) : firstWait;
    at_ = now + wait_;
}

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

bool postgres(const QSqlDatabase& db) {
    return db.driverName() == QLatin1String("QPSQL");
}

// A connection that gives up rather than wait for ever: PostgreSQL's connect timeout, a
// statement timeout and TCP keepalives, so a dead link or a stuck server is noticed; SQLite's
// writer waits a little on a lock.
QSqlDatabase openConnection(const QString& connection, const Store::Options& o, QString* why) {
    const Target t = target(o.database);
    QSqlDatabase db = QSqlDatabase::addDatabase(t.driver, connection);
    db.setDatabaseName(t.name);
    if (t.driver == QLatin1String("QPSQL")) {
        db.setHostName(t.host);
        db.setUserName(t.user);
        db.setPassword(t.password);
        if (t.port > 0) db.setPort(t.port);
        db.setConnectOptions(QStringLiteral("connect_timeout=5;keepalives=1;keepalives_idle=30;"
                                            "keepalives_interval=10;keepalives_count=3"));
    } else {
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000"));
    }
    if (!db.open()) {
        *why = db.lastError().text();
        return db;
    }
    bool ok = true;
    if (postgres(db)) {
        ok =
            schema::run(db, QStringLiteral("SET statement_timeout = %1").arg(statementMs), {}, why);
    } else {
        // WAL: a reader goes on while the writer writes; NORMAL: a commit survives the process
        // being killed (what the system has been given stays), fsync only at checkpoints.
        QList<QVariantList> mode;
        ok = schema::rows(db, QStringLiteral("PRAGMA journal_mode=WAL"), {}, &mode, why) &&
             schema::run(db, QStringLiteral("PRAGMA synchronous=NORMAL"), {}, why);
    }
    if (!ok) db.close();
    return db;
}

} // namespace

struct Store::Event {
    enum class Kind { Count, Open, Close } kind;
    QString server{}, name{};
    qint64 at = 0;
    int players = 0, slotLimit = 0;
};

struct Store::Queue {
    std::vector<Event> events;
    QSet<QString> pages; // servers whose pulse is wanted, new since the last pass
    qint64 dropped = 0;  // changes dropped since the journal last said
};

// The store's thread: owns the connection, writes the queue a batch at a time, sums up each
// hour that has ended, lets go of what is older than the admin keeps or past the size bound,
// makes the pulses and answers the searches.
class Store::Writer final : public QObject {
public:
    explicit Writer(Store* store)
        : store_(store), name_(QUuid::createUuid().toString()),
          host_(hostId(store->options_.hostName)) {}
    ~Writer() override { letGo(); }

    void start() {
        timer_ = new QTimer(this);
        connect(timer_, &QTimer::timeout, this, &Writer::pass);
        timer_->start(store_->options_.flushMs);
        pass();
    }

    void pass() {
        const qint64 now = store_->now();
        if (!opened_ && !(retry_.due(now) && open(now))) return;
        Queue taken;
        {
            std::lock_guard lock(store_->queueMutex_);
            std::swap(taken, *store_->queue_);
        }
        pages_.unite(taken.pages);
        QString why;
        qint64 earliest = now;
        for (const Event& e : taken.events)
            earliest = std::min(earliest, e.at);
        const bool written = db_.transaction() && write(taken.events, now, &why) &&
                             rollUp(now, earliest, &why) &&
                             schema::setMeta(db_, aliveKey(), now, &why) && db_.commit();
        if (!written) return failed(now, why, std::move(taken));
        if (taken.dropped)
            store_->say(QStringLiteral("history: %1 changes dropped while the store was away")
                            .arg(taken.dropped));
        if (store_->broken_.exchange(false)) store_->say(QStringLiteral("history: writing again"));
        retry_.worked();
        QSet<QString> changed;
        for (const Event& e : taken.events)
            changed.insert(e.server);
        if (!bounded(now, &why) || !makePulses(changed, now, &why)) failed(now, why, {});
    }

    // The host stops: everything written, its watch ended now. One more try at a store that
    // failed, whatever the wait.
    void close() {
        retry_.worked();
        pass();
        QString why;
        if (opened_ && db_.transaction() && ended(store_->now(), &why) &&
            schema::run(db_, QStringLiteral("DELETE FROM meta WHERE key = ?"), {aliveKey()},
                        &why) &&
            db_.commit())
            return;
        if (opened_) db_.rollback();
        std::lock_guard lock(store_->queueMutex_);
        const Queue& q = *store_->queue_;
        if (!q.events.empty() || q.dropped)
            store_->say(QStringLiteral("history: %1 changes not written, %2 dropped before")
                            .arg(q.events.size())
                            .arg(q.dropped));
    }

    std::optional<Found> seen(const QString& where, const QVariantList& binds, int most) {
        const qint64 now = store_->now();
        if (!opened_ && !(retry_.due(now) && open(now))) return std::nullopt;
        QString why;
        std::optional<Found> found = reading::seen(db_, where, binds, most, now, &why);
        if (!found) failed(now, why, {});
        return found;
    }

private:
    QString aliveKey() const { return QStringLiteral("alive %1").arg(host_); }

    void letGo() {
        opened_ = false;
        if (!db_.isValid()) return;
        db_ = {};
        QSqlDatabase::removeDatabase(name_);
    }

    bool open(qint64 now) {
        letGo();
        QString why;
        db_ = openConnection(name_, store_->options_, &why);
        if (!db_.isOpen() || !schema::prepare(db_, schemaVersion, &why)) {
            failed(now, why, {});
            return false;
        }
        // The first time: this host stopped (or was killed) when it was last alive, its open
        // sessions end there and its servers' counts say "not watching" from then on. Later
        // openings pick up where the lost connection left off.
        const QVariant alive = schema::meta(db_, aliveKey());
        const bool ok = started_ || alive.isNull() ||
                        (db_.transaction() && ended(alive.toLongLong(), &why) && db_.commit());
        if (!ok) {
            db_.rollback();
            failed(now, why, {});
            return false;
        }
        started_ = opened_ = true;
        return true;
    }

    // What failed goes back to the queue's front (up to its bound), the connection is let go
    // and tried again after the wait.
    void failed(qint64 now, QString why, Queue taken) {
        if (why.trimmed().isEmpty() && db_.isValid()) why = db_.lastError().text();
        if (db_.isOpen()) db_.rollback();
        ids_.clear(); // rows made in the lost transaction are gone
        letGo();
        {
            std::lock_guard lock(store_->queueMutex_);
            Queue& q = *store_->queue_;
            q.events.insert(q.events.begin(), std::make_move_iterator(taken.events.begin()),
                            std::make_move_iterator(taken.events.end()));
            q.pages.unite(taken.pages);
            q.dropped += taken.dropped;
            if (q.events.size() > mostQueued) {
                q.dropped += qint64(q.events.size() - mostQueued);
                q.events.erase(q.events.begin(),
                               q.events.begin() + qsizetype(q.events.size() - mostQueued));
            }
        }
        store_->fail(why);
        retry_.failed(now);
        QTimer::singleShot(int(retry_.wait() * 1000), this, &Writer::pass);
    }

    bool ended(qint64 at, QString* why) {
        // Its open sessions were seen until the last pass, which is when `at` is.
        return schema::run(db_,
                           QStringLiteral("UPDATE sessions SET open = 0 WHERE open = 1 AND host "
                                          "= ?"),
                           {host_}, why) &&
               schema::run(db_,
                           QStringLiteral("INSERT INTO counts (server, at, players, slots) "
                                          "SELECT id, ?, ?, 0 FROM servers WHERE host = ?"),
                           {at, notWatching, host_}, why);
    }

    std::optional<qint64> id(const QString& page, QString* why) {
        if (const auto at = ids_.constFind(page); at != ids_.constEnd()) return *at;
        QList<QVariantList> r;
        if (!schema::run(db_,
                         QStringLiteral("INSERT INTO servers (page, host) VALUES (?, ?) ON "
                                        "CONFLICT (page) DO UPDATE SET host = excluded.host"),
                         {page, host_}, why) ||
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
                                                "since, until, open, host) VALUES (?, ?, ?, ?, ?, "
                                                "1, ?)"),
                                 {*server, e.name, schema::folded(e.name), e.at, e.at, host_}, why);
                break;
            case Event::Kind::Close:
                ok = schema::run(db_,
                                 QStringLiteral("UPDATE sessions SET until = ?, open = 0 WHERE "
                                                "server = ? AND name = ? AND open = 1 AND host "
                                                "= ?"),
                                 {e.at, *server, e.name, host_}, why);
                break;
            }
            if (!ok) return false;
        }
        // Sessions still open are seen until now: a host killed mid-way keeps them to here.
        return schema::run(db_,
                           QStringLiteral("UPDATE sessions SET until = ? WHERE open = 1 AND host "
                                          "= ?"),
                           {now, host_}, why);
    }

    // Each hour that ended since the last summary, for every server, from the counts; a new
    // store's first summary is of the hour its first count came in.
    bool rollUp(qint64 now, qint64 earliest, QString* why) {
        const QVariant known = schema::meta(db_, QStringLiteral("rolled"));
        const qint64 rolled = known.isNull() ? hourOf(earliest) - 3600 : known.toLongLong();
        if (known.isNull() && !schema::setMeta(db_, QStringLiteral("rolled"), rolled, why))
            return false;
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

    // The bytes the store's rows take: SQLite's pages in use; PostgreSQL's tables and indexes
    // in the share of their rows that are live.
    std::optional<qint64> used(QString* why) {
        QList<QVariantList> r;
        const bool ok =
            postgres(db_)
                ? schema::rows(db_,
                               QStringLiteral("SELECT SUM(pg_total_relation_size(relid) * "
                                              "n_live_tup / GREATEST(n_live_tup + n_dead_tup, 1)) "
                                              "FROM pg_stat_user_tables"),
                               {}, &r, why)
                : schema::rows(db_,
                               QStringLiteral("SELECT (SELECT page_count FROM pragma_page_count) "
                                              "- (SELECT freelist_count FROM "
                                              "pragma_freelist_count), (SELECT page_size FROM "
                                              "pragma_page_size)"),
                               {}, &r, why);
        if (!ok || r.isEmpty()) return std::nullopt;
        return postgres(db_) ? r[0][0].toLongLong() : r[0][0].toLongLong() * r[0][1].toLongLong();
    }

    // Past the size bound the oldest ended sessions go, about as many as the bytes over take.
    bool bounded(qint64 now, QString* why) {
        const qint64 most = store_->options_.maxBytes;
        if (most <= 0 || now < checkedAt_ + pulseAge) return true;
        checkedAt_ = now;
        const std::optional<qint64> bytes = used(why);
        if (!bytes) return false;
        if (*bytes <= most) return true;
        QList<QVariantList> r;
        if (!schema::rows(db_, QStringLiteral("SELECT COUNT(*) FROM sessions"), {}, &r, why))
            return false;
        const qint64 sessions = r.isEmpty() ? 0 : r[0][0].toLongLong();
        if (sessions == 0) return true;
        const qint64 over =
            std::clamp<qint64>((*bytes - most) * sessions / *bytes + 1, 1, mostPruned);
        checkedAt_ = 0; // until under the bound, every pass
        store_->say(QStringLiteral("history: the store is over %1 MB; the oldest %2 sessions go")
                        .arg(most >> 20)
                        .arg(over));
        return schema::run(db_,
                           QStringLiteral("DELETE FROM sessions WHERE id IN (SELECT id FROM "
                                          "sessions WHERE open = 0 ORDER BY until LIMIT ?)"),
                           {over}, why);
    }

    // The pulses of the servers that changed, of those asked for the first time, and of those a
    // minute old, handed over whole.
    bool makePulses(const QSet<QString>& changed, qint64 now, QString* why) {
        if (!store_->options_.pulses) return true;
        changed_.unite(changed);
        for (const QString& page : std::as_const(pages_)) {
            qint64& at = madeAt_[page];
            // A change shows within a page's own cache time (10 s); the rest once a minute.
            const qint64 due = at + (changed_.contains(page) ? changedAge : pulseAge);
            if (at && now >= at && now < due) continue;
            changed_.remove(page);
            std::optional<Pulse> p = reading::pulse(db_, page, now, why);
            if (!p) return false;
            at = now;
            auto made = std::make_shared<const Pulse>(std::move(*p));
            std::lock_guard lock(store_->pulsesMutex_);
            store_->pulses_.insert(page, std::move(made));
        }
        return true;
    }

    Store* store_;
    QString name_;
    qint64 host_;
    QSqlDatabase db_;
    bool opened_ = false, started_ = false;
    Retry retry_;
    QTimer* timer_ = nullptr;
    QHash<QString, qint64> ids_;
    QSet<QString> pages_;           // the servers whose pulses are kept
    QHash<QString, qint64> madeAt_; // when each pulse was made
    QSet<QString> changed_;         // servers written since their pulse was made
    qint64 checkedAt_ = 0;          // when the size was last measured
};

Store::Store(Options o)
    : options_(std::move(o)), queue_(std::make_unique<Queue>()),
      thread_(std::make_unique<QThread>()) {
    if (!options_.clock) options_.clock = systemClock;
    if (options_.hostName.isEmpty()) options_.hostName = QSysInfo::machineHostName();
    writer_ = new Writer(this);
    writer_->moveToThread(thread_.get());
    thread_->start();
    QMetaObject::invokeMethod(writer_, [w = writer_] { w->start(); });
}

Store::~Store() {
    QMetaObject::invokeMethod(writer_, [w = writer_, t = thread_.get()] {
        w->close();
        delete w;
        t->quit();
    });
    if (thread_->wait(QDeadlineTimer(stopSeconds * 1000))) return;
    // The store does not answer: what is queued is lost, and the thread is left to the end of
    // the process rather than waited for.
    {
        std::lock_guard lock(queueMutex_);
        say(QStringLiteral("history: the store did not answer in %1 s; %2 changes not written")
                .arg(stopSeconds)
                .arg(queue_->events.size()));
    }
    (void)thread_.release();
    (void)queue_.release();
}

qint64 Store::now() const {
    return options_.clock();
}

void Store::say(const QString& what) const {
    std::fprintf(stderr, "%s: %s\n", qPrintable(options_.journalName), qPrintable(what));
    std::fflush(stderr);
}

void Store::fail(const QString& why) {
    if (!broken_.exchange(true))
        say(QStringLiteral("history unavailable: %1")
                .arg(why.trimmed().isEmpty() ? QStringLiteral("the store refused")
                                             : why.trimmed()));
}

void Store::flush() {
    QMetaObject::invokeMethod(
        writer_, [w = writer_] { w->pass(); }, Qt::BlockingQueuedConnection);
}

std::optional<Pulse> Store::pulse(const QString& server) {
    if (!asked_.contains(server)) {
        asked_.insert(server);
        std::lock_guard lock(queueMutex_);
        queue_->pages.insert(server);
    }
    if (broken_) return std::nullopt;
    std::lock_guard lock(pulsesMutex_);
    const std::shared_ptr<const Pulse> p = pulses_.value(server);
    if (!p) return std::nullopt;
    Pulse shown = *p;
    shown.shownAt = now();
    return shown;
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
    if (hourOf(at) != was.hour) was.hour = hourOf(at), was.newThisHour = 0;
    if (at / 86400 != was.day) was.day = at / 86400, was.newToday = 0, was.capped = false;
    QSet<QString> names;
    if (r.answering)
        for (const QString& n : r.names)
            if (!n.isEmpty()) names.insert(n.left(status::MaxText));
    std::vector<Event> events;
    if (players != was.players || (r.answering && r.slotLimit != was.slotLimit))
        events.push_back({.kind = Event::Kind::Count,
                          .server = server,
                          .at = at,
                          .players = players,
                          .slotLimit = r.answering ? r.slotLimit : 0});
    for (const QString& n : std::as_const(was.names))
        if (!names.contains(n))
            events.push_back({.kind = Event::Kind::Close, .server = server, .name = n, .at = at});
    QSet<QString> kept;
    for (const QString& n : std::as_const(names)) {
        if (was.names.contains(n)) {
            kept.insert(n);
            continue;
        }
        if (was.newThisHour >= mostNewAnHour || was.newToday >= mostNewADay) {
            if (!std::exchange(was.capped, true))
                say(QStringLiteral("history: %1 shows more new names than %2 an hour or %3 a "
                                   "day; the rest are counted, not kept")
                        .arg(server)
                        .arg(mostNewAnHour)
                        .arg(mostNewADay));
            continue;
        }
        ++was.newThisHour, ++was.newToday;
        kept.insert(n);
        events.push_back({.kind = Event::Kind::Open, .server = server, .name = n, .at = at});
    }
    was.players = players;
    if (r.answering) was.slotLimit = r.slotLimit;
    was.names = std::move(kept);
    bool fresh = false;
    if (!asked_.contains(server)) asked_.insert(server), fresh = true;
    if (events.empty() && !fresh) return;
    std::lock_guard lock(queueMutex_);
    if (fresh) queue_->pages.insert(server);
    if (queue_->events.size() + events.size() > mostQueued) { // the store has long been failing
        queue_->dropped += qint64(events.size());
        return;
    }
    queue_->events.insert(queue_->events.end(), std::make_move_iterator(events.begin()),
                          std::make_move_iterator(events.end()));
}

void Store::ask(const QString& where, const QVariantList& binds, int most, QObject* context,
                Told done) {
    QMetaObject::invokeMethod(writer_, [=, this, w = writer_, to = QPointer<QObject>(context)] {
        const std::optional<Found> found = w->seen(where, binds, most);
        QMetaObject::invokeMethod(&replies_, [to, done, found] {
            if (to) done(found);
        });
    });
}

void Store::seen(const QString& find, int most, QObject* context, Told done) {
    QString pattern = schema::folded(find.left(status::MaxText));
    pattern.replace(QLatin1Char('!'), QLatin1String("!!"))
        .replace(QLatin1Char('%'), QLatin1String("!%"))
        .replace(QLatin1Char('_'), QLatin1String("!_"));
    ask(QStringLiteral("folded LIKE ? ESCAPE '!'"), {QLatin1Char('%') + pattern + QLatin1Char('%')},
        most, context, std::move(done));
}

void Store::seen(const QStringList& names, QObject* context, Told done) {
    QVariantList folded;
    for (const QString& n : names.mid(0, 64))
        folded << schema::folded(n.left(status::MaxText));
    if (folded.isEmpty()) {
        QMetaObject::invokeMethod(&replies_, [to = QPointer<QObject>(context), done] {
            if (to) done(Found{});
        });
        return;
    }
    QStringList marks(folded.size(), QStringLiteral("?"));
    ask(QStringLiteral("folded IN (%1)").arg(marks.join(QLatin1Char(','))), folded,
        int(folded.size()), context, std::move(done));
}

} // namespace history
