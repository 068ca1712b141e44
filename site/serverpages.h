#pragma once

#include "serverlist.h"
#include "statuscache.h"

#include <QByteArray>
#include <QHash>

#include <functional>
#include <vector>

// The generated pages: the server list, one row a server as in any server browser, and each
// server's own page with its details and who is playing. Every text a server sent is escaped.
namespace serverpages {

// One of the host's built-in pages (templates, the demo's pages, the program's own style sheet).
QByteArray resource(const QString& name);

// `picture`: a map's picture (or name) as a list row shows it.
QByteArray list(const std::vector<Server>& servers,
                const std::function<Status(const Server&)>& statusOf,
                const std::function<QByteArray(const QString& map)>& picture = {});
// `more`: the page's further parts by their template keys (PULSE, PICTURE).
QByteArray server(const Server& s, const Status& st,
                  const QHash<QByteArray, QByteArray>& more = {});
// A map's picture as the list (small) or the server page (big) shows it, with its name; the name
// alone when the host has no picture of it.
QByteArray picture(const QString& map, bool has, bool big);
// The same as data, for the client (friends, the wait for a free slot) and a community's tools.
QByteArray json(const std::vector<Server>& servers,
                const std::function<Status(const Server&)>& statusOf);

} // namespace serverpages
