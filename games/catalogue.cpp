#include "catalogue.h"

#include "files/paths.h"

#include <algorithm>

namespace catalogue {

std::span<const Game> games() {
    // Row 5's set caption has no "Set"; row 12's has no blank before "+"; row 11's first caption
    // ends in a blank that both clears drop; "Clear All Directories" gives row 12 its title.
    static const Game table[]{
        {1, "mohaa", "Medal of Honor - Allied Assault", "Command2", "Set Medal of Honor A.A.",
         "Set Medal of Honor A.A. +", "Check1", "Set Medal of Honor A.A.",
         "Set Medal of Honor A.A.", "MOH:AA", Protocol::Moh, 12203, 0, 0, true, 97},
        {2, "mohsh", "Medal of Honor - SpearHead", "Command3", "Set Medal of Honor S.H.",
         "Set Medal of Honor S.H. +", "Check2", "Set Medal of Honor S.H.",
         "Set Medal of Honor S.H.", "MOH:SH", Protocol::Moh, 12203, 0, 0, true, 97},
        {3, "mohbt", "Medal of Honor - Breakthrough", "Command14", "Set Medal of Honor B.T.",
         "Set Medal of Honor B.T. +", "Check11", "Set Medal of Honor B.T.",
         "Set Medal of Honor B.T.", "MOH:BT", Protocol::Moh, 12203, 0, 0, true, 97},
        {4, "untor", "Unreal Tournament", "Command4", "Set Unreal Tournament",
         "Set Unreal Tournament +", "Check3", "Set Unreal Tournament", "Set Unreal Tournament",
         "UT", Protocol::GameSpy, 7777, 1, 0, false, 0},
        {5, "qkone", "Quake", "Command7", "Set Quake I", "Quake I +", "Check4", "Set Quake I",
         "Set Quake I", "Quake", Protocol::NetQuake, 26000, 0, 0, false, 0},
        {6, "qktwo", "Quake II", "Command8", "Set Quake II", "Set Quake II +", "Check5",
         "Set Quake II", "Set Quake II", "Quake II", Protocol::Quake2, 27910, 0, 0, false, 0},
        {7, "qktre", "Quake III", "Command9", "Set Quake III", "Set Quake III +", "Check6",
         "Set Quake III", "Set Quake III", "Quake III", Protocol::Quake3, 27960, 0, 0, true, 0},
        {8, "night", "007 Night Fire", "Command6", "Set 007 Night Fire", "Set 007 Night Fire +",
         "Check7", "Set 007 Night Fire", "Set 007 Night Fire", "Night Fire", Protocol::GameSpy,
         26015, 0, 6550, false, 0},
        {9, "rwolf", "Return to Castle Wolfenstein", "Command10", "Set RTC Wolfenstein",
         "Set RTC Wolfenstein +", "Check8", "Set RTC Wolfenstein", "Set RTC Wolfenstein", "RtCW",
         Protocol::Quake3, 27960, 0, 0, true, 0},
        {10, "sofon", "Soldier of Fortune", "Command11", "Set Soldier of Fortune",
         "Set Soldier of Fortune +", "Check9", "Set Soldier of Fortune", "Set Soldier of Fortune",
         "SoF", Protocol::Quake2, 28910, 0, 0, false, 0},
        {11, "softw", "Soldier of Fortune II", "Command13", "Set Soldier of Fortune II ",
         "Set Soldier of Fortune II +", "Check10", "Set Soldier of Fortune II",
         "Set Soldier of Fortune II", "SoF II", Protocol::Quake3, 20100, 0, 0, true, 0},
        {12, "jedio", "JKII - Jedi Outcast", "Command12", "Set JKII - Jedi Outcast",
         "Set JKII - Jedi Outcast+", "Check12", "Set JKII - Jedi Outcast", "JKII - Jedi Outcast",
         "JK II", Protocol::Quake3, 28070, 0, 0, true, 0},
#ifdef TOVO_THIRTEENTH_GAME // a test build: the next game is this one row and nothing else
        {13, "tstgm", "Test Game", "Command15", "Set Test Game", "Set Test Game +", "Check13",
         "Set Test Game", "Set Test Game", "Test", Protocol::Quake3, 27960, 0, 0, true, 0},
#endif
    };
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
