#include "schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QVariant>

namespace history::schema {
namespace {

bool postgres(const QSqlDatabase& db) {
    return db.driverName() == QLatin1String("QPSQL");
}

QString serial(const QSqlDatabase& db) {
    return postgres(db) ? QStringLiteral("BIGSERIAL PRIMARY KEY")
                        : QStringLiteral("INTEGER PRIMARY KEY");
}

bool all(QSqlDatabase& db, const QStringList& statements, QString* why) {
    for (const QString& s : statements)
        if (!run(db, s, {}, why)) return false;
    return true;
}

QStringList version1(const QSqlDatabase& db) {
    return {
        QStringLiteral("CREATE TABLE meta (key TEXT PRIMARY KEY, value TEXT NOT NULL)"),
        QStringLiteral("CREATE TABLE servers (id %1, page TEXT NOT NULL UNIQUE)").arg(serial(db)),
        QStringLiteral("CREATE TABLE counts (server BIGINT NOT NULL, at BIGINT NOT NULL, "
                       "players INTEGER NOT NULL)"),
        QStringLiteral("CREATE INDEX counts_by_server ON counts (server, at)"),
        QStringLiteral("CREATE TABLE sessions (id %1, server BIGINT NOT NULL, name TEXT NOT NULL, "
                       "since BIGINT NOT NULL, until BIGINT NOT NULL, open INTEGER NOT NULL)")
            .arg(serial(db)),
        QStringLiteral("CREATE INDEX sessions_by_server ON sessions (server, until)"),
        QStringLiteral("INSERT INTO meta (key, value) VALUES ('version', '1')")};
}

// From 1 to 2: the slot limit beside each count, the folded name beside each session (folded
// here: the databases' lower() knows only ASCII), and the hourly summaries, to be made from the
// counts already kept.
bool upgrade1(QSqlDatabase& db, QString* why) {
    if (!all(db,
             {QStringLiteral("ALTER TABLE counts ADD COLUMN slots INTEGER NOT NULL DEFAULT 0"),
              QStringLiteral("ALTER TABLE sessions ADD COLUMN folded TEXT NOT NULL DEFAULT ''"),
              QStringLiteral("CREATE INDEX sessions_by_name ON sessions (folded, until)"),
              QStringLiteral("CREATE INDEX sessions_by_until ON sessions (until)"),
              QStringLiteral("CREATE TABLE hours (server BIGINT NOT NULL, hour BIGINT NOT NULL, "
                             "peak INTEGER NOT NULL, mean REAL NOT NULL, up BIGINT NOT NULL, "
                             "watched BIGINT NOT NULL, PRIMARY KEY (server, hour))")},
             why))
        return false;
    QList<QVariantList> names;
    if (!rows(db, QStringLiteral("SELECT DISTINCT name FROM sessions"), {}, &names, why))
        return false;
    for (const QVariantList& n : names)
        if (!run(db, QStringLiteral("UPDATE sessions SET folded = ? WHERE name = ?"),
                 {folded(n[0].toString()), n[0]}, why))
            return false;
    QList<QVariantList> first;
    if (!rows(db, QStringLiteral("SELECT MIN(at) FROM counts"), {}, &first, why)) return false;
    const QVariant earliest = first.isEmpty() ? QVariant() : first[0][0];
    return earliest.isNull() ||
           setMeta(db, QStringLiteral("rolled"), earliest.toLongLong() / 3600 * 3600 - 3600, why);
}

// From 2 to 3: each session and server marked with the host that watches it, so that hosts
// sharing a store each close only their own; the sessions a host of version 2 left open end
// where it was last alive. Open sessions are found by an index of their own: every pass moves
// their end on.
bool upgrade2(QSqlDatabase& db, QString* why) {
    const QVariant alive = meta(db, QStringLiteral("alive"));
    return all(db,
               {QStringLiteral("ALTER TABLE sessions ADD COLUMN host BIGINT NOT NULL DEFAULT 0"),
                QStringLiteral("ALTER TABLE servers ADD COLUMN host BIGINT NOT NULL DEFAULT 0"),
                QStringLiteral("CREATE INDEX sessions_open ON sessions (host) WHERE open = 1"),
                QStringLiteral("UPDATE sessions SET open = 0 WHERE open = 1"),
                QStringLiteral("DELETE FROM meta WHERE key = 'alive'")},
               why) &&
           (alive.isNull() ||
            run(db,
                QStringLiteral("INSERT INTO counts (server, at, players, slots) SELECT id, ?, -2, "
                               "0 FROM servers"),
                {alive.toLongLong()}, why));
}

} // namespace

QString folded(const QString& name) {
    return name.toCaseFolded();
}

namespace {

// A statement without values is run as it is: PostgreSQL prepares no table's making.
bool execute(QSqlQuery& q, const QString& sql, const QVariantList& values, QString* why) {
    bool ok = values.isEmpty() ? q.exec(sql) : q.prepare(sql);
    if (ok && !values.isEmpty()) {
        for (const QVariant& v : values)
            q.addBindValue(v);
        ok = q.exec();
    }
    if (!ok) *why = q.lastError().text();
    return ok;
}

} // namespace

bool run(QSqlDatabase& db, const QString& sql, const QVariantList& values, QString* why) {
    QSqlQuery q(db);
    return execute(q, sql, values, why);
}

bool rows(QSqlDatabase& db, const QString& sql, const QVariantList& values,
          QList<QVariantList>* out, QString* why) {
    QSqlQuery q(db);
    q.setForwardOnly(true);
    if (!execute(q, sql, values, why)) return false;
    const int columns = q.record().count();
    while (q.next()) {
        QVariantList row;
        for (int i = 0; i < columns; ++i)
            row << q.value(i);
        out->append(row);
    }
    return true;
}

QVariant meta(QSqlDatabase& db, const QString& key) {
    QList<QVariantList> r;
    QString why;
    rows(db, QStringLiteral("SELECT value FROM meta WHERE key = ?"), {key}, &r, &why);
    return r.isEmpty() ? QVariant() : r[0][0];
}

bool setMeta(QSqlDatabase& db, const QString& key, const QVariant& value, QString* why) {
    return run(db,
               QStringLiteral("INSERT INTO meta (key, value) VALUES (?, ?) ON CONFLICT (key) DO "
                              "UPDATE SET value = excluded.value"),
               {key, value.toString()}, why);
}

bool makeVersion1(QSqlDatabase& db, QString* why) {
    return all(db, version1(db), why);
}

bool prepare(QSqlDatabase& db, int version, QString* why) {
    if (!db.transaction()) {
        *why = db.lastError().text();
        return false;
    }
    bool ok = true;
    if (!db.tables().contains(QStringLiteral("meta"))) ok = makeVersion1(db, why);
    const int found = ok ? meta(db, QStringLiteral("version")).toInt() : 0;
    if (ok && found > version) {
        *why = QStringLiteral("the store is of version %1, newer than this host's %2")
                   .arg(found)
                   .arg(version);
        ok = false;
    }
    if (ok && found < 2) ok = upgrade1(db, why);
    if (ok && found < 3) ok = upgrade2(db, why);
    if (ok && found < version) ok = setMeta(db, QStringLiteral("version"), version, why);
    if (ok && db.commit()) return true;
    if (ok) *why = db.lastError().text();
    db.rollback();
    return false;
}

} // namespace history::schema
