#include "catalogue.h"

#include "files/paths.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>
#include <string_view>

namespace catalogue {
namespace {

// Every character of a text that is not empty from `from` to `to`.
bool allIn(std::string_view text, char from, char to) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [=](char c) { return c >= from && c <= to; });
}

// The rules every row keeps, checked once where the rows are made, so that a row that breaks one
// stops every program and test at its first look at the table: the code, five lower-case
// letters, names the game's files and is the first five characters of its server pages' names;
// rows and clear boxes are numbered from 1 without a gap, as the settings window walks them; each
// Set button is a "Command" and a number of its own, none of the window's two clear buttons
// (Command1, Command5), as the settings window and its tests find a game's button by its name.
bool keepsTheRules(std::span<const Game> table) {
    std::set<std::string> codes, boxes, buttons{"Command1", "Command5"};
    for (const Game& g : table) {
        const std::string_view code = g.code, button = g.setButton;
        if (code.size() != 5 || !allIn(code, 'a', 'z') || !codes.emplace(code).second ||
            g.row != int(codes.size())) {
            std::fprintf(stderr,
                         "catalogue: row %d: \"%s\" is no code of five lower-case letters "
                         "of its own, in its place\n",
                         g.row, g.code);
            std::abort();
        }
        if (!button.starts_with("Command") || !allIn(button.substr(7), '0', '9') ||
            !buttons.emplace(button).second) {
            std::fprintf(stderr, "catalogue: row %d: \"%s\" is no Set button of its own\n", g.row,
                         g.setButton);
            std::abort();
        }
        boxes.insert(g.clearBox);
    }
    for (std::size_t i = 1; i <= table.size(); ++i)
        if (!boxes.count("Check" + std::to_string(i))) {
            std::fprintf(stderr, "catalogue: no clear box Check%zu\n", i);
            std::abort();
        }
    return true;
}

} // namespace

std::span<const Game> games() {
    // The three Medal of Honor games install into one folder, under one key.
    static const std::vector<RegistryValue> mohKeys{
        {.key = "Software\\Electronic Arts\\EA GAMES\\Medal of Honor Allied Assault",
         .value = "InstallPath"},
        {.key = "Software\\EA GAMES\\MOHAA", .value = "InstallPath"}};
    static const std::vector<const char*> mohFolders{
        "Program Files\\EA GAMES\\MOHAA", "GOG Games\\Medal of Honor - Allied Assault War Chest"};
    // Row 5's set caption has no "Set"; row 12's has no blank before "+"; row 11's first caption
    // ends in a blank that both clears drop; "Clear All Directories" gives row 12 its title.
    // A row a game, every column named.
    // clang-format off
    static const Game table[]{
        {.row = 1, .code = "mohaa", .section = "Medal of Honor - Allied Assault",
         .setButton = "Command2", .unsetCaption = "Set Medal of Honor A.A.", .setCaption = "Set Medal of Honor A.A. +",
         .clearBox = "Check1", .clearedCaption = "Set Medal of Honor A.A.", .allClearedCaption = "Set Medal of Honor A.A.",
         .shortName = "MOH:AA", .protocol = Protocol::Moh, .port = 12203, .queryOffset = 0, .queryPort = 0,
         .colourCodes = true, .gameSpyOffset = 97, .passwordBy = PasswordBy::SetCvar,
         .found = {.registry = mohKeys,
                   .folders = mohFolders,
                   .programs = {"MOHAA.exe"}, .steamApps = {}, .engines = {"openmohaa"}}},
        {.row = 2, .code = "mohsh", .section = "Medal of Honor - SpearHead",
         .setButton = "Command3", .unsetCaption = "Set Medal of Honor S.H.", .setCaption = "Set Medal of Honor S.H. +",
         .clearBox = "Check2", .clearedCaption = "Set Medal of Honor S.H.", .allClearedCaption = "Set Medal of Honor S.H.",
         .shortName = "MOH:SH", .protocol = Protocol::Moh, .port = 12203, .queryOffset = 0, .queryPort = 0,
         .colourCodes = true, .gameSpyOffset = 97, .passwordBy = PasswordBy::SetCvar,
         .found = {.registry = mohKeys,
                   .folders = mohFolders,
                   .programs = {"moh_spearhead.exe"}, .steamApps = {}, .engines = {}}},
        {.row = 3, .code = "mohbt", .section = "Medal of Honor - Breakthrough",
         .setButton = "Command14", .unsetCaption = "Set Medal of Honor B.T.", .setCaption = "Set Medal of Honor B.T. +",
         .clearBox = "Check11", .clearedCaption = "Set Medal of Honor B.T.", .allClearedCaption = "Set Medal of Honor B.T.",
         .shortName = "MOH:BT", .protocol = Protocol::Moh, .port = 12203, .queryOffset = 0, .queryPort = 0,
         .colourCodes = true, .gameSpyOffset = 97, .passwordBy = PasswordBy::SetCvar,
         .found = {.registry = mohKeys,
                   .folders = mohFolders,
                   .programs = {"moh_breakthrough.exe"}, .steamApps = {}, .engines = {}}},
        {.row = 4, .code = "untor", .section = "Unreal Tournament",
         .setButton = "Command4", .unsetCaption = "Set Unreal Tournament", .setCaption = "Set Unreal Tournament +",
         .clearBox = "Check3", .clearedCaption = "Set Unreal Tournament", .allClearedCaption = "Set Unreal Tournament",
         .shortName = "UT", .protocol = Protocol::GameSpy, .port = 7777, .queryOffset = 1, .queryPort = 0,
         .colourCodes = false, .gameSpyOffset = 0, .passwordBy = PasswordBy::UrlOption,
         .found = {.registry = {{.key = "Software\\Unreal Technology\\Installed Apps\\UnrealTournament", .value = "Folder"}},
                   .folders = {"UnrealTournament", "GOG Games\\Unreal Tournament GOTY"},
                   .programs = {"System\\UnrealTournament.exe"}, .steamApps = {13240}, .engines = {}}},
        {.row = 5, .code = "qkone", .section = "Quake",
         .setButton = "Command7", .unsetCaption = "Set Quake I", .setCaption = "Quake I +",
         .clearBox = "Check4", .clearedCaption = "Set Quake I", .allClearedCaption = "Set Quake I",
         .shortName = "Quake", .protocol = Protocol::NetQuake, .port = 26000, .queryOffset = 0, .queryPort = 0,
         .colourCodes = false, .gameSpyOffset = 0, .passwordBy = PasswordBy::None,
         .found = {.registry = {},
                   .folders = {"QUAKE", "GOG Games\\Quake"},
                   .programs = {"WinQuake.exe", "glquake.exe"}, .steamApps = {2310}, .engines = {"quakespasm", "darkplaces", "ironwail", "vkquake"}}},
        {.row = 6, .code = "qktwo", .section = "Quake II",
         .setButton = "Command8", .unsetCaption = "Set Quake II", .setCaption = "Set Quake II +",
         .clearBox = "Check5", .clearedCaption = "Set Quake II", .allClearedCaption = "Set Quake II",
         .shortName = "Quake II", .protocol = Protocol::Quake2, .port = 27910, .queryOffset = 0, .queryPort = 0,
         .colourCodes = false, .gameSpyOffset = 0, .passwordBy = PasswordBy::SetCvar,
         .found = {.registry = {{.key = "Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Quake2_exe", .value = "Path"}},
                   .folders = {"Quake2", "GOG Games\\Quake II"},
                   .programs = {"quake2.exe"}, .steamApps = {2320}, .engines = {"yquake2", "q2pro"}}},
        {.row = 7, .code = "qktre", .section = "Quake III",
         .setButton = "Command9", .unsetCaption = "Set Quake III", .setCaption = "Set Quake III +",
         .clearBox = "Check6", .clearedCaption = "Set Quake III", .allClearedCaption = "Set Quake III",
         .shortName = "Quake III", .protocol = Protocol::Quake3, .port = 27960, .queryOffset = 0, .queryPort = 0,
         .colourCodes = true, .gameSpyOffset = 0, .passwordBy = PasswordBy::SetCvar,
         .found = {.registry = {{.key = "Software\\Id\\Quake III Arena", .value = "InstallPath"}},
                   .folders = {"Program Files\\Quake III Arena", "GOG Games\\Quake III Arena"},
                   .programs = {"quake3.exe"}, .steamApps = {2200}, .engines = {"ioquake3"}}},
        {.row = 8, .code = "night", .section = "007 Night Fire",
         .setButton = "Command6", .unsetCaption = "Set 007 Night Fire", .setCaption = "Set 007 Night Fire +",
         .clearBox = "Check7", .clearedCaption = "Set 007 Night Fire", .allClearedCaption = "Set 007 Night Fire",
         .shortName = "Night Fire", .protocol = Protocol::GameSpy, .port = 26015, .queryOffset = 0, .queryPort = 6550,
         .colourCodes = false, .gameSpyOffset = 0, .passwordBy = PasswordBy::PlusCvar,
         .found = {.registry = {{.key = "Software\\Electronic Arts\\EA GAMES\\007 NightFire", .value = "InstallPath"}},
                   .folders = {"Program Files\\EA GAMES\\007 NightFire"},
                   .programs = {"Bond_MP.exe"}, .steamApps = {}, .engines = {}}},
        {.row = 9, .code = "rwolf", .section = "Return to Castle Wolfenstein",
         .setButton = "Command10", .unsetCaption = "Set RTC Wolfenstein", .setCaption = "Set RTC Wolfenstein +",
         .clearBox = "Check8", .clearedCaption = "Set RTC Wolfenstein", .allClearedCaption = "Set RTC Wolfenstein",
         .shortName = "RtCW", .protocol = Protocol::Quake3, .port = 27960, .queryOffset = 0, .queryPort = 0,
         .colourCodes = true, .gameSpyOffset = 0, .passwordBy = PasswordBy::SetCvar,
         .found = {.registry = {{.key = "Software\\Activision\\Return to Castle Wolfenstein", .value = "InstallPath"}, {.key = "Software\\Activision\\Return to Castle Wolfenstein - Game of The Year Edition", .value = "InstallPath"}},
                   .folders = {"Program Files\\Return to Castle Wolfenstein", "GOG Games\\Return to Castle Wolfenstein"},
                   .programs = {"WolfMP.exe"}, .steamApps = {9010}, .engines = {"iowolfmp"}}},
        {.row = 10, .code = "sofon", .section = "Soldier of Fortune",
         .setButton = "Command11", .unsetCaption = "Set Soldier of Fortune", .setCaption = "Set Soldier of Fortune +",
         .clearBox = "Check9", .clearedCaption = "Set Soldier of Fortune", .allClearedCaption = "Set Soldier of Fortune",
         .shortName = "SoF", .protocol = Protocol::Quake2, .port = 28910, .queryOffset = 0, .queryPort = 0,
         .colourCodes = false, .gameSpyOffset = 0, .passwordBy = PasswordBy::SetCvar,
         .found = {.registry = {{.key = "Software\\Activision\\Soldier of Fortune", .value = "InstallPath"}},
                   .folders = {"Program Files\\Activision\\Soldier of Fortune", "GOG Games\\Soldier of Fortune Platinum"},
                   .programs = {"SoF.exe"}, .steamApps = {}, .engines = {}}},
        {.row = 11, .code = "softw", .section = "Soldier of Fortune II",
         .setButton = "Command13", .unsetCaption = "Set Soldier of Fortune II ", .setCaption = "Set Soldier of Fortune II +",
         .clearBox = "Check10", .clearedCaption = "Set Soldier of Fortune II", .allClearedCaption = "Set Soldier of Fortune II",
         .shortName = "SoF II", .protocol = Protocol::Quake3, .port = 20100, .queryOffset = 0, .queryPort = 0,
         .colourCodes = true, .gameSpyOffset = 0, .passwordBy = PasswordBy::SetCvar,
         .found = {.registry = {{.key = "Software\\Activision\\Soldier of Fortune II - Double Helix", .value = "InstallPath"}},
                   .folders = {"Program Files\\Activision\\Soldier of Fortune II - Double Helix", "GOG Games\\Soldier of Fortune II"},
                   .programs = {"SoF2MP.exe"}, .steamApps = {}, .engines = {}}},
        {.row = 12, .code = "jedio", .section = "JKII - Jedi Outcast",
         .setButton = "Command12", .unsetCaption = "Set JKII - Jedi Outcast", .setCaption = "Set JKII - Jedi Outcast+",
         .clearBox = "Check12", .clearedCaption = "Set JKII - Jedi Outcast", .allClearedCaption = "JKII - Jedi Outcast",
         .shortName = "JK II", .protocol = Protocol::Quake3, .port = 28070, .queryOffset = 0, .queryPort = 0,
         .colourCodes = true, .gameSpyOffset = 0, .passwordBy = PasswordBy::SetCvar,
         .found = {.registry = {{.key = "Software\\LucasArts Entertainment Company LLC\\Star Wars JK II Jedi Outcast\\1.0", .value = "Install Path"}, {.key = "Software\\LucasArts Entertainment Company LLC\\Star Wars JK II Jedi Outcast\\1.0", .value = "InstallPath"}},
                   .folders = {"Program Files\\LucasArts\\Star Wars JK II Jedi Outcast"},
                   .programs = {"GameData\\jk2mp.exe", "jk2mp.exe"}, .steamApps = {6030}, .engines = {"jk2mvmp"}}},
#ifdef TOVO_THIRTEENTH_GAME // a test build: the next game is this one row and nothing else
        {.row = 13, .code = "tstgm", .section = "Test Game",
         .setButton = "Command15", .unsetCaption = "Set Test Game", .setCaption = "Set Test Game +",
         .clearBox = "Check13", .clearedCaption = "Set Test Game", .allClearedCaption = "Set Test Game",
         .shortName = "Test", .protocol = Protocol::Quake3, .port = 27960, .queryOffset = 0, .queryPort = 0,
         .colourCodes = true, .gameSpyOffset = 0, .passwordBy = PasswordBy::SetCvar,
         .found = {.registry = {},
                   .folders = {"Program Files\\Test Game"},
                   .programs = {"tstgm.exe"}, .steamApps = {}, .engines = {}}},
#endif
    };
    // clang-format on
    [[maybe_unused]] static const bool checked = keepsTheRules(table);
    return table;
}

namespace {
template <class Field> const Game* findBy(std::string_view value, Field field) {
    const auto t = games();
    auto it = std::find_if(t.begin(), t.end(), [&](const Game& g) { return value == g.*field; });
    return it == t.end() ? nullptr : &*it;
}
} // namespace

const Game* byCode(std::string_view code) {
    return findBy(code, &Game::code);
}
const Game* byClearBox(std::string_view name) {
    return findBy(name, &Game::clearBox);
}

// The folder by the name the first run gives it, so that finding it needs no search of the
// program's folder; one named in another case (copied from Windows) is still found.
std::filesystem::path directoryFile(const std::filesystem::path& programDir, const Game& g) {
    return paths::resolve(programDir, std::string("\\settings\\") + g.code + ".con");
}

std::filesystem::path batchFile(const std::filesystem::path& programDir, const Game& g) {
    return paths::resolve(programDir, std::string("\\settings\\") + g.code + ".bat");
}

} // namespace catalogue
