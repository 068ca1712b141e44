#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>

#include <optional>
#include <string_view>
#include <vector>

// The games' own status queries, as the server browsers that members know ask them: what to
// send, on which port, and what an answer says. Everything a server sends is untrusted: a reply
// that does not follow its game's form is no answer, and every text taken from it is stripped
// of colour codes and control characters and cut short.
namespace status {

enum class Protocol {
    Quake3,   // "getstatus" -> "statusResponse": Quake III and the games on its engine
    Moh,      // the same with a direction byte after the four 0xFF: the Medal of Honor games
    Quake2,   // "status" -> "print": Quake II, Soldier of Fortune
    GameSpy,  // "\status\" -> "\key\value" in numbered parts: Unreal Tournament, 007 Night Fire
    NetQuake, // the NetQuake server-info request, then one player request per player
    None      // no query known: status unknown
};

struct Game {
    Protocol protocol = Protocol::None;
    quint16 port = 0;      // the game port its servers use unless told otherwise
    int queryOffset = 0;   // where the query goes relative to the game port...
    quint16 queryPort = 0; // ...unless the game has a query port of its own
    const char* shortName = "";
};
std::optional<Game> gameOf(std::string_view gameCode);

// Where a server's status question goes: servers.con's QueryPort if given, else the game's own
// rule. nullopt: no usable port (the game port + 1 past 65535).
std::optional<quint16> queryPort(std::string_view gameCode, quint16 gamePort, quint16 configured = 0);

QByteArray request(Protocol p);
// NetQuake asks for each player by its number among the players on the server.
QByteArray playerRequest(int index);

inline constexpr qsizetype MaxReply = 16384; // larger datagrams are ignored
inline constexpr qsizetype MaxText = 64;     // characters kept of any text a server sends
inline constexpr int MaxPlayers = 64;        // player rows kept

struct Player {
    QString name;
    std::optional<int> score; // frags or score where the game reports one
    int ping = -1;
};

struct Info {
    QString host;
    QString map;
    int players = 0;
    int maxPlayers = 0;
    std::vector<Player> list; // best score first, at most MaxPlayers
};

// One question to one server, fed every datagram that server sends back.
class Answer final {
public:
    explicit Answer(Protocol p) : protocol_(p) {}
    enum class Step { Ignored, More, Done };
    // `next`: packets to send now (NetQuake's player requests).
    Step take(const QByteArray& datagram, std::vector<QByteArray>* next = nullptr);
    const std::optional<Info>& info() const { return info_; } // once the server's info is in

private:
    Step gameSpyPart(const QByteArray& part);
    Step netQuakePlayer(const QByteArray& reply);

    Protocol protocol_;
    std::optional<Info> info_;
    struct Parts {
        QMap<int, QByteArray> bodies; // by part number
        int last = 0;                 // the number of the part that said \final\, once seen
    };
    QMap<QByteArray, Parts> parts_; // GameSpy: by query id
    std::vector<bool> playerSeen_; // NetQuake: which player replies are in
};

// Colour codes ("^1") and control characters out, at most MaxText characters.
QString clean(QByteArrayView raw);

} // namespace status
