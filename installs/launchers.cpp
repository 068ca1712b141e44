#include "launchers.h"

#include "files/paths.h"

#include <QJsonDocument>
#include <QJsonObject>

#include <algorithm>
#include <cctype>
#include <optional>
#include <system_error>
#include <utility>
#include <yaml-cpp/yaml.h>

namespace launchers {
namespace {

namespace fs = std::filesystem;

// More files than this in a launcher's folder of records are not a member's.
constexpr std::size_t MostRecords = 256;

std::optional<std::string> record(const fs::path& file) {
    std::string text = paths::readAtMost(file, MostRead + 1);
    if (text.empty() || text.size() > MostRead) return std::nullopt;
    return text;
}

std::optional<YAML::Node> yaml(const fs::path& file) {
    const auto text = record(file);
    try {
        if (text) return YAML::Load(*text);
    } catch (const YAML::Exception&) {
    }
    return std::nullopt;
}

// A text value below a map, or "" where there is none (or something else is there).
std::string scalar(const YAML::Node& map, std::initializer_list<const char*> keys) {
    YAML::Node n; // reset, not assigned: assigning a node writes into the tree it refers to
    n.reset(map);
    for (const char* k : keys) {
        if (!n.IsMap()) return {};
        const YAML::Node child = std::as_const(n)[k]; // a read that adds no key
        if (!child) return {};
        n.reset(child);
    }
    return n.IsScalar() ? n.Scalar() : std::string();
}

// What lies directly in a folder with this ending ("" for all), in name order, at most MostRecords.
std::vector<fs::path> records(const fs::path& dir, std::string_view ending) {
    std::vector<fs::path> out;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end; !ec && it != end && out.size() < MostRecords;
         it.increment(ec))
        if (it->path().filename().string().ends_with(ending)) out.push_back(it->path());
    std::sort(out.begin(), out.end());
    return out;
}

std::string wineShown(const std::string& version) {
    std::string v = version.empty() ? "system" : version;
    for (const char* arch : {"-x86_64", "-i686", "-i386"}) // the runner's build, not its release
        if (v.ends_with(arch)) v.resize(v.size() - std::string_view(arch).size());
    return " (Wine " + v + ")";
}

// "medal-of-honor-1699999999.yml" -> "Medal of Honor": the slug Lutris names a game's file by.
std::string fromSlug(const fs::path& file) {
    std::string slug = file.stem().string();
    if (const auto dash = slug.rfind('-');
        dash != std::string::npos && dash + 1 < slug.size() &&
        std::all_of(slug.begin() + long(dash) + 1, slug.end(),
                    [](unsigned char c) { return std::isdigit(c); }))
        slug.resize(dash);
    std::string name;
    std::size_t start = 0;
    while (start <= slug.size()) {
        std::string word = slug.substr(start, slug.find('-', start) - start);
        start += word.size() + 1;
        const bool small =
            word == "of" || word == "the" || word == "and" || word == "a" || word == "to";
        if (!word.empty() && (name.empty() || !small))
            word[0] = char(std::toupper(static_cast<unsigned char>(word[0])));
        name += (name.empty() ? "" : " ") + word;
    }
    return name;
}

class Reader {
public:
    Reader(const fs::path& home, const std::function<bool()>& late) : home_(home), late_(late) {}

    std::vector<Prefix> run() {
        const fs::path flatpak = home_ / ".var/app/net.lutris.Lutris";
        lutris({home_ / ".config/lutris", home_ / ".local/share/lutris"},
               home_ / ".local/share/lutris");
        lutris({flatpak / "data/lutris", flatpak / "config/lutris"}, flatpak / "data/lutris");
        for (const fs::path& root : {home_ / ".local/share/bottles",
                                     home_ / ".var/app/com.usebottles.bottles/data/bottles"})
            bottles(root);
        playOnLinux();
        for (const fs::path& c : {home_ / ".config/heroic",
                                  home_ / ".var/app/com.heroicgameslauncher.hgl/config/heroic"})
            heroic(c / "GamesConfig");
        return std::move(out_);
    }

private:
    void lutris(std::initializer_list<fs::path> configs, const fs::path& data) {
        // A game without a Wine of its own runs with the one the wine runner's settings name.
        std::string fallback;
        for (const fs::path& c : configs)
            if (auto runner = yaml(c / "runners/wine.yml"); runner && fallback.empty())
                fallback = scalar(*runner, {"wine", "version"});
        for (const fs::path& c : configs)
            for (const fs::path& file : records(c / "games", ".yml")) {
                const auto game = late_() ? std::nullopt : yaml(file);
                const std::string prefix = game ? scalar(*game, {"game", "prefix"}) : "";
                std::string version = game ? scalar(*game, {"wine", "version"}) : "";
                version = version.empty() ? fallback : version;
                if (prefix.empty() || version.empty()) continue;
                const fs::path wine =
                    version == "system" ? fs::path() : data / "runners/wine" / version / "bin/wine";
                fs::path exe = scalar(*game, {"game", "exe"});
                if (!exe.empty() && exe.is_relative()) exe = fs::path(prefix) / exe;
                add({.prefix = prefix,
                     .wine = wine,
                     .where = "Lutris: " + fromSlug(file) +
                              wineShown(version == "system" ? "" : version),
                     .program = exe});
            }
    }

    void bottles(const fs::path& root) {
        for (const fs::path& folder : records(root / "bottles", "")) {
            if (late_()) return;
            fs::path bottle = folder;
            // A bottle kept elsewhere leaves a placeholder naming its folder.
            if (auto placeholder = yaml(bottle / "placeholder.yml"))
                bottle = scalar(*placeholder, {"Path"});
            const auto conf = bottle.empty() ? std::nullopt : yaml(bottle / "bottle.yml");
            const std::string runner = conf ? scalar(*conf, {"Runner"}) : "";
            if (runner.empty() || runner.find('/') != std::string::npos) continue;
            const bool system = runner.starts_with("sys-wine");
            add({.prefix = bottle,
                 .wine = system ? fs::path() : root / "runners" / runner / "bin/wine",
                 .where = "Bottles: " + scalar(*conf, {"Name"}) + wineShown(system ? "" : runner),
                 .program = {}});
        }
    }

    void playOnLinux() {
        const fs::path pol = home_ / ".PlayOnLinux";
        for (const fs::path& prefix : records(pol / "wineprefix", "")) {
            const auto cfg = late_() ? std::nullopt : record(prefix / "playonlinux.cfg");
            if (!cfg) continue;
            std::string version, arch = "x86";
            for (std::size_t at = 0; at < cfg->size();) {
                const std::size_t end = std::min(cfg->find('\n', at), cfg->size());
                std::string line = cfg->substr(at, end - at);
                at = end + 1;
                if (!line.empty() && line.back() == '\r') line.pop_back();
                if (line.starts_with("VERSION="))
                    version = line.substr(8);
                else if (line.starts_with("ARCH=") && line.size() > 5)
                    arch = line.substr(5);
            }
            if (version.find('/') != std::string::npos || arch.find('/') != std::string::npos)
                continue;
            add({.prefix = prefix,
                 .wine = version.empty() ? fs::path()
                                         : pol / "wine" / ("linux-" + arch) / version / "bin/wine",
                 .where = "PlayOnLinux: " + prefix.filename().string() + wineShown(version),
                 .program = {}});
        }
    }

    void heroic(const fs::path& dir) {
        for (const fs::path& file : records(dir, ".json")) {
            const auto text = late_() ? std::nullopt : record(file);
            const QJsonObject all =
                text ? QJsonDocument::fromJson(QByteArray::fromStdString(*text)).object()
                     : QJsonObject();
            for (auto game = all.begin(); game != all.end(); ++game) {
                const QJsonObject c = game->toObject(),
                                  wine = c.value(QLatin1String("wineVersion")).toObject();
                const QString prefix = c.value(QLatin1String("winePrefix")).toString(),
                              bin = wine.value(QLatin1String("bin")).toString();
                // Proton is started through its own script, not as a Wine: Heroic's way only.
                if (prefix.isEmpty() || bin.isEmpty() ||
                    wine.value(QLatin1String("type")).toString() != QLatin1String("wine"))
                    continue;
                add({.prefix = prefix.toStdString(),
                     .wine = bin.toStdString(),
                     .where = "Heroic: " + game.key().toStdString() +
                              wineShown(wine.value(QLatin1String("name")).toString().toStdString()),
                     .program = {}});
            }
        }
    }

    void add(Prefix p) {
        if (p.prefix.is_absolute() && (p.wine.empty() || p.wine.is_absolute()))
            out_.push_back(std::move(p));
    }

    const fs::path& home_;
    const std::function<bool()>& late_;
    std::vector<Prefix> out_;
};

} // namespace

std::vector<Prefix> prefixes(const fs::path& home, const std::function<bool()>& late) {
    return Reader(home, late).run();
}

std::vector<std::pair<std::string, std::string>> environmentOf(const fs::path& prefix) {
    std::vector<std::pair<std::string, std::string>> env;
    const auto conf = yaml(prefix / "bottle.yml");
    try {
        if (conf && (*conf)["Environment_Variables"].IsMap())
            for (const auto& kv : (*conf)["Environment_Variables"])
                if (kv.first.IsScalar() && kv.second.IsScalar() && !kv.first.Scalar().empty() &&
                    kv.first.Scalar().find('=') == std::string::npos)
                    env.emplace_back(kv.first.Scalar(), kv.second.Scalar());
    } catch (const YAML::Exception&) {
    }
    return env;
}

} // namespace launchers
