// The program's files byte by byte: profile files, directory files, the batch file, page names,
// the batch runner that starts a game without a shell, and a download's names.
#include "browser/downloads.h"
#include "games/catalogue.h"
#include "games/dirfile.h"
#include "platform/batchrunner.h"
#include "platform/paths.h"
#include "platform/profile.h"
#include "platform/wine.h"
#include "servers/pagename.h"
#include "tests/fakes/fakes.h"

#include <QTemporaryDir>
#include <QTest>

class FilesTest final : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;
    std::filesystem::path file(const char* name) { return std::filesystem::path(tmp.path().toStdString()) / name; }
    static std::filesystem::path fakegame() { return qEnvironmentVariable("TOVO_FAKEGAME").toStdString(); }
    // The first bytes of a program: an ELF loader of a class (1: 32-bit, 2: 64-bit) and machine
    // (3: i386, 62: x86-64); a Windows program with its PE header at 0x80.
    static std::string elf(char cls, char machine)
    {
        return std::string("\x7f" "ELF", 4) + cls + '\x01' + std::string(12, '\0') + machine + std::string(45, '\0');
    }
    static std::string pe(unsigned machine)
    {
        std::string b = "MZ" + std::string(0x7e, '\0');
        b[0x3c] = '\x80';
        return b + std::string("PE\0\0", 4) + char(machine & 0xff) + char(machine >> 8) + std::string(16, '\0');
    }

private slots:
    void downloadNames_data()
    {
        QTest::addColumn<QString>("suggested");
        QTest::addColumn<QStringList>("there"); // in the folder before
        QTest::addColumn<bool>("meanwhile");    // the name taken while the file downloads
        QTest::addColumn<QString>("saved");
        const QString u = QString(200, QChar(0xfc)) + ".zip"; // 404 bytes in UTF-8
        QTest::newRow("control characters") << "pat\x01" "ch\x1b\u202e.zip" << QStringList{} << false << "patch.zip";
        QTest::newRow("a Windows path, leading blanks") << "C:\\Games\\  setup.exe" << QStringList{} << false << "setup.exe";
        QTest::newRow("taken, its (1) on its way") << "p.zip" << QStringList{"p.zip", "p (1).zip.part"} << false << "p (2).zip";
        QTest::newRow("taken while it downloads") << "p.zip" << QStringList{} << true << "p (1).zip";
        QTest::newRow("255 bytes with .part") << u << QStringList{} << false << QString(123, QChar(0xfc)) + ".zip";
        QTest::newRow("255 bytes, taken") << u << QStringList{QString(123, QChar(0xfc)) + ".zip"} << false
                                          << QString(121, QChar(0xfc)) + " (1).zip";
    }

    void downloadNames()
    {
        QFETCH(QString, suggested);
        QFETCH(QStringList, there);
        QFETCH(bool, meanwhile);
        QFETCH(QString, saved);
        QTemporaryDir d;
        const QDir dir(d.path());
        const auto put = [&](const QString& n, const char* bytes) { writeFile(dir.filePath(n).toStdString(), bytes); };
        for (const QString& n : there)
            put(n, "old");
        const QString name = downloads::chooseName(dir, suggested, [](const QString&) { return false; });
        put(downloads::partName(name), "new");
        if (meanwhile)
            put(name, "old"), there << name;
        QCOMPARE(downloads::finish(dir, downloads::partName(name), name), saved);
        QCOMPARE(readFile(dir.filePath(saved).toStdString()), QByteArray("new"));
        QVERIFY(!dir.exists(downloads::partName(name)));
        for (const QString& n : there)
            QVERIFY(n.endsWith(".part") || readFile(dir.filePath(n).toStdString()) == "old");
    }

    void writesCreateAndEditOnlyWhatTheyMust()
    {
        const auto f = file("a.ini");
        QVERIFY(profile::write("Saved", "Path", "0", f));
        QCOMPARE(readFile(f), QByteArray("[Saved]\r\nPath=0\r\n"));
        profile::write("Saved", "Other", "x", f); // a new key goes after the section's last line
        QCOMPARE(readFile(f), QByteArray("[Saved]\r\nPath=0\r\nOther=x\r\n"));
        profile::write("Quake", "Dir", "cd z:\\q\\", f); // a new section goes at the end
        QCOMPARE(readFile(f), QByteArray("[Saved]\r\nPath=0\r\nOther=x\r\n[Quake]\r\nDir=cd z:\\q\\\r\n"));
        profile::write("saved", "PATH", "1", f); // names without regard to case; value in place
        QCOMPARE(readFile(f), QByteArray("[Saved]\r\nPath=1\r\nOther=x\r\n[Quake]\r\nDir=cd z:\\q\\\r\n"));

        // Bytes a write does not edit stay as they were: blanks, comments, odd line ends.
        const auto g = file("b.ini");
        writeFile(g, "; keep me\n[One]\n REM=\n  key = old value \n\n[Two]\rx=1");
        profile::write("ONE", "Key", "new", g);
        profile::write("One", "added", "v", g);
        profile::write("two", "y", "2", g);
        QCOMPARE(readFile(g), QByteArray("; keep me\n[One]\n REM=\n  key =new\nadded=v\r\n\n[Two]\rx=1\r\ny=2\r\n"));
    }

    void readsCutDefaultAndAcceptEveryLineEnd()
    {
        const auto f = file("c.ini");
        for (const char* eol : {"\r\n", "\n", "\r"}) {
            writeFile(f, std::string("[Sec]") + eol + "Key=" + std::string(40, 'x') + eol + "[Next]" + eol +
                             "Key= spaced " + eol);
            QCOMPARE(profile::read("sec", "KEY", "d", 30, f), std::string(29, 'x'));
            QCOMPARE(profile::read("Next", "Key", "d", 30, f), std::string("spaced"));
            QCOMPARE(profile::read("Sec", "Missing", "name", 30, f), std::string("name"));
            QCOMPARE(profile::read("Nope", "Key", "name", 30, f), std::string("name"));
        }
        // The cut counts characters: never half of a UTF-8 letter; any other byte is one.
        writeFile(f, "[Sec]\r\nU=" + std::string(28, 'u') + "\xc3\xa9\xc3\xa9\r\nL=" + std::string(28, 'l') + "\xe9\xe9\r\n"
                         "B=" + std::string(27, 'b') + "\xe2\x82zz\r\n");
        QCOMPARE(profile::read("Sec", "U", "", 30, f), std::string(28, 'u') + "\xc3\xa9");
        QCOMPARE(profile::read("Sec", "L", "", 30, f), std::string(28, 'l') + "\xe9");
        QCOMPARE(profile::read("Sec", "B", "", 30, f), std::string(27, 'b') + "\xe2\x82"); // a broken letter: bytes
        QCOMPARE(profile::read("Sec", "Key", "name", 30, file("absent.ini")), std::string("name"));
        QCOMPARE(profile::read("Sec", "Key", std::string(40, 'd'), 30, file("absent.ini")), std::string(29, 'd'));
        // Garbage is no profile: the default comes back, nothing crashes.
        writeFile(f, std::string("\0\xff[\x01=\r\r\n=[]\n", 12));
        QCOMPARE(profile::read("Sec", "Key", "name", 30, f), std::string("name"));
    }

    void foldersMatchWithoutRegardToCase()
    {
        QTemporaryDir own;
        const std::filesystem::path base = own.path().toStdString();
        QVERIFY(paths::makeDir(base, "\\settings"));
        QVERIFY(paths::makeDir(base, "\\Settings")); // the same folder, already there
        QCOMPARE(paths::resolve(base, "\\Settings\\mohaa.con"), base / "settings" / "mohaa.con");
        QCOMPARE(std::distance(std::filesystem::directory_iterator(base), {}), 1);
    }

    void aFailedWriteLosesNothing()
    {
        // A folder that is not there: the write fails, and nothing is made on the way.
        QVERIFY(!profile::write("A", "k", "1", file("missing/x.ini")));
        QVERIFY(!std::filesystem::exists(file("missing")));
        // A folder where the file should be: left alone, and no temporary file stays behind.
        QTemporaryDir own;
        const std::filesystem::path f = std::filesystem::path(own.path().toStdString()) / "dir.ini";
        std::filesystem::create_directory(f);
        QVERIFY(!profile::write("A", "k", "1", f));
        QVERIFY(std::filesystem::is_directory(f));
        QCOMPARE(std::distance(std::filesystem::directory_iterator(f.parent_path()), {}), 1);
        QCOMPARE(profile::read("A", "k", "name", 30, f), std::string("name"));
    }

    void directoryFileStates()
    {
        QTemporaryDir tmp;
        const std::filesystem::path dir = tmp.path().toStdString();
        paths::makeDir(dir, "\\settings");
        const Game& g = *catalogue::byCode("mohaa");
        const auto file = dir / "settings" / "mohaa.con";

        dirfile::create(dir, g);
        // A folder deeper than 259 characters comes back cut to a path's length.
        const std::string deep = "cd c:\\" + std::string(300, 'd') + "\\";
        dirfile::store(dir, g, "c: [/home/member/.wine/drive_c]", deep, "MOHAA.exe");
        QCOMPARE(dirfile::read(dir, g).dir, deep.substr(0, 259));
        // Where the installer puts the game: read back whole.
        dirfile::store(dir, g, "c: [/home/member/.wine/drive_c]", "cd c:\\Program Files (x86)\\EA Games\\MOHAA\\", "MOHAA.exe");
        QVERIFY(readFile(file).contains("Dir=cd c:\\Program Files (x86)\\EA Games\\MOHAA\\\r\n"));
        dirfile::Record r = dirfile::read(dir, g);
        QCOMPARE(r.path + "|" + r.drive + "|" + r.dir, std::string("1|c: [/home/member/.wine/drive_c]|cd c:\\Program Files (x86)\\EA Games\\MOHAA\\"));

        // The first run over a set file only turns Path to 0; the game's record stays.
        dirfile::create(dir, g);
        QVERIFY(readFile(file).endsWith("[Saved]\r\nPath=0\r\n"));
        QVERIFY(readFile(file).contains("File=MOHAA.exe"));
    }
    void pageNameCut()
    {
        const QString longest = QString(32762, QLatin1Char('1'));
        const QStringList cases[] = { // name, its game's code, the address
            {"viewservers.htm", "views", "ervers"}, {"qktre127.0.0.1:27960.htm", "qktre", "127.0.0.1:27960"},
            {"mohaaowls.example.net:12203.htm", "mohaa", "owls.example.net:12203"}, {"untor.htm", "untor", ""},
            {"untr.htm", "", ""}, {"", "", ""}, {"night" + longest + ".htm", "night", longest}, {"night" + longest + "1.htm", "", ""}};
        for (const QStringList& c : cases) {
            const PageName p = cutPageName(c[0]);
            QCOMPARE((QStringList{p.full, p.code, p.address}), c);
        }
    }

    void runnerStartsTheGameWithNoShell()
    {
        QVERIFY2(!fakegame().empty(), "TOVO_FAKEGAME names the helper game");
        QTemporaryDir tmp;
        const std::filesystem::path root = tmp.path().toStdString();
        std::filesystem::create_directories(root / "game dir");
        std::filesystem::copy_file(fakegame(), root / "game dir" / "Game.EXE"); // the case differs from the batch file
        const auto log = root / "game dir" / "fakegame.log";
        const DriveTable drives({{'d', root}});
        // Everything a shell would act on reaches the game as plain words.
        const std::string address = "1.2.3.4:1;touch${IFS}pwned&&echo>x|true$(touch${IFS}pwned2)`id`";
        writeFile(root / "q.bat", "[Quake III]\r\ncd\\\r\n REM=\r\nd:\r\n REM=\r\ncd d:\\GAME DIR\\\r\n REM=\r\n"
                                  "game.exe +set cl_playintro 0 +connect " + address + "\r\n REM=\r\n");
        // "cd d:\GAME DIR\" holds a blank: cd takes the rest of its line, as the command
        // interpreter does.
        QCOMPARE(batch::run(root / "q.bat", drives), batch::Outcome::Started);
        (void)QTest::qWaitFor([&] { return std::filesystem::exists(log); }, 10000);
        QCOMPARE(readFile(log), QByteArray("+set\ncl_playintro\n0\n+connect\n") + address.c_str() +
                                    "\ncwd=" + (root / "game dir").c_str() + "\n");
        for (const char* stray : {"pwned", "pwned2", "x"}) {
            QVERIFY(!std::filesystem::exists(root / stray));
            QVERIFY(!std::filesystem::exists(root / "game dir" / stray));
        }
        // Only the first program line ever starts anything.
        QCOMPARE(batch::parse("d:\r\ncd \\game dir\r\ngame.exe a\r\ngame.exe b\r\n", drives, 'd').launch->arguments,
                 std::vector<std::string>{"a"});
        // A program or a folder that is not there starts nothing, and says which; so does a
        // Windows program where Wine is missing, or a 32-bit one where the Wine on PATH runs only
        // 64-bit ones.
        std::filesystem::create_directory(root / "bin");
        writeFile(root / "bin" / "wine", elf(2, 62));
        std::filesystem::permissions(root / "bin" / "wine", std::filesystem::perms::owner_all);
        writeFile(root / "game dir" / "win16.exe", "MZ\x90");
        writeFile(root / "game dir" / "win.exe", pe(0x014c));
        const QByteArray path = qgetenv("PATH");
        const std::tuple<std::string, std::string, batch::Outcome> cases[] = { // lines, PATH, outcome
            {"cd d:\\game dir\\\r\nmissing.exe", path.toStdString(), batch::Outcome::ProgramMissing},
            {"cd d:\\gone\\\r\ngame.exe", path.toStdString(), batch::Outcome::FolderMissing},
            {"cd d:\\game dir\\\r\nwin16.exe", "/nonexistent", batch::Outcome::NeedsWine},
            {"cd d:\\game dir\\\r\nwin.exe", (root / "bin").string(), batch::Outcome::Needs32BitWine}};
        for (const auto& [lines, bin, outcome] : cases) {
            writeFile(root / "x.bat", "d:\r\n" + lines + " +connect x\r\n");
            qputenv("PATH", bin.c_str());
            QCOMPARE(batch::run(root / "x.bat", drives), outcome);
        }
        qputenv("PATH", path);
    }

    // Wine layouts as they are installed: whether 32-bit programs run is read from Wine's own
    // loaders and its 32-bit Windows side.
    void wineRuns32BitPrograms_data()
    {
        QTest::addColumn<QStringList>("files"); // path=elf32|elf64|dll|script|other|link:target
        QTest::addColumn<bool>("runs32");
        const QString debian = "bin/wine=script", wine64 = "lib/wine/wine64=elf64";
        const QString lone = "lib/x86_64-linux-gnu/wine/i386-windows/zlib1.dll=dll"; // as Debian's 64-bit half has
        QTest::newRow("Debian, without wine32") << QStringList{debian, wine64, lone} << false;
        QTest::newRow("Debian, with wine32:i386") << QStringList{debian, wine64, lone, "lib/wine/wine=elf32"} << true;
        QTest::newRow("Debian, wine32 only") << QStringList{debian, "lib/wine/wine=elf32"} << true;
        QTest::newRow("WoW64 build") << QStringList{"bin/wine=elf64", "lib/wine/x86_64-windows/ntdll.dll=dll", "lib/wine/i386-windows/ntdll.dll=dll"} << true;
        QTest::newRow("64-bit build") << QStringList{"bin/wine=elf64", "lib/wine/x86_64-windows/ntdll.dll=dll"} << false;
        QTest::newRow("link to wine64, wine beside") << QStringList{"bin/wine=link:../lib/wine/wine64", wine64, "lib/wine/wine=elf32"} << true;
        QTest::newRow("link to wine64 alone") << QStringList{"bin/wine=link:../lib/wine/wine64", wine64} << false;
        QTest::newRow("a script naming nothing") << QStringList{"bin/wine=other"} << false;
        QTest::newRow("no wine") << QStringList{} << false;
    }

    void wineRuns32BitPrograms()
    {
        QFETCH(QStringList, files);
        QFETCH(bool, runs32);
        QTemporaryDir t;
        const std::filesystem::path root = t.path().toStdString();
        for (const QString& f : files) {
            const std::filesystem::path p = root / f.section('=', 0, 0).toStdString();
            const QString kind = f.section('=', 1);
            std::filesystem::create_directories(p.parent_path());
            if (kind.startsWith("link:"))
                std::filesystem::create_symlink(kind.mid(5).toStdString(), p);
            else if (kind == "script") // as Debian's /usr/bin/wine
                writeFile(p, "#!/bin/sh -e\nwine32=" + (root / "lib/wine/wine").string() + "\nwine64=" +
                                 (root / "lib/wine/wine64").string() + "\ntest -x $wine32 && exec $wine32 \"$@\"\n");
            else
                writeFile(p, kind == "elf32" ? elf(1, 3) : kind == "elf64" ? elf(2, 62) : kind == "dll" ? pe(0x8664) : "#!/bin/sh\nexec /bin/true\n");
        }
        QCOMPARE(wine::runs32Bit(root / "bin" / "wine"), runs32);
    }

    void windowsProgramsMachine()
    {
        std::string ne = pe(0x014c), far = pe(0x014c);
        ne[0x80] = 'N';   // a 16-bit program
        far[0x3d] = 0x7f; // its header past the file's end
        const std::pair<std::string, int> cases[] = {{pe(0x014c), 0x014c}, {pe(0x8664), 0x8664},
            {pe(0x014c).substr(0, 0x80), 0}, {ne, 0}, {far, 0}, {elf(1, 3), 0}, {"", 0}};
        for (const auto& [bytes, machine] : cases) {
            writeFile(file("p.exe"), bytes);
            QCOMPARE(int(wine::machineOf(file("p.exe"))), machine);
        }
    }
};

QTEST_GUILESS_MAIN(FilesTest)
#include "tst_files.moc"
