#pragma once

#include "games/community.h"

#include <QElapsedTimer>
#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QObject>
#include <QString>

#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <string>
#include <vector>

// One game server of the community, as servers.con lists it.
struct Server {
    QString name;    // the section name: the server's display name
    QString code;    // the game's five-letter code
    QString address; // as the game's +connect takes it: host[:port]
    QString host;
    quint16 port = 0; // the game port: the address's, else the game's usual one
    // servers.con's QueryPort: 0 when the row gives none (the game's own rule).
    quint16 queryPort = 0;
    // Where its questions go: the host's first IPv6 and first IPv4 address that name one machine.
    QList<QHostAddress> addresses;
    bool resolving = false; // its host name's first answer is not in yet

    // The page the client cuts the game and the address from.
    QString pageName() const { return community::pageName(code, address); }
};

// servers.con, in the profile format the client uses: one section per server, keys Game and
// Address. Rows the client could not use are left out, each with a warning on stderr; the file
// is read again when it changes.
//
// Host names are looked up in the background, never while a page waits: a row shows as its
// name's answer stands, and a name is looked up again when the file changes or its answer is
// older than nameMaxAgeMs. A name that leads only to broadcast, multicast or unspecified
// addresses leaves its rows out, with their warning, once that answer comes.
class ServerList final {
public:
    // How a host name becomes addresses: the system's resolver unless replaced. `done` is
    // called once, later, unless `context` is gone by then.
    using Lookup = std::function<void(const QString& name, QObject* context,
                                      std::function<void(const QList<QHostAddress>&)> done)>;
    static constexpr qint64 nameMaxAgeMs = 5 * 60 * 1000;

    explicit ServerList(std::filesystem::path file, Lookup lookup = {});
    // Called when an answer changed what servers() gives.
    void onResolved(std::function<void()> f) { resolved_ = std::move(f); }

    const std::vector<Server>& servers(); // reads the file again if it changed
    const Server* byPage(const QString& pageName);

    // An address the client can pass on as one word: host name or IPv4, optional port.
    static bool validAddress(const QString& address);
    // An address that names one machine: no broadcast, multicast or "any" address.
    static bool singleHost(const QHostAddress& address);
    // The rows of a servers.con text; a host given by name is left `resolving`.
    static std::vector<Server> parse(const std::string& contents,
                                     const std::filesystem::path& file);

private:
    // What the file looked like when it was last read.
    struct Seen {
        bool exists = false;
        dev_t device = 0;
        ino_t inode = 0;
        off_t size = 0;
        timespec modified{}, changed{};
        bool operator==(const Seen& o) const;
    };
    static Seen look(const std::filesystem::path& file);
    // What is known of one host name.
    struct Name {
        std::optional<QList<QHostAddress>> found; // the last answer, once one came
        QElapsedTimer at;                         // since that answer
        bool asking = false;
    };
    void readFile();
    void lookUp();
    void answered(const QString& name, int generation, const QList<QHostAddress>& found);
    void build();

    std::filesystem::path file_;
    Lookup lookup_;
    std::function<void()> resolved_;
    QObject context_; // the lookups' own: gone with the list, so no answer comes after it
    Seen seen_;
    bool read_ = false;
    // Read so soon after its last change that a change may hide in the same tick.
    bool young_ = false;
    std::string contents_;     // as last read, to compare with while young_
    std::vector<Server> rows_; // as the file gives them
    QHash<QString, Name> names_;
    int generation_ = 0;          // of the file's contents; an answer for older contents is dropped
    std::vector<Server> servers_; // the rows as the names' answers stand
    QHash<QString, std::size_t> pages_; // page name -> index in servers_
};
