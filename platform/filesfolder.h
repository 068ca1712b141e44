#pragma once

#include <QString>

#include <filesystem>

struct Services;

// Where the client keeps its files: the alias file, the settings folder and host.con. A portable
// install keeps them in the program's own folder, as it always has. A program folder the member
// cannot write, or one under /usr (the package manager's, even when root runs the program), sends
// them to the member's own data folder instead, with the same names and layout: as Windows gave
// a program in Program Files a per-user copy of its folder.
struct FilesFolder {
    std::filesystem::path dir; // what the windows call the program directory
    bool own = true;           // the program's own folder: a portable install
    QString problem;           // why the member's folder cannot be made; empty when it is there

    static FilesFolder choose(const std::filesystem::path& programDir,
                              const std::filesystem::path& dataHome);
    // $XDG_DATA_HOME when it is an absolute path, else ~/.local/share.
    static std::filesystem::path dataHome();

    // Where the browser panes keep the member's cookies and page storage, and their cache: beside
    // the files; the cache of an installed client in the member's cache folder
    // ($XDG_CACHE_HOME, else ~/.cache).
    std::filesystem::path browserStorage() const { return dir / "browser"; }
    std::filesystem::path browserCache() const;

    // A folder that cannot be made is said once, at start; the program runs on without saving.
    void tell(const Services& services) const;
};
