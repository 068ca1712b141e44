#pragma once

#include <filesystem>
#include <string>
#include <string_view>

// The program's files are named by Windows relative paths ("\settings\mohaa.con") below a base
// folder. On Linux each component is matched without regard to case against what is on disk,
// so "\settings" and "\Settings" reach one folder; a component that does not exist yet keeps
// the letters it was given.
namespace paths {

std::filesystem::path resolve(const std::filesystem::path& base, std::string_view winRelative);

// Names compared as the program's files and Windows' registry and profile calls compare them:
// ASCII letters without regard to case, every other byte as it is.
char lowerAscii(char c);
std::string lowered(std::string_view name);
bool sameIgnoringCase(std::string_view a, std::string_view b);

// The text without the blanks and tabs at its ends.
std::string_view trimmed(std::string_view text);

// The folder below base, made when missing. False when it cannot be made.
bool makeDir(const std::filesystem::path& base, std::string_view winRelative);

// A program a Linux member can run as it is: a regular file (or a link to one) with an execute
// bit that is an ELF program or a "#!" script. Native engines of the games are such programs.
bool isNativeProgram(const std::filesystem::path& file);

// The first `most` bytes of a file (fewer when it is shorter; none when it cannot be read), so
// that a huge or endless file costs a bounded time.
std::string readAtMost(const std::filesystem::path& file, std::size_t most);

// Replaces the file whole with `bytes`, never leaving half of it written; false, the file as it
// was, when it cannot be written.
bool replaceFile(const std::filesystem::path& file, std::string_view bytes);

// Deletes a file; a missing file is no failure.
void removeFile(const std::filesystem::path& file);

} // namespace paths
