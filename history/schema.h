#pragma once

#include <QSqlDatabase>
#include <QString>
#include <QVariantList>

// The store's tables, made or brought up to the version this program writes, and the few
// statements everything else runs through: bound parameters only, never a value in the text.
namespace history::schema {

// Version 1 kept counts without the slot limit and sessions without their folded name, and no
// hourly summaries; version 2 has all three; version 3 marks sessions and servers with the host
// that watches them.
//   servers  (id, page, host)            one row per server page name
//   counts   (server, at, players, slots) players -1: no answer, -2: the host was not watching
//   sessions (id, server, name, folded, since, until, open, host)
//   hours    (server, hour, peak, mean, up, watched)   kept for ever
//   meta     (key, value)                "version", "rolled" (the last hour summarized),
//                                        "alive <host>" (each host's last write)
bool prepare(QSqlDatabase& db, int version, QString* why);
// Version 1's tables as they were, for a test of the upgrade.
bool makeVersion1(QSqlDatabase& db, QString* why);

// One statement with its values bound in order; false (and `why`) when the database refused.
bool run(QSqlDatabase& db, const QString& sql, const QVariantList& values, QString* why);
// The rows of a query, each its columns in order.
bool rows(QSqlDatabase& db, const QString& sql, const QVariantList& values,
          QList<QVariantList>* out, QString* why);
QVariant meta(QSqlDatabase& db, const QString& key);
bool setMeta(QSqlDatabase& db, const QString& key, const QVariant& value, QString* why);

// A name compared without regard to case.
QString folded(const QString& name);

} // namespace history::schema
