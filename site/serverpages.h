#pragma once

#include "serverlist.h"
#include "statuscache.h"

#include <QByteArray>

#include <functional>
#include <vector>

// The generated pages: the server list, one row a server as in any server browser, and each
// server's own page with its details and who is playing. Every text a server sent is escaped.
namespace serverpages {

// One of the host's built-in pages (templates, the demo's pages, the program's own style sheet).
QByteArray resource(const QString& name);

QByteArray list(const std::vector<Server>& servers,
                const std::function<Status(const Server&)>& statusOf);
QByteArray server(const Server& s, const Status& st);
// The same as data, for the client (friends, the wait for a free slot) and a community's tools.
QByteArray json(const std::vector<Server>& servers,
                const std::function<Status(const Server&)>& statusOf);

} // namespace serverpages
