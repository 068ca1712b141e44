#pragma once

#include "serverlist.h"
#include "statuscache.h"

#include <QDir>

#include <memory>

class QHttpServerRequest;
class QTcpSocket;

// The community's web host: its own pages from one folder under /ilnightowls/servers/, and the
// server list and one page per server built from the folder's servers.con, with live status.
class CommunityHost final {
public:
    struct Options {
        QString root;              // the community's folder
        bool log = false;          // each request's method and path on stdout
        int delayMs = 0;           // every answer held back (for pictures of the detection window)
        ServerList::Lookup lookup; // how servers.con's names are looked up; unset: the system's
    };
    explicit CommunityHost(const Options& o);
    ~CommunityHost();

    // The port it listens on, 0 when it cannot.
    quint16 listen(const QHostAddress& address, quint16 port);

    // One answer: a status, its headers, and a body held in memory or a file sent a piece at a
    // time.
    struct Reply {
        int status = 200;
        QByteArray type;
        const char* cache = "no-store";
        QByteArray body;
        std::unique_ptr<QFile> file;
    };
    Reply page(const QString& name);

private:
    class Http;
    class Listener;
    class Connection;
    static QByteArray contentType(const QString& name);
    void answer(const QHttpServerRequest& r, QTcpSocket* socket);
    Reply file(const QString& name);
    QByteArray listPage();
    QByteArray serverPage(const Server& s);

    Options options_;
    QDir root_;
    QString canonicalRoot_;
    ServerList list_;
    StatusCache status_;
    std::unique_ptr<Http> http_;
};
