#pragma once

#include "games/catalogue.h"

#include <QByteArray>
#include <QString>

#include <memory>
#include <optional>
#include <string_view>
#include <vector>

// The games' own status queries, as the server browsers that members know ask them: what to
// send, on which port, and what an answer says. Everything a server sends is untrusted: a reply
// that does not follow its game's form is no answer, and every text taken from it is stripped
// of control characters (and colour codes, in the games that have them) and cut short.
// Each protocol family lives in a file of its own (its question and its reader).
namespace status {

// The games and which family each speaks are rows of the client's game catalogue.
using ::Protocol;

// Where a server's status question goes: servers.con's QueryPort if given, else the game's own
// rule. nullopt: an unknown game, or no usable port (the game port + 1 past 65535).
std::optional<quint16> queryPort(std::string_view gameCode, quint16 gamePort,
                                 quint16 configured = 0);

QByteArray request(Protocol p);

inline constexpr qsizetype MaxReply = 16384; // larger datagrams are ignored
inline constexpr qsizetype MaxText = 64;     // characters kept of any text a server sends
inline constexpr int MaxPlayers = 64;        // player rows kept
// The most any count a server sends is believed: more players than any game's server holds.
inline constexpr int MaxCount = 4096;

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
    bool password = false;    // the server asks a password of whoever joins
};

class Reader;

// One question to one server, fed every datagram that server sends back.
class Question final {
public:
    explicit Question(Protocol p, bool colourCodes = false);
    ~Question();
    Question(Question&&) noexcept;
    Question& operator=(Question&&) noexcept;
    enum class Step { Ignored, More, Done };
    // `next`: packets to send now (NetQuake's player requests).
    Step take(const QByteArray& datagram, std::vector<QByteArray>* next = nullptr);
    const std::optional<Info>& info() const; // once the server's info is in

private:
    std::unique_ptr<Reader> reader_;
};

// Control characters (and, with colourCodes, colour codes such as "^1") out, at most MaxText
// characters.
QString clean(QByteArrayView raw, bool colourCodes);

} // namespace status
