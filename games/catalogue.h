#pragma once

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

// The twelve games the program supports, in catalogue order: the order of the settings window's
// rows, of the first run and of "Clear All Directories". Everything done for a game is keyed by
// its row.
struct Game {
    int row;                      // 1 to 12
    const char* code;             // five lower-case letters: names the game's files
    const char* section;          // the game's full title: its profile section
    const char* setButton;        // the settings window's Set button
    const char* unsetCaption;     // the Set button's caption when the window is created
    const char* setCaption;       // after a Set
    const char* clearBox;         // the settings window's clear box
    const char* clearedCaption;   // after "Clear Selected Directories"
    const char* allClearedCaption; // after "Clear All Directories"
};

namespace catalogue {

const std::array<Game, 12>& games();

// Exact, case-sensitive: "mohaa" matches row 1, "Mohaa" and " mohaa" match nothing.
const Game* byCode(std::string_view code);
const Game* bySetButton(std::string_view objectName);
const Game* byClearBox(std::string_view objectName);

// programDir + "\Settings\" + code + ".con" / ".bat"
std::filesystem::path directoryFile(const std::filesystem::path& programDir, const Game& g);
std::filesystem::path batchFile(const std::filesystem::path& programDir, const Game& g);

} // namespace catalogue
