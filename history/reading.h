#pragma once

#include "pulse.h"

#include <QSqlDatabase>
#include <QVariantList>

// What the store's thread reads for the pages: a server's pulse and where names were last seen.
namespace history::reading {

// nullopt (and `why`) when the database refused.
std::optional<Pulse> pulse(QSqlDatabase& db, const QString& server, qint64 now, QString* why);
// The names whose folded form matches `where` (with `binds`), the most recently seen first, at
// most `most`.
std::optional<Found> seen(QSqlDatabase& db, const QString& where, const QVariantList& binds,
                          int most, qint64 now, QString* why);

} // namespace history::reading
