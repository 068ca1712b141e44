// Where the client keeps its files: its own folder when it is a portable install, else the
// member's data folder, made on the first start; the web host from the member's host.con, else
// the system's; and a data folder that cannot be made, which the member is told about.
#include "app/login.h"
#include "platform/filesfolder.h"
#include "tests/fakes/fakes.h"

#include <QLineEdit>
#include <QTest>

namespace fs = std::filesystem;

class FilesFolderTest final : public QObject {
    Q_OBJECT

private slots:
    void choose_data()
    {
        QTest::addColumn<QString>("program"); // below the test's folder, or absolute
        QTest::addColumn<QString>("dataHome");
        QTest::addColumn<QString>("expected");
        QTest::newRow("portable: its own folder") << "prog" << "data" << "prog";
        QTest::newRow("under /usr") << "/usr/lib/tovo" << "data" << "data/tovo";
        QTest::newRow("a link into /usr") << "usrlink" << "data" << "data/tovo";
        QTest::newRow("data home not there yet") << "/usr/lib/tovo" << "home/.local/share" << "home/.local/share/tovo";
    }
    void choose()
    {
        QFETCH(QString, program);
        QFETCH(QString, dataHome);
        QFETCH(QString, expected);
        QTemporaryDir tmp;
        const fs::path base = tmp.path().toStdString();
        fs::create_directory(base / "prog");
        fs::create_directory_symlink("/usr/lib", base / "usrlink");
        const FilesFolder f = FilesFolder::choose(base / program.toStdString(), base / dataHome.toStdString());
        QCOMPARE(QString::fromStdString(f.dir.string()), QString::fromStdString((base / expected.toStdString()).string()));
        QCOMPARE(f.own, expected == QLatin1String("prog"));
        QCOMPARE(fs::is_directory(f.dir), true);
        QCOMPARE(fs::exists(base / dataHome.toStdString()), !f.own); // a portable install makes nothing elsewhere
        QVERIFY(f.problem.isEmpty());
    }

    void dataHome_data()
    {
        QTest::addColumn<QByteArray>("xdg");
        QTest::addColumn<QString>("expected");
        QTest::newRow("XDG_DATA_HOME") << QByteArray("/srv/member/share") << "/srv/member/share";
        QTest::newRow("unset") << QByteArray() << "/home/member/.local/share";
        QTest::newRow("relative: ignored") << QByteArray("share") << "/home/member/.local/share";
    }
    void dataHome()
    {
        QFETCH(QByteArray, xdg);
        QFETCH(QString, expected);
        qputenv("HOME", "/home/member");
        xdg.isNull() ? qunsetenv("XDG_DATA_HOME") : qputenv("XDG_DATA_HOME", xdg);
        QCOMPARE(QString::fromStdString(FilesFolder::dataHome().string()), expected);
    }

    // The member's host.con, else the system's, else the built-in host; a portable install
    // reads only its own.
    void host_data()
    {
        QTest::addColumn<QString>("member");
        QTest::addColumn<QString>("system");
        QTest::addColumn<bool>("installed");
        QTest::addColumn<QString>("expected");
        QTest::newRow("member's") << "owls.example.net:80" << "lantern.example.net" << true << "owls.example.net:80";
        QTest::newRow("system's") << "" << "lantern.example.net" << true << "lantern.example.net";
        QTest::newRow("built-in") << "" << "" << true << "127.0.0.1:8790";
        QTest::newRow("portable: own only") << "" << "lantern.example.net" << false << "127.0.0.1:8790";
    }
    void host()
    {
        QFETCH(QString, member);
        QFETCH(QString, system);
        QFETCH(bool, installed);
        QFETCH(QString, expected);
        QTemporaryDir m, s;
        if (!member.isEmpty())
            writeFile(m.path().toStdString() + "/host.con", "[Web]\r\nHost=" + member.toStdString() + "\r\n");
        if (!system.isEmpty())
            writeFile(s.path().toStdString() + "/Host.con", "[web]\nhost=" + system.toStdString() + "\n");
        const fs::path systemDir = installed ? s.path().toStdString() : "";
        QCOMPARE(Services::real(m.path().toStdString(), systemDir).host, expected);
    }

    // A file where the data folder should be: said once, at start, and the login window still
    // comes up; the file keeps its bytes.
    void dataFolderCannotBeMade()
    {
        QTemporaryDir tmp;
        const fs::path data = tmp.path().toStdString();
        writeFile(data / "tovo", "mine");
        const FilesFolder f = FilesFolder::choose("/usr/lib/tovo", data);
        Harness h(QString::fromStdString(f.dir.string()));
        f.tell(h.services);
        QCOMPARE(h.boxes->seen.size(), size_t(1));
        const Box& box = h.boxes->seen[0];
        QCOMPARE(box.title, QStringLiteral("Cannot save"));
        QCOMPARE(box.icon, msgbox::Icon::Critical);
        QCOMPARE(box.buttons, msgbox::Buttons::Ok);
        QVERIFY2(box.prompt.contains(QString::fromStdString((data / "tovo").string())), qPrintable(box.prompt));
        QVERIFY2(box.prompt.contains(QStringLiteral("cannot save your alias")), qPrintable(box.prompt));
        h.forms->show(QStringLiteral("Login"));
        QVERIFY(h.forms->get(QStringLiteral("Login")).isVisible());
        QCOMPARE(h.child<QLineEdit>(QStringLiteral("Login"), QStringLiteral("Text1"))->text(), QStringLiteral("Type here"));
        QCOMPARE(readFile(data / "tovo"), QByteArray("mine"));
    }
};

QTEST_MAIN(FilesFolderTest)
#include "tst_filesfolder.moc"
