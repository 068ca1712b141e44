// Random profile files and random section, key and value strings: the reader and the writer
// never crash, a value written is read back, and a write keeps every line it does not edit.
#include "platform/profile.h"

#include "input.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {


// A name or value the profile format can hold: one line, no blanks at its ends, and for names
// none of the characters that mark sections, keys and comments.
bool plain(const std::string& s, bool name)
{
    if (s.empty() && name)
        return false;
    if (!s.empty() && (s.front() == ' ' || s.front() == '\t' || s.back() == ' ' || s.back() == '\t'))
        return false;
    if (!s.empty() && (s.front() == '"' || s.front() == '\''))
        return false;
    for (char c : s)
        if (c == '\r' || c == '\n' || c == '\0' || (name && (c == '=' || c == '[' || c == ']' || c == ';')))
            return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    static const std::filesystem::path file =
        std::filesystem::temp_directory_path() / ("tovo-fuzz-profile-" + std::to_string(::getpid()) + ".ini");
    const std::string section = take(data, size, 24), key = take(data, size, 24), value = take(data, size, 24);
    const std::string content(reinterpret_cast<const char*>(data), size);
    std::ofstream(file, std::ios::binary | std::ios::trunc) << content;

    (void)profile::read(section, key, "name", 30, file);
    const std::string edited = profile::edit(content, section, key, value);
    if (!profile::write(section, key, value, file))
        std::abort();
    if (plain(section, true) && plain(key, true) && plain(value, false)) {
        // Unless the key already stood in the section twice over (the first one wins), the value
        // written is what comes back, cut to the buffer.
        const std::string back = profile::read(section, key, "<default>", 4096, file);
        if (back != value && back.find('\0') == std::string::npos && content.find('\0') == std::string::npos &&
            content.find('"') == std::string::npos && content.find('\'') == std::string::npos)
            std::abort();
    }
    // The edit only ever adds to the file or replaces one value: it never loses a byte before
    // the edited place.
    if (edited.size() + 4096 < content.size())
        std::abort();
    return 0;
}
