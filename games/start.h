#pragma once

#include "runner.h"

#include <QString>

#include <filesystem>
#include <string>
#include <vector>

// How a game takes a locked server's password on its command line: "+set password <pw>" before
// "+connect" (the Quake engines), "+password <pw>" (an engine that sets a console variable by its
// own name), "<address>?password=<pw>" (Unreal's URL options), or not at all (Quake's servers
// have none).
enum class PasswordBy { SetCvar, PlusCvar, UrlOption, None };

// One start of a game, or of a downloaded program, as it travels from the window that asks for
// it, through the services' seam, to the batch runner that starts it; and how it went.
namespace batch {

struct Launch {
    std::filesystem::path program;
    std::vector<std::string> arguments;
    std::filesystem::path workingDir;
};

// How a start went, so that the member can be told what to do about a game that did not start.
// Needs32BitWine: a 32-bit Windows program where Wine runs only 64-bit ones. WineMissing: the
// Wine the game's launcher made its prefix with is gone; SteamMissing: Steam, which starts the
// game, is not installed. Neither is ever replaced by another.
enum class Outcome {
    Started,
    FolderMissing,
    ProgramMissing,
    NeedsWine,
    Needs32BitWine,
    WineMissing,
    SteamMissing,
    PasswordRefused, // a character the game's console would read as a command
    NotStarted,
    Count // after the last: the size of every table with a row an outcome
};

// Connect to Server names the game's batch file, which says the program, its arguments and its
// folder; a download's Run names the program itself. The runner says how the game's launcher
// starts it.
struct Start {
    std::filesystem::path batchFile; // read for the launch when given
    Launch launch;                   // otherwise started as it stands
    Runner runner;
    // A locked server's password, added to the started process's command line only: never to
    // the batch file or any other file.
    std::string password;
    PasswordBy passwordBy = PasswordBy::SetCvar;
};

// What the member is told of a start that did not go, from one table for the game Connect to
// Server starts and the program a download's Run starts: the message box's text and title, and
// whether setting the game again in Settings would help. `folder` is where the program was,
// `runner` the Wine that starts it, when that is what is missing.
enum class Starting { Game, Download };
struct WhyNot {
    QString text, title;
    bool setAgain = true;
};
WhyNot whyNotStarted(Outcome outcome, Starting what, const QString& program, const QString& folder,
                     const QString& runner = {});

} // namespace batch
