#pragma once

#include "serverlist.h"
#include "statuscache.h"

#include <QDir>
#include <QHttpServer>
#include <QHttpServerResponse>

// The community's web host: its own pages from one folder under /ilnightowls/servers/, and the
// server list and one page per server built from the folder's servers.con, with live status.
class CommunityHost final {
public:
    struct Options {
        QString root;   // the community's folder
        bool log = false; // each request's path on stdout
        int delayMs = 0;  // every answer held back (for pictures of the detection window)
    };
    explicit CommunityHost(const Options& o);

    // The port it listens on, 0 when it cannot.
    quint16 listen(const QHostAddress& address, quint16 port) { return http_.listen(address, port); }

    QHttpServerResponse page(const QString& name);
    static QByteArray contentType(const QString& name);

private:
    QHttpServerResponse file(const QString& name);
    QByteArray listPage();
    QByteArray serverPage(const Server& s);

    Options options_;
    QDir root_;
    QString canonicalRoot_;
    ServerList list_;
    StatusCache status_;
    QHttpServer http_;
};
