#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <utility>
#include <vector>

// Steam on Linux: its libraries (steamapps/libraryfolders.vdf) and the games installed in them
// (steamapps/appmanifest_<appid>.acf names each game's folder under steamapps/common).
namespace steam {

// The Steam folders of a home: the native client's, its older link, Flatpak Steam's.
std::vector<std::filesystem::path> roots(const std::filesystem::path& home);

// The libraries a Steam folder lists, itself first; each one once.
std::vector<std::filesystem::path> libraries(const std::filesystem::path& steamRoot);

// The folder of an installed game in a library ("<library>/steamapps/common/Quake 3 Arena"),
// when its manifest is there and names a folder that exists.
std::optional<std::filesystem::path> gameFolder(const std::filesystem::path& library, int appId);

// Whether a library has a game of this number installed (its manifest is there).
bool installed(const std::filesystem::path& library, const std::string& appId);

// The key-value pairs of a .vdf or .acf file's text, at any depth, in order (a key that opens a
// block has none). Unterminated or hostile text gives what could be read up to there.
using Pairs = std::vector<std::pair<std::string, std::string>>;
Pairs pairs(const std::string& text);

} // namespace steam
