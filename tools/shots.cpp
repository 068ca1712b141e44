// Takes the README's pictures: the client's windows as a member meets them, with the real
// browser against the demo web host.   tovo-shots OUTDIR SITE-PROGRAM
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

#include "platform/art.h"
#include "platform/controls.h"
#include "platform/filelists.h"
#include "platform/services.h"
#include "friends/notifier.h"
#include "browser/browserpane.h"
#include "browser/downloadwindow.h"
#include "browser/rendering.h"
#include "settings/gamesfound.h"
#include "settings/settings.h"
#include "app/login.h"
#include "servers/viewservers.h"
#include "program/program.h"

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

} // namespace

int main(int argc, char** argv) {
    QApplication::setStyle(QStringLiteral("Fusion"));
    chooseRendering();
    QApplication app(argc, argv);
    look::useOneFont();
    art::prepareLogin(); // as the program makes the login window's pictures
    if (argc < 3) {
        std::fprintf(stderr, "usage: tovo-shots OUTDIR SITE-PROGRAM\n");
        return 2;
    }
    const QString out = QString::fromLocal8Bit(argv[1]);
    QProcess site;
    site.start(QString::fromLocal8Bit(argv[2]), {"--port", "0", "--delay", "700"});
    site.waitForReadyRead(10000);
    const QString host = "127.0.0.1:" + QString::fromLatin1(site.readLine().trimmed());

    // A member's machine: a Wine prefix whose drive g: holds Quake III.
    QTemporaryDir home;
    const std::filesystem::path root = home.path().toStdString();
    std::filesystem::create_directories(root / "prefix/dosdevices");
    std::filesystem::create_directories(root / "Games/Quake3");
    std::filesystem::create_directory_symlink(root / "Games", root / "prefix/dosdevices/g:");
    std::filesystem::create_directory_symlink("/", root / "prefix/dosdevices/z:");
    std::ofstream(root / "Games/Quake3/quake3.exe") << "MZ";
    // Its registry knows Quake III; Lutris keeps Medal of Honor in a prefix of its own.
    std::filesystem::create_directories(root / "prefix/drive_c");
    std::ofstream(root / "prefix/system.reg")
        << "WINE REGISTRY Version 2\n\n[Software\\\\Wow6432Node\\\\Id\\\\Quake III Arena] 1\n"
           "\"InstallPath\"=\"G:\\\\Quake3\"\n";
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
    qputenv("WINEPREFIX", (home.path() + "/prefix").toLocal8Bit());
    qputenv("HOME", home.path().toLocal8Bit());
    std::filesystem::create_directories(root / "tovo");

    Services services = Services::real(root / "tovo");
    services.makeBrowser = makeWebEnginePane;
    services.host = host;
    services.boxes = std::make_unique<msgbox::QtBoxes>();
    services.startBatch = [](const batch::Start&) { return batch::Outcome::Started; };
    Forms forms(services);
    addWindows(forms);
    art::logo(128).save(out + "/icon.png");
    forms.show("Login");
    QWidget* main = forms.get("MDIForm1").window();
    auto shot = [&](QWidget* w, const char* name) {
        settle(400);
        w->grab().save(out + "/" + name + ".png");
        std::printf("%s/%s.png\n", qPrintable(out), name);
    };
    auto& login = forms.as<Login>("Login");
    login.Text1->setText("Night Owl");
    shot(main, "login");

    QTimer::singleShot(300, [&] { shot(&forms.get("Form1"), "detecting"); });
    emit login.Image5->MouseUp(LeftButton);
    auto& news = forms.get("news");
    waitFor([&] { return forms.isShown("news"); });
    settle(1500);
    shot(main, "news");

    forms.show("Settings");
    auto& s = forms.as<Settings>("Settings");
    s.Drive1->setCurrentIndex(s.Drive1->findText("g:", Qt::MatchStartsWith));
    open(s.Dir1, "Quake3");
    s.File1->setCurrentRow(0);
    emit s.File1->Click();
    s.setButton(*catalogue::byCode("qktre"))->click();
    shot(main, "settings");
    GamesFound* found = nullptr;
    QObject::connect(&s, &Settings::gamesOffered, [&](GamesFound* w) { found = w; });
    s.FindGames->click();
    waitFor([&] { return found != nullptr; });
    shot(found, "gamesfound");
    found->reject();
    forms.hide("Settings");

    forms.show("viewservers");
    auto& v = forms.as<viewservers>("viewservers");
    waitFor([&] { return v.Text3->text() == "views"; });
    settle(800);
    shot(main, "viewservers");
    // A member looking for who is on: the list's search finds a player by name.
    QWebEnginePage* list = v.brwWebBrowser->findChild<QWebEngineView*>()->page();
    list->runJavaScript("var c = document.getElementById('find'); c.value = 'sarge'; "
                        "c.dispatchEvent(new Event('input'));");
    shot(main, "viewservers-find");
    list->runJavaScript("document.querySelector('a[href*=\"qktre\"]').click()");
    waitFor([&] { return v.Text3->text() == "qktre"; });
    settle(800);
    shot(main, "server");
    Q_UNUSED(news);

    std::ofstream(root / "tovo/friends.con") << "[Friends]\r\n1=Sarge\r\n2=Raven\r\n3=Barn Owl\r\n";
    forms.show("Friends");
    shot(main, "friends");
    forms.hide("Friends");
    // What the desktop's notification server (dunst, in scripts/screenshots) shows of a friend.
    Notifier notifier;
    notifier.tell("Sarge is playing Quake III on Night Owls Arena (2/16)",
                  "tovo://join/qktre/127.0.0.1:27960");
    settle(1000);
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    QGuiApplication::primaryScreen()
        ->grabWindow(0, screen.width() - 420, 0, 420, 140)
        .save(out + "/notification.png");
    std::printf("%s/notification.png\n", qPrintable(out));

    forms.show("About");
    shot(main, "about");
    forms.show("closeprog");
    shot(&forms.get("closeprog"), "exit");
    forms.hide("closeprog");
    forms.hide("About");

    forms.show("update");
    settle(1500);
    auto* half = new Halfway;
    DownloadWindow::start(forms, std::unique_ptr<Download>(half));
    settle(1000);
    half->events.progress(4'700'000, 9'800'000);
    shot(main, "download");
    site.kill();
    site.waitForFinished();
    std::fflush(stdout);
    std::_Exit(0);
}
