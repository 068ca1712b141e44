#pragma once

#include "catalogue.h"
#include "runner.h"

#include <filesystem>
#include <string>

// A game's directory file: where the member's copy of the game is installed ("Drive", "Dir",
// "File" under the game's section) and whether that record is valid ("Saved" / "Path").
namespace dirfile {

// Every read uses a path-sized buffer, so a game's folder comes back whole however deep its
// installer put it ("C:\Program Files (x86)\..."). The Windows original read 29 characters,
// which cut such folders and left the game unable to start. Missing means "name".
inline constexpr std::size_t ReadSize = 260;
inline constexpr const char* Missing = "name";

struct Record {
    std::string path; // "0" not set, see isSet
    std::string drive, dir, file;
    Runner runner; // Prefix=, Wine=, Steam=: how a found game's launcher starts it
};

void create(const std::filesystem::path& programDir, const Game& g); // first run: Path=0
// A Set. A game found through a launcher keeps the launcher's way to start it: after the four
// writes of a Set, "Prefix" (its own Wine prefix) and then "Wine" (the Wine that made it) or
// "Steam" (Steam's number for it), each only when there is one. A game set by hand has none of
// them, and runs with the system's wine in the default prefix as it always did.
void store(const std::filesystem::path& programDir, const Game& g, const std::string& drive,
           const std::string& dir, const std::string& file, const Runner& runner = {});
void reset(const std::filesystem::path& programDir, const Game& g); // a clear

// The "Dir" value is a line of the batch file: "cd ", the game's folder, a backslash. These two
// are the only places that make and read that form.
std::string dirValue(const std::string& folder);   // c:\Games\Q3 -> "cd c:\Games\Q3\"
std::string folderOf(const std::string& dirValue); // "cd c:\Games\Q3\" -> c:\Games\Q3\ (as set)

std::string readPath(const std::filesystem::path& programDir, const Game& g);
// Whether a "Path" value records a game the member has set: not "0" (never set, or cleared) and
// not missing. Connect itself refuses only "0", as the Windows client did.
inline bool isSet(const std::string& path) {
    return path != "0" && path != Missing;
}
Record read(const std::filesystem::path& programDir, const Game& g); // what the launch reads

} // namespace dirfile
