#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// Drive letters as Wine lays them out, so that every stored path is a Windows path that means
// the same thing on Windows, under Wine and to our own batch runner: the letters of the Wine
// prefix's "dosdevices" folder, each mapped to its folder; with no prefix, one drive z: for /.
struct Drive {
    char letter; // lower case
    std::filesystem::path root;
};

class DriveTable final {
public:
    DriveTable() = default;
    explicit DriveTable(std::vector<Drive> drives);

    // $WINEPREFIX, else ~/.wine; z: for / when neither has drives.
    static DriveTable fromEnvironment();
    static std::filesystem::path defaultPrefix(); // $WINEPREFIX, else ~/.wine
    static DriveTable fromDosDevices(const std::filesystem::path& dosdevices);
    // A Wine prefix's drives; its drive_c is c: even where "dosdevices" lost the link.
    static DriveTable fromPrefix(const std::filesystem::path& prefix);
    // The drives a game's paths are read on: its own prefix's, or, where it names none, the
    // member's own (those the drive list shows).
    static DriveTable forGame(const std::filesystem::path& prefix, const DriveTable& member) {
        return prefix.empty() ? member : fromPrefix(prefix);
    }

    const std::vector<Drive>& drives() const { return drives_; }
    const Drive* find(char letter) const;

    // What the drive list shows for a drive: "z: [/]".
    static std::string text(const Drive& d);
    // The letter at the start of a drive text or a Windows path ("z: [/]", "z:\games").
    static std::optional<char> letterOf(std::string_view text);

    // "z:\Games\Q3" to the folder on disk, components matched without regard to case.
    std::optional<std::filesystem::path> toHost(std::string_view winPath) const;
    // A folder on disk to its Windows path on the drive whose root holds it most closely.
    std::optional<std::string> toWindows(const std::filesystem::path& host) const;

private:
    std::vector<Drive> drives_;
};
