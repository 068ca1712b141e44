#include "wine.h"

#include "files/paths.h"

#include <array>
#include <cctype>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>
#include <sys/stat.h>
#include <system_error>
#include <vector>

namespace wine {
namespace {

constexpr std::uint16_t ElfI386 = 3, ElfX86_64 = 62;

std::uint32_t little(const unsigned char* p, int bytes) {
    std::uint32_t v = 0;
    for (int i = bytes - 1; i >= 0; --i)
        v = v << 8 | p[i];
    return v;
}

// The machine of an ELF program (a Wine loader); 0 for anything else.
std::uint16_t elfMachine(const std::filesystem::path& file) {
    std::array<unsigned char, 20> h{};
    std::ifstream in(file, std::ios::binary);
    if (!in.read(reinterpret_cast<char*>(h.data()), h.size()) || h[0] != 0x7f || h[1] != 'E' ||
        h[2] != 'L' || h[3] != 'F' || h[5] != 1) // little-endian, as every x86 loader is
        return 0;
    return std::uint16_t(little(&h[18], 2));
}

// The programs a launcher script starts by absolute path whose names begin with "wine"
// (Debian's /usr/bin/wine names /usr/lib/wine/wine and /usr/lib/wine/wine64).
std::vector<std::filesystem::path> namedLoaders(const std::filesystem::path& script) {
    const std::string text = paths::readAtMost(script, 64 * 1024);
    std::vector<std::filesystem::path> out;
    if (!text.starts_with("#!")) return out;
    auto inPath = [](char c) {
        return std::isalnum(static_cast<unsigned char>(c)) ||
               std::string_view("/._+-").find(c) != std::string_view::npos;
    };
    for (std::size_t i = text.find('\n'); i < text.size(); ++i) {
        if (text[i] != '/' || inPath(text[i - 1])) continue;
        std::size_t j = i;
        while (j < text.size() && inPath(text[j]))
            ++j;
        const std::filesystem::path p = text.substr(i, j - i);
        if (p.filename().string().starts_with("wine")) out.push_back(p);
        i = j;
    }
    return out;
}

bool hasWindowsSide32(const std::filesystem::path& loaderDir) {
    std::error_code ec;
    for (const char* lib : {"../lib/wine", "../lib64/wine", "../lib/x86_64-linux-gnu/wine",
                            "../x86_64-linux-gnu/wine"})
        if (std::filesystem::is_regular_file(loaderDir / lib / "i386-windows" / "ntdll.dll", ec))
            return true;
    return false;
}

} // namespace

std::uint16_t machineOf(const std::filesystem::path& program) {
    std::ifstream in(program, std::ios::binary);
    std::array<unsigned char, 64> mz{};
    if (!in.read(reinterpret_cast<char*>(mz.data()), mz.size()) || mz[0] != 'M' || mz[1] != 'Z')
        return 0;
    std::array<unsigned char, 6> pe{};
    if (!in.seekg(std::streamoff(little(&mz[0x3c], 4))) ||
        !in.read(reinterpret_cast<char*>(pe.data()), pe.size()) || pe[0] != 'P' || pe[1] != 'E' ||
        pe[2] != 0 || pe[3] != 0)
        return 0;
    return std::uint16_t(little(&pe[4], 2));
}

bool runs32Bit(const std::filesystem::path& wine) {
    std::error_code ec;
    const std::filesystem::path w = std::filesystem::canonical(wine, ec);
    if (ec) return false;
    std::vector<std::filesystem::path> loaders;
    if (elfMachine(w))
        loaders.push_back(w);
    else
        loaders = namedLoaders(w);
    for (const auto& named : loaders) {
        const std::filesystem::path l = std::filesystem::canonical(named, ec);
        if (ec) continue;
        const std::uint16_t m = elfMachine(l);
        if (m == ElfI386) return true;
        // A 64-bit loader hands a 32-bit program to the "wine" beside it ("wine64" less its
        // "64"); without one it runs the program itself, when the 32-bit Windows side is there.
        if (m == ElfX86_64 &&
            ((l.filename() == "wine64" && elfMachine(l.parent_path() / "wine") == ElfI386) ||
             hasWindowsSide32(l.parent_path())))
            return true;
    }
    return false;
}

bool keepsPrefix(const std::filesystem::path& wine, const std::filesystem::path& prefix) {
    std::string stamp = paths::readAtMost(prefix / ".update-timestamp", 64);
    stamp = stamp.substr(0, stamp.find_first_of(" \r\n"));
    if (stamp == "disable") return true;
    if (stamp.empty()) return false;
    std::error_code ec;
    // Wine finds its data beside its own folder; a link on PATH (/usr/bin/wine to /opt/...) is
    // followed to where the Wine really is.
    for (const std::filesystem::path& w : {wine, std::filesystem::canonical(wine, ec)}) {
        struct stat st {};
        const std::filesystem::path inf = w.parent_path() / "../share/wine/wine.inf";
        if (!w.empty() && ::stat(inf.c_str(), &st) == 0)
            return stamp == std::to_string(st.st_mtime);
    }
    return false;
}

std::string archOf(const std::filesystem::path& prefix) {
    const std::string text = paths::readAtMost(prefix / "system.reg", 4096);
    const std::size_t at = text.find("\n#arch=");
    if (at == std::string::npos) return {};
    const std::string arch = text.substr(at + 7, 5);
    return arch == "win32" || arch == "win64" ? arch : std::string();
}

} // namespace wine
