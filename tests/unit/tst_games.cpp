#include "games/catalogue.h"
#include "games/dirfile.h"
#include "platform/paths.h"
#include "tests/fakes/fakes.h"

#include <QTemporaryDir>
#include <QTest>

class GamesTest final : public QObject {
    Q_OBJECT

private slots:
    void lookupsAreExact()
    {
        QCOMPARE(catalogue::byCode("mohaa")->row, 1);
        QCOMPARE(catalogue::byCode("jedio")->section, "JKII - Jedi Outcast");
        for (const char* wrong : {"MOHAA", "Mohaa", " mohaa", "mohaa ", "views", "", "moha"})
            QVERIFY2(!catalogue::byCode(wrong), wrong);
        QCOMPARE(catalogue::byClearBox("Check11")->code, "mohbt"); // row 3's box is Check11
        QCOMPARE(catalogue::bySetButton("Command6")->code, "night");
        QCOMPARE(catalogue::bySetButton("Command1"), nullptr); // a clear button, no game's
        int row = 0;
        for (const Game& g : catalogue::games())
            QCOMPARE(g.row, ++row);
    }

    void directoryFileStates()
    {
        QTemporaryDir tmp;
        const std::filesystem::path dir = tmp.path().toStdString();
        paths::makeDir(dir, "\\settings");
        const Game& g = *catalogue::byCode("mohaa");
        const auto file = dir / "settings" / "mohaa.con";

        QCOMPARE(dirfile::read(dir, g).path, std::string("name")); // missing: every value "name"
        QCOMPARE(dirfile::read(dir, g).file, std::string("name"));

        dirfile::create(dir, g);
        QCOMPARE(readFile(file), QByteArray("[Saved]\r\nPath=0\r\n"));

        const std::string longDir = "cd z:\\home\\member\\games\\allied assault\\";
        dirfile::store(dir, g, "z: [/]", longDir, "MOHAA.exe");
        QCOMPARE(readFile(file), QByteArray("[Medal of Honor - Allied Assault]\r\nDrive=z: [/]\r\nDir=") +
                                     QByteArray::fromStdString(longDir) +
                                     "\r\nFile=MOHAA.exe\r\n[Saved]\r\nPath=1\r\n");
        dirfile::Record r = dirfile::read(dir, g);
        QCOMPARE(r.path, std::string("1"));
        QCOMPARE(r.dir, longDir.substr(0, 29)); // stored whole, read back cut
        QCOMPARE(r.drive, std::string("z: [/]"));

        // The first run over a set file only turns Path to 0; the game's record stays.
        dirfile::create(dir, g);
        QVERIFY(readFile(file).endsWith("[Saved]\r\nPath=0\r\n"));
        QVERIFY(readFile(file).contains("File=MOHAA.exe"));

        dirfile::reset(dir, g);
        QCOMPARE(readFile(file), QByteArray("[Saved]\r\nPath=0\r\n"));

        writeFile(file, "[Saved]\r\nPath=1\r\n"); // set, but no game section
        r = dirfile::read(dir, g);
        QCOMPARE(r.drive + r.dir + r.file, std::string("namenamename"));
    }
};

QTEST_GUILESS_MAIN(GamesTest)
#include "tst_games.moc"
