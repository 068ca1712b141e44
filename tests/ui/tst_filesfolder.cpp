// Where the client keeps its files: its own folder when it is a portable install, else the
// member's data folder, made on the first start; the web host from the member's host.con, else
// the system's; and a data folder that cannot be made, which the member is told about.
#include "files/community.h"
#include "platform/filesfolder.h"
#include "tests/fakes/fakes.h"

#include <QLineEdit>
#include <QTest>

namespace fs = std::filesystem;

class FilesFolderTest final : public QObject {
    Q_OBJECT

private slots:
    void choose()
    {
        struct Row { std::string program, dataHome, expected; }; // below the test's folder, or absolute
        for (const Row& r : {Row{"prog", "data", "prog"}, Row{"/usr/lib/tovo", "data", "data/tovo"},
                             Row{"usrlink", "data", "data/tovo"}, // a link into /usr
                             Row{"/usr/lib/tovo", "home/.local/share", "home/.local/share/tovo"}}) {
            QTemporaryDir tmp;
            const fs::path base = tmp.path().toStdString();
            fs::create_directory(base / "prog");
            fs::create_directory_symlink("/usr/lib", base / "usrlink");
            const FilesFolder f = FilesFolder::choose(base / r.program, base / r.dataHome);
            QCOMPARE(f.dir, base / r.expected);
            QCOMPARE(f.own, r.expected == "prog");
            QVERIFY(fs::is_directory(f.dir) && f.problem.isEmpty());
            QCOMPARE(fs::exists(base / r.dataHome), !f.own); // a portable install makes nothing elsewhere
        }
    }

    void dataHome()
    {
        qputenv("HOME", "/home/member");
        for (const auto& [xdg, expected] : {std::pair("/srv/member/share", "/srv/member/share"),
                                            std::pair("", "/home/member/.local/share"),
                                            std::pair("share", "/home/member/.local/share")}) { // relative: ignored
            qputenv("XDG_DATA_HOME", xdg);
            QCOMPARE(FilesFolder::dataHome(), fs::path(expected));
        }
    }

    // The member's host.con, else the system's, else the built-in host; a portable install
    // reads only its own. A host is "host[:port]", or that behind http:// or https://.
    void host()
    {
        struct Row { std::string member, system; bool installed; QString expected; };
        for (const Row& r : {Row{"owls.example.net:80", "lantern.example.net", true, "owls.example.net:80"},
                             Row{"", "lantern.example.net", true, "lantern.example.net"},
                             Row{"", "", true, community::defaultHost},
                             Row{"", "lantern.example.net", false, community::defaultHost},
                             Row{"HTTP://owls.example.net/", "", true, "owls.example.net"},
                             Row{"https://owls.example.net:8443//", "", true, "https://owls.example.net:8443"},
                             Row{"ftp://owls.example.net", "lantern.example.net", true, "lantern.example.net"},
                             Row{"https://", "", true, community::defaultHost}}) {
            QTemporaryDir m, s;
            if (!r.member.empty())
                writeFile(m.path().toStdString() + "/host.con", "[Web]\r\nHost=" + r.member + "\r\n");
            if (!r.system.empty())
                writeFile(s.path().toStdString() + "/Host.con", "[web]\nhost=" + r.system + "\n");
            const fs::path system = r.installed ? s.path().toStdString() : "";
            QCOMPARE(Services::real(m.path().toStdString(), system).host, r.expected);
        }
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
        QVERIFY(box.icon == msgbox::Icon::Critical && box.buttons == msgbox::Buttons::Ok);
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
