#include "program.h"

#include "installs/launchers.h"
#include "launch/batchrunner.h"
#include "launch/warmwine.h"
#include "platform/art.h"
#include "platform/controls.h"
#include "platform/filesfolder.h"
#include "platform/services.h"
#include "friends/friendswindow.h"
#include "browser/browserpane.h"
#include "browser/rendering.h"
#include "settings/settings.h"
#include "app/about.h"
#include "app/closeprog.h"
#include "app/form1.h"
#include "app/login.h"
#include "app/mdiform1.h"
#include "content/pagewindow.h"
#include "content/popmnu.h"
#include "servers/serverpassword.h"
#include "servers/viewservers.h"

#include <QApplication>
#include <QSocketNotifier>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <fcntl.h>
#include <thread>
#include <unistd.h>

namespace {

// The exit question's YES ends the program at once: no window is asked or unloaded, and the
// program's own files are whole on disk, each written when it changed. The browser engine keeps
// cookies and page storage a while before it writes them (about 30 s), so it alone is ended
// first, and writes them; the windows leave the screen before it does.
[[noreturn]] void endAtOnce() {
    // Whatever the engine does, the program is gone within 2 s.
    std::thread([] {
        std::this_thread::sleep_for(std::chrono::milliseconds(1900));
        std::fflush(nullptr);
        std::_Exit(0);
    }).detach();
    for (QWidget* w : QApplication::topLevelWidgets())
        w->hide();
    endBrowsing();
    std::fflush(nullptr);
    std::_Exit(0);
}

int termPipe[2] = {-1, -1};

} // namespace

void addWindows(Forms& forms) {
    forms.add(QStringLiteral("MDIForm1"), [](Forms& f) { return new MDIForm1(f); });
    forms.add(QStringLiteral("Login"), [](Forms& f) { return new Login(f); });
    forms.add(QStringLiteral("Form1"), [](Forms& f) { return new Form1(f); });
    forms.add(QStringLiteral("closeprog"), [](Forms& f) { return new closeprog(f); });
    forms.add(QStringLiteral("About"), [](Forms& f) { return new About(f); });
    forms.add(QStringLiteral("Settings"), [](Forms& f) { return new Settings(f); });
    forms.add(QStringLiteral("Friends"), [](Forms& f) { return new Friends(f); });
    forms.add(QStringLiteral("ServerPassword"), [](Forms& f) { return new ServerPassword(f); });
    for (const PageRow& row : pages::rows()) {
        const QString name = QString::fromLatin1(row.name);
        if (name == QLatin1String("viewservers"))
            forms.add(name, [](Forms& f) { return new viewservers(f); });
        else
            forms.add(name, [&row](Forms& f) { return new PageWindow(f, row); });
    }
    menus::add(forms);
    forms.services().findGamesQuietly = [&forms] {
        forms.as<Settings>(QStringLiteral("Settings")).findGamesQuietly();
    };
}

void wireLaunch(Services& services) {
    services.startBatch = [drives = services.drives](const batch::Start& s) {
        return batch::run(s, drives,
                          s.runner.prefix.empty() ? batch::Environment()
                                                  : launchers::environmentOf(s.runner.prefix));
    };
    services.warmWine = warmwine::warm;
}

void beforeApplication() {
    QApplication::setStyle(QStringLiteral("Fusion"));
    chooseRendering();
}

void afterApplication() {
    look::useOneFont();
    art::prepareLogin();
}

Services realServices(const std::filesystem::path& dir, const std::filesystem::path& systemConfig) {
    Services services = Services::real(dir, systemConfig);
    services.makeBrowser = makeWebEnginePane;
    services.endProgram = endAtOnce;
    return services;
}

Services clientServices(const FilesFolder& files) {
    Services services = realServices(files.dir, files.own ? std::filesystem::path() : "/etc/tovo");
    wireLaunch(services);
    services.keyring = desktopKeyring();
    files.tell(services);
    useBrowsingFolders(QString::fromStdString(files.browserStorage().string()),
                       QString::fromStdString(files.browserCache().string()));
    warmWebEngine(); // once the login window is painted, while the member types
    return services;
}

void endOnTerm(const Services& services) {
    if (termPipe[0] >= 0 || ::pipe2(termPipe, O_CLOEXEC | O_NONBLOCK) != 0) return;
    struct sigaction term {};
    term.sa_handler = [](int) { (void)!::write(termPipe[1], "", 1); };
    sigemptyset(&term.sa_mask);
    term.sa_flags = SA_RESTART;
    ::sigaction(SIGTERM, &term, nullptr);
    auto* read = new QSocketNotifier(termPipe[0], QSocketNotifier::Read, qApp);
    QObject::connect(read, &QSocketNotifier::activated, read,
                     [end = services.endProgram] { end(); });
}
