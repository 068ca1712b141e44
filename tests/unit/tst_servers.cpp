#include "platform/batchrunner.h"
#include "servers/pagename.h"
#include "tests/fakes/fakes.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

class ServersTest final : public QObject {
    Q_OBJECT

    static std::filesystem::path fakegame() { return qEnvironmentVariable("TOVO_FAKEGAME").toStdString(); }

private slots:
    void pageNameCut_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("code");
        QTest::addColumn<QString>("address");
        QTest::newRow("list page") << "viewservers.htm" << "views" << "ervers";
        QTest::newRow("server page") << "qktre127.0.0.1:27960.htm" << "qktre" << "127.0.0.1:27960";
        QTest::newRow("host name") << "mohaaowls.example.net:12203.htm" << "mohaa" << "owls.example.net:12203";
        QTest::newRow("nine characters") << "untor.htm" << "untor" << "";
        QTest::newRow("eight characters") << "untr.htm" << "" << "";
        QTest::newRow("empty") << "" << "" << "";
        QTest::newRow("longest") << QString(QStringLiteral("night") + QString(32762, QLatin1Char('1')) + ".htm")
                                 << "night" << QString(32762, QLatin1Char('1'));
        QTest::newRow("too long") << QString(QStringLiteral("night") + QString(32763, QLatin1Char('1')) + ".htm")
                                  << "" << "";
    }

    void pageNameCut()
    {
        QFETCH(QString, name);
        QFETCH(QString, code);
        QFETCH(QString, address);
        const PageName p = cutPageName(name);
        QCOMPARE(p.code, code);
        QCOMPARE(p.address, address);
        QCOMPARE(p.full, name);
    }

    void batchRunnerPlans()
    {
        QTemporaryDir tmp;
        const std::filesystem::path root = tmp.path().toStdString();
        std::filesystem::create_directories(root / "Games" / "Quake3");
        writeFile(root / "Games" / "Quake3" / "Quake3.EXE", "x");
        const DriveTable drives({{'c', root}, {'z', "/"}});

        // The launch's own nine lines; the folder and program differ in case from the disk.
        batch::Plan plan = batch::parse("[Quake III]\r\ncd\\\r\n REM=\r\nc: [" + root.string() +
                                            "]\r\n REM=\r\ncd c:\\games\\quake3\\\r\n REM=\r\n"
                                            "quake3.exe +set cl_playintro 0 +connect 1.2.3.4:27960\r\n REM=\r\n",
                                        drives, 'z');
        QVERIFY(plan.launch);
        QCOMPARE(plan.launch->program, root / "Games" / "Quake3" / "Quake3.EXE");
        QCOMPARE(plan.launch->workingDir, root / "Games" / "Quake3");
        QCOMPARE(plan.launch->arguments,
                 (std::vector<std::string>{"+set", "cl_playintro", "0", "+connect", "1.2.3.4:27960"}));
        QCOMPARE(plan.complaints.size(), size_t(1)); // the section line is no command

        // A missing program or folder: complaints, nothing to start.
        plan = batch::parse("c:\r\ncd c:\\nowhere\\\r\nname +set cl_playintro 0 +connect \r\n", drives, 'z');
        QVERIFY(!plan.launch);
        QCOMPARE(plan.complaints.size(), size_t(2));
        // A directory file that was never set: every value "name".
        plan = batch::parse("[Quake]\r\ncd\\\r\n REM=\r\nname\r\n REM=\r\nname\r\n REM=\r\nname +set x\r\n", drives, 'c');
        QVERIFY(!plan.launch);
        // Only the first program line ever starts anything.
        plan = batch::parse("c:\r\ncd \\games\\quake3\r\nquake3.exe a\r\nquake3.exe b\r\n", drives, 'z');
        QCOMPARE(plan.launch->arguments, std::vector<std::string>{"a"});
        QCOMPARE(plan.complaints.size(), size_t(1));
    }

    void runnerStartsTheGameWithNoShell()
    {
        QVERIFY2(!fakegame().empty(), "TOVO_FAKEGAME names the helper game");
        QTemporaryDir tmp;
        const std::filesystem::path root = tmp.path().toStdString();
        std::filesystem::create_directories(root / "game dir");
        std::filesystem::copy_file(fakegame(), root / "game dir" / "game.exe");
        const auto log = root / "game dir" / "fakegame.log";
        const DriveTable drives({{'d', root}});
        // Everything a shell would act on reaches the game as plain words.
        const std::string address = "1.2.3.4:1;touch${IFS}pwned&&echo>x|true$(touch${IFS}pwned2)`id`";
        writeFile(root / "q.bat", "[Quake III]\r\ncd\\\r\n REM=\r\nd:\r\n REM=\r\ncd d:\\GAME DIR\\\r\n REM=\r\n"
                                  "game.exe +set cl_playintro 0 +connect " + address + "\r\n REM=\r\n");
        qputenv("TOVO_FAKEGAME_LOG", QByteArray());
        // "cd d:\GAME DIR\" holds a blank: cd takes the rest of its line, as the command
        // interpreter does.
        QVERIFY(batch::run(root / "q.bat", drives));
        QElapsedTimer t;
        t.start();
        while (!std::filesystem::exists(log) && t.elapsed() < 10000)
            QThread::msleep(20);
        QCOMPARE(readFile(log), QByteArray("+set\ncl_playintro\n0\n+connect\n") + address.c_str() +
                                    "\ncwd=" + (root / "game dir").c_str() + "\n");
        for (const char* stray : {"pwned", "pwned2", "x"}) {
            QVERIFY(!std::filesystem::exists(root / stray));
            QVERIFY(!std::filesystem::exists(root / "game dir" / stray));
        }
        // A program that is not there starts nothing.
        writeFile(root / "m.bat", "d:\r\ncd d:\\game dir\\\r\nmissing.exe +connect x\r\n");
        QVERIFY(!batch::run(root / "m.bat", drives));
    }
};

QTEST_GUILESS_MAIN(ServersTest)
#include "tst_servers.moc"
