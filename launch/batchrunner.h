#pragma once

#include "files/drives.h"
#include "games/start.h"

#include <QString>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

// Runs the game batch files that the launch writes, without any shell. It understands exactly
// the lines the launch produces: a section line (not a command: a complaint, then on), remark
// lines, "cd\", a drive switch "X:" (whatever follows the colon is ignored), "cd X:\dir\", and
// one program line whose first blank-separated word is the program, relative to the current
// directory, and whose further words are its arguments, passed on as they stand.
namespace batch {

struct Plan {
    std::optional<Launch> launch;              // at most one program is ever started
    std::vector<std::string> complaints;       // what a command interpreter would have said
    Outcome missing = Outcome::ProgramMissing; // why there is no launch
};

// startDrive is the current drive when the file starts (the drive of the batch file itself).
Plan parse(std::string_view bytes, const DriveTable& drives, char startDrive);

using Environment = std::vector<std::pair<std::string, std::string>>;

// A game with a Steam number starts through Steam, with the batch file's arguments; a Windows
// program through its launcher's Wine, else the system's wine when it is installed (and, for a
// 32-bit program, when that Wine runs 32-bit programs); anything else directly. A game in a
// prefix of its own runs there, for the architecture the prefix was made for, with its
// launcher's environment beside. Without a command, `refused` says why and `complaint` says it
// in words.
struct Command {
    std::string program;
    std::vector<std::string> arguments;
    Environment environment; // set over the member's own
    Outcome refused = Outcome::Started;
    std::string complaint;
};
Command commandFor(const Launch& launch, const Runner& runner = {},
                   const Environment& launcherEnv = {});

// Reads and plans the batch file, when there is one (its drive letters are those of the game's
// own prefix, when it has one), and starts the program as commandFor says, detached, in its
// working folder: nobody waits for the game. Complaints go to stderr.
Outcome run(const Start& start, const DriveTable& drives, const Environment& launcherEnv = {});

} // namespace batch
