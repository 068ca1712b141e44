#include "platform/paths.h"
#include "platform/profile.h"
#include "servers/batchfile.h"
#include "tests/fakes/fakes.h"

#include <QTemporaryDir>
#include <QTest>


class ProfileTest final : public QObject {
    Q_OBJECT
    QTemporaryDir tmp;
    std::filesystem::path file(const char* name) { return std::filesystem::path(tmp.path().toStdString()) / name; }

private slots:
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
        QCOMPARE(profile::read("Sec", "Key", "name", 30, file("absent.ini")), std::string("name"));
        QCOMPARE(profile::read("Sec", "Key", std::string(40, 'd'), 30, file("absent.ini")), std::string(29, 'd'));
        // Garbage is no profile: the default comes back, nothing crashes.
        writeFile(f, std::string("\0\xff[\x01=\r\r\n=[]\n", 12));
        QCOMPARE(profile::read("Sec", "Key", "name", 30, f), std::string("name"));
    }

    void batchFileIsNineExactLines()
    {
        const auto f = file("qktre.bat");
        writeFile(f, "[Saved]\r\nPath=0\r\n"); // what the first run left: replaced whole
        batchfile::write(f, "Quake III", "z: [/]", "cd z:\\games\\q3\\", "quake3.exe", "10.0.0.1:27960");
        QCOMPARE(readFile(f), QByteArray("[Quake III]\r\n"
                                          "cd\\\r\n"
                                          " REM=\r\n"
                                          "z: [/]\r\n"
                                          " REM=\r\n"
                                          "cd z:\\games\\q3\\\r\n"
                                          " REM=\r\n"
                                          "quake3.exe +set cl_playintro 0 +connect 10.0.0.1:27960\r\n"
                                          " REM=\r\n"));
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
        const auto f = file("missing/x.ini");
        QVERIFY(!profile::write("A", "k", "1", f));
        QVERIFY(!std::filesystem::exists(f.parent_path()));
    }

    void aFolderWhereTheFileShouldBeIsLeftAlone()
    {
        const auto f = file("dir.ini");
        std::filesystem::create_directory(f);
        QVERIFY(!profile::write("A", "k", "1", f));
        QVERIFY(std::filesystem::is_directory(f));
        QCOMPARE(profile::read("A", "k", "name", 30, f), std::string("name"));
    }
};

QTEST_GUILESS_MAIN(ProfileTest)
#include "tst_profile.moc"
