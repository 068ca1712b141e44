#pragma once

#include <cstdint>
#include <filesystem>

// What Wine can run on this machine, read from the files Wine itself starts, so that a game
// Wine cannot run is explained before anything starts: on a Wine without its 32-bit half the
// start "succeeds", runs nothing and says so only on the terminal.
namespace wine {

inline constexpr std::uint16_t I386 = 0x014c;   // a 32-bit Windows program

// The machine field of a Windows program's PE header ("MZ", the offset at 0x3C, "PE\0\0",
// machine); 0 when the file is no PE program.
std::uint16_t machineOf(const std::filesystem::path& program);

// Whether the Wine started as `wine` (the command found on PATH) runs 32-bit programs: it
// starts them with a 32-bit loader (itself, the "wine" beside a "wine64", or one its launcher
// script names), or, a 64-bit loader alone, inside itself (WoW64) with the 32-bit Windows side
// (i386-windows/ntdll.dll) in its library folder. Only a few files are looked at, nothing is
// started, so a press of Connect to Server does not wait for it.
bool runs32Bit(const std::filesystem::path& wine);

} // namespace wine
