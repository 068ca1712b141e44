#pragma once

#include <QByteArray>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>
#include <vector>

// The community host's servers.json, as the client reads it: each server's page name, game,
// address, state and players. What does not follow the form is left out; at most MostServers
// servers of MostPlayers players are kept, whatever the host sends.
struct Services;

namespace listing {

inline constexpr int MostServers = 4096, MostPlayers = 64;
inline constexpr qint64 MostBytes = 8 << 20;

struct Server {
    QString name, game, address, page;
    bool answering = false;
    int players = 0, maxPlayers = 0;
    bool password = false; // the server asks a password of whoever joins
    QStringList playerNames;
    bool full() const { return answering && maxPlayers > 0 && players >= maxPlayers; }
};

// nullopt: not servers.json at all.
std::optional<std::vector<Server>> parse(const QByteArray& json);
const Server* byPage(const std::vector<Server>& servers, const QString& page);

// The host's servers, through the services' seam: `seen` gets them, or nullopt when the host's
// answer could not be read as servers.json (or there is no host to ask).
using Seen = std::function<void(std::optional<std::vector<Server>> servers)>;
void read(const Services& services, QObject* context, Seen seen);

// One question out at a time, for a look that comes again and again.
class Asker {
public:
    void ask(const Services& services, QObject* context, Seen seen);

private:
    bool asking_ = false;
};

// The host's servers.json over HTTP (the address as host.con gives it), at most MostBytes, within
// 10 s; done(bytes, ok) later, and never once `context` is gone.
// `page`: another of the host's data pages (players.json?name=...).
void fetch(const QString& host, QObject* context,
           std::function<void(const QByteArray& json, bool ok)> done,
           const QString& page = QStringLiteral("servers.json"));

} // namespace listing
