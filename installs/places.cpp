#include "places.h"

namespace installs {

// Sources for each row are in the README's table of where games are found.
const std::vector<Place>& places()
{
    static const std::vector<Place> table{
        {"mohaa",
         {{"Software\\Electronic Arts\\EA GAMES\\Medal of Honor Allied Assault", "InstallPath"},
          {"Software\\EA GAMES\\MOHAA", "InstallPath"}},
         {"Program Files\\EA GAMES\\MOHAA", "GOG Games\\Medal of Honor - Allied Assault War Chest"},
         {"MOHAA.exe"}, {}, {"openmohaa"}},
        {"mohsh",
         {{"Software\\Electronic Arts\\EA GAMES\\Medal of Honor Allied Assault", "InstallPath"},
          {"Software\\EA GAMES\\MOHAA", "InstallPath"}},
         {"Program Files\\EA GAMES\\MOHAA", "GOG Games\\Medal of Honor - Allied Assault War Chest"},
         {"moh_spearhead.exe"}, {}, {}},
        {"mohbt",
         {{"Software\\Electronic Arts\\EA GAMES\\Medal of Honor Allied Assault", "InstallPath"},
          {"Software\\EA GAMES\\MOHAA", "InstallPath"}},
         {"Program Files\\EA GAMES\\MOHAA", "GOG Games\\Medal of Honor - Allied Assault War Chest"},
         {"moh_breakthrough.exe"}, {}, {}},
        {"untor",
         {{"Software\\Unreal Technology\\Installed Apps\\UnrealTournament", "Folder"}},
         {"UnrealTournament", "GOG Games\\Unreal Tournament GOTY"},
         {"System\\UnrealTournament.exe"}, {13240}, {}},
        {"qkone",
         {},
         {"QUAKE", "GOG Games\\Quake"},
         {"WinQuake.exe", "glquake.exe"}, {2310},
         {"quakespasm", "darkplaces", "ironwail", "vkquake"}},
        {"qktwo",
         {{"Software\\Microsoft\\Windows\\CurrentVersion\\App Paths\\Quake2_exe", "Path"}},
         {"Quake2", "GOG Games\\Quake II"},
         {"quake2.exe"}, {2320}, {"yquake2", "q2pro"}},
        {"qktre",
         {{"Software\\Id\\Quake III Arena", "InstallPath"}},
         {"Program Files\\Quake III Arena", "GOG Games\\Quake III Arena"},
         {"quake3.exe"}, {2200}, {"ioquake3"}},
        {"night",
         {{"Software\\Electronic Arts\\EA GAMES\\007 NightFire", "InstallPath"}},
         {"Program Files\\EA GAMES\\007 NightFire"},
         {"Bond_MP.exe"}, {}, {}},
        {"rwolf",
         {{"Software\\Activision\\Return to Castle Wolfenstein", "InstallPath"},
          {"Software\\Activision\\Return to Castle Wolfenstein - Game of The Year Edition", "InstallPath"}},
         {"Program Files\\Return to Castle Wolfenstein", "GOG Games\\Return to Castle Wolfenstein"},
         {"WolfMP.exe"}, {9010}, {"iowolfmp"}},
        {"sofon",
         {{"Software\\Activision\\Soldier of Fortune", "InstallPath"}},
         {"Program Files\\Activision\\Soldier of Fortune", "GOG Games\\Soldier of Fortune Platinum"},
         {"SoF.exe"}, {}, {}},
        {"softw",
         {{"Software\\Activision\\Soldier of Fortune II - Double Helix", "InstallPath"}},
         {"Program Files\\Activision\\Soldier of Fortune II - Double Helix", "GOG Games\\Soldier of Fortune II"},
         {"SoF2MP.exe"}, {}, {}},
        {"jedio",
         {{"Software\\LucasArts Entertainment Company LLC\\Star Wars JK II Jedi Outcast\\1.0", "Install Path"},
          {"Software\\LucasArts Entertainment Company LLC\\Star Wars JK II Jedi Outcast\\1.0", "InstallPath"}},
         {"Program Files\\LucasArts\\Star Wars JK II Jedi Outcast"},
         {"GameData\\jk2mp.exe", "jk2mp.exe"}, {6030}, {"jk2mvmp"}},
    };
    return table;
}

} // namespace installs
