#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <string_view>

// The games' own status queries, as the server browsers that members know ask them: what to
// send, on which port, and what an answer says. Everything a server sends is untrusted: a reply
// that does not follow its game's form is no answer, and every text taken from it is stripped
// of colour codes and control characters and cut short.
namespace status {

enum class Protocol {
    Quake3,   // "getstatus" -> "statusResponse": Quake III and the games on its engine
    Quake2,   // "status" -> "print": Quake II, Soldier of Fortune
    Unreal,   // "\status\" on the query port, one above the game port
    NetQuake, // the NetQuake server-info request
    None      // no documented query: status unknown
};

Protocol protocolFor(std::string_view gameCode);
// The port a server of the game listens on when its address names none.
quint16 defaultPort(std::string_view gameCode);
// Where the query goes, relative to the game port.
int queryPortOffset(Protocol p);
QByteArray request(Protocol p);

inline constexpr qsizetype MaxReply = 16384; // larger replies are ignored
inline constexpr qsizetype MaxText = 64;     // characters kept of any text a server sends

struct Info {
    QString host;
    QString map;
    int players = 0;
    int maxPlayers = 0;
};

// nullopt: not an answer of this protocol (malformed, oversized, or another packet).
std::optional<Info> parse(Protocol p, const QByteArray& reply);

// Colour codes ("^1") and control characters out, at most MaxText characters.
QString clean(QByteArrayView raw);

} // namespace status
