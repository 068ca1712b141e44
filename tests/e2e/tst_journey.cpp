// A member's road through the real browser engine, the community behind its nginx front over
// HTTPS: login, the server list, a server's page by its link; logins the host fails; the
// Patches page's links as a browser gives them (downloads saved safely, new windows).
#include "platform/controls.h"
#include "platform/language.h"
#include "browser/browserpane.h"
#include "browser/downloadwindow.h"
#include "browser/rendering.h"
#include "app/closeprog.h"
#include "app/login.h"
#include "servers/viewservers.h"
#include "tests/fakes/fakes.h"

#include <QDeadlineTimer>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QProcess>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTest>
#include <QUdpSocket>

namespace {
// A host of another kind: a file named to climb out of the download folder, a file that never
// ends, one cut short; any other address it never answers.
struct Sender : QTcpServer {
    Sender() {
        listen(QHostAddress::LocalHost);
        connect(this, &QTcpServer::newConnection, this, [this] {
            QTcpSocket* s = nextPendingConnection();
            connect(s, &QTcpSocket::readyRead, s, [this, s] {
                const QByteArray path = s->readAll().split(' ').value(1);
                const QByteArray file =
                    "HTTP/1.1 200 OK\r\nContent-Type: application/octet-stream\r\n"
                    "Content-Disposition: attachment; filename=\"";
                asked << path;
                if (path == "/hostile")
                    s->write(file + "../../.bashrc\"\r\nContent-Length: 5\r\n\r\nowls\n");
                else if (path == "/endless" || path == "/cut")
                    s->write(file + path.mid(1) + ".zip\"\r\nContent-Length: 100000000\r\n\r\n" +
                             QByteArray(300000, 'x'));
                if (path == "/cut") s->disconnectFromHost();
            });
        });
    }
    QString at(const char* path) const {
        return "http://127.0.0.1:" + QString::number(serverPort()) + path;
    }
    QByteArrayList asked;
};
QProcess front; // the demo community behind two fronts: one whose CA the member trusts, one not
QString trusted, untrusted;

// The client's windows with the program's own services (its host.con, the browser engine
// module, the Wine drives, the batch runner); only the message boxes answer from a script.
struct Real : Harness {
    explicit Real(const QString& site) {
        writeFile(dir() / "host.con", "[Web]\r\nHost=" + site.toStdString() + "\r\n");
        auto scripted = std::move(services.boxes);
        services = Services::real(dir());
        wireLaunch(services);
        services.makeBrowser = makeWebEnginePane;
        services.boxes = std::move(scripted);
        warmWebEngine(); // as the program does at start
        forms->show("Login");
        QTest::keyClicks(forms->as<Login>("Login").Text1, "Barn Owl");
    }
};
// Something other than the page's grey is on the widget.
bool drawn(QWidget* w) {
    const QImage i = w->grab().toImage();
    for (int y = 0; y < i.height(); y += 2)
        for (int x = 0; x < i.width(); x += 2)
            if (i.pixel(x, y) != i.pixel(0, 0)) return true;
    return false;
}
// A member's click near the top of the page on screen, then Tab to its nth link and Enter (the
// engine takes no input on a page it has not drawn yet, as a member sees only the grey).
void followLink(QWidget* pane, int n) {
    QWidget* page = nullptr;
    for (QWidget* w : pane->findChildren<QWidget*>())
        page = w->inherits("QWebEngineView") ? w->focusProxy() : page;
    QTRY_VERIFY_WITH_TIMEOUT(drawn(page), 30000);
    QTest::mouseClick(page, Qt::LeftButton, {}, QPoint(page->width() * 3 / 4, 12));
    while (n--)
        QTest::keyClick(page, Qt::Key_Tab);
    QTest::keyClick(page, Qt::Key_Return);
}
// The browser engine's library is in the process, or on its way in.
bool engineLoading() {
    QFile maps("/proc/self/maps");
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains("libQt6WebEngineCore");
}
} // namespace

class JourneyTest final : public QObject {
    Q_OBJECT

private slots:
    // What the browser keeps between runs of the client (the pane alone, started twice with
    // the same folders): a page's cookie and stored value, whichever way the client ended; on the
    // list page, sorting, the game filter, "hide empty", "hide full" and "hide locked", a player
    // found by name, and the favourite starred in an earlier run.
    void theBrowserRemembers() {
        // Stand-in servers, each with its players; one address is dead.
        std::vector<std::unique_ptr<QUdpSocket>> standIns;
        std::string con;
        const std::pair<const char*, QByteArray> servers[] = {
            // the slots (and a password asked), then the players
            {"[Alpha]\r\nGame=qktre", "8\n2 9 \"^1Raven\"\n1 5 \"Jay\"\n"},
            {"[Bravo]\r\nGame=qktre", "8\\g_needpass\\1\n"},
            {"[Saber]\r\nGame=jedio", "1\n0 7 \"Kyle\"\n"}};
        for (const auto& [row, players] : servers) {
            const QUdpSocket* u = standIns
                                      .emplace_back(standIn([players](const QByteArray&) {
                                          return oob +
                                                 "statusResponse\n\\sv_hostname\\x\\mapname\\oa_"
                                                 "dm1\\sv_maxclients\\" +
                                                 players;
                                      }))
                                      .get();
            con += std::string(row) + "\r\nAddress=127.0.0.1:" + std::to_string(u->localPort()) +
                   "\r\n";
        }
        QTemporaryDir root, browsing;
        writeFile(root.path().toStdString() + "/servers.con",
                  con + "[Zulu]\r\nGame=qktre\r\nAddress=127.0.0.1:9\r\n");
        writeFile(root.path().toStdString() + "/remember.htm",
                  "<!DOCTYPE html><title>remember</title>");
        Site site({"--root", root.path(), "--maps", "/usr/share/games/openarena/baseoa"});
        const QString pages = "http://" + site.host + "/ilnightowls/servers/";
        auto browse = [&](const QString& page, const QStringList& scripts,
                          const QString& end = "yes") {
            QProcess p;
            p.start(qEnvironmentVariable("TOVO_BROWSE"),
                    QStringList{end, browsing.path() + "/storage", browsing.path() + "/cache",
                                pages + page} +
                        scripts);
            // The stand-ins answer the host's questions meanwhile: this process's events go on.
            const bool ended =
                QTest::qWaitFor([&] { return p.state() == QProcess::NotRunning; }, 60000);
            return ended && p.exitStatus() == QProcess::NormalExit && p.exitCode() == 0
                       ? QString::fromUtf8(p.readAllStandardOutput())
                             .split('\n', Qt::SkipEmptyParts)
                       : QStringList{"failed"};
        };
        const QString seen = "document.cookie + ' ' + localStorage.getItem('owl')",
                      keep = "document.cookie = 'owl=%1; max-age=86400; path=/'; "
                             "localStorage.setItem('owl', '%1'); 'set'";
        QString kept = " null";
        for (const auto& [end, owl] :
             {std::pair<QString, QString>{"yes", "barn"}, {"term", "snowy"}}) {
            QCOMPARE(browse("remember.htm", {seen, keep.arg(owl)}, end),
                     QStringList({kept, "set"}));
            kept = "owl=" + owl + " " + owl;
        }
        QCOMPARE(browse("remember.htm", {seen}), QStringList({kept}));

        // Every server answering before the list is looked at.
        QTRY_VERIFY_WITH_TIMEOUT(
            browse("viewservers.htm", {"document.querySelectorAll('td.mark.up').length"}) ==
                QStringList{"3"},
            30000);
        const QString shown = ";Array.from(document.querySelectorAll('table.servers "
                              "tr[data-page]')).filter(r => !r.hidden)"
                              ".map(r => r.querySelector('a').textContent).join(',')";
        const QString sort = "document.querySelectorAll('button.sort')[%1].click();";
        const QString set = "var c = document.getElementById('%1'); c.value = '%2'; "
                            "c.dispatchEvent(new Event('input'));";
        // clang-format off
        QCOMPARE(browse("viewservers.htm", {shown, sort.arg(0) + sort.arg(0) + shown, sort.arg(4) + shown, set.arg("find", "RAVEN") + shown,
                                            set.arg("find", "") + set.arg("game", "JK II") + shown,
                                            set.arg("game", "") + "document.getElementById('hideEmpty').click()" + shown,
                                            "document.getElementById('hideFull').click()" + shown,
                                            "document.getElementById('hideEmpty').click(); document.getElementById('hideFull').click(); document.querySelector('tr[data-page=\"qktre127.0.0.1:9.htm\"] button.star').click()" + shown,
                                            "document.getElementById('hideLocked').click()" + shown}),
                 QStringList({"Alpha,Bravo,Saber,Zulu", "Zulu,Saber,Bravo,Alpha", "Zulu,Bravo,Saber,Alpha", "Alpha", "Saber", "Saber,Alpha", "Alpha",
                              "Zulu,Bravo,Saber,Alpha", "Zulu,Saber,Alpha"}));
        // clang-format on
        QCOMPARE(
            browse("viewservers.htm",
                   {shown,
                    "document.querySelectorAll('button.star')[0].getAttribute('aria-pressed')"}),
            QStringList({"Zulu,Alpha,Bravo,Saber", "true"}));
        // Alpha's page: its graphs of the host's history laid out, the map's picture decoded.
        const QString alpha =
            "qktre127.0.0.1:" + QString::number(standIns[0]->localPort()) + ".htm";
        const QStringList pulse{"Players over the last 24 hours|Players over the last 7 days|The "
                                "busiest hours of the week",
                                "true", "320x240"};
        QStringList got; // once the store has the day's first reading
        (void)QTest::qWaitFor(
            [&] {
                return (got = browse(alpha,
                                     {"Array.from(document.querySelectorAll('svg title'), t => "
                                      "t.textContent).join('|')",
                                      "document.querySelector('path.players')?.getBBox().width > 0",
                                      "var i = document.querySelector('figure.map img'); "
                                      "i?.naturalWidth + 'x' + i?.naturalHeight"})) == pulse;
            },
            30000);
        QCOMPARE(got, pulse);
    }

    void loginAndTheServerList() {
        Real r(trusted); // the community behind its nginx front, over HTTPS
        Login& l = r.forms->as<Login>("Login");
        // The run's first login, pressed while the engine's library is still loading.
        for (QDeadlineTimer t(30000); !engineLoading() && !t.hasExpired();)
            QCoreApplication::processEvents();
        QTest::mouseClick(l.Image5, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(r.forms->as<PageWindow>("news").brwWebBrowser->LocationName(),
                                  "News", 30000);
        QVERIFY(!r.forms->isShown("Form1") && r.boxes->seen.empty()); // Login stays behind

        // The list, then the Quake III server's page by its link on the list.
        QTest::mouseClick(r.child<QPushButton>("news", "Command3"), Qt::LeftButton);
        auto& v = r.forms->as<viewservers>("viewservers");
        QTRY_COMPARE_WITH_TIMEOUT(v.Text3->text(), "views", 30000);
        // Past the finder (search, game, three boxes), six column heads and the first star.
        followLink(v.brwWebBrowser, 13);
        QTRY_COMPARE_WITH_TIMEOUT(v.Text3->text(), "qktre", 30000);
        QCOMPARE(v.Text1->text(), "127.0.0.1:9");
        QCOMPARE(v.Text2->text(), "qktre127.0.0.1:9.htm");
        QTest::mouseClick(v.findChild<QPushButton*>("Command7"), Qt::LeftButton); // "<"
        QTRY_COMPARE_WITH_TIMEOUT(v.Text3->text(), "views", 30000);
        QTest::mouseClick(v.findChild<QPushButton*>("Command8"), Qt::LeftButton); // ">"
        QTRY_COMPARE_WITH_TIMEOUT(v.Text3->text(), "qktre", 30000);

        QVERIFY(r.boxes->seen.empty());
    }

    void unavailableHostSendsTheMemberBack_data() {
        QTest::addColumn<QString>("host"); // "site": the web host serving an empty folder
        QTest::newRow("no web host") << "127.0.0.1:9"; // nothing listens on discard
        QTest::newRow("HTTP 404 for every page") << "site";
        QTest::newRow("untrusted certificate") << untrusted;
    }

    void unavailableHostSendsTheMemberBack() {
        QFETCH(QString, host);
        QTemporaryDir empty;
        std::unique_ptr<Site> site(host == "site" ? new Site({"--root", empty.path()}) : nullptr);
        Real r(site ? site->host : host);
        Login& l = r.forms->as<Login>("Login");
        bool detectingBehindBox = false;
        r.boxes->whileOpen = [&](const Box&) {
            detectingBehindBox = detectingBehindBox || r.forms->isShown("Form1");
        };
        QTest::keyClick(l.Text1, Qt::Key_Return);
        QTRY_COMPARE_WITH_TIMEOUT(r.boxes->seen.size(), size_t(1), 30000);
        auto said = [&] {
            const Box& b = r.boxes->seen.back();
            return QStringList{b.prompt, b.title,
                               b.buttons == msgbox::Buttons::Ok && b.icon == msgbox::Icon::Critical
                                   ? "Ok, critical"
                                   : "?"};
        };
        QCOMPARE(
            said(),
            (QStringList{
                "Unabled to connect to network, either our servers are busy our your not online.",
                "IL Owls - Network Unavailable", "Ok, critical"}));
        QVERIFY(detectingBehindBox);
        QTRY_VERIFY_WITH_TIMEOUT(r.forms->isShown("Login") && !r.forms->isShown("Form1") &&
                                     !r.forms->isShown("news"),
                                 30000);
        QTest::keyClick(l.Text1, Qt::Key_Return); // the detection runs once per start
        QCOMPARE(said(),
                 (QStringList{"Network connection failed, please exit program and try again.",
                              "Network Detection Failed", "Ok, critical"}));
        if (site) QCOMPARE(site->requests.value(0), "GET /ilnightowls/servers/detect.htm");
    }

    // A member whose desktop speaks German: tst_journey_de runs this under LANG=de_DE.UTF-8, and
    // the language is read as the program reads it at start.
    void inGerman() {
        if (QLocale::system().language() != QLocale::German) QSKIP("for LANG=de_DE.UTF-8");
        QCOMPARE(language::use(), "de");
        Site site;
        Real r(site.host);
        Login& l = r.forms->as<Login>("Login");
        auto& exit = r.forms->as<closeprog>("closeprog");
        QStringList said;
        for (Picture* p : {l.Image2, l.Image5, l.Image10, l.Image11, l.Image9})
            said << p->accessibleName();
        // The pictures say it too: drawn in German, not the English ones the program keeps.
        const auto format = QImage::Format_ARGB32_Premultiplied;
        QVERIFY(l.Image9->picture().toImage().convertToFormat(format) !=
                QImage(":/art/exit.png").convertToFormat(format));
        QTest::mouseClick(l.Image5, Qt::LeftButton);
        QTRY_COMPARE_WITH_TIMEOUT(r.forms->as<PageWindow>("news").brwWebBrowser->LocationName(),
                                  "Iron Lantern / Night Owls - News", 30000);
        said << r.child<QLabel>("news", "Label1")->text()
             << r.child<QPushButton>("news", "Command3")->text();
        whenShown(exit, [&] {
            said << exit.windowTitle() << exit.Image3->accessibleName()
                 << exit.Image4->accessibleName() << exit.Image5->accessibleName();
            QTest::mouseClick(exit.Image5, Qt::LeftButton); // NEIN
        });
        r.forms->showModal("closeprog"); // as the login window's Exit and the menu's do
        QCOMPARE(said, QStringList({"Alias speichern", "Login", "Optionen", "Info", "Ende",
                                    "Verbunden als:", "Serverliste", "Beenden",
                                    "Willst du TOVO wirklich beenden?", "JA", "NEIN"}));
    }

    void patchesPageLinks() {
        Site site;
        Sender other;
        Real r(site.host);
        QTest::keyClick(r.forms->as<Login>("Login").Text1, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(r.forms->isShown("news"), 30000);
        r.forms->show("update");
        BrowserPane* pane = r.forms->as<PageWindow>("update").brwWebBrowser;
        const QDir got(QDir::homePath() + "/Downloads");
        const QString patch = "mohaa_patch_111.zip", patch1 = "mohaa_patch_111 (1).zip",
                      pageName = pane->LocationName(), opened = QDir::homePath() + "/opened";
        // clang-format off
        struct Step {
            QString go; // "link N": the member's Nth link on the page; else an address for the pane
            QStringList files; // the download folder afterwards
            QString said, elsewhere, title, box; // what the download's window, the member's browser, the pane and a message box show
        } steps[] = {
            {"link 1", {patch}, "Done", "<missing>", pageName, {}},
            {"link 1", {patch1, patch}, "Done", "<missing>", pageName, {}},
            {other.at("/hostile"), {"bashrc", patch1, patch}, "Done", "<missing>", pageName, {}},
            {other.at("/endless"), {"bashrc", patch1, patch}, "Cancelled", "<missing>", pageName, {}},
            {other.at("/cut"), {"bashrc", patch1, patch}, "Failed", "<missing>", pageName, {}},
            {"link 3", {"bashrc", patch1, patch}, {}, "https://www.moddb.com/games/medal-of-honor-allied-assault/downloads\n", pageName, {}},
            {"link 2", {"bashrc", patch1, patch}, {}, "<missing>", "Iron Lantern / Night Owls - News", {}},
            // A page asked for while another is still on its way, and failing.
            {other.at("/silent"), {"bashrc", patch1, patch}, {}, "<missing>", {}, {}},
            {"http://" + site.host + "/ilnightowls/servers/gone.htm", {"bashrc", patch1, patch}, {}, "<missing>", {}, "IL Owls - Network Unavailable"},
        };
        // clang-format on
        int downloads = 0; // each has a window of its own, the last of them
        const auto windows = [&] {
            return r.forms->shownMdiArea()->findChildren<DownloadWindow*>();
        };
        for (const Step& s : steps) {
            if (s.go.startsWith("link"))
                followLink(pane, s.go.back().digitValue());
            else
                pane->Navigate(s.go);
            if (s.go.endsWith("/endless")) { // cancelled once some of it is on disk
                QTRY_VERIFY_WITH_TIMEOUT(got.entryInfoList({"endless*"}).value(0).size() > 0,
                                         30000);
                QTest::mouseClick(windows().back()->cancel, Qt::LeftButton);
            }
            if (s.go.endsWith("/silent")) // the page asked for is on its way
                QTRY_VERIFY_WITH_TIMEOUT(other.asked.contains("/silent"), 30000);
            if (!s.said.isEmpty() && ++downloads)
                QTRY_VERIFY_WITH_TIMEOUT(windows().size() == downloads &&
                                             windows().back()->status->text().startsWith(s.said),
                                         30000);
            QTRY_COMPARE_WITH_TIMEOUT(got.entryList(QDir::Files | QDir::Hidden), s.files, 30000);
            QTRY_COMPARE_WITH_TIMEOUT(readFile(opened.toStdString()), s.elsewhere.toUtf8(), 30000);
            if (!s.title.isEmpty()) QTRY_COMPARE_WITH_TIMEOUT(pane->LocationName(), s.title, 30000);
            if (!s.box.isEmpty())
                QTRY_COMPARE_WITH_TIMEOUT(
                    r.boxes->seen.size() == 1 ? r.boxes->seen[0].title : QString(), s.box, 30000);
            QFile::remove(opened); // what went elsewhere, once seen, goes for the next step
        }
        const QByteArray host = readFile(TOVO_SOURCE "/site/pages/mohaa_patch_111.zip");
        QCOMPARE(readFile(got.filePath(patch).toStdString()), host);
        QCOMPARE(readFile(got.filePath("bashrc").toStdString()), QByteArray("owls\n"));
    }
};

int main(int argc, char** argv) {
    // The member's certificate store is the engine's: $HOME/.pki/nssdb, read when it starts.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    const QString db = "sql:" + home.path() + "/.pki/nssdb";
    QDir().mkpath(home.path() + "/.pki/nssdb");
    // The member's download folder, and a browser that writes down what it is asked to open.
    for (const char* dir : {"/Downloads", "/.config", "/bin"})
        QDir().mkpath(home.path() + dir);
    writeFile(home.path().toStdString() + "/.config/user-dirs.dirs",
              "XDG_DOWNLOAD_DIR=\"$HOME/Downloads\"\n");
    writeProgram(home.path().toStdString() + "/bin/xdg-open",
                 "#!/bin/sh\necho \"$1\" >> \"$HOME/opened\"\n");
    qputenv("PATH", (home.path() + "/bin:").toUtf8() + qgetenv("PATH"));
    chooseRendering(); // as the program does, before the application exists
    QApplication app(argc, argv);
    front.start("python3",
                {QStringLiteral(TOVO_SOURCE "/tests/front/front.py"),
                 qEnvironmentVariable("TOVO_SITE"),
                 QStringLiteral(TOVO_SOURCE "/packaging/nginx/tovo-site.conf"), "--serve"});
    while (!front.canReadLine() && front.waitForReadyRead(60000)) {
    }
    if (!front.canReadLine())
        qFatal("the front did not start: %s", front.readAllStandardError().constData());
    const QStringList got = QString::fromUtf8(front.readLine()).trimmed().split(' ');
    trusted = "https://127.0.0.1:" + got.value(0);
    untrusted = "https://127.0.0.1:" + got.value(1);
    if (QProcess::execute("certutil", {"-N", "--empty-password", "-d", db}) != 0 ||
        QProcess::execute("certutil", {"-A", "-n", "TOVO test CA", "-t", "C,,", "-i", got.value(2),
                                       "-d", db}) != 0)
        qFatal("certutil failed");
    JourneyTest t;
    const int failed = QTest::qExec(&t, argc, argv);
    front.closeWriteChannel();
    front.waitForFinished();
    return failed;
}
#include "tst_journey.moc"
