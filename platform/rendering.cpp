#include "rendering.h"

#include <QByteArray>
#include <QCoreApplication>

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
    if (hasGpu()) {
        // The browser engine, loaded later, draws with contexts shared with ours (as it would
        // ask for itself if it were loaded with the program).
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
        return;
    }
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND"))
        qputenv("QT_QUICK_BACKEND", "software");
    // Without OpenGL from the display the browser engine makes no context of its own at start,
    // which would cost more than a third of the start-up in emulation, and draws in software.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
}
