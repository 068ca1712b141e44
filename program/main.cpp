#include "program.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QFontDatabase>
#include <QIcon>
#include <QTimer>

#include <future>

#include "platform/accessibility.h"
#include "platform/art.h"
#include "platform/controls.h"
#include "platform/filesfolder.h"
#include "platform/forms.h"
#include "platform/services.h"
#include "friends/listing.h"
#include "friends/notifier.h"
#include "friends/oneclient.h"
#include "friends/watch.h"
#include "browser/browserpane.h"
#include "browser/rendering.h"
#include "servers/viewservers.h"

int main(int argc, char** argv) {
    QCoreApplication::setApplicationName(QStringLiteral("tovo"));
    QCoreApplication::setApplicationVersion(QStringLiteral(TOVO_VERSION));
    QString link; // a join link the program was started with (tovo://join/<code>/<address>)
    {
        // --help and --version answer before anything needs a display; a second start hands its
        // link (or, with none, "come to the front") to the client already running and ends.
        const QCoreApplication bare(argc, argv);
        QCommandLineParser line;
        line.setApplicationDescription(
            QStringLiteral("Iron Lantern / Night Owls Online Game Service"));
        const QCommandLineOption help = line.addHelpOption(), version = line.addVersionOption();
        line.addPositionalArgument(
            QStringLiteral("link"),
            QStringLiteral("A join link: tovo://join/<game code>/<address>."),
            QStringLiteral("[link]"));
        line.parse(bare.arguments());
        if (line.isSet(help)) line.showHelp(0);
        if (line.isSet(version)) line.showVersion();
        link = line.positionalArguments().value(0);
        if (OneClient::handOver(link)) return 0;
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

    const FilesFolder files = FilesFolder::choose(
        QCoreApplication::applicationDirPath().toStdString(), FilesFolder::dataHome());
    Services services =
        Services::real(files.dir, files.own ? std::filesystem::path() : "/etc/tovo");
    services.makeBrowser = makeWebEnginePane;
    wireLaunch(services);
    files.tell(services);
    useBrowsingFolders(QString::fromStdString(files.browserStorage().string()),
                       QString::fromStdString(files.browserCache().string()));
    warmWebEngine(); // once the login window is painted, while the member types
    Forms forms(services);
    addWindows(forms);
    OneClient one;
    one.listen();
    Notifier notifier;
    services.notify = [&notifier](const QString& text, const QString& link) {
        notifier.tell(text, link);
    };
    services.fetchListing = [host = services.host](QObject* context, auto done) {
        listing::fetch(host, context, done);
    };
    QObject::connect(&notifier, &Notifier::join, &notifier,
                     [&forms](const QString& l) { joinServer(forms, l); });
    QObject::connect(&one, &OneClient::received, &one, [&forms](const QString& l) {
        if (!l.isEmpty()) return joinServer(forms, l);
        for (QWidget* w :
             QApplication::topLevelWidgets()) // a start with no link: the client comes to the front
            if (w->isVisible() && w->isWindow()) {
                w->raise();
                w->activateWindow();
            }
    });
    // The login window is the program's start: creating it reads the alias file (and on the
    // first run writes the settings folder); loading it brings up the main window around it.
    forms.show(QStringLiteral("Login"));
    if (!link.isEmpty()) joinServer(forms, link); // once the member has logged in
    FriendWatch friends(services, services.file("friends.con"));
    QTimer::singleShot(0, &friends, &FriendWatch::look); // friends already playing are told at once
    // The main window carries its own icon; the other windows take this one (none is painted yet).
    QApplication::setWindowIcon(QIcon(art::logo(64)));
    return app.exec();
}
