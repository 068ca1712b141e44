#include "registry.h"

#include "files/paths.h"

#include <algorithm>
#include <cctype>
#include <fstream>
#include <optional>

namespace registry {
namespace {

void appendUtf8(std::string& out, unsigned c) {
    if (c < 0x80) {
        out += char(c);
    } else if (c < 0x800) {
        out += char(0xc0 | c >> 6);
        out += char(0x80 | (c & 0x3f));
    } else {
        out += char(0xe0 | c >> 12);
        out += char(0x80 | (c >> 6 & 0x3f));
        out += char(0x80 | (c & 0x3f));
    }
}

// Where the quoted text starting at `open` (a '"') ends: the next quote no backslash escapes.
std::size_t closingQuote(std::string_view line, std::size_t open) {
    for (std::size_t i = open + 1; i < line.size(); ++i) {
        if (line[i] == '\\')
            ++i;
        else if (line[i] == '"')
            return i;
    }
    return std::string_view::npos;
}

} // namespace

std::string unescape(std::string_view q) {
    std::string out;
    // Wine writes every UTF-16 unit outside printable ASCII as \x with up to four hex digits;
    // a surrogate pair is two of them.
    unsigned high = 0;
    auto put = [&](unsigned c) {
        if (c >= 0xd800 && c < 0xdc00) {
            high = c;
            return;
        }
        if (c >= 0xdc00 && c < 0xe000 && high) {
            const unsigned cp = 0x10000 + ((high - 0xd800) << 10) + (c - 0xdc00);
            out += char(0xf0 | cp >> 18);
            out += char(0x80 | (cp >> 12 & 0x3f));
            out += char(0x80 | (cp >> 6 & 0x3f));
            out += char(0x80 | (cp & 0x3f));
        } else {
            appendUtf8(out, c);
        }
        high = 0;
    };
    for (std::size_t i = 0; i < q.size(); ++i) {
        if (q[i] != '\\' || i + 1 == q.size()) {
            put(static_cast<unsigned char>(q[i]));
            continue;
        }
        const char e = q[++i];
        if (e == 'x') {
            unsigned c = 0;
            std::size_t n = 0;
            while (n < 4 && i + 1 < q.size() &&
                   std::isxdigit(static_cast<unsigned char>(q[i + 1]))) {
                const char h = paths::lowerAscii(q[++i]);
                c = c * 16 + unsigned(h <= '9' ? h - '0' : h - 'a' + 10);
                ++n;
            }
            put(c);
        } else if (e >= '0' && e <= '7') {
            unsigned c = unsigned(e - '0');
            for (int n = 0; n < 2 && i + 1 < q.size() && q[i + 1] >= '0' && q[i + 1] <= '7'; ++n)
                c = c * 8 + unsigned(q[++i] - '0');
            put(c);
        } else {
            static constexpr std::string_view from = "abefnrtv", to = "\a\b\x1b\f\n\r\t\v";
            const std::size_t k = from.find(e);
            put(k == std::string_view::npos ? static_cast<unsigned char>(e)
                                            : static_cast<unsigned char>(to[k]));
        }
    }
    return out;
}

namespace {

// "[Software\\Id\\Quake III Arena] 1701234567": the key's name, in lower case, running to the
// first ']' no backslash escapes; nullopt for a section line cut short.
std::optional<std::string> keyOf(std::string_view line) {
    std::size_t end = 1;
    while (end < line.size() && line[end] != ']')
        end += line[end] == '\\' ? 2 : 1;
    if (end >= line.size()) return std::nullopt;
    return paths::lowered(unescape(line.substr(1, end - 1)));
}

// "name"="text" or @="text" (the key's default value, named ""): the name in lower case and the
// text; nullopt for anything else (a number, binary data, a line cut short).
std::optional<std::pair<std::string, std::string>> valueOf(std::string_view line) {
    std::string name;
    std::size_t eq;
    if (line.starts_with("@=")) {
        eq = 1;
    } else if (line.starts_with('"')) {
        const std::size_t close = closingQuote(line, 0);
        if (close == std::string::npos || close + 1 >= line.size() || line[close + 1] != '=')
            return std::nullopt;
        name = paths::lowered(unescape(line.substr(1, close - 1)));
        eq = close + 1;
    } else {
        return std::nullopt;
    }
    std::string_view value = line.substr(eq + 1);
    if (value.starts_with("str(2):")) // an expandable string: the same text
        value.remove_prefix(7);
    const std::size_t close =
        value.starts_with('"') ? closingQuote(value, 0) : std::string_view::npos;
    if (close == std::string_view::npos) return std::nullopt;
    return std::pair{std::move(name), unescape(value.substr(1, close - 1))};
}

} // namespace

Values read(const std::filesystem::path& file, const std::function<bool(std::string_view)>& wanted,
            std::size_t limit) {
    Values found;
    std::ifstream in(file, std::ios::binary);
    // A line longer than any a key or a folder needs is passed over whole, so a file without
    // line ends (binary, or hostile) never sits in memory.
    constexpr std::size_t LongestLine = 32 * 1024;
    std::string buffer(LongestLine, '\0');
    std::size_t consumed = 0;
    std::map<std::string, std::string>* current = nullptr;
    while (consumed < limit && in) {
        in.getline(buffer.data(), std::streamsize(buffer.size()));
        consumed += std::size_t(in.gcount());
        if (in.fail() && !in.eof()) { // longer than LongestLine
            in.clear();
            in.ignore(std::streamsize(limit - std::min(limit, consumed)), '\n');
            consumed += std::size_t(in.gcount());
            current = nullptr;
            continue;
        }
        std::string_view line(buffer.data(), std::size_t(in.gcount()) - (in.eof() ? 0 : 1));
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.starts_with('[')) {
            const auto key = keyOf(line);
            current = key && wanted(*key) ? &found[*key] : nullptr;
        } else if (current) {
            if (auto v = valueOf(line)) (*current)[v->first] = std::move(v->second);
        }
    }
    return found;
}

} // namespace registry
