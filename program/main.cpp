#include "platform/accessibility.h"
#include "platform/art.h"
#include "platform/controls.h"
#include "browser/browserpane.h"
#include "platform/filesfolder.h"
#include "platform/forms.h"
#include "browser/rendering.h"
#include "platform/services.h"
#include "program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFontDatabase>
#include <QIcon>

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
    QApplication app(argc, argv);
    look::useOneFont();
    // The fonts are read meanwhile on a thread of their own (the font database is safe to use
    // from any thread), while the windows are set up and the accessibility bus is asked whether
    // anyone listens: the alias box needs them before the window shows.
    const auto fonts = std::async(std::launch::async, [] { QFontDatabase::families(); });
    art::prepareLogin(); // the login window's pictures, made meanwhile on a thread of their own
    quietHiddenControls();

    const FilesFolder files = FilesFolder::choose(QCoreApplication::applicationDirPath().toStdString(),
                                                  FilesFolder::dataHome());
    Services services = Services::real(files.dir, files.own ? std::filesystem::path() : "/etc/tovo");
    services.makeBrowser = makeWebEnginePane;
    wireLaunch(services);
    files.tell(services);
    useBrowsingFolders(QString::fromStdString(files.browserStorage().string()),
                       QString::fromStdString(files.browserCache().string()));
    warmWebEngine(); // once the login window is painted, while the member types
    Forms forms(services);
    addWindows(forms);
    // The login window is the program's start: creating it reads the alias file (and on the
    // first run writes the settings folder); loading it brings up the main window around it.
    forms.show(QStringLiteral("Login"));
    // The main window carries its own icon; the other windows take this one (none is painted yet).
    QApplication::setWindowIcon(QIcon(art::logo(64)));
    return app.exec();
}
