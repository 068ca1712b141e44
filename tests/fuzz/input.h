#pragma once

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>

// Cuts a fuzzer's input into strings: a length byte (below `most`), then that many bytes.
inline std::string take(const uint8_t*& data, size_t& size, size_t most)
{
    size_t n = size ? data[0] % most : 0;
    if (size)
        ++data, --size;
    n = std::min(n, size);
    std::string s(reinterpret_cast<const char*>(data), n);
    data += n;
    size -= n;
    return s;
}
