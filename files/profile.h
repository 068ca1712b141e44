#pragma once

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

// Profile (INI) files with the behaviour of the Windows profile-string calls, which the
// program's files were designed around: a read gives at most size-1 characters of a value (a
// UTF-8 letter is one), or the default; a write edits only the bytes it must and leaves every
// other byte of the file alone. Names of sections and keys compare without regard to ASCII case.
// Text is 8-bit.
namespace profile {

std::string read(std::string_view section, std::string_view key, std::string_view fallback,
                 std::size_t size, const std::filesystem::path& file);

// A whole profile parsed once, for files of many sections read key by key: read() answers as the
// function above does for the same contents, in time linear in its size; sections() are the
// section names in file order, each once (the first of names that differ only in case).
class Contents {
public:
    explicit Contents(std::string_view bytes);
    const std::vector<std::string>& sections() const { return names_; }
    std::string read(std::string_view section, std::string_view key, std::string_view fallback,
                     std::size_t size) const;

private:
    std::vector<std::string> names_;
    // Lower-case section name -> lower-case key -> value; the first of each wins.
    std::unordered_map<std::string, std::unordered_map<std::string, std::string>> values_;
};

// Returns false when the file could not be written; the file then keeps its former content.
bool write(std::string_view section, std::string_view key, std::string_view value,
           const std::filesystem::path& file);

} // namespace profile
