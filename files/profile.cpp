#include "profile.h"

#include "paths.h"

#include <algorithm>
#include <fcntl.h>
#include <fstream>
#include <iterator>
#include <optional>
#include <system_error>
#include <unistd.h>
#include <vector>

namespace profile {
namespace {

struct Line {
    std::size_t begin; // first byte of the line
    std::size_t end;   // one past the last byte before the line break
    std::size_t next;  // first byte after the line break
};

std::vector<Line> splitLines(const std::string& s) {
    std::vector<Line> lines;
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t j = i;
        while (j < s.size() && s[j] != '\r' && s[j] != '\n')
            ++j;
        std::size_t next = j;
        if (next < s.size()) {
            next += (s[next] == '\r' && next + 1 < s.size() && s[next + 1] == '\n') ? 2 : 1;
        }
        lines.push_back({i, j, next});
        i = next;
    }
    return lines;
}

std::string_view text(const std::string& s, const Line& l) {
    return std::string_view(s).substr(l.begin, l.end - l.begin);
}

// The name of a section line "[name]", or nothing for any other line.
std::optional<std::string_view> sectionName(std::string_view line) {
    line = paths::trimmed(line);
    if (line.empty() || line.front() != '[') return std::nullopt;
    line.remove_prefix(1);
    return paths::trimmed(line.substr(0, line.find(']')));
}

// For a key line "key=value": the position of '=' within the line.
std::optional<std::size_t> keyEquals(std::string_view line) {
    std::string_view t = paths::trimmed(line);
    if (t.empty() || t.front() == ';' || t.front() == '[') return std::nullopt;
    std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) return std::nullopt;
    return eq;
}

struct Found {
    std::optional<std::size_t> section; // index of the section line
    std::size_t sectionEnd = 0;         // index of the first line after the section
    std::optional<std::size_t> key;     // index of the key line
};

Found find(const std::string& s, const std::vector<Line>& lines, std::string_view section,
           std::string_view key) {
    Found f;
    f.sectionEnd = lines.size();
    for (std::size_t i = 0; i < lines.size(); ++i) {
        auto name = sectionName(text(s, lines[i]));
        if (!name) continue;
        if (f.section) {
            f.sectionEnd = i;
            break;
        }
        if (paths::sameIgnoringCase(*name, paths::trimmed(section))) f.section = i;
    }
    if (!f.section) return f;
    for (std::size_t i = *f.section + 1; i < f.sectionEnd; ++i) {
        std::string_view l = text(s, lines[i]);
        if (auto eq = keyEquals(l);
            eq && paths::sameIgnoringCase(paths::trimmed(l.substr(0, *eq)), paths::trimmed(key))) {
            f.key = i;
            break;
        }
    }
    return f;
}

std::optional<std::string> readWhole(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_regular_file(file, ec)) return std::nullopt;
    std::ifstream in(file, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
}

// The first n characters of s. A well-formed UTF-8 sequence is one character, any other byte is
// one too, so a cut never splits a letter of a UTF-8 alias or folder, and 8-bit text in any
// other encoding is cut exactly as before.
std::string firstCharacters(const std::string& s, std::size_t n) {
    std::size_t at = 0;
    for (; n > 0 && at < s.size(); --n) {
        const auto lead = static_cast<unsigned char>(s[at]);
        const std::size_t len = lead >= 0xC2 && lead <= 0xDF   ? 2
                                : lead >= 0xE0 && lead <= 0xEF ? 3
                                : lead >= 0xF0 && lead <= 0xF4 ? 4
                                                               : 1;
        std::size_t k = 1;
        while (k < len && at + k < s.size() &&
               (static_cast<unsigned char>(s[at + k]) & 0xC0) == 0x80)
            ++k;
        at += k == len ? len : 1;
    }
    return s.substr(0, at);
}

// A key's value: what follows its equals sign, blanks around it and one pair of quotes taken off.
std::string_view valueAfter(std::string_view line, std::size_t equals) {
    std::string_view v = paths::trimmed(line.substr(equals + 1));
    if (v.size() >= 2 && (v.front() == '"' || v.front() == '\'') && v.back() == v.front())
        v = v.substr(1, v.size() - 2);
    return v;
}

// As the caller's buffer of `size` bytes receives it: up to a NUL, then whole characters only.
std::string cut(std::string value, std::size_t size) {
    value.resize(std::min(value.size(), value.find('\0')));
    return firstCharacters(value, size == 0 ? 0 : size - 1);
}

} // namespace

std::string read(std::string_view section, std::string_view key, std::string_view fallback,
                 std::size_t size, const std::filesystem::path& file) {
    std::string value(fallback);
    if (auto content = readWhole(file)) {
        const auto lines = splitLines(*content);
        Found f = find(*content, lines, section, key);
        if (f.key) {
            std::string_view l = text(*content, lines[*f.key]);
            value = std::string(valueAfter(l, *keyEquals(l)));
        }
    }
    return cut(std::move(value), size);
}

namespace {
// Section and key names as the table keeps them: without their blanks, in lower case.
std::string lowered(std::string_view name) {
    return paths::lowered(paths::trimmed(name));
}
} // namespace

Contents::Contents(std::string_view bytes) {
    const std::string s(bytes);
    std::unordered_map<std::string, std::string>* keys = nullptr; // of the section being read
    for (const Line& l : splitLines(s)) {
        const std::string_view line = text(s, l);
        if (auto name = sectionName(line)) {
            // A later section of the same name is never looked at, its keys included.
            auto [at, isNew] = values_.try_emplace(lowered(*name));
            keys = isNew ? &at->second : nullptr;
            if (isNew && !name->empty()) names_.emplace_back(*name);
        } else if (auto eq = keyEquals(line); eq && keys) {
            keys->try_emplace(lowered(line.substr(0, *eq)), valueAfter(line, *eq));
        }
    }
}

std::string Contents::read(std::string_view section, std::string_view key,
                           std::string_view fallback, std::size_t size) const {
    std::string value(fallback);
    if (auto s = values_.find(lowered(section)); s != values_.end())
        if (auto k = s->second.find(lowered(key)); k != s->second.end()) value = k->second;
    return cut(std::move(value), size);
}

namespace {
// The edit that write() makes, on the file's contents in memory.
std::string edit(std::string s, std::string_view section, std::string_view key,
                 std::string_view value) {
    const auto lines = splitLines(s);
    Found f = find(s, lines, section, key);
    if (f.key) {
        const Line& l = lines[*f.key];
        std::size_t from = l.begin + *keyEquals(text(s, l)) + 1;
        s.replace(from, l.end - from, value);
        return s;
    }
    std::string entry = std::string(key) + "=" + std::string(value) + "\r\n";
    std::size_t at = s.size();
    if (f.section) {
        // After the last non-blank line of the section, so that blank lines that separate it
        // from the next section stay in front of that section.
        std::size_t last = *f.section;
        for (std::size_t i = last + 1; i < f.sectionEnd; ++i)
            if (!paths::trimmed(text(s, lines[i])).empty()) last = i;
        at = lines[last].next;
        if (lines[last].next == lines[last].end) // the file ends without a line break
            entry.insert(0, "\r\n");
    } else {
        entry.insert(0, "[" + std::string(section) + "]\r\n");
        if (!s.empty() && s.back() != '\n' && s.back() != '\r') entry.insert(0, "\r\n");
    }
    s.insert(at, entry);
    return s;
}

// Makes a file that is not there yet, in one write: there is no earlier file to keep safe, and a
// crash leaves at worst an empty file, which reads like none; so no temporary file and rename.
// False, and nothing made, when anything of that name is there already.
bool createFile(const std::filesystem::path& file, std::string_view bytes) {
    const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
    if (fd < 0) return false;
    const bool written = ::write(fd, bytes.data(), bytes.size()) == ssize_t(bytes.size());
    if (::close(fd) != 0 || !written) {
        ::unlink(file.c_str());
        return false;
    }
    return true;
}

} // namespace

bool write(std::string_view section, std::string_view key, std::string_view value,
           const std::filesystem::path& file) {
    if (createFile(file, edit(std::string(), section, key, value)))
        return true; // the first run makes its two dozen files this way
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) return false;
    auto content = readWhole(file);
    if (!content && std::filesystem::exists(file, ec))
        return false; // there but unreadable: never replace what cannot be kept
    return paths::replaceFile(file, edit(content.value_or(std::string()), section, key, value));
}

} // namespace profile
