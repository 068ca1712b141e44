// Find Games over homes laid out as Wine, Lutris, Steam and Debian's engines leave them, the
// hostile ones included: what is offered, and that a bad file only shortens the list.
#include "installs/finder.h"
#include "tests/fakes/fakes.h"

#include <QTemporaryDir>
#include <fstream>
#include <QTest>

namespace fs = std::filesystem;

namespace {
const std::string elf = std::string("\x7f" "ELF", 4) + std::string(60, '\0');
// A prefix as wineboot leaves it: the registry, drive_c, c: and z: in dosdevices.
void prefix(const fs::path& p, const std::string& reg)
{
    fs::create_directories(p / "drive_c");
    fs::create_directories(p / "dosdevices");
    fs::create_directory_symlink("../drive_c", p / "dosdevices/c:");
    fs::create_directory_symlink("/", p / "dosdevices/z:");
    writeFile(p / "system.reg", "WINE REGISTRY Version 2\n;; All keys relative to \\\\Machine\n\n#arch=win64\n\n" + reg);
}
// Any file, its folders made.
void program(const fs::path& p, const std::string& bytes = "MZ", fs::perms perms = fs::perms::owner_all)
{
    fs::create_directories(p.parent_path());
    writeFile(p, bytes);
    fs::permissions(p, perms);
}
const std::string q3key = "[Software\\\\Wow6432Node\\\\Id\\\\Quake III Arena] 1701234567\n#time=1d9\n";
} // namespace

class InstallsTest final : public QObject {
    Q_OBJECT

private slots:
    void findsWhatIsThereAndNothingElse_data()
    {
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QStringList>("offered"); // code, where, program below home
        auto row = [](const char* name, const char* layout, QStringList offered) { QTest::newRow(name) << layout << offered; };
        row("registry, both views, escapes", "escapes",
            {"qktre|Wine prefix ~/.wine|.wine/drive_c/Program Files (x86)/Spi\u00e9le \"Q3\"/quake3.exe",
             "jedio|Wine prefix ~/.wine|.wine/drive_c/JK2/GameData/jk2mp.exe"});
        row("folders the editions install to, GOG's key", "folders",
            {"softw|Lutris ~/Games/moh|Games/moh/drive_c/GOG/SOF2/SoF2MP.exe",
             "mohaa|Lutris ~/Games/moh|Games/moh/drive_c/Program Files (x86)/EA GAMES/MOHAA/MOHAA.exe",
             "mohsh|Lutris ~/Games/moh|Games/moh/drive_c/Program Files (x86)/EA GAMES/MOHAA/moh_spearhead.exe"});
        row("Steam library named by libraryfolders.vdf", "steam",
            {"qktre|Steam library ~/disk2/Steam|disk2/Steam/steamapps/common/Quake 3 Arena/quake3.exe"});
        row("native engines on PATH, executable only", "engines", {"qkone|installed engine|bin/quakespasm"});
        row("truncated registry", "truncated", {});
        row("binary registry", "binary", {});
        row("200 MB registry without a line end", "huge", {});
        row("prefix without drive_c", "no drive_c", {});
        row("dangling drive link", "dangling", {});
        row("link loop in Lutris' folder", "loop", {});
        row("hostile .vdf", "hostile vdf", {});
    }

    void findsWhatIsThereAndNothingElse()
    {
        QFETCH(QString, layout);
        QFETCH(QStringList, offered);
        QTemporaryDir tmp;
        const fs::path h = tmp.path().toStdString();
        const std::string q3 = q3key + "\"InstallPath\"=\"C:\\\\Games\\\\Quake3\"\n";
        program(h / ".wine/drive_c/Games/Quake3/quake3.exe"); // found only where its key is read
        if (layout == "escapes") {
            prefix(h / ".wine", "[Software\\\\Wow6432Node\\\\Id\\\\Quake III Arena] 1\n\"InstallPath\"=\"C:\\\\Program Files (x86)\\\\Spi\\xe9le \\\"Q3\\\"\"\n"
                                "[Software\\\\LucasArts Entertainment Company LLC\\\\Star Wars JK II Jedi Outcast\\\\1.0] 2\n"
                                "@=\"x\"\n\"Install Path\"=str(2):\"c:\\\\jk2\"\n");
            program(h / ".wine/drive_c/Program Files (x86)/Spi\u00e9le \"Q3\"/quake3.exe");
            program(h / ".wine/drive_c/JK2/GameData/jk2mp.exe");
        } else if (layout == "folders") {
            prefix(h / "Games/moh", "[Software\\\\Wow6432Node\\\\GOG.com\\\\Games\\\\1228964594] 3\n\"PATH\"=\"C:\\\\GOG\\\\SOF2\"\n");
            program(h / "Games/moh/drive_c/Program Files (x86)/EA GAMES/MOHAA/MOHAA.exe");
            program(h / "Games/moh/drive_c/Program Files (x86)/EA GAMES/MOHAA/moh_spearhead.exe");
            program(h / "Games/moh/drive_c/GOG/SOF2/SoF2MP.exe");
        } else if (layout == "steam") {
            program(h / ".local/share/Steam/steamapps/libraryfolders.vdf",
                      "\"libraryfolders\"\n{\n\t\"0\"\n\t{\n\t\t\"path\"\t\t\"" + (h / "disk2/Steam").string() + "\"\n\t}\n}\n");
            program(h / "disk2/Steam/steamapps/appmanifest_2200.acf", "\"AppState\"\n{\n\t\"appid\"\t\"2200\"\n\t\"installdir\"\t\"Quake 3 Arena\"\n}\n");
            program(h / "disk2/Steam/steamapps/common/Quake 3 Arena/quake3.exe");
        } else if (layout == "engines") {
            program(h / "bin/quakespasm", elf);
            program(h / "bin/darkplaces", "#!/bin/sh\n", fs::perms::owner_read); // not executable
            program(h / "bin/ioquake3", "MZ not a Linux program");
        } else if (layout == "truncated") {
            prefix(h / ".wine", q3key + "\"InstallPath\"=\"C:\\\\Gam");
        } else if (layout == "binary") {
            prefix(h / ".wine", std::string("\0[\xff\x01\"\\", 7) + std::string(4096, '\x9c'));
        } else if (layout == "huge") {
            prefix(h / ".wine", "");
            fs::resize_file(h / ".wine/system.reg", 200u << 20);
            std::ofstream(h / ".wine/system.reg", std::ios::app) << "\n" << q3;
        } else if (layout == "no drive_c") {
            prefix(h / ".wine", q3);
            fs::remove_all(h / ".wine/drive_c");
        } else if (layout == "dangling") {
            prefix(h / ".wine", q3key + "\"InstallPath\"=\"D:\\\\Games\\\\Quake3\"\n");
            fs::create_directory_symlink(h / "gone", h / ".wine/dosdevices/d:");
        } else if (layout == "loop") {
            fs::create_directories(h / "Games");
            fs::create_directory_symlink(h / "Games", h / "Games/loop");
        } else if (layout == "hostile vdf") {
            program(h / ".local/share/Steam/steamapps/libraryfolders.vdf",
                      std::string(100000, '{') + "\"path\" \"/\" \"1\" \"/etc\" \"path\" \"unterminated");
            program(h / ".local/share/Steam/steamapps/appmanifest_2200.acf", "\"installdir\" \"..\"");
            program(h / ".local/share/Steam/steamapps/quake3.exe");
        }

        installs::Search s;
        s.home = h;
        s.pathDirs = {h / "bin"};
        s.engineDirs = {};
        QStringList seen;
        for (const installs::Find& f : installs::find(s))
            seen << QString::fromLatin1(f.game->code) + "|" + QString::fromStdString(f.where) + "|" +
                        QString::fromStdString(f.program.lexically_relative(h).string());
        QCOMPARE(seen, offered);
    }
};

QTEST_GUILESS_MAIN(InstallsTest)
#include "tst_installs.moc"
