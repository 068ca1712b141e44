#pragma once

#include "catalogue.h"

#include <filesystem>
#include <string>

// A game's directory file: where the member's copy of the game is installed ("Drive", "Dir",
// "File" under the game's section) and whether that record is valid ("Saved" / "Path").
namespace dirfile {

// Every read uses a buffer of 30 characters: at most 29 come back. Missing means "name".
inline constexpr std::size_t ReadSize = 30;
inline constexpr const char* Missing = "name";

struct Record {
    std::string path; // "0" not set; anything else counts as set
    std::string drive, dir, file;
};

void create(const std::filesystem::path& programDir, const Game& g); // first run: Path=0
void store(const std::filesystem::path& programDir, const Game& g, const std::string& drive,
           const std::string& dir, const std::string& file);          // a Set
void reset(const std::filesystem::path& programDir, const Game& g);  // a clear

std::string readPath(const std::filesystem::path& programDir, const Game& g);
Record read(const std::filesystem::path& programDir, const Game& g); // what the launch reads

} // namespace dirfile
