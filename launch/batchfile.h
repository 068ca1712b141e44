#pragma once

#include <filesystem>
#include <string>

// A game's batch file, written as the launch has always written it: four profile writes into
// one section of a freshly deleted file, each key one batch command followed by CR LF and
// " REM", so that every command line is followed by a remark line " REM=".
namespace batch {

inline constexpr const char* Arguments = " +set cl_playintro 0 +connect ";

void write(const std::filesystem::path& file, const std::string& section, const std::string& drive,
           const std::string& dir, const std::string& program, const std::string& address);

} // namespace batch
