#include "community.h"

#include <cstdint>
#include <limits>

namespace community {

QString pageName(const QString& code, const QString& address) {
    return code + address + QStringLiteral(".htm");
}

PageName cutPageName(const QString& locationName) {
    PageName p;
    p.full = locationName;
    const qsizetype n = locationName.size() - 4;
    if (n < 5 || n > std::numeric_limits<std::int16_t>::max()) return p;
    p.code = locationName.left(5);
    p.address = locationName.mid(5, n - 5);
    return p;
}

QString joinLink(const QString& code, const QString& address) {
    return QLatin1String(joinLinks) + code + QLatin1Char('/') + address;
}

} // namespace community
