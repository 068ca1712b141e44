#pragma once

#include "serverlist.h"
#include "status/status.h"

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QObject>
#include <QUdpSocket>

#include <functional>
#include <optional>
#include <unordered_map>
#include <vector>

// What the list and the server pages show of each server.
struct Status {
    enum class State { Unknown, Asking, Answering, Silent };
    State state = State::Unknown;
    status::Info info;
    int roundTripMs = -1;
};

// Asks the servers for their status with their games' own queries, all at once on one UDP
// socket (IPv6 and IPv4), each given `timeoutMs` to answer, and keeps each answer for
// `maxAgeMs`: one question per server per lifetime, however many members look. A page never
// waits for a server: it shows what is known and, where that is older than maxAgeMs, asks anew.
class StatusCache final : public QObject {
    Q_OBJECT
public:
    explicit StatusCache(int timeoutMs = 1000, int maxAgeMs = 10000, QObject* parent = nullptr);

    // And asks again when stale; a server whose name is still being looked up is "asking".
    Status of(const Server& s);
    // Asks every server whose answer is stale; `beat`: the status loop's own round, which asks
    // every server whose last question went out a round ago, however long its answer took.
    void refresh(const std::vector<Server>& all, bool beat = false);
    quint16 localPort() const { return socket_.localPort(); }
    // Told each settled answer or silence, with the server's page name (the history's key).
    void onSettled(std::function<void(const QString& page, const Status& st)> f) {
        settled_ = std::move(f);
    }

private:
    struct Entry {
        Status status;
        status::Protocol protocol = status::Protocol::None;
        QList<QHostAddress> addresses; // as the server list last gave them
        quint16 port = 0;
        std::optional<status::Question> answer; // while a question is out
        bool colourCodes = false;
        // Medal of Honor: GameSpy's port, asked too when the game's own question goes
        // unanswered, and the answer from there.
        quint16 gameSpyPort = 0;
        std::optional<status::Question> gameSpy;
        const std::optional<status::Info>& info() const {
            return gameSpy && gameSpy->info() ? gameSpy->info() : answer->info();
        }
        QElapsedTimer sentAt;
        QElapsedTimer settledAt; // since the last answer or silence
        QElapsedTimer askedAt;   // since the last question first went out
        int question = 0;        // which question a timer belongs to
        QString page;            // the server's page name
    };
    static QString key(const Server& s) { return s.code + QLatin1Char('@') + s.address; }
    void ask(const Server& s, Entry& e, bool beat = false);
    void send(Entry& e, bool again);
    void readReplies();
    void answered(Entry& e, status::Question& a, const QHostAddress& from, quint16 port,
                  const QByteArray& data);
    void settle(Entry& e, const Status& st);

    int timeoutMs_, maxAgeMs_;
    QUdpSocket socket_;
    std::function<void(const QString&, const Status&)> settled_;
    std::unordered_map<QString, Entry> entries_; // an Entry's answer is not copied, so no QHash
};
