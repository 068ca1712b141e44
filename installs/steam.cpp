#include "steam.h"

#include "files/paths.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <system_error>

namespace steam {
namespace {

namespace fs = std::filesystem;

// Steam's own files are small; a larger one is read only this far.
constexpr std::size_t MostRead = 1u << 20;

std::string readSome(const fs::path& file) {
    return paths::readAtMost(file, MostRead);
}

} // namespace

Pairs pairs(const std::string& text) {
    // KeyValues text: "key" "value", or "key" { ... }; quoted strings take \\ and \" escapes.
    Pairs out;
    std::optional<std::string> pendingKey;
    std::size_t i = 0;
    while (i < text.size()) {
        const char c = text[i];
        if (std::isspace(static_cast<unsigned char>(c))) {
            ++i;
        } else if (c == '{' || c == '}') {
            pendingKey.reset();
            ++i;
        } else if (c == '/' && i + 1 < text.size() && text[i + 1] == '/') {
            i = std::min(text.find('\n', i), text.size());
        } else {
            std::string token;
            if (c == '"') {
                for (++i; i < text.size() && text[i] != '"'; ++i) {
                    if (text[i] == '\\' && i + 1 < text.size()) ++i;
                    token += text[i];
                }
                ++i;
            } else {
                for (; i < text.size() && !std::isspace(static_cast<unsigned char>(text[i])) &&
                       text[i] != '{' && text[i] != '}' && text[i] != '"';
                     ++i)
                    token += text[i];
            }
            if (!pendingKey) {
                pendingKey = std::move(token);
            } else {
                out.emplace_back(std::move(*pendingKey), std::move(token));
                pendingKey.reset();
            }
        }
    }
    return out;
}

std::vector<fs::path> roots(const fs::path& home) {
    return {home / ".local/share/Steam", home / ".steam/steam", home / ".steam/root",
            home / ".var/app/com.valvesoftware.Steam/.local/share/Steam",
            home / ".var/app/com.valvesoftware.Steam/data/Steam"};
}

std::vector<fs::path> libraries(const fs::path& steamRoot) {
    std::vector<fs::path> libs{steamRoot};
    const std::string text = readSome(steamRoot / "steamapps" / "libraryfolders.vdf");
    // Today's file names each library's "path"; older ones gave it as the value of "1", "2"...
    for (const auto& [key, p] : pairs(text)) {
        const bool numbered =
            !key.empty() &&
            std::all_of(key.begin(), key.end(), [](unsigned char c) { return std::isdigit(c); });
        if (!p.starts_with('/') || !(paths::sameIgnoringCase(key, "path") || numbered)) continue;
        std::error_code ec;
        const fs::path lib = fs::weakly_canonical(p, ec);
        if (!ec && std::none_of(libs.begin(), libs.end(),
                                [&](const fs::path& l) { return fs::equivalent(l, lib, ec); }))
            libs.push_back(lib);
    }
    return libs;
}

bool installed(const fs::path& library, const std::string& appId) {
    std::error_code ec;
    return !appId.empty() && std::all_of(appId.begin(), appId.end(), [](unsigned char c) {
        return std::isdigit(c);
    }) && fs::is_regular_file(library / "steamapps" / ("appmanifest_" + appId + ".acf"), ec);
}

std::optional<fs::path> gameFolder(const fs::path& library, int appId) {
    const fs::path apps = library / "steamapps";
    std::string dir;
    for (const auto& [key, value] :
         pairs(readSome(apps / ("appmanifest_" + std::to_string(appId) + ".acf"))))
        if (paths::sameIgnoringCase(key, "installdir") && dir.empty()) dir = value;
    // One folder's name inside common/, nothing that leads out of it.
    if (dir.empty() || dir.find('/') != std::string::npos || dir == "." || dir == "..")
        return std::nullopt;
    const fs::path folder = apps / "common" / dir;
    std::error_code ec;
    if (!fs::is_directory(folder, ec)) return std::nullopt;
    return folder;
}

} // namespace steam
