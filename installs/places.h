#pragma once

#include <string_view>
#include <vector>

// Where each of the twelve games is found once installed: the registry values its installers
// leave, the folders its retail, GOG and Steam editions install to, its program, and the native
// engines that play its servers with the same command line. Keyed by the game's code.
namespace installs {

struct RegistryValue {
    const char* key; // below HKEY_LOCAL_MACHINE, in the 64-bit view ("Software\Id\Quake III Arena")
    const char* value; // the value that names the game's folder
};

struct Place {
    const char* code; // the game's code ("qktre")
    std::vector<RegistryValue> registry;
    std::vector<const char*> folders;  // below C:\ ("Program Files\EA GAMES\MOHAA")
    std::vector<const char*> programs; // in the game's folder ("System\UnrealTournament.exe")
    std::vector<int> steamApps;        // Steam's numbers for the game
    std::vector<const char*> engines;  // native engines' program names
};

const std::vector<Place>& places();

} // namespace installs
