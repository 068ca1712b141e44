#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

// What Wine can run on this machine, read from the files Wine itself starts, so that a game
// Wine cannot run is explained before anything starts: on a Wine without its 32-bit half the
// start "succeeds", runs nothing and says so only on the terminal.
namespace wine {

inline constexpr std::uint16_t I386 = 0x014c; // a 32-bit Windows program

// The machine field of a Windows program's PE header ("MZ", the offset at 0x3C, "PE\0\0",
// machine); 0 when the file is no PE program.
std::uint16_t machineOf(const std::filesystem::path& program);

// Whether the Wine started as `wine` (the command found on PATH) runs 32-bit programs: it
// starts them with a 32-bit loader (itself, the "wine" beside a "wine64", or one its launcher
// script names), or, a 64-bit loader alone, inside itself (WoW64) with the 32-bit Windows side
// (i386-windows/ntdll.dll) in its library folder. Only a few files are looked at, nothing is
// started, so a press of Connect to Server does not wait for it.
bool runs32Bit(const std::filesystem::path& wine);

// Whether this Wine runs in this prefix without rewriting it. Wine stamps a prefix with the time
// of the wine.inf it last set the prefix up from (".update-timestamp"); a Wine whose wine.inf
// (in "share/wine" beside its "bin") has another time runs wineboot over the prefix first: "wine:
// configuration in '...' has been updated", its registry changed, and the launcher's older Wine
// may then no longer run it. A stamp of "disable" keeps every Wine from updating. A Wine whose
// wine.inf cannot be found, or a prefix without a stamp, is not known to keep it.
bool keepsPrefix(const std::filesystem::path& wine, const std::filesystem::path& prefix);

// "win32" or "win64", as the prefix's registry records the architecture it was made for
// ("#arch=" in system.reg); empty when it says none.
std::string archOf(const std::filesystem::path& prefix);

} // namespace wine
