#pragma once

#include <filesystem>
#include <string>

// How a game starts beside what its batch file says: in which Wine prefix, with which Wine, or
// through Steam. A launcher that installed the game made its prefix with a Wine of its own, and
// another Wine in that prefix rewrites it; so a game found through a launcher keeps the
// launcher's way, and a game set by hand runs with the system's wine in the default prefix.
struct Runner {
    std::filesystem::path prefix; // the game's own Wine prefix; empty: the member's default one
    std::filesystem::path wine; // the Wine program that made that prefix; empty: the system's wine
    std::string steamApp; // Steam's number for the game: Steam starts it; empty: not a Steam game

    bool operator==(const Runner&) const = default;
};
