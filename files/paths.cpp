#include "paths.h"

#include <algorithm>
#include <cctype>
#include <dirent.h>
#include <fstream>
#include <string>
#include <system_error>
#include <unistd.h>

namespace paths {

char lowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? char(c - 'A' + 'a') : c;
}

std::string lowered(std::string_view name) {
    std::string s(name);
    for (char& c : s)
        c = lowerAscii(c);
    return s;
}

bool sameIgnoringCase(std::string_view a, std::string_view b) {
    return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
               return lowerAscii(x) == lowerAscii(y);
           });
}

std::string_view trimmed(std::string_view v) {
    while (!v.empty() && (v.front() == ' ' || v.front() == '\t'))
        v.remove_prefix(1);
    while (!v.empty() && (v.back() == ' ' || v.back() == '\t'))
        v.remove_suffix(1);
    return v;
}

std::filesystem::path resolve(const std::filesystem::path& base, std::string_view winRelative) {
    std::filesystem::path p = base;
    std::size_t i = 0;
    while (i <= winRelative.size()) {
        std::size_t j = winRelative.find_first_of("\\/", i);
        if (j == std::string_view::npos) j = winRelative.size();
        std::string part(winRelative.substr(i, j - i));
        i = j + 1;
        if (part.empty() || part == ".") continue;
        if (part == "..") {
            p = p.parent_path();
            continue;
        }
        std::filesystem::path next = p / part;
        std::error_code ec;
        if (!std::filesystem::exists(next, ec))
            if (DIR* dir = ::opendir(p.c_str())) {
                // The names straight from the folder: the first run looks up two dozen new files
                // in a folder that fills as it goes.
                while (const dirent* entry = ::readdir(dir))
                    if (sameIgnoringCase(entry->d_name, part)) {
                        next = p / entry->d_name;
                        break;
                    }
                ::closedir(dir);
            }
        p = next;
    }
    return p;
}

bool makeDir(const std::filesystem::path& base, std::string_view winRelative) {
    std::error_code ec;
    std::filesystem::path dir = resolve(base, winRelative);
    if (std::filesystem::is_directory(dir, ec)) return true;
    return std::filesystem::create_directory(dir, ec);
}

bool isNativeProgram(const std::filesystem::path& file) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::file_status st = fs::status(file, ec);
    constexpr fs::perms anyExec =
        fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec;
    if (ec || !fs::is_regular_file(st) || (st.permissions() & anyExec) == fs::perms::none)
        return false;
    char head[4] = {};
    std::ifstream(file, std::ios::binary).read(head, 4);
    return std::string_view(head, 4) == "\x7f"
                                        "ELF" ||
           std::string_view(head, 2) == "#!";
}

void removeFile(const std::filesystem::path& file) {
    std::error_code ec;
    if (!std::filesystem::is_directory(file, ec)) std::filesystem::remove(file, ec);
}

std::string readAtMost(const std::filesystem::path& file, std::size_t most) {
    std::ifstream in(file, std::ios::binary);
    std::string text(most, '\0');
    in.read(text.data(), std::streamsize(most));
    text.resize(std::size_t(in.gcount()));
    return text;
}

// Through a temporary file beside it and a rename, so that a crash never leaves half a file.
bool replaceFile(const std::filesystem::path& file, std::string_view bytes) {
    std::filesystem::path tmp = file;
    tmp += ".tmp" + std::to_string(::getpid());
    {
        std::ofstream out(tmp, std::ios::binary | std::ios::trunc);
        if (!out) return false;
        out.write(bytes.data(), std::streamsize(bytes.size()));
        out.flush();
        if (!out) {
            out.close();
            std::error_code ec;
            std::filesystem::remove(tmp, ec);
            return false;
        }
    }
    std::error_code ec;
    std::filesystem::rename(tmp, file, ec);
    if (ec) {
        std::filesystem::remove(tmp, ec);
        return false;
    }
    return true;
}

} // namespace paths
