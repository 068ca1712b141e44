#include "games/dirfile.h"
#include "platform/paths.h"
#include "servers/viewservers.h"
#include "tests/fakes/fakes.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

// viewservers with its pane on a given page, over a program directory after the first run.
struct ServerList : Harness {
    viewservers* v = nullptr;
    ServerList()
    {
        allPages();
        forms->show(QStringLiteral("Login"));
        forms->show(QStringLiteral("viewservers"));
        v = &forms->as<viewservers>(QStringLiteral("viewservers"));
    }
    void open(const QString& name)
    {
        page("/ilnightowls/servers/" + name, name);
        v->brwWebBrowser->Navigate("owls.test/ilnightowls/servers/" + name);
        QTRY_COMPARE(v->Text2->text(), name);
    }
    QByteArray bat(const char* code) { return readFile(dir() / "settings" / (std::string(code) + ".bat")); }
    void connect() { QTest::mouseClick(v->Command6, Qt::LeftButton); }
};

class ViewServersTest final : public QObject {
    Q_OBJECT

private slots:
    void thePageShownChoosesTheServer()
    {
        ServerList s;
        QTRY_COMPARE(s.v->Text3->text(), QStringLiteral("views"));
        QCOMPARE(s.v->Text1->text(), QStringLiteral("ervers"));
        QCOMPARE(s.v->Command6->text(), QStringLiteral("Connect to Server"));
        s.open("qktre127.0.0.1:27960.htm");
        QCOMPARE(s.v->Text3->text(), QStringLiteral("qktre"));
        QCOMPARE(s.v->Text1->text(), QStringLiteral("127.0.0.1:27960"));
        s.v->brwWebBrowser->GoBack();
        QTRY_COMPARE(s.v->Text3->text(), QStringLiteral("views"));
        // Hidden and shown again, the choice stays.
        s.open("mohaa10.0.0.7:12203.htm");
        s.forms->hide("viewservers");
        s.forms->show("viewservers");
        QCOMPARE(s.v->Text1->text(), QStringLiteral("10.0.0.7:12203"));
    }

    void connectWritesTheBatchFileAndStartsIt()
    {
        ServerList s;
        const Game& q3 = *catalogue::byCode("qktre");
        const QByteArray firstRun("[Saved]\r\nPath=0\r\n");

        // Before any page completes: nothing at all.
        s.v->Text3->clear();
        s.connect();
        QVERIFY(s.boxes->seen.empty());

        QTRY_COMPARE(s.v->Text3->text(), QStringLiteral("views"));
        s.connect();
        QCOMPARE(s.boxes->seen.back().prompt, QStringLiteral("You must select a server to join."));
        QCOMPARE(s.boxes->seen.back().title, QStringLiteral("Select Server."));

        // Not set: told so, then the settings window; nothing written or started.
        s.open("qktre127.0.0.1:27960.htm");
        s.connect();
        QCOMPARE(s.boxes->seen.back().prompt, QStringLiteral("Please configure game directories, before connecting to game."));
        QCOMPARE(s.boxes->seen.back().title, QStringLiteral("Directories not set."));
        QCOMPARE(s.boxes->seen.back().icon, msgbox::Icon::None);
        QVERIFY(s.forms->isShown("Settings"));
        QCOMPARE(s.bat("qktre"), firstRun);
        QVERIFY(s.started.empty());

        // Set: the nine lines, then the batch file is started; twice means twice.
        dirfile::store(s.dir(), q3, "z: [/]", "cd z:\\games\\q3\\", "quake3.exe");
        s.connect();
        const QByteArray nine = "[Quake III]\r\ncd\\\r\n REM=\r\nz: [/]\r\n REM=\r\ncd z:\\games\\q3\\\r\n REM=\r\n"
                                "quake3.exe +set cl_playintro 0 +connect 127.0.0.1:27960\r\n REM=\r\n";
        QCOMPARE(s.bat("qktre"), nine);
        s.connect();
        QCOMPARE(s.bat("qktre"), nine);
        QCOMPARE(s.started.size(), size_t(2));
        QCOMPARE(s.started[0], catalogue::batchFile(s.dir(), q3));
        QCOMPARE(s.v->Text4->text(), QStringLiteral("1"));

        // A long folder is cut to 29 characters; an empty address leaves the closing blank.
        dirfile::store(s.dir(), q3, "z: [/]", "cd z:\\home\\member\\games\\quake3\\", "quake3.exe");
        s.open("qktre.htm");
        s.connect();
        QCOMPARE(s.bat("qktre"), QByteArray("[Quake III]\r\ncd\\\r\n REM=\r\nz: [/]\r\n REM=\r\ncd z:\\home\\member\\games\\quake\r\n"
                                            " REM=\r\nquake3.exe +set cl_playintro 0 +connect \r\n REM=\r\n"));

        // A missing directory file counts as set: "name" everywhere.
        paths::removeFile(catalogue::directoryFile(s.dir(), *catalogue::byCode("rwolf")));
        s.open("rwolf192.168.0.9:27960.htm");
        s.connect();
        QCOMPARE(s.bat("rwolf"), QByteArray("[Return to Castle Wolfenstein]\r\ncd\\\r\n REM=\r\nname\r\n REM=\r\nname\r\n"
                                            " REM=\r\nname +set cl_playintro 0 +connect 192.168.0.9:27960\r\n REM=\r\n"));

        // Unknown or differently cased codes: nothing written, nothing shown.
        const size_t boxes = s.boxes->seen.size(), starts = s.started.size();
        for (const char* name : {"QKTRE127.0.0.1:27960.htm", "abcde1.2.3.4:5.htm", "tiny.htm"}) {
            s.open(name);
            s.connect();
        }
        QCOMPARE(s.boxes->seen.size(), boxes);
        QCOMPARE(s.started.size(), starts);
        QCOMPARE(s.bat("mohaa"), firstRun);
    }
};

QTEST_MAIN(ViewServersTest)
#include "tst_viewservers.moc"
