#include "catalogue.h"

#include "files/paths.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <string>

namespace catalogue {
namespace {

// The rules every row keeps, checked once where the rows are made, so that a row that breaks one
// stops every program and test at its first look at the table: the code, five lower-case
// letters, names the game's files and is the first five characters of its server pages' names;
// rows and clear boxes are numbered from 1 without a gap, as the settings window walks them.
bool keepsTheRules(std::span<const Game> table) {
    std::set<std::string> codes, boxes;
    for (const Game& g : table) {
        const std::string code = g.code;
        const bool fiveLetters =
            code.size() == 5 &&
            std::all_of(code.begin(), code.end(), [](char c) { return c >= 'a' && c <= 'z'; });
        if (!fiveLetters || !codes.insert(code).second || g.row != int(codes.size())) {
            std::fprintf(stderr,
                         "catalogue: row %d: \"%s\" is no code of five lower-case letters "
                         "of its own, in its place\n",
                         g.row, g.code);
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
        {"Software\\Electronic Arts\\EA GAMES\\Medal of Honor Allied Assault", "InstallPath"},
        {"Software\\EA GAMES\\MOHAA", "InstallPath"}};
    static const std::vector<const char*> mohFolders{
        "Program Files\\EA GAMES\\MOHAA", "GOG Games\\Medal of Honor - Allied Assault War Chest"};
    // Row 5's set caption has no "Set"; row 12's has no blank before "+"; row 11's first caption
    // ends in a blank that both clears drop; "Clear All Directories" gives row 12 its title.
    // A row a game; its last braces are where Find Games finds it: registry values, folders
    // below C:\, programs, Steam numbers, native engines.
    // clang-format off
    static const Game table[]{
        {1, "mohaa", "Medal of Honor - Allied Assault", "Command2", "Set Medal of Honor A.A.",
         "Set Medal of Honor A.A. +", "Check1", "Set Medal of Honor A.A.",
         "Set Medal of Honor A.A.", "MOH:AA", Protocol::Moh, 12203, 0, 0, true, 97, PasswordBy::SetCvar,
         {mohKeys, mohFolders, {"MOHAA.exe"}, {}, {"openmohaa"}}},
        {2, "mohsh", "Medal of Honor - SpearHead", "Command3", "Set Medal of Honor S.H.",
         "Set Medal of Honor S.H. +", "Check2", "Set Medal of Honor S.H.",
         "Set Medal of Honor S.H.", "MOH:SH", Protocol::Moh, 12203, 0, 0, true, 97, PasswordBy::SetCvar,
         {mohKeys, mohFolders, {"moh_spearhead.exe"}, {}, {}}},
        {3, "mohbt", "Medal of Honor - Breakthrough", "Command14", "Set Medal of Honor B.T.",
         "Set Medal of Honor B.T. +", "Check11", "Set Medal of Honor B.T.",
         "Set Medal of Honor B.T.", "MOH:BT", Protocol::Moh, 12203, 0, 0, true, 97, PasswordBy::SetCvar,
         {mohKeys, mohFolders, {"moh_breakthrough.exe"}, {}, {}}},
        {4, "untor", "Unreal Tournament", "Command4", "Set Unreal Tournament",
         "Set Unreal Tournament +", "Check3", "Set Unreal Tournament", "Set Unreal Tournament",
         "UT", Protocol::GameSpy, 7777, 1, 0, false, 0, PasswordBy::UrlOption,
         {{{"Software\\Unreal Technology\\Installed Apps\\UnrealTournament", "Folder"}},
          {"UnrealTournament", "GOG Games\\Unreal Tournament GOTY"},
          {"System\\UnrealTournament.exe"}, {13240}, {}}},
        {5, "qkone", "Quake", "Command7", "Set Quake I", "Quake I +", "Check4", "Set Quake I",
         "Set Quake I", "Quake", Protocol::NetQuake, 26000, 0, 0, false, 0, PasswordBy::None,
         {{}, {"QUAKE", "GOG Games\\Quake"}, {"WinQuake.exe", "glquake.exe"}, {2310},
          {"quakespasm", "darkplaces", "ironwail", "vkquake"}}},
        {6, "qktwo", "Quake II", "Command8", "Set Quake II", "Set Quake II +", "Check5",
         "Set Quake II", "Set Quake II", "Quake II", Protocol::Quake2, 27910, 0, 0, false, 0, PasswordBy::SetCvar,
         {{{"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Quake2_exe", "Path"}},
          {"Quake2", "GOG Games\\Quake II"}, {"quake2.exe"}, {2320}, {"yquake2", "q2pro"}}},
        {7, "qktre", "Quake III", "Command9", "Set Quake III", "Set Quake III +", "Check6",
         "Set Quake III", "Set Quake III", "Quake III", Protocol::Quake3, 27960, 0, 0, true, 0, PasswordBy::SetCvar,
         {{{"Software\\Id\\Quake III Arena", "InstallPath"}},
          {"Program Files\\Quake III Arena", "GOG Games\\Quake III Arena"}, {"quake3.exe"}, {2200},
          {"ioquake3"}}},
        {8, "night", "007 Night Fire", "Command6", "Set 007 Night Fire", "Set 007 Night Fire +",
         "Check7", "Set 007 Night Fire", "Set 007 Night Fire", "Night Fire", Protocol::GameSpy,
         26015, 0, 6550, false, 0, PasswordBy::PlusCvar,
         {{{"Software\\Electronic Arts\\EA GAMES\\007 NightFire", "InstallPath"}},
          {"Program Files\\EA GAMES\\007 NightFire"}, {"Bond_MP.exe"}, {}, {}}},
        {9, "rwolf", "Return to Castle Wolfenstein", "Command10", "Set RTC Wolfenstein",
         "Set RTC Wolfenstein +", "Check8", "Set RTC Wolfenstein", "Set RTC Wolfenstein", "RtCW",
         Protocol::Quake3, 27960, 0, 0, true, 0, PasswordBy::SetCvar,
         {{{"Software\\Activision\\Return to Castle Wolfenstein", "InstallPath"}, {"Software\\Activision\\Return to Castle Wolfenstein - Game of The Year Edition", "InstallPath"}},
          {"Program Files\\Return to Castle Wolfenstein", "GOG Games\\Return to Castle Wolfenstein"},
          {"WolfMP.exe"}, {9010}, {"iowolfmp"}}},
        {10, "sofon", "Soldier of Fortune", "Command11", "Set Soldier of Fortune",
         "Set Soldier of Fortune +", "Check9", "Set Soldier of Fortune", "Set Soldier of Fortune",
         "SoF", Protocol::Quake2, 28910, 0, 0, false, 0, PasswordBy::SetCvar,
         {{{"Software\\Activision\\Soldier of Fortune", "InstallPath"}},
          {"Program Files\\Activision\\Soldier of Fortune", "GOG Games\\Soldier of Fortune Platinum"},
          {"SoF.exe"}, {}, {}}},
        {11, "softw", "Soldier of Fortune II", "Command13", "Set Soldier of Fortune II ",
         "Set Soldier of Fortune II +", "Check10", "Set Soldier of Fortune II",
         "Set Soldier of Fortune II", "SoF II", Protocol::Quake3, 20100, 0, 0, true, 0, PasswordBy::SetCvar,
         {{{"Software\\Activision\\Soldier of Fortune II - Double Helix", "InstallPath"}},
          {"Program Files\\Activision\\Soldier of Fortune II - Double Helix", "GOG Games\\Soldier of Fortune II"},
          {"SoF2MP.exe"}, {}, {}}},
        {12, "jedio", "JKII - Jedi Outcast", "Command12", "Set JKII - Jedi Outcast",
         "Set JKII - Jedi Outcast+", "Check12", "Set JKII - Jedi Outcast", "JKII - Jedi Outcast",
         "JK II", Protocol::Quake3, 28070, 0, 0, true, 0, PasswordBy::SetCvar,
         {{{"Software\\LucasArts Entertainment Company LLC\\Star Wars JK II Jedi Outcast\\1.0", "Install Path"}, {"Software\\LucasArts Entertainment Company LLC\\Star Wars JK II Jedi Outcast\\1.0", "InstallPath"}},
          {"Program Files\\LucasArts\\Star Wars JK II Jedi Outcast"},
          {"GameData\\jk2mp.exe", "jk2mp.exe"}, {6030}, {"jk2mvmp"}}},
#ifdef TOVO_THIRTEENTH_GAME // a test build: the next game is this one row and nothing else
        {13, "tstgm", "Test Game", "Command15", "Set Test Game", "Set Test Game +", "Check13",
         "Set Test Game", "Set Test Game", "Test", Protocol::Quake3, 27960, 0, 0, true, 0, PasswordBy::SetCvar,
         {{}, {"Program Files\\Test Game"}, {"tstgm.exe"}, {}, {}}},
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
