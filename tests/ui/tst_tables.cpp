// Every text a member sees or that lands in a file, typed here as tables: games, message boxes,
// page windows, menus. Built again with a 13th game in the catalogue, which all of it takes.
#include "games/community.h"
#include "games/dirfile.h"
#include "installs/finder.h"
#include "launch/password.h"
#include "platform/controls.h"
#include "platform/filelists.h"
#include "platform/timer.h"
#include "browser/downloadwindow.h"
#include "settings/settings.h"
#include "app/login.h"
#include "servers/viewservers.h"
#ifdef TOVO_THIRTEENTH_GAME
#include "site/serverlist.h"
#endif
#include "tests/fakes/fakes.h"

#include <QAction>
#include <QCheckBox>
#include <QDir>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using msgbox::Buttons;
using msgbox::Icon;
using Act = std::function<void(Started&)>; // what the member does
Q_DECLARE_METATYPE(Act)

namespace {
void settingsClick(Started& h, const char* button) {
    h.forms->show("Settings");
    QTest::mouseClick(h.forms->as<Settings>("Settings").findChild<QPushButton*>(button),
                      Qt::LeftButton);
}
// Connect to Server on the list, or on a Quake III server's page; the game set when the start
// is to go as `outcome` (from a launcher's Wine, for the Wine that is gone).
void connectTo(Started& h, std::optional<batch::Outcome> outcome, bool onPage) {
    h.forms->hide("viewservers");
    auto& v = h.forms->as<viewservers>("viewservers");
    QTRY_COMPARE(v.Text3->text(), "views");
    if (outcome) {
        h.outcome = *outcome;
        dirfile::store(h.dir(), *catalogue::byCode("qktre"), "z: [/]", "cd z:\\q3\\", "q3.exe",
                       {.prefix = {}, .wine = "/gone/lutris-7.2/bin/wine", .steamApp = {}});
    }
    if (onPage) return h.connectOn("qktre1.2.3.4:27960.htm");
    QTest::mouseClick(v.Command6, Qt::LeftButton);
}
// A home of this program's own, without a download folder: tst_tables and tst_thirteen may run
// side by side.
QString home() {
    static const QTemporaryDir dir;
    return dir.path();
}
// A patch the engine has saved whole into the member's download folder (the home), and Run
// pressed on it when the start is to go as `outcome`.
void runDownload(Started& h, batch::Outcome outcome) {
    struct Saved final : Download {
        QString suggestedName() const override { return "patch.exe"; }
        void save(const QString& folder, const QString& name, Events events) override {
            writeFile((folder + '/' + name).toStdString(), "MZ");
            events.ended(End::Whole, {});
        }
        void cancel() override {}
    };
    QDir(home()).removeRecursively();
    QDir().mkpath(home());
    qputenv("HOME", home().toUtf8());
    h.outcome = outcome;
    QTest::mouseClick(DownloadWindow::start(*h.forms, std::make_unique<Saved>())->run,
                      Qt::LeftButton);
}
} // namespace

class TablesTest final : public QObject {
    Q_OBJECT

private slots:
#ifdef TOVO_THIRTEENTH_GAME
    // The new game's row is all Find Games needs to find it where its installer put it.
    void findGamesTakesTheNewRow() {
        QTemporaryDir home;
        const std::filesystem::path h = home.path().toStdString();
        writeFile(h / ".wine/drive_c/Program Files/Test Game/tstgm.exe", "MZ");
        writeFile(h / ".wine/system.reg", "WINE REGISTRY Version 2\n");
        const auto found = installs::find({h, {}, {}, {}});
        QVERIFY(std::any_of(found.begin(), found.end(), [](const installs::Find& f) {
            return f.program.filename() == "tstgm.exe" && f.game->row == 13;
        }));
    }
#endif
    void games_data() {
        // clang-format off
        // row, code, section, Set button, unset, set, clear box, after Clear Selected, after Clear All,
        // the arguments after "+set cl_playintro 0" with a locked server's password, "owls"
        QTest::addColumn<QStringList>("g");
        auto row = [](std::initializer_list<QString> g) { QTest::newRow(qPrintable(*(g.begin() + 1))) << QStringList(g); };
        row({"1", "mohaa", "Medal of Honor - Allied Assault", "Command2", "Set Medal of Honor A.A.", "Set Medal of Honor A.A. +", "Check1", "Set Medal of Honor A.A.", "Set Medal of Honor A.A.", "+set password owls +connect 1.2.3.4:5"});
        row({"2", "mohsh", "Medal of Honor - SpearHead", "Command3", "Set Medal of Honor S.H.", "Set Medal of Honor S.H. +", "Check2", "Set Medal of Honor S.H.", "Set Medal of Honor S.H.", "+set password owls +connect 1.2.3.4:5"});
        row({"3", "mohbt", "Medal of Honor - Breakthrough", "Command14", "Set Medal of Honor B.T.", "Set Medal of Honor B.T. +", "Check11", "Set Medal of Honor B.T.", "Set Medal of Honor B.T.", "+set password owls +connect 1.2.3.4:5"});
        row({"4", "untor", "Unreal Tournament", "Command4", "Set Unreal Tournament", "Set Unreal Tournament +", "Check3", "Set Unreal Tournament", "Set Unreal Tournament", "+connect 1.2.3.4:5?password=owls"});
        row({"5", "qkone", "Quake", "Command7", "Set Quake I", "Quake I +", "Check4", "Set Quake I", "Set Quake I", "+connect 1.2.3.4:5"});
        row({"6", "qktwo", "Quake II", "Command8", "Set Quake II", "Set Quake II +", "Check5", "Set Quake II", "Set Quake II", "+set password owls +connect 1.2.3.4:5"});
        row({"7", "qktre", "Quake III", "Command9", "Set Quake III", "Set Quake III +", "Check6", "Set Quake III", "Set Quake III", "+set password owls +connect 1.2.3.4:5"});
        row({"8", "night", "007 Night Fire", "Command6", "Set 007 Night Fire", "Set 007 Night Fire +", "Check7", "Set 007 Night Fire", "Set 007 Night Fire", "+password owls +connect 1.2.3.4:5"});
        row({"9", "rwolf", "Return to Castle Wolfenstein", "Command10", "Set RTC Wolfenstein", "Set RTC Wolfenstein +", "Check8", "Set RTC Wolfenstein", "Set RTC Wolfenstein", "+set password owls +connect 1.2.3.4:5"});
        row({"10", "sofon", "Soldier of Fortune", "Command11", "Set Soldier of Fortune", "Set Soldier of Fortune +", "Check9", "Set Soldier of Fortune", "Set Soldier of Fortune", "+set password owls +connect 1.2.3.4:5"});
        row({"11", "softw", "Soldier of Fortune II", "Command13", "Set Soldier of Fortune II ", "Set Soldier of Fortune II +", "Check10", "Set Soldier of Fortune II", "Set Soldier of Fortune II", "+set password owls +connect 1.2.3.4:5"});
        row({"12", "jedio", "JKII - Jedi Outcast", "Command12", "Set JKII - Jedi Outcast", "Set JKII - Jedi Outcast+", "Check12", "Set JKII - Jedi Outcast", "JKII - Jedi Outcast", "+set password owls +connect 1.2.3.4:5"});
#ifdef TOVO_THIRTEENTH_GAME // the next game, added as one row of the catalogue and nothing else
        row({"13", "tstgm", "Test Game", "Command15", "Set Test Game", "Set Test Game +", "Check13", "Set Test Game", "Set Test Game", "+set password owls +connect 1.2.3.4:5"});
#endif
        // clang-format on
    }

    // A game's row in the settings window and its directory file; Clear Selected clears only what
    // is ticked, Clear All answered No keeps files and ticks, Yes clears every game and tick.
    void games() {
        QFETCH(QStringList, g);
        Started h;
        writeFile(h.dir() / "Games" / "game.exe", "x");
        h.services.drives = DriveTable({{'c', h.dir() / "Games"}});
        auto& s = h.forms->as<Settings>("Settings");
        auto* b = s.findChild<QPushButton*>(g[3]);
        auto* tick = s.findChild<QCheckBox*>(g[6]);
        QVERIFY(b && tick);
        QCOMPARE(tick->geometry().top(), b->geometry().top());
        std::string line; // the game's command line, with the password where the game takes it
        for (const std::string& a :
             password::added({"+set", "cl_playintro", "0", "+connect", "1.2.3.4:5"},
                             catalogue::byCode(g[1].toStdString())->passwordBy, "owls"))
            line += a + ' ';
        QCOMPARE(QString::fromStdString(line), "+set cl_playintro 0 " + g[9] + ' ');
        // A page name, made and cut.
        for (const QString& a :
             QStringList{"", "owls.example.net:27960", QString(300, 'a'), "a:b.htm", "Gr\u00fcn"}) {
            const auto cut = community::cutPageName(community::pageName(g[1], a));
            QCOMPARE(cut.code + '|' + cut.address, g[1] + '|' + a);
        }
        // Above the clear buttons, which are above the Close picture, inside the window.
        QVERIFY(b->geometry().bottom() < s.Command1->geometry().top() &&
                s.Command5->geometry().bottom() < s.Image1->geometry().top() &&
                s.Image1->geometry().bottom() < s.height());
        const std::filesystem::path con = h.dir() / "settings" / (g[1] + ".con").toStdString();
        const auto other = h.dir() / "settings" / (g[1] == "mohaa" ? "jedio.con" : "mohaa.con");
        const QString unset = "[Saved]\r\nPath=0\r\n", untouched = "untouched";
        const QString set = "[" + g[2] + "]\r\nDrive=c: [" +
                            QString::fromStdString((h.dir() / "Games").string()) +
                            "]\r\nDir=cd c:\\\\\r\nFile=game.exe\r\n[Saved]\r\nPath=1\r\n";
        auto seen = [&] {
            return QStringList{b->text(), tick->isChecked() ? "ticked" : "", readFile(con),
                               readFile(other)};
        };
        auto click = [&](QWidget* w) { return QTest::mouseClick(w, Qt::LeftButton), seen(); };
        auto setIt = [&] {
            QTest::mouseClick(s.File1->viewport(), Qt::LeftButton, {},
                              s.File1->visualItemRect(s.File1->item(0)).center());
            return click(b);
        };
        QCOMPARE(seen().mid(0, 3), (QStringList{g[4], "", unset}));
        QCOMPARE(setIt().mid(0, 3), (QStringList{g[5], "", set}));
        writeFile(other, "untouched");
        QCOMPARE(click(s.Command1), (QStringList{g[5], "", set, untouched}));
        tick->setChecked(true);
        QCOMPARE(click(s.Command1), (QStringList{g[7], "", unset, untouched}));
        setIt();
        tick->setChecked(true);
        h.boxes->answers = {msgbox::Answer::No};
        QCOMPARE(click(s.Command5), (QStringList{g[5], "ticked", set, untouched}));
        QCOMPARE(click(s.Command5), (QStringList{g[8], "", unset, unset}));
#ifdef TOVO_THIRTEENTH_GAME // and the community's host lists its servers
        const std::string row = "[S]\r\nGame=" + g[1].toStdString() + "\r\nAddress=127.0.0.1\r\n";
        QCOMPARE(ServerList::parse(row, "servers.con").size(), size_t(1));
#endif
    }

    void boxes_data() {
        // clang-format off
        // what the member does, then the box's text, title, buttons, icon; the windows shown after
        // of Login, Form1, Settings, news, update
        QTest::addColumn<Act>("act");
        QTest::addColumn<QStringList>("b");
        auto row = [](const char* name, Act act, QStringList b) { QTest::newRow(name) << act << b; };
        auto connect = [](std::optional<batch::Outcome> outcome) { return [outcome](Started& h) { connectTo(h, outcome, true); }; };
        // The failed logins are the journey's, with the real engine.
        row("login as Type here", [](Started& h) { QTest::mouseClick(h.forms->as<Login>("Login").Image5, Qt::LeftButton); },
            {"Please enter your alias.", "Enter alias              ", "Ok", "None", "Login"});
        row("Set", [](Started& h) { settingsClick(h, "Command9"); }, {"You did not select a game yet.", "No game selected", "Ok", "None", "Login Settings"});
        row("Clear All", [](Started& h) { settingsClick(h, "Command5"); }, {"Do you want to clear all directories?", "Clear Directories", "YesNo", "None", "Login Settings"});
        row("Connect on the list", [](Started& h) { connectTo(h, {}, false); }, {"You must select a server to join.", "Select Server.", "Ok", "None", "Login"});
        row("Connect, not set", [](Started& h) { connectTo(h, {}, true); }, {"Please configure game directories, before connecting to game.", "Directories not set.", "Ok", "None", "Login Settings"});
        row("Connect, folder gone", connect(batch::Outcome::FolderMissing), {"The game's folder z:\\q3\\ could not be found. Please set the game again in Settings.", "Game not found.", "Ok", "Critical", "Login Settings"});
        row("Connect, program gone", connect(batch::Outcome::ProgramMissing), {"The game's program q3.exe could not be found in z:\\q3\\. Please set the game again in Settings.", "Game not found.", "Ok", "Critical", "Login Settings"});
        row("Connect, no Wine", connect(batch::Outcome::NeedsWine), {"q3.exe is a Windows program and needs Wine to run. Please install Wine, then connect again.", "Wine not installed.", "Ok", "Critical", "Login"});
        row("Connect, no 32-bit Wine", connect(batch::Outcome::Needs32BitWine), {"q3.exe is a 32-bit Windows program, and the Wine on this computer runs only 64-bit programs. "
             "Please install Wine's 32-bit part (on Debian, as root: dpkg --add-architecture i386, then apt update, then apt install "
             "wine32:i386), then connect again.", "32-bit Wine not installed.", "Ok", "Critical", "Login"});
        row("Connect, Wine gone", connect(batch::Outcome::WineMissing), {"q3.exe runs with the Wine its launcher installed it with, /gone/lutris-7.2/bin/wine, and that Wine is "
             "not there any more. Please install that Wine again in the launcher the game came from, or set the game again in Settings.",
             "Wine not found.", "Ok", "Critical", "Login Settings"});
        row("Connect, Steam gone", connect(batch::Outcome::SteamMissing), {"q3.exe is started through Steam, and Steam is not installed. Please install Steam again, or set "
             "the game again in Settings.", "Steam not installed.", "Ok", "Critical", "Login Settings"});
        row("Connect, password refused", connect(batch::Outcome::PasswordRefused), {"The server's password holds a character that q3.exe would read as a command of its own, so the "
             "game was not started. Please connect again and type the password.", "Password not accepted.", "Ok", "Critical", "Login"});
        row("Connect, not started", connect(batch::Outcome::NotStarted), {"The game q3.exe could not be started. Please check that it can be run, or set the game again in Settings.",
             "Game not started.", "Ok", "Critical", "Login Settings"});
        auto run = [](batch::Outcome outcome) { return [outcome](Started& h) { runDownload(h, outcome); }; };
        row("Run, no Wine", run(batch::Outcome::NeedsWine), {"patch.exe is a Windows program and needs Wine to run. Please install Wine, then press Run again.",
             "Download not started.", "Ok", "Critical", "Login"});
        row("Run, no 32-bit Wine", run(batch::Outcome::Needs32BitWine), {"patch.exe is a 32-bit Windows program, and the Wine on this computer runs only 64-bit programs. "
             "Please install Wine's 32-bit part (on Debian, as root: dpkg --add-architecture i386, then apt update, then apt install "
             "wine32:i386), then press Run again.", "Download not started.", "Ok", "Critical", "Login"});
        row("Run, gone", run(batch::Outcome::ProgramMissing), {"patch.exe is no longer in " + home() + ". Please download it again.",
             "Download not started.", "Ok", "Critical", "Login"});
        row("Run, not started", run(batch::Outcome::NotStarted), {"patch.exe could not be started. Please check that it can be run, or open its folder and start it there.",
             "Download not started.", "Ok", "Critical", "Login"});
        row("a page fails, hidden", [](Started& h) {
            h.web.names.remove("owls.test/ilnightowls/servers/patches.htm");
            h.forms->hide("update"); // made by a Hide: it loads
        }, {"Unabled to connect to network, either our servers are busy our your not online.", "IL Owls - Network Unavailable", "Ok", "Critical", "Login"});
        // clang-format on
    }

    void boxes() {
        QFETCH(Act, act);
        QFETCH(QStringList, b);
        Started h;
        act(h);
        QTRY_COMPARE(h.boxes->seen.size(), size_t(1));
        const Box& box = h.boxes->seen[0];
        QCOMPARE((QStringList{box.prompt, box.title}), b.mid(0, 2));
        QCOMPARE(box.buttons, b[2] == "YesNo" ? Buttons::YesNo : Buttons::Ok);
        QCOMPARE(box.icon, b[3] == "Critical" ? Icon::Critical : Icon::None);
        auto shown = [&] {
            QStringList s;
            for (const char* w : {"Login", "Form1", "Settings", "news", "update"})
                if (h.forms->isShown(QLatin1String(w))) s << QLatin1String(w);
            return s.join(' ');
        };
        QTRY_COMPARE(shown(), b[4]);
        QTest::qWait(50); // a failed page's error page completes too: no second box
        QCOMPARE(h.boxes->seen.size(), size_t(1));
    }

    void pageWindows_data() {
        // clang-format off
        // name, caption, page, alias label, clock label
        QTest::addColumn<QStringList>("p");
        auto row = [](std::initializer_list<QString> p) { QTest::newRow(qPrintable(*p.begin())) << QStringList(p); };
        row({"news", "News", "owls.test/ilnightowls/servers/news.htm", "Label4", "Label7"});
        row({"events", "Events", "owls.test/ilnightowls/servers/events.htm", "Label4", "Label7"});
        row({"update", "Patches / Update", "owls.test/ilnightowls/servers/patches.htm", "Label9", "Label7"});
        row({"discuss", "Discuss", "owls.test/ilnightowls/servers/discuss.htm", "Label4", "Label10"});
        row({"viewservers", "View Servers", "owls.test/ilnightowls/servers/viewservers.htm", "Label4", "Label3"});
        // clang-format on
    }

    void pageWindows() {
        QFETCH(QStringList, p);
        const QString name = p[0], caption = p[1], page = p[2], aliasLabel = p[3],
                      clockLabel = p[4];
        Started h;
        const QString alias = "  <b>Owl</b> & co  ";
        h.forms->as<Login>("Login").Text1->setText(alias);
        h.forms->show(name);
        h.forms->show(name); // a second Show only shows
        Form& w = h.forms->get(name);
        QCOMPARE(h.web.requests, QStringList{page});
        QVERIFY(!w.findChild<BrowserPane*>("brwWebBrowser")->isHidden()); // the page is seen
        QCOMPARE(h.forms->frameOf(name)->windowTitle(), caption);
        auto text = [&](const QString& label) { return w.findChild<Label*>(label)->text(); };
        QCOMPARE(text(aliasLabel), alias);
        QCOMPARE(text(clockLabel), QString()); // before the first tick, which comes at once
        QVERIFY(w.findChild<Timer*>("Timer1")->nextTickIn() <= 10);
        QCOMPARE(w.findChild<Label*>(aliasLabel)->textFormat(), Qt::PlainText);
        QTRY_COMPARE(text(clockLabel), "7:05:23 PM");
        QCOMPARE(QStringList({text("Label1"), text("Label5"), text("Label6"), text("Label2")}),
                 QStringList({"Connected as:", "Member sign:", "None", "Online time:"}));
        QStringList buttons;
        for (const char* b :
             {"Command7", "Command8", "Command2", "Command9", "Command3", "Command4", "Command5"})
            buttons << w.findChild<QPushButton*>(QLatin1String(b))->text();
        QCOMPARE(buttons, QStringList({"<", ">", "News", "Discuss", "View Servers", "Events",
                                       "Patch/Update"}));
        // Each page button shows its window and hides this one; News from the list hides it first.
        // clang-format off
        const std::pair<const char*, QString> targets[] = {
            {"Command2", "news"}, {"Command9", "discuss"}, {"Command3", "viewservers"}, {"Command4", "events"}, {"Command5", "update"}};
        // clang-format on
        for (const auto& [button, target] : targets) {
            for (const auto& other : targets) // all made, only this one showing
                h.forms->hide(other.second);
            h.forms->show(name);
            const qsizetype mark = h.forms->history().size();
            QTest::mouseClick(w.findChild<QPushButton*>(QLatin1String(button)), Qt::LeftButton);
            const QStringList steps = target == name ? QStringList()
                                      : name == "viewservers" && target == "news"
                                          ? QStringList{"hide viewservers", "show news"}
                                          : QStringList{"show " + target, "hide " + name};
            QCOMPARE(h.since(mark), steps);
        }
    }

    void menus_data() {
        // clang-format off
        QTest::addColumn<QStringList>("m"); // holder, item, caption
        QTest::addColumn<QStringList>("steps"); // what choosing it does, from news alone made
        auto row = [](const char* name, const QStringList& m, const QStringList& steps) { QTest::newRow(name) << m << steps; };
        row("home", {"popmnu", "mnuhome", "Home / News"}, {"show news", "create viewservers", "hide viewservers", "create discuss", "hide discuss", "create events", "hide events", "create update", "hide update"});
        row("discuss", {"popmnu", "mnudiscuss", "Discuss"}, {"create discuss", "show discuss", "create events", "hide events", "hide news", "create viewservers", "hide viewservers", "create update", "hide update"});
        row("servers", {"popmnu", "mnuservers", "View Servers"}, {"create viewservers", "show viewservers", "hide news", "create discuss", "hide discuss", "create update", "hide update", "create events", "hide events"});
        row("add", {"popmnu", "mnuaddserver", "Add Servers"}, {});
        row("events", {"popmnu", "mnuevents", "Events"}, {"create events", "show events", "create discuss", "hide discuss", "hide news", "create viewservers", "hide viewservers", "create update", "hide update"});
        row("patches", {"popmnu", "mnupatches", "Game Patches"}, {"create update", "show update", "create events", "hide events", "create viewservers", "hide viewservers", "create discuss", "hide discuss", "hide news"});
        row("dash", {"popmnu", "mnudash", ""}, {});
        row("setup", {"popmnu", "mnusetup", "Settings and Options"}, {"create Settings", "show Settings"});
        row("friends", {"popmnu", "mnufriends", "Friends"}, {"create Friends", "show Friends"});
        row("about", {"popmnu", "mnuabout", "About"}, {"create About", "show About"});
        row("exit", {"popmnu", "mnuexit", "Exit"}, {"create closeprog", "show closeprog", "hide closeprog"});
        row("short setup", {"popmnu2", "mnuset", "Settings and Options"}, {"create Settings", "show Settings"});
        row("short about", {"popmnu2", "mnuabout", "About"}, {"create About", "show About"});
        row("short exit", {"popmnu2", "mnuexit", "Exit"}, {"create closeprog", "show closeprog", "hide closeprog"});
        // The login window's pictures do the same as the short menu.
        row("Settings picture", {"Login", "Image10", "Settings"}, {"create Settings", "show Settings"});
        row("About picture", {"Login", "Image11", "About"}, {"create About", "show About"});
        row("Exit picture", {"Login", "Image9", "Exit"}, {"create closeprog", "show closeprog", "hide closeprog"});
        // clang-format on
    }

    void menus() {
        QFETCH(QStringList, m);
        QFETCH(QStringList, steps);
        const QString holder = m[0], item = m[1], caption = m[2];
        Started h;
        h.forms->show("news");
        auto* picture = h.child<Picture>(holder, item);
        QMenu* menu =
            h.forms->get(holder == "Login" ? "popmnu2" : holder).findChild<QMenu*>("test");
        QStringList names;
        for (QAction* a : menu->actions())
            names << a->objectName();
        const QStringList order =
            holder == "popmnu"
                ? QStringList{"mnuhome",    "mnudiscuss", "mnuservers", "mnuaddserver",
                              "mnuevents",  "mnupatches", "mnudash",    "mnusetup",
                              "mnufriends", "mnuabout",   "mnuexit"}
                : QStringList{"mnuset", "mnuabout", "mnuexit"};
        QCOMPARE(names, order);
        QAction* a = menu->findChild<QAction*>(item);
        QCOMPARE(a ? (a->isSeparator() ? QString() : a->text()) : picture->accessibleName(),
                 caption);
        QCOMPARE(a && a->isSeparator(), item == "mnudash");
        if (a && !a->isSeparator())
            QCOMPARE(a->isEnabled(), !steps.isEmpty()); // "Add Servers" is greyed
        const qsizetype mark = h.forms->history().size();
        if (caption == "Exit") // the exit window's NO
            QTimer::singleShot(0, menu, [&] {
                QTest::mouseClick(h.forms->get("closeprog").findChild<Picture*>("Image5"),
                                  Qt::LeftButton);
            });
        a ? a->trigger() : QTest::mouseClick(picture, Qt::LeftButton);
        QCOMPARE(h.since(mark), steps);
        QCOMPARE(h.ended, 0);
    }
};

QTEST_MAIN(TablesTest)
#include "tst_tables.moc"
