// The client's logic without a window: its files byte by byte, the batch runner (no shell), a
// download's names, Find Games over homes as Wine, the launchers and Debian leave them.
#include "files/paths.h"
#include "files/profile.h"
#include "games/catalogue.h"
#include "games/dirfile.h"
#include "games/wine.h"
#include "installs/finder.h"
#include "installs/launchers.h"
#include "launch/batchrunner.h"
#include "launch/password.h"
#include "launch/warmwine.h"
#include "friends/friendlist.h"
#include "friends/notifier.h"
#include "friends/oneclient.h"
#include "browser/downloads.h"
#include "tests/fakes/fakes.h"

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusVirtualObject>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <fstream>
#include <sys/stat.h>
#include <unistd.h>

namespace fs = std::filesystem;

namespace {
// A prefix as wineboot leaves it: the registry, drive_c, c: and z: in dosdevices.
void prefix(const fs::path& p, const std::string& reg) {
    fs::create_directories(p / "drive_c");
    fs::create_directories(p / "dosdevices");
    fs::create_directory_symlink("../drive_c", p / "dosdevices/c:");
    fs::create_directory_symlink("/", p / "dosdevices/z:");
    writeFile(p / "system.reg",
              "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n" +
                  reg);
}
const std::string q3key =
    "[Software\\\\Wow6432Node\\\\Id\\\\Quake III Arena] 1701234567\n#time=1d9\n";
const std::string q3 = q3key + "\"InstallPath\"=\"C:\\\\Games\\\\Quake3\"\n";
// A prefix whose registry and drive_c hold Quake III where its installer puts it.
void q3at(const fs::path& p) {
    prefix(p, q3);
    writeProgram(p / "drive_c/Games/Quake3/quake3.exe");
}
// The system's Wine on the home's PATH, and the stamp it leaves in a prefix it makes: the time of
// its wine.inf.
std::string made(const fs::path& h) {
    writeProgram(h / "bin/wine", "#!/bin/sh\n");
    writeFile(h / "share/wine/wine.inf", "");
    struct stat st {};
    ::stat((h / "share/wine/wine.inf").c_str(), &st);
    return std::to_string(st.st_mtime) + "\n";
}
using Layout = std::function<void(const fs::path& home)>;
// The desktop's notification server as a test's stand-in: it offers what it is told and writes
// down each notification's body and actions; offering "silent", it never answers at all.
struct NotificationServer final : QDBusVirtualObject {
    QStringList offers, asked;
    QString introspect(const QString&) const override { return {}; }
    bool handleMessage(const QDBusMessage& m, const QDBusConnection& c) override {
        if (offers == QStringList{"silent"}) return true;
        if (m.member() == "GetCapabilities") return c.send(m.createReply(offers));
        asked << m.arguments().at(4).toString() + " | " +
                     m.arguments().at(5).toStringList().join(' ');
        return c.send(m.createReply(uint(7)));
    }
};
} // namespace
Q_DECLARE_METATYPE(Layout)

class LogicTest final : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;
    QProcess bus; // the notifications' session bus, and the notification server on it
    NotificationServer server;
    fs::path file(const char* name) { return fs::path(tmp.path().toStdString()) / name; }
    static fs::path fakegame() { return qEnvironmentVariable("TOVO_FAKEGAME").toStdString(); }
    // The first bytes of a program: an ELF loader of a class (1: 32-bit, 2: 64-bit) and machine
    // (3: i386, 62: x86-64); a Windows program with its PE header at 0x80.
    static std::string elf(char cls, char machine) {
        return std::string(1, '\x7f') + "ELF" + cls + '\x01' + std::string(12, '\0') + machine +
               std::string(45, '\0');
    }
    static std::string pe(unsigned machine) {
        std::string b = "MZ" + std::string(0x7e, '\0');
        b[0x3c] = '\x80';
        return b + std::string("PE\0\0", 4) + char(machine & 0xff) + char(machine >> 8) +
               std::string(16, '\0');
    }

private slots:
    void downloadNames_data() {
        // clang-format off
        QTest::addColumn<QString>("suggested");
        QTest::addColumn<QStringList>("there"); // in the folder before, or "running <name>"
        QTest::addColumn<bool>("meanwhile");    // the name taken while the file downloads
        QTest::addColumn<QString>("saved");
        const QString u = QString(200, QChar(0xfc)) + ".zip"; // 404 bytes in UTF-8
        QTest::newRow("control characters") << "pat\x01" "ch\x1b\u202e.zip" << QStringList{} << false << "patch.zip";
        QTest::newRow("a Windows path, leading blanks") << "C:\\Games\\  setup.exe" << QStringList{} << false << "setup.exe";
        QTest::newRow("taken, its (1) on its way") << "p.zip" << QStringList{"p.zip", "p (1).zip.part"} << false << "p (2).zip";
        QTest::newRow("taken while it downloads") << "p.zip" << QStringList{} << true << "p (1).zip";
        QTest::newRow("another download of it running") << "p.zip" << QStringList{"running p.zip"} << false << "p (1).zip";
        QTest::newRow("256 bytes") << QString(252, 'a') + ".zip" << QStringList{} << false << QString(246, 'a') + ".zip";
        QTest::newRow("255 bytes, taken") << u << QStringList{QString(123, QChar(0xfc)) + ".zip"} << false
                                          << QString(121, QChar(0xfc)) + " (1).zip";
        // clang-format on
    }

    void downloadNames() {
        QFETCH(QString, suggested);
        QFETCH(QStringList, there);
        QFETCH(bool, meanwhile);
        QFETCH(QString, saved);
        QTemporaryDir d;
        const QDir dir(d.path());
        const auto put = [&](const QString& n, const char* bytes) {
            writeFile(dir.filePath(n).toStdString(), bytes);
        };
        for (const QString& n : there)
            if (!n.startsWith("running ")) put(n, "old");
        const QString name = downloads::chooseName(
            dir, suggested, [&](const QString& n) { return there.contains("running " + n); });
        put(downloads::partName(name), "new");
        if (meanwhile) put(name, "old"), there << name;
        QCOMPARE(downloads::finish(dir, downloads::partName(name), name), saved);
        QCOMPARE(readFile(dir.filePath(saved).toStdString()), QByteArray("new"));
        QVERIFY(!dir.exists(downloads::partName(name)));
        for (const QString& n : there)
            QVERIFY(n.endsWith(".part") || n.startsWith("running ") ||
                    readFile(dir.filePath(n).toStdString()) == "old");
    }

    void writesCreateAndEditOnlyWhatTheyMust() {
        const auto f = file("a.ini");
        QVERIFY(profile::write("Saved", "Path", "0", f));
        QCOMPARE(readFile(f), QByteArray("[Saved]\r\nPath=0\r\n"));
        profile::write("Saved", "Other", "x", f); // a new key goes after the section's last line
        QCOMPARE(readFile(f), QByteArray("[Saved]\r\nPath=0\r\nOther=x\r\n"));
        profile::write("Quake", "Dir", "cd z:\\q\\", f); // a new section goes at the end
        QCOMPARE(readFile(f),
                 QByteArray("[Saved]\r\nPath=0\r\nOther=x\r\n[Quake]\r\nDir=cd z:\\q\\\r\n"));
        profile::write("saved", "PATH", "1", f); // names without regard to case; value in place
        QCOMPARE(readFile(f),
                 QByteArray("[Saved]\r\nPath=1\r\nOther=x\r\n[Quake]\r\nDir=cd z:\\q\\\r\n"));

        // Bytes a write does not edit stay as they were: blanks, comments, odd line ends.
        const auto g = file("b.ini");
        writeFile(g, "; keep me\n[One]\n REM=\n  key = old value \n\n[Two]\rx=1");
        profile::write("ONE", "Key", "new", g);
        profile::write("One", "added", "v", g);
        profile::write("two", "y", "2", g);
        QCOMPARE(
            readFile(g),
            QByteArray("; keep me\n[One]\n REM=\n  key =new\nadded=v\r\n\n[Two]\rx=1\r\ny=2\r\n"));
    }

    // The default for what is not there, garbage included, is tst_windows' (the alias file).
    void readsCutAndAcceptEveryLineEnd() {
        const auto f = file("c.ini");
        for (const char* eol : {"\r\n", "\n", "\r"}) {
            writeFile(f, std::string("[Sec]") + eol + "Key=" + std::string(40, 'x') + eol +
                             "[Next]" + eol + "Key= spaced " + eol);
            QCOMPARE(profile::read("sec", "KEY", "d", 30, f), std::string(29, 'x'));
            QCOMPARE(profile::read("Next", "Key", "d", 30, f), std::string("spaced"));
        }
        // The cut counts characters: never half of a UTF-8 letter; any other byte is one.
        writeFile(f, "[Sec]\r\nU=" + std::string(28, 'u') +
                         "\xc3\xa9\xc3\xa9\r\nL=" + std::string(28, 'l') +
                         "\xe9\xe9\r\n"
                         "B=" +
                         std::string(27, 'b') + "\xe2\x82zz\r\n");
        QCOMPARE(profile::read("Sec", "U", "", 30, f), std::string(28, 'u') + "\xc3\xa9");
        QCOMPARE(profile::read("Sec", "L", "", 30, f), std::string(28, 'l') + "\xe9");
        // A broken letter: bytes.
        QCOMPARE(profile::read("Sec", "B", "", 30, f), std::string(27, 'b') + "\xe2\x82");
    }

    void aFailedWriteLosesNothing() {
        // A folder that is not there: the write fails, and nothing is made on the way.
        QVERIFY(!profile::write("A", "k", "1", file("missing/x.ini")));
        QVERIFY(!fs::exists(file("missing")));
        // A folder where the file should be: left alone, and no temporary file stays behind.
        QTemporaryDir own;
        const fs::path f = fs::path(own.path().toStdString()) / "dir.ini";
        fs::create_directory(f);
        QVERIFY(!profile::write("A", "k", "1", f) && !friendlist::write(f, {"Raven"}));
        QVERIFY(fs::is_directory(f));
        QCOMPARE(std::distance(fs::directory_iterator(f.parent_path()), {}), 1);
        QCOMPARE(profile::read("A", "k", "name", 30, f), std::string("name"));
    }

    void runnerStartsTheGameWithNoShell() {
        QVERIFY2(!fakegame().empty(), "TOVO_FAKEGAME names the helper game");
        QTemporaryDir tmp;
        const fs::path root = tmp.path().toStdString();
        fs::create_directories(root / "game dir");
        // The case differs from the batch file.
        fs::copy_file(fakegame(), root / "game dir" / "Game.EXE");
        const auto log = root / "game dir" / "fakegame.log";
        const DriveTable drives({{'d', root}});
        // Everything a shell would act on reaches the game as plain words: a shell would have cut
        // the line at its first ';'.
        const std::string address =
            "1.2.3.4:1;touch${IFS}pwned&&echo>x|true$(touch${IFS}pwned2)`id`";
        writeFile(root / "q.bat",
                  "[Quake III]\r\ncd\\\r\n REM=\r\nd:\r\n REM=\r\ncd d:\\GAME DIR\\\r\n REM=\r\n"
                  "game.exe +set cl_playintro 0 +connect " +
                      address + "\r\n REM=\r\n");
        const QByteArray batchBytes = readFile(root / "q.bat");
        // A password one character short of hostile: refused, nothing started.
        QCOMPARE(batch::run({root / "q.bat", {}, {}, "a;quit", PasswordBy::SetCvar}, drives),
                 batch::Outcome::PasswordRefused);
        // "cd d:\GAME DIR\" holds a blank: cd takes the rest of its line, as cmd does. A locked
        // server's password reaches the game's command line, and only that.
        QCOMPARE(batch::run({root / "q.bat", {}, {}, "0wl$(id)", PasswordBy::SetCvar}, drives),
                 batch::Outcome::Started);
        (void)QTest::qWaitFor([&] { return fs::exists(log); }, 10000);
        QCOMPARE(readFile(log),
                 QByteArray("+set\ncl_playintro\n0\n+set\npassword\n0wl$(id)\n+connect\n") +
                     address.c_str() + "\ncwd=" + (root / "game dir").c_str() + "\n");
        QCOMPARE(readFile(root / "q.bat"), batchBytes);
        // Only the first program line ever starts anything.
        QCOMPARE(batch::parse("d:\r\ncd \\game dir\r\ngame.exe a\r\ngame.exe b\r\n", drives, 'd')
                     .launch->arguments,
                 std::vector<std::string>{"a"});
        // A program or a folder that is not there starts nothing, and says which; so does a
        // Windows program where Wine is missing (a 32-bit one on a 64-bit Wine: tst_games).
        writeFile(root / "game dir" / "win16.exe", "MZ\x90");
        const QByteArray path = qgetenv("PATH");
        const std::tuple<std::string, std::string, batch::Outcome> cases[] = {
            // lines, PATH, outcome
            {"cd d:\\game dir\\\r\nmissing.exe", path.toStdString(),
             batch::Outcome::ProgramMissing},
            {"cd d:\\gone\\\r\ngame.exe", path.toStdString(), batch::Outcome::FolderMissing},
            {"cd d:\\game dir\\\r\nwin16.exe", "/nonexistent", batch::Outcome::NeedsWine}};
        for (const auto& [lines, bin, outcome] : cases) {
            writeFile(root / "x.bat", "d:\r\n" + lines + " +connect x\r\n");
            qputenv("PATH", bin.c_str());
            QCOMPARE(batch::run({root / "x.bat", {}, {}, {}, {}}, drives), outcome);
        }
        // A launcher's game: its own Wine in its prefix, for the prefix's architecture, with the
        // launcher's environment; Steam's through Steam. Neither replaced when it is gone.
        prefix(root / "pfx", "");
        writeFile(root / "pfx/system.reg", "WINE REGISTRY Version 2\n\n#arch=win32\n");
        writeProgram(root / "runner/bin/wine", "#!/bin/sh\n");
        const batch::Launch win16{
            root / "game dir/win16.exe", {"+connect", "x"}, root / "game dir"};
        const batch::Command c = batch::commandFor(
            win16, {.prefix = root / "pfx", .wine = root / "runner/bin/wine", .steamApp = {}},
            {{"DXVK_HUD", "fps"}});
        QCOMPARE(c.environment, (batch::Environment{{"DXVK_HUD", "fps"},
                                                    {"WINEPREFIX", (root / "pfx").string()},
                                                    {"WINEARCH", "win32"}}));
        qputenv("PATH", "/nonexistent");
        QCOMPARE(batch::commandFor(win16, {.prefix = {}, .wine = {}, .steamApp = "2200"}).refused,
                 batch::Outcome::SteamMissing);
        qputenv("PATH", path);
    }

    // What the game's console would read as its own commands never reaches it as a password; the
    // member is told which character it was.
    void hostilePasswordsAreRefused_data() {
        QTest::addColumn<QString>("password");
        QTest::addColumn<QString>("named"); // "": taken
        // clang-format off
        const std::pair<QString, QString> rows[] = {
            {"a;quit", "a semicolon (;)"}, {"x+quit", "a plus sign (+)"}, {"say\"hi", "a quotation mark (\")"},
            {"two words", "a blank"}, {"a\nquit", "a line break"}, {"a\rquit", "a line break"}, {"tab\there", "a tab"},
            {QString("bell") + QChar(7), "a control character (U+0007)"}, {QString("rtl") + QChar(0x202e), "a control character (U+202E)"},
            {"name\\rate\\0", "a backslash (\\)"}, {"pass//word", "a remark mark (//)"}, {"pass/*word", "a remark mark (/*)"},
            {"0wl$(id)`x`&|<>", ""}, {"Gr\u00fcn/-_.!", ""}, {QString(64, 'p'), ""}};
        // clang-format on
        for (const auto& [password, named] : rows)
            QTest::newRow(qPrintable(QString(password).left(12))) << password << named;
    }
    void hostilePasswordsAreRefused() {
        QFETCH(QString, password);
        QFETCH(QString, named);
        QCOMPARE(password::problem(password),
                 named.isEmpty() ? QString()
                                 : "The password cannot contain " + named +
                                       ": the game would read it as a command of its own, not as "
                                       "the password. Please ask the server's admin for a "
                                       "password without it.");
    }
    // Where each game takes it: tst_tables' games.
    void longerPasswordsThanGamesTakeAreRefused() {
        QCOMPARE(password::problem(QString(65, 'p')),
                 "The password is longer than 64 characters, more than the game takes. Please ask "
                 "the server's admin for a shorter one.");
    }

    // The one-client socket's folder: the session's when it is the member's alone, else one of
    // the member's own in the temporary folder; never a link, an open folder or another account's,
    // where someone else could take the member's starts and links.
    void oneClientsFolderIsTheMembersAlone_data() {
        QTest::addColumn<Layout>("layout");  // in t: run (XDG_RUNTIME_DIR), tmp (TMPDIR), mine
        QTest::addColumn<QString>("socket"); // below t; "": none, the client runs alone
        const std::string tmpOwn = "tmp/tovo-" + std::to_string(::getuid());
        const QString own = QString::fromStdString(tmpOwn) + "/tovo-_4242";
        const auto mode = [](const fs::path& p, int m) { fs::permissions(p, fs::perms(m)); };
        // clang-format off
        QTest::newRow("the session's") << Layout([](const fs::path&) {}) << "run/tovo-_4242";
        QTest::newRow("the session's, open") << Layout([=](const fs::path& t) { mode(t / "run", 0755); }) << own;
        QTest::newRow("the session's, a link") << Layout([](const fs::path& t) { fs::remove(t / "run"), fs::create_directory_symlink(t / "mine", t / "run"); }) << own;
        QTest::newRow("the temporary one, a link") << Layout([=](const fs::path& t) { fs::remove(t / "run"), fs::create_directory_symlink(t / "mine", t / tmpOwn); }) << "";
        QTest::newRow("the temporary one, open") << Layout([=](const fs::path& t) { fs::remove(t / "run"), fs::create_directory(t / tmpOwn), mode(t / tmpOwn, 0777); }) << "";
        if (::getuid() == 0) // only root gives a folder away
            QTest::newRow("the temporary one, another's") << Layout([=](const fs::path& t) {
                fs::remove(t / "run"), fs::create_directory(t / tmpOwn), mode(t / tmpOwn, 0700);
                QVERIFY(::chown((t / tmpOwn).c_str(), 65534, 65534) == 0);
            }) << "";
        // clang-format on
    }
    void oneClientsFolderIsTheMembersAlone() {
        QFETCH(Layout, layout);
        QFETCH(QString, socket);
        QTemporaryDir d;
        const fs::path t = d.path().toStdString();
        for (const char* own : {"run", "tmp", "mine"})
            fs::create_directory(t / own), fs::permissions(t / own, fs::perms::owner_all);
        layout(t);
        const QByteArray runWas = qgetenv("XDG_RUNTIME_DIR"), tmpWas = qgetenv("TMPDIR");
        qputenv("XDG_RUNTIME_DIR", (t / "run").c_str()), qputenv("TMPDIR", (t / "tmp").c_str());
        qputenv("DISPLAY", ":4242"), qunsetenv("WAYLAND_DISPLAY");
        const QString name = OneClient::name();
        qputenv("XDG_RUNTIME_DIR", runWas), qputenv("TMPDIR", tmpWas); // empty: as if unset
        QCOMPARE(name.isEmpty() ? "" : name.mid(d.path().size() + 1), socket);
    }

    // What the desktop's notification server is asked to show: the text as written, escaped only
    // for a server that reads the body as markup; a Join where it offers actions, which joins.
    void notificationsSayTheTextAsWritten_data() {
        QTest::addColumn<QStringList>("offers"); // the server's capabilities
        QTest::addColumn<QString>("link");
        QTest::addColumn<QString>("shown"); // the body | the actions
        const QString link = "tovo://join/qktre/127.0.0.1:27960";
        // clang-format off
        QTest::newRow("markup, actions") << QStringList{"body-markup", "actions"} << link << "&lt;OWL&gt;Raven is playing Quake III on Frag &amp; Beer (2/16) | default Join join Join";
        QTest::newRow("plain text, actions") << QStringList{"body", "actions"} << link << "<OWL>Raven is playing Quake III on Frag & Beer (2/16) | default Join join Join";
        QTest::newRow("markup, no link") << QStringList{"body-markup", "actions"} << "" << "&lt;OWL&gt;Raven is playing Quake III on Frag &amp; Beer (2/16) | ";
        QTest::newRow("no actions") << QStringList{"body"} << link << "<OWL>Raven is playing Quake III on Frag & Beer (2/16) | ";
        QTest::newRow("a server that never answers: the tray") << QStringList{"silent"} << link << "";
        // clang-format on
    }
    void notificationsSayTheTextAsWritten() {
        QFETCH(QStringList, offers);
        QFETCH(QString, link);
        QFETCH(QString, shown);
        if (bus.state() == QProcess::NotRunning) { // a session bus and a server of the test's own
            bus.start("dbus-daemon", {"--session", "--nofork", "--print-address"});
            QVERIFY(bus.waitForReadyRead(10000));
            qputenv("DBUS_SESSION_BUS_ADDRESS", bus.readLine().trimmed());
            QDBusConnection standIn = QDBusConnection::connectToBus(
                qEnvironmentVariable("DBUS_SESSION_BUS_ADDRESS"), "notifications");
            QVERIFY(standIn.registerService("org.freedesktop.Notifications"));
            QVERIFY(standIn.registerVirtualObject("/org/freedesktop/Notifications", &server));
        }
        server.offers = offers, server.asked.clear();
        Notifier notifier;
        QStringList joined;
        connect(&notifier, &Notifier::join, this, [&](const QString& l) { joined << l; });
        QElapsedTimer t;
        t.start();
        notifier.tell("<OWL>Raven is playing Quake III on Frag & Beer (2/16)", link);
        // A call that waited for the server would hold every window for D-Bus' 25 s.
        QVERIFY2(t.elapsed() < 1000, qPrintable(QString::number(t.elapsed())));
        if (shown.isEmpty()) {
            QTRY_COMPARE(notifier.lastWay(), Notifier::Way::Tray);
            return;
        }
        QTRY_COMPARE(server.asked, QStringList{shown});
        if (!shown.endsWith("Join")) return;
        QDBusConnection(QStringLiteral("notifications"))
            .send(QDBusMessage::createSignal("/org/freedesktop/Notifications",
                                             "org.freedesktop.Notifications", "ActionInvoked")
                  << uint(7) << "join");
        QTRY_COMPARE(joined, QStringList{link});
    }
    void cleanupTestCase() { bus.kill(), bus.waitForFinished(); }

    // Wine layouts as they are installed: whether 32-bit programs run is read from Wine's own
    // loaders and its 32-bit Windows side.
    void wineRuns32BitPrograms_data() {
        // clang-format off
        QTest::addColumn<QStringList>("files"); // path=elf32|elf64|dll|script|other|link:target
        QTest::addColumn<bool>("runs32");
        const QString debian = "bin/wine=script", wine64 = "lib/wine/wine64=elf64";
        // Debian without wine32 is the machine's own: tst_games.
        QTest::newRow("Debian, with wine32:i386") << QStringList{debian, wine64, "lib/x86_64-linux-gnu/wine/i386-windows/zlib1.dll=dll", "lib/wine/wine=elf32"} << true;
        QTest::newRow("WoW64 build") << QStringList{"bin/wine=elf64", "lib/wine/x86_64-windows/ntdll.dll=dll", "lib/wine/i386-windows/ntdll.dll=dll"} << true;
        QTest::newRow("64-bit build") << QStringList{"bin/wine=elf64", "lib/wine/x86_64-windows/ntdll.dll=dll"} << false;
        QTest::newRow("link to wine64, wine beside") << QStringList{"bin/wine=link:../lib/wine/wine64", wine64, "lib/wine/wine=elf32"} << true;
        QTest::newRow("link to wine64 alone") << QStringList{"bin/wine=link:../lib/wine/wine64", wine64} << false;
        QTest::newRow("a script naming nothing") << QStringList{"bin/wine=other"} << false;
        QTest::newRow("no wine") << QStringList{} << false;
        // clang-format on
    }

    void wineRuns32BitPrograms() {
        QFETCH(QStringList, files);
        QFETCH(bool, runs32);
        QTemporaryDir t;
        const fs::path root = t.path().toStdString();
        for (const QString& f : files) {
            const fs::path p = root / f.section('=', 0, 0).toStdString();
            const QString kind = f.section('=', 1);
            fs::create_directories(p.parent_path());
            if (kind.startsWith("link:"))
                fs::create_symlink(kind.mid(5).toStdString(), p);
            else if (kind == "script") // as Debian's /usr/bin/wine
                writeFile(p, "#!/bin/sh -e\nwine32=" + (root / "lib/wine/wine").string() +
                                 "\nwine64=" + (root / "lib/wine/wine64").string() +
                                 "\ntest -x $wine32 && exec $wine32 \"$@\"\n");
            else
                writeFile(p, kind == "elf32"   ? elf(1, 3)
                             : kind == "elf64" ? elf(2, 62)
                             : kind == "dll"   ? pe(0x8664)
                                               : "#!/bin/sh\nexec /bin/true\n");
        }
        QCOMPARE(wine::runs32Bit(root / "bin" / "wine"), runs32);
    }

    // A prefix is got ready only for a Windows game, and only with the Wine that made it.
    void warmsOnlyWhatItsWineMade() {
        QTemporaryDir d;
        const fs::path h = d.path().toStdString();
        prefix(h / "pfx", "");
        fs::create_directories(h / "settings");
        const Runner r{.prefix = h / "pfx", .wine = h / "bin/wine", .steamApp = {}};
        dirfile::store(h, *catalogue::byCode("qktre"), "c:", "cd c:\\Q3\\", "quake3.exe", r);
        using Case = std::tuple<std::string, std::string, size_t>; // stamp, program, warmed
        const std::string its = made(h);
        for (const auto& [stamp, program, warmed] :
             {Case{its, pe(0x8664), 1}, Case{"1\n", pe(0x8664), 0}, Case{its, "#!/bin/sh\n", 0}}) {
            writeFile(h / "pfx/.update-timestamp", stamp);
            writeProgram(h / "pfx/drive_c/Q3/quake3.exe", program);
            QCOMPARE(warmwine::prefixesToWarm(h, DriveTable({{'z', "/"}})).size(), warmed);
        }
    }

    void findsWhatIsThereAndNothingElse_data() {
        // clang-format off
        QTest::addColumn<Layout>("layout");   // the home's files, made in the home h
        QTest::addColumn<QStringList>("offered"); // code|where|program|prefix;wine;Steam, below the home
        auto row = [](const char* name, Layout layout, QStringList offered) { QTest::newRow(name) << layout << offered; };
        row("registry, both views, escapes", [](const fs::path& h) {
            prefix(h / ".wine", "[Software\\\\Wow6432Node\\\\Id\\\\Quake III Arena] 1\n\"InstallPath\"=\"C:\\\\Program Files (x86)\\\\Spi\\xe9le \\\"Q3\\\"\"\n"
                                "[Software\\\\LucasArts Entertainment Company LLC\\\\Star Wars JK II Jedi Outcast\\\\1.0] 2\n"
                                "@=\"x\"\n\"Install Path\"=str(2):\"c:\\\\jk2\"\n");
            writeProgram(h / ".wine/drive_c/Program Files (x86)/Spi\u00e9le \"Q3\"/quake3.exe");
            writeProgram(h / ".wine/drive_c/JK2/GameData/jk2mp.exe");
        }, {"qktre|Wine prefix ~/.wine|.wine/drive_c/Program Files (x86)/Spi\u00e9le \"Q3\"/quake3.exe|.wine;;",
            "jedio|Wine prefix ~/.wine|.wine/drive_c/JK2/GameData/jk2mp.exe|.wine;;"});
        const QString moh = "|Lutris: Medal of Honor (Wine lutris-7.2)|Lutris Games/moh/drive_c/";
        const QString runner = "|Lutris Games/moh;.local/share/lutris/runners/wine/lutris-7.2-x86_64/bin/wine;"; // not installed
        row("Lutris: its config's exe and prefix, the editions' folders, GOG's key", [](const fs::path& h) {
            prefix(h / "Lutris Games/moh", "[Software\\\\Wow6432Node\\\\GOG.com\\\\Games\\\\1228964594] 3\n\"PATH\"=\"C:\\\\GOG\\\\SOF2\"\n");
            for (const char* exe : {"Owls/MOHAA.exe", "Program Files (x86)/EA GAMES/MOHAA/moh_spearhead.exe", "GOG/SOF2/SoF2MP.exe"})
                writeProgram(h / "Lutris Games/moh/drive_c" / exe);
            writeProgram(h / ".config/lutris/games/medal-of-honor-1699999999.yml", "game:\n  arch: win64\n  exe: drive_c/Owls/MOHAA.exe\n  prefix: "
                    + (h / "Lutris Games/moh").string() + "\nsystem: {}\nwine:\n  version: lutris-7.2-x86_64\n");
            writeProgram(h / ".var/app/net.lutris.Lutris/data/lutris/games/quake-3-arena-1700000000.yml",
                    "game:\n  prefix: '" + (h / "q3").string() + "'\nwine:\n  version: system\n");
            q3at(h / "q3");
        }, {"mohaa" + moh + "Owls/MOHAA.exe" + runner, "softw" + moh + "GOG/SOF2/SoF2MP.exe" + runner,
            "mohsh" + moh + "Program Files (x86)/EA GAMES/MOHAA/moh_spearhead.exe" + runner,
            "qktre|Lutris: Quake 3 Arena (Wine system)|q3/drive_c/Games/Quake3/quake3.exe|q3;;"});
        row("Bottles: its runner, sys-wine, a placeholder", [](const fs::path& h) {
            const fs::path b = h / ".local/share/bottles/bottles";
            q3at(b / "q3");
            writeProgram(b / "q3/bottle.yml", "Name: Owl Arena\nRunner: caffe-7.20\nArch: win64\nEnvironment_Variables:\n  DXVK_HUD: fps\n  A: b c\n");
            q3at(h / "kept");
            writeProgram(h / "kept/bottle.yml", "Name: Kept\nRunner: sys-wine-9.0\nCustom_Path: true\n");
            writeProgram(h / ".var/app/com.usebottles.bottles/data/bottles/bottles/kept/placeholder.yml", "Path: " + (h / "kept").string() + "\n");
            QCOMPARE(launchers::environmentOf(b / "q3"), (std::vector<std::pair<std::string, std::string>>{{"DXVK_HUD", "fps"}, {"A", "b c"}}));
        }, {"qktre|Bottles: Owl Arena (Wine caffe-7.20)|.local/share/bottles/bottles/q3/drive_c/Games/Quake3/quake3.exe|"
            ".local/share/bottles/bottles/q3;.local/share/bottles/runners/caffe-7.20/bin/wine;",
            "qktre|Bottles: Kept (Wine system)|kept/drive_c/Games/Quake3/quake3.exe|kept;;"});
        row("PlayOnLinux and Heroic, not Heroic's Proton", [](const fs::path& h) {
            q3at(h / ".PlayOnLinux/wineprefix/Q3");
            writeProgram(h / ".PlayOnLinux/wineprefix/Q3/playonlinux.cfg", "ARCH=amd64\r\nVERSION=4.0.3\r\n");
            q3at(h / "hq");
            q3at(h / "hp");
            writeProgram(h / ".config/heroic/GamesConfig/owl.json", "{\"owl\": {\"winePrefix\": \"" + (h / "hq").string() +
                        "\", \"wineVersion\": {\"bin\": \"/opt/ge/bin/wine\", \"name\": \"Wine-GE\", \"type\": \"wine\"}}}");
            writeProgram(h / ".config/heroic/GamesConfig/pro.json", "{\"pro\": {\"winePrefix\": \"" + (h / "hp").string() +
                        "\", \"wineVersion\": {\"bin\": \"/p/proton\", \"name\": \"Proton\", \"type\": \"proton\"}}}");
        }, {"qktre|PlayOnLinux: Q3 (Wine 4.0.3)|.PlayOnLinux/wineprefix/Q3/drive_c/Games/Quake3/quake3.exe|"
            ".PlayOnLinux/wineprefix/Q3;.PlayOnLinux/wine/linux-amd64/4.0.3/bin/wine;",
            "qktre|Heroic: owl (Wine Wine-GE)|hq/drive_c/Games/Quake3/quake3.exe|hq;/opt/ge/bin/wine;"});
        row("Steam library named by libraryfolders.vdf, Proton's prefixes", [](const fs::path& h) {
            writeProgram(h / ".local/share/Steam/steamapps/libraryfolders.vdf",
                    "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" + (h / "disk2/Steam").string() + "\"\n\t}\n}\n");
            writeProgram(h / "disk2/Steam/steamapps/appmanifest_2200.acf", "\"AppState\"\n{\n\t\"appid\"\t\"2200\"\n\t\"installdir\"\t\"Quake 3 Arena\"\n}\n");
            writeProgram(h / "disk2/Steam/steamapps/common/Quake 3 Arena/quake3.exe");
            for (const char* app : {"2310", "999"}) // a game's prefix, and one left by a game gone
                q3at(h / "disk2/Steam/steamapps/compatdata" / app / "pfx");
            writeProgram(h / "disk2/Steam/steamapps/appmanifest_2310.acf", "\"AppState\" { \"installdir\" \"Quake\" }");
        }, {"qktre|Steam 2200|disk2/Steam/steamapps/common/Quake 3 Arena/quake3.exe|;;2200",
            "qktre|Steam 2310 (Proton)|disk2/Steam/steamapps/compatdata/2310/pfx/drive_c/Games/Quake3/quake3.exe|"
            "disk2/Steam/steamapps/compatdata/2310/pfx;;2310"});
        row("native engines on PATH, executable only", [](const fs::path& h) {
            writeProgram(h / "bin/quakespasm", elf(2, 62));
            writeProgram(h / "bin/darkplaces", "#!/bin/sh\n", fs::perms::owner_read); // not executable
            writeProgram(h / "bin/ioquake3", "MZ not a Linux program");
        }, {"qkone|installed engine|bin/quakespasm|;;"});
        row("200 MB registry without a line end", [](const fs::path& h) {
            prefix(h / ".wine", "");
            fs::resize_file(h / ".wine/system.reg", 200u << 20);
            std::ofstream(h / ".wine/system.reg", std::ios::app) << "\n" << q3;
        }, {});
        row("prefix without drive_c", [](const fs::path& h) { prefix(h / ".wine", q3), fs::remove_all(h / ".wine/drive_c"); }, {});
        row("dangling drive link", [](const fs::path& h) {
            prefix(h / ".wine", q3key + "\"InstallPath\"=\"D:\\\\Games\\\\Quake3\"\n");
            fs::create_directory_symlink(h / "gone", h / ".wine/dosdevices/d:");
        }, {});
        row("link loop in Lutris' folder", [](const fs::path& h) {
            fs::create_directories(h / "Games");
            fs::create_directory_symlink(h / "Games", h / "Games/loop");
        }, {});
        row("hostile .vdf", [](const fs::path& h) {
            writeProgram(h / ".local/share/Steam/steamapps/libraryfolders.vdf", std::string(100000, '{') + "\"path\" \"/\" \"1\" \"/etc\" \"path\" \"unterminated");
            writeProgram(h / ".local/share/Steam/steamapps/appmanifest_2200.acf", "\"installdir\" \"..\"");
            writeProgram(h / ".local/share/Steam/steamapps/quake3.exe");
            fs::create_directories(h / ".local/share/Steam/steamapps/common"); // so that "common/.." is a folder
        }, {});
        row("broken YAML and JSON", [](const fs::path& h) {
            q3at(h / "b");
            writeProgram(h / ".config/lutris/games/a.yml", "game:\n  prefix: [" + (h / "b").string());
            writeProgram(h / ".config/lutris/games/b.yml", std::string(100000, '[') + "x");
            writeProgram(h / ".config/lutris/games/c.yml", "game: " + (h / "b").string() + "\nwine: 7\n");
            writeProgram(h / ".local/share/bottles/bottles/b/bottle.yml", std::string("\0\xff: [", 5));
            writeProgram(h / ".config/heroic/GamesConfig/b.json", "{\"b\": {\"winePrefix\": \"" + (h / "b").string() + "\"");
        }, {});
        row("a 50 MB Lutris config, Steam's library past its first megabyte", [](const fs::path& h) {
            q3at(h / "b");
            writeProgram(h / ".config/lutris/games/b.yml", "game:\n  prefix: " + (h / "b").string() + "\nwine:\n  version: system\n");
            std::ofstream(h / ".config/lutris/games/b.yml", std::ios::app) << "#" << std::string(50u << 20, 'x') << "\n";
            writeProgram(h / ".steam/steam/steamapps/libraryfolders.vdf", "//" + std::string(1u << 20, 'x') + "\n\"path\" \"" + (h / "l").string() + "\"");
            writeProgram(h / "l/steamapps/appmanifest_2200.acf", "\"installdir\" \"Q3\"");
            writeProgram(h / "l/steamapps/common/Q3/quake3.exe");
        }, {});
        // clang-format on
    }

    void findsWhatIsThereAndNothingElse() {
        QFETCH(Layout, layout);
        QFETCH(QStringList, offered);
        QTemporaryDir tmp;
        const fs::path h = tmp.path().toStdString();
        writeProgram(h /
                     ".wine/drive_c/Games/Quake3/quake3.exe"); // found only where its key is read
        layout(h);
        installs::Search s;
        s.home = h;
        s.pathDirs = {h / "bin"};
        s.engineDirs = {};
        QStringList seen;
        auto below = [&](const fs::path& p) {
            return QString::fromStdString(
                (p.string().starts_with(h.string()) ? p.lexically_relative(h) : p).string());
        };
        for (const installs::Find& f : installs::find(s))
            seen << QString::fromLatin1(f.game->code) + "|" + QString::fromStdString(f.where) +
                        "|" + below(f.program) + "|" + below(f.runner.prefix) + ";" +
                        below(f.runner.wine) + ";" + QString::fromStdString(f.runner.steamApp);
        QCOMPARE(seen, offered);
        s.budget = std::chrono::milliseconds(0); // out of time: nothing but what costs no reading
        for (const installs::Find& f : installs::find(s))
            QCOMPARE(f.where, std::string("installed engine"));
    }
};

QTEST_MAIN(LogicTest)
#include "tst_logic.moc"
