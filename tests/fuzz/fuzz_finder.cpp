// What Find Games reads of a member's disk, as random bytes: a prefix's system.reg, Steam's
// library and manifest files, a Lutris game's YAML and a Heroic game's JSON. Nothing crashes,
// and whatever is read stays within the file it came from.
#include "installs/launchers.h"
#include "installs/registry.h"
#include "installs/steam.h"

#include <unistd.h>

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

namespace fs = std::filesystem;

namespace {
void put(const fs::path& file, std::string_view bytes)
{
    fs::create_directories(file.parent_path());
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
}
} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const fs::path home = "/tmp/fuzz_finder." + std::to_string(::getpid());
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    // The first byte says which reader the rest goes to.
    const std::string_view rest = bytes.empty() ? bytes : bytes.substr(1);
    switch (bytes.empty() ? 0 : data[0] % 4) {
    case 0: {
        put(home / "system.reg", rest);
        for (const auto& [key, values] : registry::read(home / "system.reg", [](std::string_view) { return true; }))
            for (const auto& [name, value] : values)
                if (key.size() + name.size() + value.size() > 4 * rest.size() + 8)
                    std::abort();
        break;
    }
    case 1:
        for (const auto& [key, value] : steam::pairs(std::string(rest)))
            if (key.size() + value.size() > rest.size())
                std::abort();
        put(home / "steamapps/libraryfolders.vdf", rest);
        put(home / "steamapps/appmanifest_2200.acf", rest);
        steam::libraries(home);
        steam::gameFolder(home, 2200);
        break;
    case 2:
        fs::remove_all(home / ".config");
        put(home / ".config/lutris/games/game-1.yml", rest);
        launchers::prefixes(home, [] { return false; });
        break;
    case 3:
        fs::remove_all(home / ".config");
        put(home / ".config/heroic/GamesConfig/game.json", rest);
        launchers::prefixes(home, [] { return false; });
        break;
    }
    return 0;
}
