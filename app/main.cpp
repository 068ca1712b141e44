#include "platform/accessibility.h"
#include "platform/art.h"
#include "platform/browserpane.h"
#include "platform/filesfolder.h"
#include "platform/forms.h"
#include "platform/rendering.h"
#include "platform/services.h"
#include "program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QIcon>

#include <fontconfig/fontconfig.h>

#include <future>

int main(int argc, char** argv)
{
    QCoreApplication::setApplicationName(QStringLiteral("tovo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOVO_VERSION));
    if (argc > 1) { // --help and --version answer before anything needs a display
        const QCoreApplication bare(argc, argv);
        QCommandLineParser line;
        line.setApplicationDescription(QStringLiteral("Iron Lantern / Night Owls Online Game Service"));
        const QCommandLineOption help = line.addHelpOption(), version = line.addVersionOption();
        line.parse(bare.arguments());
        if (line.isSet(help))
            line.showHelp(0);
        if (line.isSet(version))
            line.showVersion();
    }
    // The program's look is drawn on its own grey; the system's theme would fight it.
    QApplication::setStyle(QStringLiteral("Fusion"));
    chooseRendering();
    // The login window's pictures carry text, and the fonts' configuration (some sixty files) is
    // read when the first text is drawn: read on a thread of its own while the application
    // connects to the display, it no longer stands between the start and the window.
    auto fonts = std::async(std::launch::async, FcInit);
    QApplication app(argc, argv);
    quietHiddenControls();
    QApplication::setWindowIcon(QIcon(art::logo(64)));

    const FilesFolder files = FilesFolder::choose(QCoreApplication::applicationDirPath().toStdString(),
                                                  FilesFolder::dataHome());
    Services services = Services::real(files.dir, files.own ? std::filesystem::path() : "/etc/tovo");
    files.tell(services);
    warmWebEngine(); // once the login window is painted, while the member types
    Forms forms(services);
    addWindows(forms);
    // The login window is the program's start: creating it reads the alias file (and on the
    // first run writes the settings folder); loading it brings up the main window around it.
    fonts.wait();
    forms.show(QStringLiteral("Login"));
    return app.exec();
}
