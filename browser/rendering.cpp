#include "rendering.h"

#include <QByteArray>
#include <QCoreApplication>

#include <filesystem>
#include <system_error>

namespace {

bool hasGpu() {
    std::error_code ec;
    for (std::filesystem::directory_iterator it("/dev/dri", ec), end; !ec && it != end;
         it.increment(ec))
        if (it->path().filename().string().rfind("renderD", 0) == 0) return true;
    return false;
}

QtMessageHandler previousHandler = nullptr;

// Asked for no OpenGL, Qt still says that it could not make the shared context: expected here,
// and nothing a member needs to read.
void quietAboutNoOpenGl(QtMsgType type, const QMessageLogContext& context, const QString& message) {
    if (message.startsWith(QLatin1String("QXcbIntegration: Cannot create platform OpenGL context")))
        return;
    if (previousHandler) previousHandler(type, context, message);
}

} // namespace

void chooseRendering() {
    // The browser engine, loaded later, expects what it asks for when it is loaded with the
    // program: one OpenGL context shared by all windows, made with the application.
    QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // The engine's start waits for its helper process that forks the page processes. By default
    // a second one, for helpers without a sandbox, starts beside it and competes for the same
    // processor time, although the panes start no such helpers; without it the engine starts
    // sooner and keeps one process fewer. The member's own engine flags stay, after ours.
    const QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS");
    if (!flags.contains("unsandboxed-zygote"))
        qputenv("QTWEBENGINE_CHROMIUM_FLAGS", ("--no-unsandboxed-zygote " + flags).trimmed());
    if (hasGpu()) return;
    if (!qEnvironmentVariableIsSet("QT_QUICK_BACKEND")) qputenv("QT_QUICK_BACKEND", "software");
    // Without OpenGL from the display the browser engine makes no context of its own at start,
    // which would cost more than a third of the start-up in emulation, and draws in software.
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    if (qgetenv("QT_XCB_GL_INTEGRATION") == "none")
        previousHandler = qInstallMessageHandler(quietAboutNoOpenGl);
}
