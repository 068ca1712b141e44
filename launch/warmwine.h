#pragma once

#include "files/drives.h"
#include "games/runner.h"

#include <filesystem>
#include <vector>

// Wine's first program in a prefix waits for Wine's server and its services to start (half a
// second and more); a program started while they run begins at once. So while the member looks
// at the server list, the prefixes of the member's Windows games are got ready in the background,
// each only with the Wine that made it: another Wine would rewrite the prefix, and its server,
// kept a while, would stop the launcher's own Wine from starting there.
namespace warmwine {

// How long Wine's server stays after the last program of its prefix: a member choosing a server
// reads a page or two; then the server ends by itself.
inline constexpr int KeepSeconds = 300;

// The prefixes the member's set Windows games run in (the default prefix for a game without one
// of its own), each once, with the Wine that runs it there (the system's wine, found on PATH, for
// a game without one of its own). Left out: a game Steam starts (Proton keeps its prefixes), and
// a prefix that Wine would rewrite (its stamp is another Wine's, or none), so that a prefix whose
// Wine is not known stays cold. Only directory files, the programs' first bytes and the stamps
// are read.
std::vector<Runner> prefixesToWarm(const std::filesystem::path& programDir,
                                   const DriveTable& drives);

// Starts the Wine server beside the runner's Wine for its prefix, kept KeepSeconds after its last
// program, then a program of that Wine that ends at once, so that Wine's services are up too; in
// the background, nothing waited for. Without that server, nothing happens.
void warm(const Runner& runner);

} // namespace warmwine
