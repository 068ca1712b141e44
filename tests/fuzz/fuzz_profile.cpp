// Random profile files: the whole-file reader answers every key as the key-by-key reader does for
// the same bytes, and never gives more than a read asks for.
#include "files/profile.h"

#include <cstdint>
#include <cstdlib>
#include <fstream>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string bytes(reinterpret_cast<const char*>(data), size);
    static const std::string file = "/tmp/fuzz_profile." + std::to_string(::getpid()) + ".con";
    std::ofstream(file, std::ios::binary | std::ios::trunc) << bytes;
    const profile::Contents contents(bytes);
    for (const std::string& section : contents.sections())
        for (const char* key : {"Path", "Game", "Address", "Dir", "File", ""})
            for (std::size_t limit : {std::size_t(1), std::size_t(5), std::size_t(256)}) {
                const std::string whole = contents.read(section, key, "-", limit);
                if (whole != profile::read(section, key, "-", limit, file) ||
                    whole.size() > 4 * limit)
                    std::abort();
            }
    return 0;
}
