#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <utility>
#include <vector>

// The records the members' launchers keep of the Wine prefixes they made, read-only: which prefix,
// made with which Wine, and how the member knows the game there. Lutris keeps a YAML file a game,
// Bottles a YAML file a bottle, PlayOnLinux a settings file a prefix, Heroic a JSON file a game.
// Each file is read up to MostRead bytes, and one larger is no launcher's: passed over, as is a
// file that cannot be read as its format, or that names no prefix.
namespace launchers {

inline constexpr std::size_t MostRead = 1u << 20;

struct Prefix {
    std::filesystem::path prefix;
    std::filesystem::path wine; // the Wine that made it; empty: the system's wine
    std::string where; // as Games Found shows it: "Lutris: Medal of Honor (Wine lutris-7.2)"
    std::filesystem::path program; // the program the record starts, when it names one (Lutris' exe)
};

// Every launcher's prefixes in a home, the native installs before the Flatpak ones; stops early
// once `late` says the time is up.
std::vector<Prefix> prefixes(const std::filesystem::path& home, const std::function<bool()>& late);

// The environment a launcher sets for the programs of a prefix it made (a bottle's
// Environment_Variables), in the order its record gives them.
std::vector<std::pair<std::string, std::string>> environmentOf(const std::filesystem::path& prefix);

} // namespace launchers
