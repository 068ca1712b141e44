#include "rendering.h"

#include <QByteArray>

#include <filesystem>
#include <system_error>

namespace {

bool hasGpu()
{
    std::error_code ec;
    for (std::filesystem::directory_iterator it("/dev/dri", ec), end; !ec && it != end; it.increment(ec))
        if (it->path().filename().string().rfind("renderD", 0) == 0)
            return true;
    return false;
}

} // namespace

void chooseRendering()
{
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND") && !hasGpu())
        qputenv("QT_QUICK_BACKEND", "software");
}
