#pragma once

#include <cstddef>
#include <filesystem>
#include <functional>
#include <map>
#include <string>
#include <string_view>

// The machine's registry of a Wine prefix as Wine keeps it on disk (system.reg): sections named
// by their key relative to HKEY_LOCAL_MACHINE ("[Software\\Id\\Quake III Arena] 1701234567"),
// then "name"="value" lines with \\, \" and \x escapes. A game's installer leaves its folder
// there, so reading these few lines finds it without starting Wine.
namespace registry {

// Key (lower case, single backslashes: "software\wow6432node\id\quake iii arena") ->
// value name (lower case; "" for the key's default value) -> the text, as UTF-8.
using Values = std::map<std::string, std::map<std::string, std::string>>;

// The string values of the keys `wanted` accepts (it is asked with the lower-case key). At most
// `limit` bytes of the file are read, so a huge or endless file costs a bounded time; what cannot
// be read as registry text is passed over.
Values read(const std::filesystem::path& file,
            const std::function<bool(std::string_view key)>& wanted, std::size_t limit = 64u << 20);

// The text between the quotes of a registry string, its escapes undone, as UTF-8.
std::string unescape(std::string_view quoted);

} // namespace registry
