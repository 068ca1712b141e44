#pragma once

#include "files/drives.h"

#include <QString>

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Runs the game batch files that the launch writes, without any shell. It understands exactly
// the lines the launch produces: a section line (not a command: a complaint, then on), remark
// lines, "cd\", a drive switch "X:" (whatever follows the colon is ignored), "cd X:\dir\", and
// one program line whose first blank-separated word is the program, relative to the current
// directory, and whose further words are its arguments, passed on as they stand.
namespace batch {

struct Launch {
    std::filesystem::path program;
    std::vector<std::string> arguments;
    std::filesystem::path workingDir;
};

// How a start went, so that the member can be told what to do about a game that did not start.
// Needs32BitWine: a 32-bit Windows program where Wine runs only 64-bit ones.
enum class Outcome { Started, FolderMissing, ProgramMissing, NeedsWine, Needs32BitWine, NotStarted };

struct Plan {
    std::optional<Launch> launch;         // at most one program is ever started
    std::vector<std::string> complaints;  // what a command interpreter would have said
    Outcome missing = Outcome::ProgramMissing; // why there is no launch
};

// startDrive is the current drive when the file starts (the drive of the batch file itself).
Plan parse(std::string_view bytes, const DriveTable& drives, char startDrive);

// Windows programs start through wine when it is installed (and, for a 32-bit program, when
// that Wine runs 32-bit programs); anything else directly. The process is detached: nobody
// waits for the game. Without a command, `refused` says why and `complaint` says it in words.
struct Command {
    std::string program;
    std::vector<std::string> arguments;
    Outcome refused = Outcome::Started;
    std::string complaint;
};
Command commandFor(const Launch& launch);

// Starts the program as commandFor says, detached, in its working folder, in the Wine prefix given
// (the default one when none); complaints go to stderr.
Outcome start(const Launch& launch, const std::filesystem::path& winePrefix = {});

// Reads, plans and starts a batch file; complaints go to stderr. A game with a Wine prefix of
// its own runs there: its drive letters are that prefix's, and Wine is told to use it.
Outcome run(const std::filesystem::path& file, const DriveTable& drives, const std::filesystem::path& winePrefix = {});

// What the member is told about a program that did not start, in its folder: the message box's
// text and title, and whether setting the game again in Settings would help.
struct WhyNot {
    QString text, title;
    bool setAgain = true;
};
WhyNot whyNotStarted(Outcome outcome, const QString& folder, const QString& program);

} // namespace batch
