#include "dirfile.h"

#include "files/paths.h"
#include "files/profile.h"

namespace dirfile {

void create(const std::filesystem::path& programDir, const Game& g) {
    profile::write("Saved", "Path", "0", catalogue::directoryFile(programDir, g));
}

void store(const std::filesystem::path& programDir, const Game& g, const std::string& drive,
           const std::string& dir, const std::string& file, const Runner& runner) {
    const auto f = catalogue::directoryFile(programDir, g);
    paths::removeFile(f);
    profile::write(g.section, "Drive", drive, f);
    profile::write(g.section, "Dir", dir, f);
    profile::write(g.section, "File", file, f);
    profile::write("Saved", "Path", "1", f);
    const std::pair<const char*, std::string> how[] = {{"Prefix", runner.prefix.string()},
                                                       {"Wine", runner.wine.string()},
                                                       {"Steam", runner.steamApp}};
    for (const auto& [key, value] : how)
        if (!value.empty()) profile::write(g.section, key, value, f);
}

void reset(const std::filesystem::path& programDir, const Game& g) {
    const auto f = catalogue::directoryFile(programDir, g);
    paths::removeFile(f);
    profile::write("Saved", "Path", "0", f);
}

std::string readPath(const std::filesystem::path& programDir, const Game& g) {
    return profile::read("Saved", "Path", Missing, ReadSize,
                         catalogue::directoryFile(programDir, g));
}

Record read(const std::filesystem::path& programDir, const Game& g) {
    const auto f = catalogue::directoryFile(programDir, g);
    auto key = [&](const char* k, const char* missing) {
        return profile::read(g.section, k, missing, ReadSize, f);
    };
    return {
        readPath(programDir, g), key("Drive", Missing), key("Dir", Missing), key("File", Missing),
        Runner{.prefix = key("Prefix", ""), .wine = key("Wine", ""), .steamApp = key("Steam", "")}};
}

std::string dirValue(const std::string& folder) {
    return "cd " + folder + "\\";
}

std::string folderOf(const std::string& dirValue) {
    return dirValue.starts_with("cd ") ? dirValue.substr(3) : dirValue;
}

} // namespace dirfile
