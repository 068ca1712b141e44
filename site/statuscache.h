#pragma once

#include "serverlist.h"
#include "status.h"

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QUdpSocket>

#include <vector>

// What the list and the server pages show of each server.
struct Status {
    enum class State { Unknown, Asking, Answering, Silent };
    State state = State::Unknown;
    status::Info info;
    int roundTripMs = -1;
};

// Asks the servers for their status with their games' own queries, all at once on one UDP
// socket, each given `timeoutMs` to answer, and keeps each answer for `maxAgeMs`. A page never
// waits for a server: it shows what is known and, where that is older than maxAgeMs, asks anew.
class StatusCache final : public QObject {
    Q_OBJECT
public:
    explicit StatusCache(int timeoutMs = 1000, int maxAgeMs = 10000, QObject* parent = nullptr);

    Status of(const Server& s);                   // and asks again when stale
    void refresh(const std::vector<Server>& all); // asks every server whose answer is stale
    quint16 localPort() const { return socket_.localPort(); }

signals:
    void changed();

private:
    struct Entry {
        Status status;
        status::Protocol protocol = status::Protocol::None;
        QHostAddress address;
        quint16 port = 0;
        QElapsedTimer askedAt;    // while asking
        QElapsedTimer settledAt;  // since the last answer or silence
    };
    static QString key(const Server& s) { return s.code + QLatin1Char('@') + s.address; }
    void ask(const Server& s, Entry& e);
    void send(Entry& e);
    void readReplies();
    void expire(const QString& key); // its question's time is up

    int timeoutMs_, maxAgeMs_;
    QUdpSocket socket_;
    QHash<QString, Entry> entries_;
};
