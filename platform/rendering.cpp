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
    if (hasGpu())
        return;
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    // Without OpenGL from the display the browser engine makes no context of its own at start,
    // which would cost more than a third of the start-up in emulation, and draws in software.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
}
