#include "drives.h"

#include "paths.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <system_error>

DriveTable::DriveTable(std::vector<Drive> drives) : drives_(std::move(drives)) {
    std::sort(drives_.begin(), drives_.end(),
              [](const Drive& a, const Drive& b) { return a.letter < b.letter; });
}

DriveTable DriveTable::fromDosDevices(const std::filesystem::path& dosdevices) {
    std::vector<Drive> found;
    std::error_code ec;
    for (std::filesystem::directory_iterator it(dosdevices, ec), end; !ec && it != end;
         it.increment(ec)) {
        std::string name = it->path().filename().string();
        if (name.size() != 2 || name[1] != ':' ||
            !std::isalpha(static_cast<unsigned char>(name[0])))
            continue;
        std::error_code e2;
        std::filesystem::path target = std::filesystem::weakly_canonical(it->path(), e2);
        found.push_back({paths::lowerAscii(name[0]), e2 ? it->path() : target});
    }
    return DriveTable(std::move(found));
}

std::filesystem::path DriveTable::defaultPrefix() {
    if (const char* p = std::getenv("WINEPREFIX"); p && *p) return p;
    if (const char* h = std::getenv("HOME"); h && *h) return std::filesystem::path(h) / ".wine";
    return {};
}

DriveTable DriveTable::fromEnvironment() {
    DriveTable t = fromDosDevices(defaultPrefix() / "dosdevices");
    if (t.drives_.empty()) t.drives_.push_back({'z', "/"});
    return t;
}

DriveTable DriveTable::fromPrefix(const std::filesystem::path& prefix) {
    DriveTable t = fromDosDevices(prefix / "dosdevices");
    std::error_code ec;
    if (!t.find('c') && std::filesystem::is_directory(prefix / "drive_c", ec)) {
        t.drives_.push_back({'c', std::filesystem::weakly_canonical(prefix / "drive_c", ec)});
        t = DriveTable(std::move(t.drives_));
    }
    return t;
}

const Drive* DriveTable::find(char letter) const {
    letter = paths::lowerAscii(letter);
    auto it = std::find_if(drives_.begin(), drives_.end(),
                           [&](const Drive& d) { return d.letter == letter; });
    return it == drives_.end() ? nullptr : &*it;
}

std::string DriveTable::text(const Drive& d) {
    return std::string(1, d.letter) + ": [" + d.root.string() + "]";
}

std::optional<char> DriveTable::letterOf(std::string_view text) {
    if (text.size() < 2 || text[1] != ':' || !std::isalpha(static_cast<unsigned char>(text[0])))
        return std::nullopt;
    return paths::lowerAscii(text[0]);
}

std::optional<std::filesystem::path> DriveTable::toHost(std::string_view winPath) const {
    auto letter = letterOf(winPath);
    const Drive* d = letter ? find(*letter) : nullptr;
    if (!d) return std::nullopt;
    return paths::resolve(d->root, winPath.substr(2));
}

std::optional<std::string> DriveTable::toWindows(const std::filesystem::path& host) const {
    std::error_code ec;
    std::filesystem::path abs = std::filesystem::weakly_canonical(host, ec);
    if (ec) return std::nullopt;
    const Drive* best = nullptr;
    std::filesystem::path bestRest;
    for (const Drive& d : drives_) {
        std::filesystem::path rel = abs.lexically_relative(d.root);
        if (rel.empty() || *rel.begin() == "..") continue;
        if (!best || d.root.string().size() > best->root.string().size()) {
            best = &d;
            bestRest = rel;
        }
    }
    if (!best) return std::nullopt;
    std::string out = std::string(1, best->letter) + ":\\";
    for (const auto& part : bestRest) {
        if (part == ".") continue;
        if (out.back() != '\\') out += '\\';
        out += part.string();
    }
    return out;
}
