#pragma once

#include "history/pulse.h"

#include <QByteArray>
#include <QString>

#include <functional>
#include <optional>
#include <vector>

// players.htm (find a name: when and where it was last seen, its time this week on each server)
// and players.json, the same as data, each list cut at its first hundred with how many more.
// nullopt: the store cannot say.
namespace playerpages {

// A server's display name from its page name; empty when the list no longer has it.
using NameOf = std::function<QString(const QString& page)>;

QByteArray page(const QString& find, const std::optional<history::Found>& seen, qint64 now,
                const NameOf& nameOf);
QByteArray json(const std::optional<history::Found>& seen, qint64 now, const NameOf& nameOf);

// "2 hours ago", "3 days ago", "just now"
QByteArray ago(qint64 seconds);

} // namespace playerpages
