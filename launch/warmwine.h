#pragma once

#include "files/drives.h"

#include <filesystem>
#include <vector>

// Wine's first program in a prefix waits for Wine's server and its services to start (half a
// second and more); a program started while they run begins at once. So while the member looks
// at the server list, the prefixes of the member's Windows games are got ready in the background.
namespace warmwine {

// How long Wine's server stays after the last program of its prefix: a member choosing a server
// reads a page or two; then the server ends by itself.
inline constexpr int KeepSeconds = 300;

// The Wine prefixes the member's set games run in, for those that are Windows programs (the
// default prefix for a game without one of its own); each once. Only directory files and the
// programs' first bytes are read.
std::vector<std::filesystem::path> prefixesToWarm(const std::filesystem::path& programDir, const DriveTable& drives);

// Starts Wine's server for the prefix, kept KeepSeconds after its last program, and a program
// that ends at once, so that Wine's services are up too; in the background, nothing waited for.
// Without Wine nothing happens.
void warm(const std::filesystem::path& prefix);

} // namespace warmwine
