#pragma once

#include "start.h"

#include <cstdint>
#include <filesystem>
#include <span>
#include <string>
#include <string_view>
#include <vector>

// How a game's servers answer a status question (the community's web host asks them).
enum class Protocol {
    Quake3,   // "getstatus" -> "statusResponse": Quake III and the games on its engine
    Moh,      // the same with a direction byte after the four 0xFF: the Medal of Honor games
    Quake2,   // "status" -> "print": Quake II, Soldier of Fortune
    GameSpy,  // "\status\" -> "\key\value" in numbered parts: Unreal Tournament, 007 Night Fire
    NetQuake, // the NetQuake server-info request, then one player request per player
    None      // no query known: status unknown; stays last, a new family goes before it
};
// How many there are, None included: what goes over every family counts to this.
inline constexpr int protocolCount = int(Protocol::None) + 1;

// Where Find Games looks for a game once it is installed: the registry values its installers
// leave, the folders its retail, GOG and Steam editions install to, its program, and the native
// engines that play its servers with the same command line.
struct RegistryValue {
    const char* key; // below HKEY_LOCAL_MACHINE, in the 64-bit view ("Software\Id\Quake III Arena")
    const char* value; // the value that names the game's folder
};
struct Found {
    std::vector<RegistryValue> registry;
    std::vector<const char*> folders;  // below C:\ ("Program Files\EA GAMES\MOHAA")
    std::vector<const char*> programs; // in the game's folder ("System\UnrealTournament.exe")
    std::vector<int> steamApps;        // Steam's numbers for the game
    std::vector<const char*> engines;  // native engines' program names
};

// One row a game, its columns grouped by who reads them: the settings window, the web host's
// status question, Find Games. The launch reads the code and the section.
struct Game {
    int row;                       // 1, 2, ... in the table's order
    const char* code;              // five lower-case letters: names the game's files
    const char* section;           // the game's full title: its profile section
    const char* setButton;         // the settings window's Set button
    const char* unsetCaption;      // the Set button's caption when the window is created
    const char* setCaption;        // after a Set
    const char* clearBox;          // the settings window's clear box
    const char* clearedCaption;    // after "Clear Selected Directories"
    const char* allClearedCaption; // after "Clear All Directories"
    // What the web host shows and asks of the game's servers.
    const char* shortName; // in the server list
    Protocol protocol;
    std::uint16_t port;      // the game port its servers use unless told otherwise
    int queryOffset;         // where the status question goes relative to the game port...
    std::uint16_t queryPort; // ...unless the game has a query port of its own
    bool colourCodes;        // "^1" in its texts is a colour (the Quake III engine), not a letter
    int gameSpyOffset;       // also answers GameSpy "\status\" on the game port + this (0: not)
    PasswordBy passwordBy;   // how the game is given a locked server's password
    // Where Find Games finds it (sources: the table of where games are found in docs/GAMES.md).
    Found found;
};

namespace catalogue {

// The games the program supports, in catalogue order: the order of the settings window's
// rows, of the first run and of "Clear All Directories". Everything done for a game, by the
// client and by the community's web host, is keyed by its row.
std::span<const Game> games();

// Exact, case-sensitive: "mohaa" matches row 1, "Mohaa" and " mohaa" match nothing.
const Game* byCode(std::string_view code);
const Game* byClearBox(std::string_view objectName);

// programDir + "\settings\" + code + ".con" / ".bat"
std::filesystem::path directoryFile(const std::filesystem::path& programDir, const Game& g);
std::filesystem::path batchFile(const std::filesystem::path& programDir, const Game& g);

} // namespace catalogue
