#pragma once

#include <QHash>
#include <QHostAddress>
#include <QList>
#include <QString>

#include <ctime>
#include <filesystem>
#include <functional>
#include <string>
#include <vector>

// One game server of the community, as servers.con lists it.
struct Server {
    QString name;    // the section name: the server's display name
    QString code;    // the game's five-letter code
    QString address; // as the game's +connect takes it: host[:port]
    QString host;
    quint16 port = 0; // the game port: the address's, else the game's usual one
    quint16 queryPort = 0; // where its status question goes (0: the game's own rule)

    // The page the client cuts the game and the address from: code, address, ".htm".
    QString pageName() const { return code + address + QStringLiteral(".htm"); }
};

// servers.con, in the profile format the client uses: one section per server, keys Game and
// Address. Rows the client could not use are left out, each with a warning on stderr; the file
// is read again when it changes.
class ServerList final {
public:
    // How a host name becomes addresses: the system's resolver unless replaced.
    using Resolve = std::function<QList<QHostAddress>(const QString& name)>;
    explicit ServerList(std::filesystem::path file, Resolve resolve = {});

    const std::vector<Server>& servers(); // reads the file again if it changed
    const Server* byPage(const QString& pageName);

    // An address the client can pass on as one word: host name or IPv4, optional port.
    static bool validAddress(const QString& address);
    // An address that names one machine: no broadcast, multicast or "any" address.
    static bool singleHost(const QHostAddress& address);
    static std::vector<Server> parse(const std::string& contents, const std::filesystem::path& file, const Resolve& resolve);

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

    std::filesystem::path file_;
    Resolve resolve_;
    Seen seen_;
    bool read_ = false;
    bool young_ = false;   // read so soon after its last change that a change may hide in the same tick
    std::string contents_; // as last read, to compare with while young_
    std::vector<Server> servers_;
    QHash<QString, std::size_t> pages_; // page name -> index in servers_
};
