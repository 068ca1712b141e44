#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>

#include <optional>

// The community host's players.json, as the Friends window reads it: where each name was last
// seen. What does not follow the form is left out.
namespace lastseen {

struct Seen {
    bool playing = false;
    QString server; // its display name
    qint64 secondsAgo = 0;
};

// By the name folded (compared without regard to case); nullopt: not players.json at all.
std::optional<QHash<QString, Seen>> parse(const QByteArray& json);

// A friend as the window shows them: "Raven: playing now on Night Owls Arena", "Raven: last seen
// 2 hours ago on Night Owls Arena", "Raven: not seen yet"; the name alone while nothing is known.
QString shown(const QString& name, const std::optional<QHash<QString, Seen>>& seen);

} // namespace lastseen
