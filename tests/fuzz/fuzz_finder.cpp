// What Find Games reads of a member's disk, as random bytes: a prefix's system.reg, Steam's
// library and manifest files, a Lutris game's YAML and a Heroic game's JSON. Nothing crashes,
// and nothing read is longer than the file it came from (escapes undone only shorten).
#include "installs/launchers.h"
#include "installs/registry.h"
#include "installs/steam.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <unistd.h>

namespace fs = std::filesystem;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    static const fs::path home = "/tmp/fuzz_finder." + std::to_string(::getpid());
    const std::string rest(reinterpret_cast<const char*>(data) + (size > 0), size - (size > 0));
    // The first byte says where the rest goes.
    const char* where[] = {"system.reg", "steamapps/libraryfolders.vdf",
                           ".config/lutris/games/game-1.yml",
                           ".config/heroic/GamesConfig/game.json"};
    const int kind = size ? data[0] % 4 : 0;
    fs::remove_all(home);
    fs::create_directories((home / where[kind]).parent_path());
    std::ofstream(home / where[kind], std::ios::binary) << rest;
    if (kind == 0)
        for (const auto& [key, values] :
             registry::read(home / where[0], [](std::string_view) { return true; }))
            for (const auto& [name, value] : values)
                if (value.size() > 4 * rest.size()) // \x escapes become UTF-8 of up to 4 bytes
                    std::abort();
    if (kind == 1) {
        for (const auto& [key, value] : steam::pairs(rest))
            if (key.size() + value.size() > rest.size()) std::abort();
        fs::copy_file(home / where[1], home / "steamapps/appmanifest_2200.acf");
        steam::libraries(home);
        steam::gameFolder(home, 2200);
    }
    if (kind >= 2) launchers::prefixes(home, [] { return false; });
    return 0;
}
