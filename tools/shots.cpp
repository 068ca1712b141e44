// Takes the README's pictures: the client's windows as a member meets them, with the real
// browser against the demo web host.   tovo-shots OUTDIR SITE-PROGRAM
#include "platform/art.h"
#include "platform/controls.h"
#include "platform/filelists.h"
#include "platform/language.h"
#include "platform/services.h"
#include "friends/listing.h"
#include "friends/notifier.h"
#include "browser/browserpane.h"
#include "browser/downloadwindow.h"
#include "settings/gamesfound.h"
#include "settings/settings.h"
#include "app/login.h"
#include "servers/viewservers.h"
#include "program/program.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QFont>
#include <QGuiApplication>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QTimer>
#include <QWebEnginePage>
#include <QWebEngineView>

#include <cstdio>
#include <fstream>

namespace {

bool waitFor(const std::function<bool()>& done, int ms = 30000) {
    QDeadlineTimer until(ms);
    while (!done() && !until.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    return done();
}

void settle(int ms) {
    waitFor([] { return false; }, ms);
}

void open(QListWidget* list, const QString& name) {
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().trimmed() == name) {
            list->setCurrentRow(i);
            emit list->itemActivated(list->item(i));
            return;
        }
}

// A patch halfway through, as the member watches it come.
struct Halfway final : Download {
    QString suggestedName() const override { return QStringLiteral("mohaa_patch_111.zip"); }
    void save(const QString&, const QString&, Events e) override { events = std::move(e); }
    void cancel() override {}
    Events events;
};

// The web host, on a free port, holding every answer back so that the detection window is seen
// at work; its address.
QString startHost(QProcess& site, const QString& program) {
    site.start(program,
               {"--port", "0", "--delay", "700", "--maps", "/usr/share/games/openarena/baseoa"});
    site.waitForReadyRead(10000);
    return "127.0.0.1:" + QString::fromLatin1(site.readLine().trimmed());
}

// A Wine prefix whose drive g: holds Quake III; its registry knows the game.
void makeWinePrefix(const std::filesystem::path& root) {
    std::filesystem::create_directories(root / "prefix/dosdevices");
    std::filesystem::create_directories(root / "Games/Quake3");
    std::filesystem::create_directory_symlink(root / "Games", root / "prefix/dosdevices/g:");
    std::filesystem::create_directory_symlink("/", root / "prefix/dosdevices/z:");
    std::ofstream(root / "Games/Quake3/quake3.exe") << "MZ";
    std::filesystem::create_directories(root / "prefix/drive_c");
    std::ofstream(root / "prefix/system.reg")
        << "WINE REGISTRY Version 2\n\n[Software\\\\Wow6432Node\\\\Id\\\\Quake III Arena] 1\n"
           "\"InstallPath\"=\"G:\\\\Quake3\"\n";
}

// Lutris keeps Medal of Honor in a prefix of its own.
void makeLutrisGame(const std::filesystem::path& root) {
    const auto moh = root / "Games/mohaa/drive_c/Program Files (x86)/EA GAMES/MOHAA";
    std::filesystem::create_directories(moh);
    std::ofstream(root / "Games/mohaa/system.reg") << "WINE REGISTRY Version 2\n";
    for (const char* exe : {"MOHAA.exe", "moh_spearhead.exe", "moh_breakthrough.exe"})
        std::ofstream(moh / exe) << "MZ";
    std::filesystem::create_directories(root /
                                        ".config/lutris/games"); // Lutris' record of that prefix
    std::ofstream(root / ".config/lutris/games/medal-of-honor-1700000000.yml")
        << "game:\n  prefix: " << (root / "Games/mohaa").string()
        << "\nwine:\n  version: lutris-7.2-x86_64\n";
}

// A member's machine in `home`, the home folder from here on: its Wine prefix (Wine's, too),
// Lutris' game and the client's own folder.
void makeMembersMachine(const QString& home) {
    const std::filesystem::path root = home.toStdString();
    makeWinePrefix(root);
    makeLutrisGame(root);
    qputenv("WINEPREFIX", (home + "/prefix").toLocal8Bit());
    qputenv("HOME", home.toLocal8Bit());
    std::filesystem::create_directories(root / "tovo");
}

// The windows and where their pictures go: each picture is a window once it has settled, saved
// by its name in the output folder, its file printed.
struct Pictures {
    QString out;
    Forms& forms;
    QWidget* main;
    QString language; // "-de" after each name for a language's pictures, else empty

    void shot(QWidget* w, const char* name) const {
        settle(400);
        const QString file = out + "/" + name + language + ".png";
        w->grab().save(file);
        std::printf("%s\n", qPrintable(file));
    }
};

// The login window with an alias typed, the detection window on the press, and the news.
void shootLogin(const Pictures& p) {
    auto& login = p.forms.as<Login>("Login");
    login.Text1->setText("Night Owl");
    p.shot(p.main, "login");
    QTimer::singleShot(300, [&] { p.shot(&p.forms.get("Form1"), "detecting"); });
    emit login.Image5->MouseUp(LeftButton);
    p.forms.get("news"); // made now, if the press has not made it yet
    waitFor([&] { return p.forms.isShown("news"); });
    settle(1500);
    p.shot(p.main, "news");
}

// The settings window with Quake III chosen on drive g:, and what Find Games offers.
void shootSettings(const Pictures& p) {
    p.forms.show("Settings");
    auto& s = p.forms.as<Settings>("Settings");
    s.Drive1->setCurrentIndex(s.Drive1->findText("g:", Qt::MatchStartsWith));
    open(s.Dir1, "Quake3");
    s.File1->setCurrentRow(0);
    emit s.File1->Click();
    s.setButton(*catalogue::byCode("qktre"))->click();
    p.shot(p.main, "settings");
    GamesFound* found = nullptr;
    QObject::connect(&s, &Settings::gamesOffered, [&](GamesFound* w) { found = w; });
    s.FindGames->click();
    waitFor([&] { return found != nullptr; });
    p.shot(found, "gamesfound");
    found->reject();
    p.forms.hide("Settings");
}

// The server list, its search, and one server's page.
void shootServers(const Pictures& p) {
    p.forms.show("viewservers");
    auto& v = p.forms.as<viewservers>("viewservers");
    waitFor([&] { return v.Text3->text() == "views"; });
    settle(800);
    p.shot(p.main, "viewservers");
    // A member looking for who is on: the list's search finds a player by name.
    QWebEnginePage* list = v.brwWebBrowser->findChild<QWebEngineView*>()->page();
    list->runJavaScript("var c = document.getElementById('find'); c.value = 'sarge'; "
                        "c.dispatchEvent(new Event('input'));");
    p.shot(p.main, "viewservers-find");
    list->runJavaScript("document.querySelector('a[href*=\"qktre\"]').click()");
    waitFor([&] { return v.Text3->text() == "qktre"; });
    // The page's top, at two thirds of its size: the map's picture beside the status, and below
    // them the pulse's first graph.
    QWebEngineView* page = v.brwWebBrowser->findChild<QWebEngineView*>();
    page->setZoomFactor(0.67);
    settle(800);
    page->page()->runJavaScript("document.querySelector('figure.map').scrollIntoView()");
    p.shot(p.main, "server");
    page->setZoomFactor(1);
    // The server's pulse, below its players.
    list->runJavaScript("document.querySelectorAll('h2')[1].scrollIntoView()");
    settle(800);
    p.shot(p.main, "pulse");
}

// The friends window, and what the desktop's notification server (dunst, in scripts/screenshots)
// shows of a friend.
void shootFriends(const Pictures& p, const std::filesystem::path& root) {
    std::ofstream(root / "tovo/friends.con") << "[Friends]\r\n1=Sarge\r\n2=Raven\r\n3=Barn Owl\r\n";
    p.forms.show("Friends");
    settle(1500); // where the host last saw them
    p.shot(p.main, "friends");
    p.forms.hide("Friends");
    Notifier notifier;
    notifier.tell("Sarge is playing Quake III on Night Owls Arena (2/16)",
                  "tovo://join/qktre/127.0.0.1:27960");
    settle(1000);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QGuiApplication::primaryScreen()
        ->grabWindow(0, screen.width() - 420, 0, 420, 140)
        .save(p.out + "/notification.png");
    std::printf("%s/notification.png\n", qPrintable(p.out));
}

// The about window, and the exit window over it.
void shootAboutAndExit(const Pictures& p) {
    p.forms.show("About");
    p.shot(p.main, "about");
    p.forms.show("closeprog");
    p.shot(&p.forms.get("closeprog"), "exit");
    p.forms.hide("closeprog");
    p.forms.hide("About");
}

// The update window with a patch halfway through.
void shootDownload(const Pictures& p) {
    p.forms.show("update");
    settle(1500);
    auto* half = new Halfway;
    DownloadWindow::start(p.forms, std::unique_ptr<Download>(half));
    settle(1000);
    half->events.progress(4'700'000, 9'800'000);
    p.shot(p.main, "download");
}

} // namespace

int main(int argc, char** argv) {
    beforeApplication();
    QApplication app(argc, argv);
    afterApplication();
    if (argc < 3) {
        std::fprintf(stderr, "usage: tovo-shots OUTDIR SITE-PROGRAM [LANGUAGE]\n"
                             "  with a language (de, pl ...): its login and settings windows\n");
        return 2;
    }
    const QString language = argc > 3 ? QString::fromLocal8Bit(argv[3]) : QString();
    language::use(language.isEmpty() ? QLocale::system() : QLocale(language));
    const QString out = QString::fromLocal8Bit(argv[1]);
    QProcess site;
    const QString host = startHost(site, QString::fromLocal8Bit(argv[2]));
    QTemporaryDir home;
    const std::filesystem::path root = home.path().toStdString();
    makeMembersMachine(home.path());

    Services services = realServices(root / "tovo");
    services.host = host;
    services.startBatch = [](const batch::Start&) { return batch::Outcome::Started; };
    services.fetchPlayers = [host](QObject* context, const QStringList& names, auto done) {
        QString query;
        for (const QString& n : names)
            query += "&name=" + QString::fromUtf8(QUrl::toPercentEncoding(n));
        listing::fetch(host, context, done, "players.json?" + query.mid(1));
    };
    Forms forms(services);
    addWindows(forms);
    art::logo(128).save(out + "/icon.png");
    forms.show("Login");
    const Pictures pictures{out, forms, forms.get("MDIForm1").window(),
                            language.isEmpty() ? QString() : "-" + language};
    shootLogin(pictures);
    shootSettings(pictures);
    if (language.isEmpty()) {
        shootServers(pictures);
        shootFriends(pictures, root);
        shootAboutAndExit(pictures);
        shootDownload(pictures);
    }
    site.kill();
    site.waitForFinished();
    std::fflush(stdout);
    std::_Exit(0);
}
