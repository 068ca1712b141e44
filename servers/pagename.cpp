#include "pagename.h"

#include <cstdint>
#include <limits>

PageName cutPageName(const QString& locationName)
{
    PageName p;
    p.full = locationName;
    const qsizetype n = locationName.size() - 4;
    if (n < 5 || n > std::numeric_limits<std::int16_t>::max())
        return p;
    p.code = locationName.left(5);
    p.address = locationName.mid(5, n - 5);
    return p;
}
