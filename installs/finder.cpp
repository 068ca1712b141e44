#include "finder.h"

#include "files/paths.h"
#include "games/dirfile.h"
#include "games/wine.h"
#include "installs/launchers.h"
#include "installs/registry.h"
#include "installs/steam.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cstdlib>
#include <set>
#include <system_error>

namespace installs {
namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

// A launcher's folder of prefixes holds one per game; more than this is not a member's.
constexpr int MostPrefixesPerFolder = 256;

// A key below HKLM\Software as the registry text names it in the 64-bit view, and in the 32-bit
// view (Wow6432Node) where a 32-bit installer's writes land on a 64-bit prefix.
std::array<std::string, 2> views(std::string_view key) {
    const std::string k = paths::lowered(key); // "software\..."
    return {k, "software\\wow6432node\\" + k.substr(std::string_view("software\\").size())};
}

// The keys of each game's own installer, in both views; looked up once per prefix read.
const std::set<std::string, std::less<>>& gameKeys() {
    static const std::set<std::string, std::less<>> keys = [] {
        std::set<std::string, std::less<>> k;
        for (const Game& game : catalogue::games())
            for (const RegistryValue& r : game.found.registry)
                for (std::string& view : views(r.key))
                    k.insert(std::move(view));
        return k;
    }();
    return keys;
}

// An entry that names a folder without saying which game is in it: GOG's games, and every
// program's uninstall entry (Steam's among them), in either view.
bool anyGameUnder(std::string_view key) {
    static const std::array<std::string, 4> heads = [] {
        const auto gog = views("software\\gog.com\\games\\"),
                   uninstall = views("software\\microsoft\\windows\\currentversion\\uninstall\\");
        return std::array<std::string, 4>{gog[0], gog[1], uninstall[0], uninstall[1]};
    }();
    return std::any_of(heads.begin(), heads.end(),
                       [&](const std::string& head) { return key.starts_with(head); });
}

bool isPrefix(const fs::path& p) {
    std::error_code ec;
    return fs::is_regular_file(p / "system.reg", ec) && fs::is_directory(p / "drive_c", ec);
}

// The folders directly inside `dir` (links to folders included), at most MostPrefixesPerFolder.
std::vector<fs::path> inside(const fs::path& dir) {
    std::vector<fs::path> out;
    std::error_code ec;
    for (fs::directory_iterator it(dir, ec), end;
         !ec && it != end && out.size() < MostPrefixesPerFolder; it.increment(ec))
        out.push_back(it->path());
    std::sort(out.begin(), out.end());
    return out;
}

class Searcher {
public:
    explicit Searcher(const Search& s) : s_(s), deadline_(Clock::now() + s.budget) {}

    std::vector<Find> run() {
        const fs::path& h = s_.home;
        if (!s_.winePrefix.empty())
            prefix(s_.winePrefix, "Wine prefix " + shown(s_.winePrefix),
                   Runner{.prefix = s_.winePrefix, .wine = {}, .steamApp = {}});
        // The system's wine made these.
        prefix(h / ".wine", "Wine prefix ~/.wine",
               Runner{.prefix = h / ".wine", .wine = {}, .steamApp = {}});
        for (const launchers::Prefix& p : launchers::prefixes(h, [this] { return late(); })) {
            offerNamed(p);
            prefix(p.prefix, p.where, Runner{.prefix = p.prefix, .wine = p.wine, .steamApp = {}});
        }
        // Prefixes no record names: a member's own, made by hand, or a launcher's whose record is
        // gone. The system's Wine may run only those whose own stamp says it made them.
        const fs::path systemWine = onPath("wine");
        for (const char* folder :
             {"Games", ".local/share/bottles/bottles", ".PlayOnLinux/wineprefix"})
            for (const fs::path& p : inside(h / folder)) {
                const std::size_t before = found_.size();
                prefix(p, "Wine prefix " + shown(p),
                       Runner{.prefix = p, .wine = {}, .steamApp = {}});
                for (std::size_t i = before; i < found_.size(); ++i)
                    found_[i].anotherWine = !wine::keepsPrefix(systemWine, p);
            }
        for (const fs::path& root : steam::roots(h)) {
            if (late()) break;
            for (const fs::path& lib : steam::libraries(root)) {
                for (const Game& game : catalogue::games())
                    for (int app : game.found.steamApps)
                        if (auto dir = steam::gameFolder(lib, app))
                            folder(
                                game, *dir, "Steam " + std::to_string(app),
                                Runner{.prefix = {}, .wine = {}, .steamApp = std::to_string(app)});
                // Proton's prefixes start only through Steam, by the number of the game they are
                // for.
                for (const fs::path& data : inside(lib / "steamapps/compatdata"))
                    if (const std::string app = data.filename().string();
                        steam::installed(lib, app))
                        prefix(data / "pfx", "Steam " + app + " (Proton)",
                               Runner{.prefix = data / "pfx", .wine = {}, .steamApp = app});
            }
        }
        engines();
        return std::move(found_);
    }

private:
    bool late() const { return Clock::now() > deadline_; }

    std::string shown(const fs::path& p) const {
        const std::string home = s_.home.string(), text = p.string();
        return !home.empty() && text.starts_with(home + "/") ? "~" + text.substr(home.size())
                                                             : text;
    }

    void offer(const Game* g, const fs::path& program, const std::string& where,
               const Runner& runner) {
        std::error_code ec;
        if (!g || !fs::is_regular_file(program, ec)) return;
        const fs::path key = fs::weakly_canonical(program, ec);
        if (!seenPrograms_.insert(key.string()).second) return;
        found_.push_back({g, where, program, runner});
    }

    // The programs of a game in a folder on disk.
    void folder(const Game& game, const fs::path& dir, const std::string& where,
                const Runner& runner) {
        std::error_code ec;
        if (!fs::is_directory(dir, ec)) return;
        for (const char* program : game.found.programs)
            offer(&game, paths::resolve(dir, program), where, runner);
    }

    // Whether a launcher's program is this game's: the last words of one of its program names.
    static bool programOf(const Game& game, const fs::path& program) {
        const std::string name = program.filename().string();
        return !name.empty() &&
               std::any_of(game.found.programs.begin(), game.found.programs.end(),
                           [&](std::string p) {
                               return paths::sameIgnoringCase(p.substr(p.rfind('\\') + 1), name);
                           });
    }

    // The program a launcher's record starts, when it is one of the games' and lies in its prefix.
    void offerNamed(const launchers::Prefix& p) {
        std::error_code ec;
        if (p.program.empty() || late() || !isPrefix(p.prefix) ||
            !fs::weakly_canonical(p.program, ec)
                 .string()
                 .starts_with(fs::weakly_canonical(p.prefix, ec).string() + "/"))
            return;
        for (const Game& game : catalogue::games())
            if (programOf(game, p.program))
                offer(&game, p.program, p.where,
                      Runner{.prefix = p.prefix, .wine = p.wine, .steamApp = {}});
    }

    void prefix(const fs::path& p, const std::string& where, const Runner& runner) {
        std::error_code ec;
        if (late() || !isPrefix(p)) return;
        const fs::path canon = fs::weakly_canonical(p, ec);
        if (ec || !seenPrefixes_.insert(canon.string()).second) return;
        const DriveTable drives = DriveTable::fromPrefix(p);
        auto host = [&](const std::string& win) { return drives.toHost(win).value_or(fs::path()); };

        // The registry: each game's own keys, then GOG's and every uninstall entry, which name a
        // folder that may hold any of the games.
        const registry::Values values = registry::read(p / "system.reg", [](std::string_view k) {
            return gameKeys().contains(k) || anyGameUnder(k);
        });
        for (const Game& game : catalogue::games())
            for (const RegistryValue& r : game.found.registry)
                for (const std::string& view : views(r.key))
                    if (auto key = values.find(view); key != values.end())
                        if (auto v = key->second.find(paths::lowered(r.value));
                            v != key->second.end())
                            folder(game, host(v->second), where, runner);
        for (const auto& [key, named] : values)
            for (const char* valueName : {"path", "installlocation"})
                if (auto v = named.find(valueName); v != named.end() && anyGameUnder(key))
                    for (const Game& game : catalogue::games())
                        folder(game, host(v->second), where, runner);

        // The folders the editions install to, and a Windows Steam inside the prefix.
        for (const Game& game : catalogue::games())
            for (std::string f : game.found.folders) {
                folder(game, host("c:\\" + f), where, runner);
                if (f.starts_with("Program Files\\"))
                    folder(game, host("c:\\Program Files (x86)" + f.substr(13)), where, runner);
            }
        // A Windows Steam in the prefix: its games run with the prefix's own Wine.
        const fs::path windowsSteam = host("c:\\Program Files (x86)\\Steam");
        for (const Game& game : catalogue::games())
            for (int app : game.found.steamApps)
                if (auto dir =
                        windowsSteam.empty() ? std::nullopt : steam::gameFolder(windowsSteam, app))
                    folder(game, *dir, where, runner);
    }

    fs::path onPath(const char* name) const {
        for (const fs::path& d : s_.pathDirs)
            if (paths::isNativeProgram(d / name)) return d / name;
        return {};
    }

    void engines() {
        for (const Game& game : catalogue::games())
            for (const char* name : game.found.engines) {
                std::vector<fs::path> candidates;
                for (const auto& dirs : {s_.pathDirs, s_.engineDirs})
                    for (const fs::path& d : dirs)
                        candidates.push_back(d / name);
                for (const fs::path& c : candidates)
                    if (paths::isNativeProgram(c)) {
                        offer(&game, c, "installed engine", {});
                        break;
                    }
            }
    }

    const Search& s_;
    const Clock::time_point deadline_;
    std::vector<Find> found_;
    std::set<std::string> seenPrefixes_, seenPrograms_;
};

} // namespace

Search Search::fromEnvironment() {
    Search s;
    if (const char* h = std::getenv("HOME")) s.home = h;
    if (const char* p = std::getenv("WINEPREFIX"); p && *p) s.winePrefix = p;
    if (const char* path = std::getenv("PATH")) {
        std::string_view rest = path;
        while (!rest.empty()) {
            const std::size_t colon = std::min(rest.find(':'), rest.size());
            if (colon > 0) s.pathDirs.emplace_back(std::string(rest.substr(0, colon)));
            rest.remove_prefix(std::min(colon + 1, rest.size()));
        }
    }
    return s;
}

std::vector<Find> find(const Search& where) {
    return Searcher(where).run();
}

std::optional<Setting> settingFor(const Find& f, const DriveTable& browsed,
                                  const fs::path& browsedPrefix) {
    std::error_code ec;
    const bool own = f.runner.prefix.empty() || fs::equivalent(f.runner.prefix, browsedPrefix, ec);
    const DriveTable drives = DriveTable::forGame(own ? fs::path() : f.runner.prefix, browsed);
    const auto win = drives.toWindows(f.program.parent_path());
    if (!win) return std::nullopt;
    Runner runner = f.runner;
    if (own) runner.prefix.clear();
    return Setting{DriveTable::text(*drives.find((*win)[0])), dirfile::dirValue(*win),
                   f.program.filename().string(), std::move(runner)};
}

} // namespace installs
