#pragma once

#include "files/drives.h"
#include "games/catalogue.h"
#include "games/runner.h"

#include <chrono>
#include <filesystem>
#include <optional>
#include <string>
#include <vector>

// Finding the member's installed games where Linux players have them: in Wine prefixes (the
// member's own, Lutris', Bottles', PlayOnLinux's, Proton's), in Steam libraries, and as native
// engines. Only reads, never writes; follows no folder tree, so no link loop can hold it; every
// file is read only so far, and the whole search stops at its time budget.
namespace installs {

struct Find {
    const Game* game;
    std::string
        where; // "Wine prefix ~/.wine", "Lutris: Medal of Honor (Wine lutris-7.2)", "Steam 2200"
    std::filesystem::path program; // the game's program on disk
    Runner runner;                 // its prefix and the Wine that made it, or its Steam number
    // Its prefix, which no launcher's record names, was made by a Wine other than the system's:
    // shown, never set, since that Wine alone may run in it (its launcher sets it).
    bool anotherWine = false;
};

struct Search {
    std::filesystem::path home;
    std::filesystem::path winePrefix;            // $WINEPREFIX, when set
    std::vector<std::filesystem::path> pathDirs; // $PATH
    // Where Debian and local installs put engines beside PATH (Debian's ioquake3 keeps its
    // engine in a folder of its own).
    std::vector<std::filesystem::path> engineDirs{"/usr/games", "/usr/local/games",
                                                  "/usr/lib/ioquake3"};
    std::chrono::milliseconds budget{10000};

    static Search fromEnvironment();
};

// In the order a member would pick them: the member's own prefix first, then the prefixes the
// launchers' records name, then those the member made by hand in ~/Games (or a launcher's folder
// without its record): the system's Wine runs a prefix whose own stamp says it made it, and any
// other is another Wine's. Then Steam, native engines. One find per program file.
std::vector<Find> find(const Search& where);

// What a Set of the found program stores, as the settings window's lists would give it: the
// drive as the drive list shows it, "cd <folder>\", the file; and how the game starts: its prefix
// when it is another one than the drive list shows (`browsed`, the prefix at `browsedPrefix`),
// its launcher's Wine, or its Steam number.
struct Setting {
    std::string drive, dir, file;
    Runner runner;
};
std::optional<Setting> settingFor(const Find& f, const DriveTable& browsed,
                                  const std::filesystem::path& browsedPrefix);

} // namespace installs
