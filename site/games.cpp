// The games whose servers a community lists: which family's question each answers, on which port.
#include "status.h"

#include <algorithm>
#include <array>

namespace status {
namespace {

struct Row {
    const char* code;
    Game game;
};

// Each game's query, its usual game port, where its servers answer the question, whether its
// texts carry Quake III colour codes, and (Medal of Honor) the GameSpy port some of its servers
// answer on instead.
constexpr std::array<Row, 12> rows{{
    {"mohaa", {Protocol::Moh, 12203, 0, 0, "MOH:AA", true, 97}},
    {"mohsh", {Protocol::Moh, 12203, 0, 0, "MOH:SH", true, 97}},
    {"mohbt", {Protocol::Moh, 12203, 0, 0, "MOH:BT", true, 97}},
    {"untor", {Protocol::GameSpy, 7777, 1, 0, "UT", false, 0}},
    {"qkone", {Protocol::NetQuake, 26000, 0, 0, "Quake", false, 0}},
    {"qktwo", {Protocol::Quake2, 27910, 0, 0, "Quake II", false, 0}},
    {"qktre", {Protocol::Quake3, 27960, 0, 0, "Quake III", true, 0}},
    {"night", {Protocol::GameSpy, 26015, 0, 6550, "Night Fire", false, 0}},
    {"rwolf", {Protocol::Quake3, 27960, 0, 0, "RtCW", true, 0}},
    {"sofon", {Protocol::Quake2, 28910, 0, 0, "SoF", false, 0}},
    {"softw", {Protocol::Quake3, 20100, 0, 0, "SoF II", true, 0}},
    {"jedio", {Protocol::Quake3, 28070, 0, 0, "JK II", true, 0}},
}};

} // namespace

std::optional<Game> gameOf(std::string_view code)
{
    auto it = std::find_if(rows.begin(), rows.end(), [&](const Row& r) { return code == r.code; });
    return it == rows.end() ? std::nullopt : std::optional<Game>(it->game);
}

std::optional<quint16> queryPort(std::string_view code, quint16 gamePort, quint16 configured)
{
    if (configured)
        return configured;
    const std::optional<Game> g = gameOf(code);
    if (!g)
        return std::nullopt;
    if (g->queryPort)
        return g->queryPort;
    const int port = gamePort + g->queryOffset;
    return port > 0 && port <= 65535 ? std::optional<quint16>(quint16(port)) : std::nullopt;
}

} // namespace status
