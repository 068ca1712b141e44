// What the windows do with what the member does: login and the alias file, a game's folder, the
// clock, the server choice and its batch file, friends and joins, where the files and host are.
#include "files/paths.h"
#include "games/community.h"
#include "games/dirfile.h"
#include "platform/art.h"
#include "platform/controls.h"
#include "platform/filelists.h"
#include "platform/filesfolder.h"
#include "friends/friendswindow.h"
#include "friends/slotwait.h"
#include "friends/watch.h"
#include "settings/settings.h"
#include "app/about.h"
#include "app/closeprog.h"
#include "app/login.h"
#include "content/pagewindow.h"
#include "servers/serverpassword.h"
#include "servers/viewservers.h"
#include "tests/fakes/fakes.h"

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

namespace fs = std::filesystem;

namespace {
void pick(QListWidget* list, const QString& name, bool open) {
    for (int i = 0; i < list->count(); ++i)
        if (list->item(i)->text().trimmed() == name) {
            QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                              list->visualItemRect(list->item(i)).center());
            if (open) emit list->itemActivated(list->item(i)); // a double click
            return;
        }
    QFAIL(qPrintable("no item " + name));
}
const QByteArray notSet("[Saved]\r\nPath=0\r\n"), marker("[il nightowls]\r\nFirst=no\r\n");
QByteArray aliasFile(Harness& h) {
    return readFile(h.dir() / "ilowls.con");
}
void typeAlias(Login& l, const QString& alias) {
    l.Text1->clear();
    QTest::keyClicks(l.Text1, alias);
}
} // namespace

class WindowsTest final : public QObject {
    Q_OBJECT

private slots:
    void settingsBrowseAndSet() {
        Started h;
        const auto root = h.dir();
        for (const char* f :
             {"Games/Quake3/quake3.exe", "Games/Quake3/readme.txt", "Games/Quake3/Setup.EXE"})
            writeFile(root / f, "x");
        h.services.drives = DriveTable({{'c', root}, {'d', root / "no-medium"}});
        auto& s = h.forms->as<Settings>("Settings");
        auto* q3 = s.findChild<QPushButton*>("Command9");
        auto* q2 = s.findChild<QPushButton*>("Command8");
        QCOMPARE(s.Command1->y(), 384); // 5760 twips: "Clear Selected Directories" below twelve
        // A new window has no pending folder, although its file list shows files.
        QTest::mouseClick(q3, Qt::LeftButton);
        QCOMPARE(h.boxes->seen.size(), size_t(1));

        pick(s.Dir1, "Games", true);
        pick(s.Dir1, "Quake3", true);
        QStringList files;
        for (int i = 0; i < s.File1->count(); ++i)
            files << s.File1->item(i)->text();
        QCOMPARE(files, QStringList({"quake3.exe", "Setup.EXE"}));
        pick(s.File1, "quake3.exe", false);
        QTest::mouseClick(q3, Qt::LeftButton);
        // A second Set without a new choice is refused; a choice with the keyboard is a click.
        QTest::mouseClick(q2, Qt::LeftButton);
        QCOMPARE(h.boxes->seen.size(), size_t(2));
        QCOMPARE(h.file("qktwo.con"), notSet);
        QTest::keyClick(s.File1, Qt::Key_Down); // Setup.EXE
        QTest::mouseClick(q2, Qt::LeftButton);
        QVERIFY(h.file("qktwo.con").contains("\r\nFile=Setup.EXE\r\n"));

        // A drive that cannot be read: the lists stay, the drive list goes back, no message.
        s.Drive1->setCurrentIndex(1);
        QCOMPARE(s.Dir1->Path(), "c:\\Games\\Quake3");
        QVERIFY(s.Drive1->Drive().startsWith(QLatin1String("c:")));
        QCOMPARE(q3->text(), "Set Quake III +"); // untouched
        QCOMPARE(h.boxes->seen.size(), size_t(2));

        // Hidden by its Close picture or Label2, shown again as it was left.
        pick(s.File1, "quake3.exe", false);
        QTest::mouseClick(s.Image1, Qt::LeftButton);
        QVERIFY(!h.forms->isShown("Settings"));
        h.forms->show("Settings");
        QCOMPARE(s.Text1->text(), "c:\\Games\\Quake3");
        QTest::mouseClick(s.Label2, Qt::LeftButton);
        QVERIFY(!h.forms->isShown("Settings"));
    }

    void clockRunsAcrossMidnightOnAHiddenWindow() {
        Started h;
        h.forms->as<Login>("Login").Text1->setText("Owl");
        h.clock = QTime(23, 59, 59);
        h.forms->hide("discuss"); // created by a Hide: loads, clock runs
        auto& w = h.forms->as<PageWindow>("discuss");
        QTRY_COMPARE(w.clockLabel()->text(), "11:59:59 PM");
        h.clock = QTime(0, 0, 0);
        QTRY_COMPARE(w.clockLabel()->text(), "12:00:00 AM");
        h.services.locale = QLocale(QLocale::German, QLocale::Germany);
        h.clock = QTime(19, 5, 23);
        QTRY_COMPARE(w.clockLabel()->text(), "19:05:23");
        // An alias changed later shows only in windows created later.
        h.forms->as<Login>("Login").Text1->setText("Later");
        h.forms->show("events");
        QCOMPARE(w.aliasLabel()->text(), "Owl");
        QCOMPARE(h.forms->as<PageWindow>("events").aliasLabel()->text(), "Later");
    }

    void thePageShownChoosesTheServer() {
        Started h;
        auto& v = h.forms->as<viewservers>("viewservers");
        auto open = [&](const QString& name) {
            h.page("/ilnightowls/servers/" + name, name);
            v.brwWebBrowser->Navigate("owls.test/ilnightowls/servers/" + name);
            QTRY_COMPARE(v.Text2->text(), name);
        };
        QCOMPARE(v.Command6->text(), "Connect to Server");
        v.Text3->clear(); // before any page completes: nothing at all
        QTest::mouseClick(v.Command6, Qt::LeftButton);
        QVERIFY(h.boxes->seen.empty());
        QTRY_COMPARE(v.Text3->text(), "views");
        open("qktre127.0.0.1:27960.htm");
        h.forms->hide("viewservers"); // the choice survives hiding
        h.forms->show("viewservers");

        // Set: the nine lines, started; a long folder whole; twice means twice.
        dirfile::store(h.dir(), *catalogue::byCode("qktre"), "z: [/]",
                       "cd z:\\home\\member\\games\\quake3\\", "quake3.exe");
        QTest::mouseClick(v.Command6, Qt::LeftButton);
        QTest::mouseClick(v.Command6, Qt::LeftButton);
        // clang-format off
        QCOMPARE(h.file("qktre.bat"), QByteArray("[Quake III]\r\ncd\\\r\n REM=\r\nz: [/]\r\n REM=\r\ncd z:\\home\\member\\games\\quake3\\\r\n"
                                                 " REM=\r\nquake3.exe +set cl_playintro 0 +connect 127.0.0.1:27960\r\n REM=\r\n"));
        // clang-format on
        QCOMPARE(h.started.size(), size_t(2));
        // A missing directory file counts as set ("name"); an empty address keeps the last blank.
        paths::removeFile(h.dir() / "settings" / "rwolf.con");
        open("rwolf.htm");
        QTest::mouseClick(v.Command6, Qt::LeftButton);
        QCOMPARE(h.file("rwolf.bat"),
                 QByteArray(
                     "[Return to Castle Wolfenstein]\r\ncd\\\r\n REM=\r\nname\r\n REM=\r\nname\r\n"
                     " REM=\r\nname +set cl_playintro 0 +connect \r\n REM=\r\n"));
        // Unknown or differently cased codes: nothing written, nothing shown.
        const size_t boxes = h.boxes->seen.size(), starts = h.started.size();
        for (const char* name : {"QKTRE127.0.0.1:27960.htm", "abcde1.2.3.4:5.htm", "tiny.htm"}) {
            open(name);
            QTest::mouseClick(v.Command6, Qt::LeftButton);
        }
        QCOMPARE(h.boxes->seen.size(), boxes);
        QCOMPARE(h.started.size(), starts);
        QCOMPARE(h.file("mohaa.bat"), notSet);
    }

    // Friends kept in friends.con and told when they play; join links, whatever their source,
    // take the one road to Connect to Server; a full server is waited for when the member wants.
    void playingTogether() {
        Started h;
        auto& f = h.forms->as<Friends>("Friends");
        for (const char* name : {" ^1Raven\x01 ", "crow", "RAVEN", "", "Jay"}) {
            f.txtFriend->setText(QString::fromUtf8(name)); // as pasted
            QTest::mouseClick(f.cmdAdd, Qt::LeftButton);
        }
        f.lstFriends->setCurrentRow(2);
        QTest::mouseClick(f.cmdRemove, Qt::LeftButton);
        QCOMPARE(readFile(h.dir() / "friends.con"),
                 QByteArray("[Friends]\r\n1=Raven\r\n2=crow\r\n"));
        // Where the host last saw them, as players.json says.
        QStringList asked;
        h.services.fetchPlayers = [&](QObject*, const QStringList& names,
                                      std::function<void(const QByteArray&, bool)> done) {
            asked = names;
            done(
                R"({"available": true, "players": [{"name": "raven", "playing": false, "server": "Saber Hall",
                     "secondsAgo": 7300}, {"name": "Jay", "playing": true, "server": "Night Owls Arena"}]})",
                true);
        };
        f.lookUp();
        QCOMPARE(asked, QStringList({"Raven", "crow"}));
        QCOMPARE(f.lstFriends->item(0)->text(), "Raven: last seen 2 hours ago on Saber Hall");
        QCOMPARE(f.lstFriends->item(1)->text(), "crow: not seen yet");
        f.txtFriend->setText("Jay");
        QTest::mouseClick(f.cmdAdd, Qt::LeftButton);
        QCOMPARE(f.lstFriends->item(2)->text(), "Jay: playing now on Night Owls Arena");
        f.lstFriends->setCurrentRow(2);
        QTest::mouseClick(f.cmdRemove, Qt::LeftButton);

        // servers.json as the host gives it; the notifications as the member would see them.
        QByteArray json;
        bool readable = true;
        h.services.fetchListing = [&](QObject*, std::function<void(const QByteArray&, bool)> done) {
            done(json, readable);
        };
        QStringList& told = h.told;
        auto servers = [&](const QByteArray& arena, const QByteArray& saber) {
            // clang-format off
            json = R"({"servers": [{"name": "Night Owls Arena", "game": "qktre", "address": "127.0.0.1:27960", "page": "qktre127.0.0.1:27960.htm",
                       "state": "answering", "players": )" + arena + R"(, "maxPlayers": 16, "playerList": [{"name": "^2raven"}, {"name": "Crow"}, {"name": "Raven"}]},
                      {"name": "Saber Hall", "game": "jedio", "address": "10.0.0.3", "page": "jedio10.0.0.3.htm", "state": "answering",
                       "players": 1, "maxPlayers": 8, "playerList": [)" + saber + "]}]}";
            // clang-format on
        };
        FriendWatch watch(h.services, h.dir() / "friends.con");
        servers("5", "");
        watch.look();
        watch.look();
        QCOMPARE(told, QStringList({"raven is playing Quake III on Night Owls Arena (5/16) | "
                                    "tovo://join/qktre/127.0.0.1:27960",
                                    "Crow is playing Quake III on Night Owls Arena (5/16) | "
                                    "tovo://join/qktre/127.0.0.1:27960"}));
        servers("5", R"({"name": "RAVEN"})"); // to a second server, then back after leaving
        watch.look();
        readable = false;
        watch.look();
        readable = true;
        servers("4", "");
        watch.look();
        QCOMPARE(told.mid(2),
                 QStringList(
                     {"RAVEN is playing JK II on Saber Hall (1/8) | tovo://join/jedio/10.0.0.3"}));
        json = R"({"servers": []})"; // everybody gone
        watch.look();
        servers("5", "");
        watch.look();
        QCOMPARE(told.size(), 5);

        // Links: a good one shows the server's page and starts its game; others say why.
        auto& v = h.forms->as<viewservers>("viewservers");
        dirfile::store(h.dir(), *catalogue::byCode("qktre"), "z: [/]", "cd z:\\games\\quake3\\",
                       "quake3.exe");
        h.page("/ilnightowls/servers/qktre127.0.0.1:27960.htm", "qktre127.0.0.1:27960.htm");
        json = "not json"; // no status known: the game starts as it always has
        // Before the member has logged in: it waits for the login.
        joinServer(*h.forms, "tovo://join/qktre/127.0.0.1:27960");
        QTest::qWait(100);
        QVERIFY(h.started.empty() && !h.forms->isShown("viewservers"));
        h.forms->show("news");
        QTRY_COMPARE(h.started.size(), size_t(1));
        QVERIFY(h.forms->isShown("viewservers") && !h.forms->isShown("news"));
        const std::pair<QString, QString> refused[] = {
            {"tovo://join/zzzzz/1.2.3.4", "The join link names no game TOVO knows: \"zzzzz\"."},
            {"tovo://join/qktre/1.2.3.4;touch%20x",
             "The join link's server address cannot be used: \"1.2.3.4;touch x\"."},
            {"tovo://join/qktre/" + QString(10000, 'a'),
             "The join link's server address cannot be used: \"" + QString(61, 'a') + "...\"."},
            {"tovo://join/qktre/10.9.9.9", "The community's server list has no server 10.9.9.9."}};
        servers("5", "");
        for (const auto& [link, says] : refused) {
            const size_t boxes = h.boxes->seen.size();
            joinServer(*h.forms, link);
            QTRY_COMPARE(h.boxes->seen.size(), boxes + 1);
            QCOMPARE(h.boxes->seen.back().title + ": " + h.boxes->seen.back().prompt,
                     "Cannot join: " + says);
        }
        QCOMPARE(h.started.size(), size_t(1));

        // A full server: No starts at once; Yes waits, and the game starts once a slot is free;
        // a cancelled wait starts nothing.
        servers("16", "");
        h.boxes->answers = {msgbox::Answer::No, msgbox::Answer::Yes, msgbox::Answer::Yes};
        QTest::mouseClick(v.Command6, Qt::LeftButton);
        QCOMPARE(h.boxes->seen.back().prompt, "The server is full (16/16). Wait for a free slot?");
        QCOMPARE(h.started.size(), size_t(2));
        auto waitFor = [&] {
            QTest::mouseClick(v.Command6, Qt::LeftButton);
            SlotWait* w = nullptr;
            for (QWidget* t : QApplication::topLevelWidgets())
                w = qobject_cast<SlotWait*>(t) && t->isVisible() ? qobject_cast<SlotWait*>(t) : w;
            if (w) w->findChild<QTimer*>()->setInterval(20); // its ten seconds, shortened
            return w;
        };
        SlotWait* w = waitFor();
        QVERIFY(w);
        QCOMPARE(w->lblWait->text(), "Waiting for a free slot on Night Owls Arena...");
        json.replace(R"("answering", "players": 16, "maxPlayers": 16)",
                     R"("no answer", "players": null, "maxPlayers": null)");
        QTest::qWait(200); // a server that stops answering has no free slot
        QCOMPARE(h.started.size(), size_t(2));
        told.clear();
        servers("15", "");
        QTRY_COMPARE(h.started.size(), size_t(3));
        QTest::qWait(200);
        QCOMPARE(h.started.size(), size_t(3));
        QCOMPARE(told,
                 QStringList({"A slot is free on Night Owls Arena (15/16): the game starts. | "}));
        servers("16", "");
        QPointer<SlotWait> cancelled = waitFor();
        QTest::mouseClick(cancelled->cmdCancel, Qt::LeftButton);
        servers("15", "");
        QTest::qWait(200);
        QVERIFY(!cancelled);
        QCOMPARE(h.started.size(), size_t(3));
    }

    // A locked server's password is asked once, kept in the keyring, and given to the start;
    // Cancel, Escape and a password the game would read as commands start nothing.
    void lockedServersAskOnce() {
        Started h;
        h.forms->show("news");
        dirfile::store(h.dir(), *catalogue::byCode("qktre"), "z: [/]", "cd z:\\games\\quake3\\",
                       "quake3.exe");
        int players = 3;
        h.services.fetchListing = [&](QObject*, std::function<void(const QByteArray&, bool)> done) {
            done(
                R"({"servers": [{"name": "<b>Clan</b> & Match", "game": "qktre", "address": "127.0.0.1:27960",
                 "page": "qktre127.0.0.1:27960.htm", "state": "answering", "password": true, "players": )" +
                    QByteArray::number(players) + R"(, "maxPlayers": 4}]})",
                true);
        };
        auto& w = h.forms->as<ServerPassword>("ServerPassword");
        QStringList shown; // the name, the keyring's line, whether "Remember" is offered and ticked
        auto answer = [&](const QStringList& typed, bool remember) {
            whenShown(w, [&, typed, remember] {
                shown = QStringList{
                    w.lblServer->text(), w.lblNoKeyring->isVisible() ? w.lblNoKeyring->text() : "",
                    w.chkRemember->isVisible() && w.chkRemember->isChecked() ? "remember" : ""};
                if (!remember) w.chkRemember->setChecked(false);
                for (const QString& t : typed) { // "": Cancel; "...\x1b": typed, then Escape
                    w.txtPassword->setText(QString(t).remove('\x1b'));
                    if (t.endsWith('\x1b')) { // to the window the keys go to: the active one
                        w.window()->activateWindow();
                        (void)QTest::qWaitForWindowActive(w.window());
                        QTest::keyClick(w.txtPassword, Qt::Key_Escape);
                    } else
                        QTest::mouseClick(t.isEmpty() ? w.cmdCancel : w.cmdOK, Qt::LeftButton);
                }
            });
        };
        auto connect = [&](size_t starts) {
            h.connectOn("qktre127.0.0.1:27960.htm");
            QTest::qWait(50);
            QTRY_VERIFY(!w.isVisible());
            QCOMPARE(h.started.size(), starts);
        };
        const QString name = "<b>Clan</b> & Match", no = "", yes = "remember";
        answer({""}, true);
        connect(0);
        QCOMPARE(shown, QStringList({name, no, yes}));
        answer({"owls\x1b"}, true);
        connect(0);
        answer({"a;quit", "owls"}, true); // refused, then typed again
        connect(1);
        QCOMPARE(h.boxes->seen.size(), size_t(1));
        QCOMPARE(h.boxes->seen.back().title, "Password not accepted."); // its whole text: tst_logic
        QVERIFY(h.boxes->seen.back().prompt.startsWith("The password cannot contain a semicolon"));
        QCOMPARE(h.started.back().password, "owls");
        QCOMPARE(h.keyring->kept, (QMap<QString, QString>{{"qktre127.0.0.1:27960.htm", "owls"}}));
        connect(2); // kept: no window
        QCOMPARE(h.started.back().password, "owls");
        // Forgotten: asked again, before the wait for a slot, whose start then carries it.
        auto& settings = h.forms->as<Settings>("Settings");
        QTest::mouseClick(settings.ForgetPasswords, Qt::LeftButton);
        QCOMPARE(h.boxes->seen.back().prompt,
                 "Do you want to forget the passwords of all servers kept on this computer?");
        QVERIFY(h.keyring->kept.isEmpty());
        players = 4;
        const size_t boxes = h.boxes->seen.size();
        answer({"0wls"}, false);
        connect(2);
        QCOMPARE(h.boxes->seen.at(boxes).prompt, "The server is full (4/4). Wait for a free slot?");
        QVERIFY(h.keyring->kept.isEmpty());
        for (QWidget* t : QApplication::topLevelWidgets())
            if (auto* wait = qobject_cast<SlotWait*>(t); wait && wait->isVisible())
                wait->findChild<QTimer*>()->setInterval(20);
        players = 3;
        QTRY_COMPARE(h.started.size(), size_t(3));
        QCOMPARE(h.started.back().password, "0wls");
        // No keyring: the window says so (and asks each time: tst_games, with GNOME Keyring gone).
        h.keyring->available = false;
        answer({"owls"}, true);
        connect(4);
        QCOMPARE(shown, QStringList({name,
                                     "This computer has no keyring to keep the password in, so it "
                                     "is asked each time.",
                                     no}));
    }

    void onlyARightPressOnTheSurfaceOpensTheMenu() {
        // The window, the controls where a right press opens nothing, the menu its surface opens.
        for (const auto& [window, controls, menu] :
             {std::tuple<QString, QStringList, QString>{
                  "Login", {"Image2", "Image9", "Image1", "Text1"}, "popmnu2"},
              {"news", {"brwWebBrowser", "Command3", "Label6"}, "popmnu"}}) {
            Started h;
            h.forms->show(window);
            QWidget& w = h.forms->get(window);
            for (const QString& c : controls)
                QTest::mouseClick(w.findChild<QWidget*>(c), Qt::RightButton);
            QTest::mouseClick(&w, Qt::LeftButton, {}, QPoint(20, 100));
            QTest::mouseClick(&w, Qt::MiddleButton, {}, QPoint(20, 100));
            QVERIFY(h.popups.empty());
            QTest::mouseClick(&w, Qt::RightButton, {}, QPoint(20, 100));
            QCOMPARE(h.popups, std::vector<QString>{menu});
        }
    }

    // Through its frame Settings and About hide, the main window asks, the rest cannot close;
    // About hides only by its Close label and its picture.
    void closingWindows() {
        Started h;
        for (const char* w :
             {"Login", "news", "events", "update", "discuss", "viewservers", "Settings", "About"}) {
            h.forms->show(QLatin1String(w));
            const bool closable = QLatin1String(w) == "Settings" || QLatin1String(w) == "About";
            QCOMPARE(
                bool(h.forms->frameOf(QLatin1String(w))->windowFlags() & Qt::WindowCloseButtonHint),
                closable);
            h.forms->frameOf(QLatin1String(w))->close();
            QCOMPARE(h.forms->isShown(QLatin1String(w)), !closable);
        }
        auto& exit = h.forms->as<closeprog>("closeprog");
        bool asked = false; // and the close waits for the answer
        QTimer::singleShot(0, &exit, [&] {
            asked = h.forms->isShown("closeprog");
            QTest::mouseClick(exit.Image5, Qt::LeftButton); // NO
        });
        QVERIFY(!h.forms->get("MDIForm1").close());
        QVERIFY(asked && h.forms->isShown("MDIForm1") && h.forms->isShown("news"));
        auto& a = h.forms->as<About>("About");
        QVERIFY(a.Label5->text() == "TOVO credits and info." &&
                a.Label3->text().startsWith("Design Assitant:"));
        for (QWidget* w : std::initializer_list<QWidget*>{a.Label1, a.Label3, a.Label4, a.Label5,
                                                          a.Label2, a.Image1}) {
            h.forms->show("About");
            QTest::mouseClick(w, Qt::LeftButton);
            QCOMPARE(h.forms->isShown("About"), w != a.Label2 && w != a.Image1);
        }
    }

    // What a start makes of the alias file: the first run only when First is exactly "yes".
    void startReadsTheAliasFile_data() {
        // clang-format off
        QTest::addColumn<QByteArray>("before"); // "<missing>": no alias file; "<unwritable>": no folder
        QTest::addColumn<QString>("alias");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("firstRun"); // the settings folder and its files are written
        const QByteArray garbage("\xff\xfe\0garbage=[\r\n\x01", 15);
        const QByteArray later = "[IL NIGHTOWLS]\nalias=" + QByteArray(100, 'A') + "\nfirst=no\n";
        QTest::newRow("First=Yes is not yes") << QByteArray("[il nightowls]\r\nFirst=Yes\r\n") << "Type here"
                                              << QByteArray("[il nightowls]\r\nFirst=Yes\r\n") << false;
        QTest::newRow("garbage kept, marker after it") << garbage << "Type here" << garbage + "\r\n" + marker << true;
        QTest::newRow("a later start, any case, cut") << later << QString(29, QLatin1Char('A')) << later << false;
        QTest::newRow("folder not writable") << QByteArray("<unwritable>") << "Type here" << QByteArray("<missing>") << false;
        // clang-format on
    }

    void startReadsTheAliasFile() {
        QFETCH(QByteArray, before);
        QFETCH(QString, alias);
        QFETCH(QByteArray, after);
        QFETCH(bool, firstRun);
        QTemporaryDir tmp;
        const QString dir = before == "<unwritable>" ? "/proc/tovo-cannot-write-here" : tmp.path();
        if (!before.startsWith('<'))
            writeFile(dir.toStdString() + "/ilowls.con", before.toStdString());
        Harness h(dir);
        h.forms->show("Login");
        QCOMPARE(h.forms->as<Login>("Login").Text1->text(), alias);
        QVERIFY(h.forms->isShown("Login"));
        QCOMPARE(aliasFile(h), after);
        // A directory file and a batch file a game, "." and "..".
        QCOMPARE(QDir(dir + "/settings").count(), firstRun ? 26u : 0u);
    }

    void aliasIsSavedOnlyByTheButtonWithTheToggleSelected() {
        Started h;
        Login& l = h.forms->as<Login>("Login");
        // Enter on "Type here": asked, the box emptied, no detection; on an alias, it logs in.
        QTest::keyClick(l.Text1, Qt::Key_Return);
        QCOMPARE(l.Text1->text(), QString());
        QVERIFY(!h.forms->exists("Form1"));
        typeAlias(l, "Tawny");
        QTest::keyClick(l.Text1, Qt::Key_Return);
        QVERIFY(h.forms->isShown("news"));
        QTest::mouseClick(l.Image5, Qt::LeftButton); // a toggle never clicked saves nothing
        QCOMPARE(aliasFile(h), marker);

        // The toggle alternates by picture identity; Enter never saves.
        QTest::mouseClick(l.Image2, Qt::LeftButton);
        QCOMPARE(l.Text3->text(), "enabled");
        QCOMPARE(l.Image2->picture().cacheKey(), l.Image3->picture().cacheKey());
        typeAlias(l, "Barn Owl");
        QTest::keyClick(l.Text1, Qt::Key_Return);
        QCOMPARE(aliasFile(h), marker);

        // The button saves first (then refuses a second detection); its look ends normal.
        typeAlias(l, "Night Owl");
        QTest::mouseClick(l.Image5, Qt::LeftButton);
        QCOMPARE(l.Image5->picture().cacheKey(), l.Image7->picture().cacheKey());
        // Deselected: nothing saved, nothing removed.
        QTest::mouseClick(l.Image2, Qt::LeftButton);
        QCOMPARE(l.Text3->text(), "disabled");
        QCOMPARE(l.Image2->picture().cacheKey(), l.Image4->picture().cacheKey());
        typeAlias(l, "Other");
        QTest::mouseClick(l.Image5, Qt::LeftButton);
        QCOMPARE(aliasFile(h), marker + "Alias=Night Owl\r\n");
        QCOMPARE(h.web.requests.count("owls.test/ilnightowls/servers/detect.htm"), 1);
    }

    void rightButtonLogsInAndPicturesAreReachable() {
        Started h;
        Login& l = h.forms->as<Login>("Login");
        QTest::mouseClick(l.Image5, Qt::RightButton); // performs the login: here, the prompt
        QCOMPARE(h.boxes->seen.size(), size_t(1));
        QCOMPARE(l.Image5->picture().cacheKey(), l.Image6->picture().cacheKey()); // left pressed
        // The keyboard reaches every picture used as a button from the alias box, in the order
        // on screen, and each carries its words for accessibility tools.
        l.window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(l.window()));
        l.Text1->setFocus();
        QStringList order;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << (QApplication::focusWidget() ? QApplication::focusWidget()->accessibleName()
                                                  : "?");
        }
        QCOMPARE(order, QStringList({"Save alias", "Login", "Settings", "About", "Exit"}));
    }

    void choose() {
        // Folders below the test's, or absolute; "usrlink" is a link into /usr. Installed under
        // /usr, with the member's usual data folder, is the package test's.
        using Row = std::pair<std::string, std::string>; // the program's folder, the files'
        for (const auto& [program, expected] : {Row{"prog", "prog"}, Row{"usrlink", "data/tovo"}}) {
            QTemporaryDir tmp;
            const fs::path base = tmp.path().toStdString();
            fs::create_directory(base / "prog");
            fs::create_directory_symlink("/usr/lib", base / "usrlink");
            const FilesFolder f = FilesFolder::choose(base / program, base / "data");
            QCOMPARE(f.dir, base / expected);
            QCOMPARE(f.own, expected == "prog");
            QVERIFY(fs::is_directory(f.dir) && f.problem.isEmpty());
            QCOMPARE(fs::exists(base / "data"), !f.own); // a portable install makes nothing else
        }
    }

    // The member's host.con, else the system's, else the built-in host; a portable install
    // reads only its own. A host is "host[:port]", or that behind http:// or https://. The
    // built-in host is the build's own setting, as CMake gives it (-DTOVO_DEFAULT_HOST=...).
    void host() {
        const QString builtIn = TOVO_BUILT_IN_HOST;
        // clang-format off
        const struct { std::string member, system; bool installed; QString expected; } rows[] = {
            {"owls.example.net:80", "lantern.example.net", true, "owls.example.net:80"},
            {"", "lantern.example.net", true, "lantern.example.net"},
            {"", "", true, builtIn}, {"", "lantern.example.net", false, builtIn},
            {"HTTP://owls.example.net/", "", true, "owls.example.net"},
            {"https://owls.example.net:8443//", "", true, "https://owls.example.net:8443"},
            {"ftp://owls.example.net", "lantern.example.net", true, "lantern.example.net"},
            {"https://", "", true, builtIn}};
        // clang-format on
        for (const auto& r : rows) {
            QTemporaryDir m, s;
            if (!r.member.empty())
                writeFile(m.path().toStdString() + "/host.con",
                          "[Web]\r\nHost=" + r.member + "\r\n");
            if (!r.system.empty())
                writeFile(s.path().toStdString() + "/Host.con", "[web]\nhost=" + r.system + "\n");
            const fs::path system = r.installed ? s.path().toStdString() : "";
            QCOMPARE(Services::real(m.path().toStdString(), system).host, r.expected);
        }
    }
};

QTEST_MAIN(WindowsTest)
#include "tst_windows.moc"
