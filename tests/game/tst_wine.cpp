// Connect to Server with Debian's real Wine: stand-in Windows games (built with MinGW, 64-bit and
// 32-bit) in a fresh Wine prefix, in the folder the game's installer chooses, blanks and
// parentheses included; what each game itself was told by Windows. A downloaded Windows program
// started by the download window's Run.
#include "browser/downloadwindow.h"
#include "games/catalogue.h"
#include "games/dirfile.h"
#include "servers/viewservers.h"
#include "tests/fakes/fakes.h"

#include <QDir>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

#include <csignal>

namespace fs = std::filesystem;

namespace {
// Runs a Wine command to its end, a minute at most: a Wine that hangs fails the test, and the
// process goes with it.
int run(const QString& program, const QStringList& args)
{
    QProcess p;
    p.start(program, args);
    return p.waitForFinished(60000) && p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -1;
}
} // namespace

class WineTest final : public QObject {
    Q_OBJECT
    QTemporaryDir prefix;
    fs::path folder; // C:\Program Files (x86)\EA Games\MOHAA

private slots:
    void initTestCase()
    {
        qputenv("WINEPREFIX", prefix.path().toUtf8());
        qputenv("WINEDEBUG", "-all");
        qputenv("WINEDLLOVERRIDES", "mscoree,mshtml="); // no offers to install Mono or Gecko
        QVERIFY2(run("wineboot", {"-i"}) == 0, "wine is installed");
        folder = fs::path(prefix.path().toStdString()) / "drive_c" / "Program Files (x86)" / "EA Games" / "MOHAA";
        fs::create_directories(folder);
    }

    void cleanupTestCase()
    {
        run("wineserver", {"-k"});
        run("wineserver", {"-w"});
        // A game started where none should be (a 32-bit one on a 64-bit-only Wine hangs, outside
        // the Wine server) goes too: nothing of the test outlives it.
        for (const QString& pid : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs))
            if (readFile("/proc/" + pid.toStdString() + "/cmdline").contains(prefix.path().toUtf8()))
                ::kill(pid.toInt(), SIGKILL);
    }

    void connectStartsTheGameItsFolderAndItsServer_data()
    {
        QTest::addColumn<QString>("standIn");
        QTest::newRow("64-bit") << "TOVO_WINGAME64";
        QTest::newRow("32-bit") << "TOVO_WINGAME32";
    }

    void connectStartsTheGameItsFolderAndItsServer()
    {
        QFETCH(QString, standIn);
        const fs::path built = qEnvironmentVariable(qPrintable(standIn)).toStdString();
        QVERIFY2(fs::is_regular_file(built), "the stand-in games are built with MinGW (g++-mingw-w64)");
        const fs::path game = folder / "MOHAA.exe", log = folder / "wingame.log";
        fs::copy_file(built, game, fs::copy_options::overwrite_existing);
        fs::remove(log);
        // What this machine's Wine does with the program on its own is what the press must do.
        run("wine", {QString::fromStdString(game.string())});
        const bool runs = fs::exists(log);
        QVERIFY(runs || standIn == "TOVO_WINGAME32");
        fs::remove(log);

        Started h; // the first run done; then the program's own drives and batch runner
        const Services real = Services::real(h.dir());
        h.services.drives = real.drives;
        h.services.startBatch = real.startBatch;
        // As a Set stores it: the drive as the drive list shows it, "cd <folder>\", the file.
        const Drive* c = h.services.drives.find('c');
        QVERIFY(c);
        dirfile::store(h.dir(), *catalogue::byCode("mohaa"), DriveTable::text(*c),
                       "cd c:\\Program Files (x86)\\EA Games\\MOHAA\\", "MOHAA.exe");
        h.page("/ilnightowls/servers/s.htm", "mohaa127.0.0.1:12203.htm");
        auto& v = h.forms->as<viewservers>(QStringLiteral("viewservers"));
        v.brwWebBrowser->Navigate(h.services.host + "/ilnightowls/servers/s.htm");
        QTRY_COMPARE(v.Text3->text(), QStringLiteral("mohaa"));
        QTest::mouseClick(v.Command6, Qt::LeftButton);

        if (runs) {
            QTRY_VERIFY_WITH_TIMEOUT(fs::exists(log), 30000);
            const QList<QByteArray> seen = readFile(log).split('\n');
            QVERIFY2(seen.value(0).endsWith(" +set cl_playintro 0 +connect 127.0.0.1:12203"), seen.value(0));
            QCOMPARE(seen.value(1), QByteArray("cwd=C:\\Program Files (x86)\\EA Games\\MOHAA"));
            QVERIFY(h.boxes->seen.empty());
            return;
        }
        // Wine without its 32-bit part: the member is told what to install; nothing starts, and
        // Settings stays closed, since the folder is right.
        QCOMPARE(h.boxes->seen.size(), size_t(1));
        QCOMPARE(h.boxes->seen[0].title, QStringLiteral("32-bit Wine not installed.")); // its text is the tables' test
        QVERIFY(!h.forms->isShown(QStringLiteral("Settings")));
        run("wineserver", {"-w"});
        QVERIFY(!fs::exists(log));
    }

    void runStartsADownloadedProgram()
    {
        struct Whole final : Download { // a patch installer the engine has saved
            QString suggestedName() const override { return QStringLiteral("mohaa patch 1.11.exe"); }
            void save(const QString& folder, const QString& name, Events events) override
            {
                fs::copy_file(qEnvironmentVariable("TOVO_WINGAME64").toStdString(), (folder + '/' + name).toStdString());
                events.ended(End::Whole, {});
            }
            void cancel() override {}
        };
        QTemporaryDir home; // no download folder there: the file lands in the home folder
        qputenv("HOME", home.path().toUtf8());
        Started h;
        DownloadWindow* w = DownloadWindow::start(*h.forms, std::make_unique<Whole>());
        QVERIFY(w->run->isVisible()); // a Windows program: the member can run it
        QTest::mouseClick(w->run, Qt::LeftButton);
        const fs::path log = home.path().toStdString() + "/wingame.log";
        QTRY_VERIFY_WITH_TIMEOUT(fs::exists(log), 30000);
        QVERIFY2(readFile(log).contains("mohaa patch 1.11.exe"), readFile(log));
        QVERIFY(h.boxes->seen.empty());
    }
};

QTEST_MAIN(WineTest)
#include "tst_wine.moc"
