#pragma once

#include <QDateTime>
#include <QString>

#include <filesystem>
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
    explicit ServerList(std::filesystem::path file) : file_(std::move(file)) {}

    const std::vector<Server>& servers(); // reads the file again if it changed
    const Server* byPage(const QString& pageName);

    // An address the client can pass on as one word: host name or IPv4, optional port.
    static bool validAddress(const QString& address);
    static std::vector<Server> read(const std::filesystem::path& file);

private:
    std::filesystem::path file_;
    QDateTime modified_;
    qint64 size_ = -1;
    std::vector<Server> servers_;
};
