#include "serveraddress.h"

#include <cctype>

bool validServerAddress(std::string_view address) {
    const auto colon = address.find(':');
    const std::string_view host = address.substr(0, colon);
    auto word = [](unsigned char c) { return std::isalnum(c) != 0; };
    if (host.empty() || host.size() > 253 || !word(host[0])) return false;
    for (unsigned char c : host)
        if (!word(c) && c != '.' && c != '-') return false;
    if (colon == std::string_view::npos) return true;
    const std::string_view port = address.substr(colon + 1);
    if (port.empty() || port.size() > 5) return false;
    long n = 0;
    for (unsigned char c : port) {
        if (!std::isdigit(c)) return false;
        n = n * 10 + (c - '0');
    }
    return n > 0 && n < 65536;
}
