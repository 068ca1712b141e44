// The login window, the alias file and the first run; where the client keeps its files (its own
// folder, else the member's data folder) and which web host it asks.
#include "app/login.h"
#include "platform/art.h"
#include "platform/controls.h"
#include "platform/filesfolder.h"
#include "files/community.h"
#include "tests/fakes/fakes.h"

#include <QLineEdit>
#include <QTest>

namespace fs = std::filesystem;

class LoginTest final : public QObject {
    Q_OBJECT

    static Login& start(Harness& h)
    {
        h.forms->show(QStringLiteral("Login"));
        return h.forms->as<Login>(QStringLiteral("Login"));
    }
    static QByteArray aliasFile(Harness& h) { return readFile(h.dir() / "ilowls.con"); }
    static void typeAlias(Login& l, const QString& alias)
    {
        l.Text1->clear();
        QTest::keyClicks(l.Text1, alias);
    }

private slots:
    // What a start makes of the alias file: the first run only when First is exactly "yes".
    void startReadsTheAliasFile_data()
    {
        QTest::addColumn<QByteArray>("before"); // "<missing>": no alias file; "<unwritable>": no folder
        QTest::addColumn<QString>("alias");
        QTest::addColumn<QByteArray>("after");
        QTest::addColumn<bool>("firstRun"); // the settings folder and its files are written
        const QByteArray garbage("\xff\xfe\0garbage=[\r\n\x01", 15), marker("[il nightowls]\r\nFirst=no\r\n");
        const QByteArray later = "[IL NIGHTOWLS]\nalias=" + QByteArray(100, 'A') + "\nfirst=no\n";
        QTest::newRow("first start") << QByteArray("<missing>") << "Type here" << marker << true;
        QTest::newRow("First=Yes is not yes") << QByteArray("[il nightowls]\r\nFirst=Yes\r\n") << "Type here"
                                              << QByteArray("[il nightowls]\r\nFirst=Yes\r\n") << false;
        QTest::newRow("garbage kept, marker after it") << garbage << "Type here" << garbage + "\r\n" + marker << true;
        QTest::newRow("a later start, any case, cut") << later << QString(29, QLatin1Char('A')) << later << false;
        QTest::newRow("folder not writable") << QByteArray("<unwritable>") << "Type here" << QByteArray("<missing>") << false;
    }

    void startReadsTheAliasFile()
    {
        QFETCH(QByteArray, before);
        QFETCH(QString, alias);
        QFETCH(QByteArray, after);
        QFETCH(bool, firstRun);
        QTemporaryDir tmp;
        const QString dir = before == "<unwritable>" ? QStringLiteral("/proc/tovo-cannot-write-here") : tmp.path();
        if (!before.startsWith('<'))
            writeFile(dir.toStdString() + "/ilowls.con", before.toStdString());
        Harness h(dir);
        QCOMPARE(start(h).Text1->text(), alias);
        QVERIFY(h.forms->isShown(QStringLiteral("Login")));
        QCOMPARE(aliasFile(h), after);
        QCOMPARE(QDir(dir + "/settings").count(), firstRun ? 26u : 0u); // 24 files, "." and ".."
    }

    void aliasIsSavedOnlyByTheButtonWithTheToggleSelected()
    {
        Started h;
        Login& l = h.forms->as<Login>(QStringLiteral("Login"));
        const QByteArray marker("[il nightowls]\r\nFirst=no\r\n");
        // Enter on "Type here": asked, the box emptied, no detection; on an alias, it logs in.
        QTest::keyClick(l.Text1, Qt::Key_Return);
        QCOMPARE(l.Text1->text(), QString());
        QVERIFY(!h.forms->exists(QStringLiteral("Form1")));
        typeAlias(l, QStringLiteral("Tawny"));
        QTest::keyClick(l.Text1, Qt::Key_Return);
        QVERIFY(h.forms->isShown(QStringLiteral("news")));
        QTest::mouseClick(l.Image5, Qt::LeftButton); // a toggle never clicked saves nothing
        QCOMPARE(aliasFile(h), marker);

        // The toggle alternates by picture identity; Enter never saves.
        QTest::mouseClick(l.Image2, Qt::LeftButton);
        QCOMPARE(l.Text3->text(), QStringLiteral("enabled"));
        QCOMPARE(l.Image2->picture().cacheKey(), l.Image3->picture().cacheKey());
        typeAlias(l, QStringLiteral("Barn Owl"));
        QTest::keyClick(l.Text1, Qt::Key_Return);
        QCOMPARE(aliasFile(h), marker);

        // The button saves first (then refuses a second detection); its look ends normal.
        typeAlias(l, QStringLiteral("Night Owl"));
        QTest::mouseClick(l.Image5, Qt::LeftButton);
        QCOMPARE(aliasFile(h), marker + "Alias=Night Owl\r\n");
        QCOMPARE(l.Image5->picture().cacheKey(), l.Image7->picture().cacheKey());
        // Deselected: nothing saved, nothing removed.
        QTest::mouseClick(l.Image2, Qt::LeftButton);
        QCOMPARE(l.Text3->text(), QStringLiteral("disabled"));
        QCOMPARE(l.Image2->picture().cacheKey(), l.Image4->picture().cacheKey());
        typeAlias(l, QStringLiteral("Other"));
        QTest::mouseClick(l.Image5, Qt::LeftButton);
        QCOMPARE(aliasFile(h), marker + "Alias=Night Owl\r\n");
        QCOMPARE(h.web.requests.count(QStringLiteral("owls.test/ilnightowls/servers/detect.htm")), 1);
    }

    void rightButtonLogsInAndPicturesAreReachable()
    {
        Harness h;
        Login& l = start(h);
        QTest::mouseClick(l.Image5, Qt::RightButton); // performs the login: here, the prompt
        QCOMPARE(h.boxes->seen.size(), size_t(1));
        QCOMPARE(l.Image5->picture().cacheKey(), l.Image6->picture().cacheKey()); // left pressed
        // The keyboard reaches every picture used as a button from the alias box, in the order
        // on screen, and each carries its words for accessibility tools.
        l.window()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(l.window()));
        l.Text1->setFocus();
        QStringList order;
        for (int i = 0; i < 5; ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            order << (QApplication::focusWidget() ? QApplication::focusWidget()->accessibleName() : "?");
        }
        QCOMPARE(order, QStringList({"Save alias", "Login", "Settings", "About", "Exit"}));
        // Each shows its words (the pictures kept in the program are the program's own drawing).
        const QList<std::tuple<Picture*, const char*, int, int, bool>> buttons = {
            {l.Image7, "Login >", 103, 48, false}, {l.Image6, "Login >", 103, 48, true},
            {l.Image10, "Settings", 95, 33, false}, {l.Image11, "About", 95, 33, false}, {l.Image9, "Exit", 98, 47, false}};
        for (auto [picture, words, width, height, pressed] : buttons)
            QCOMPARE(picture->picture().toImage(), art::button(words, width, height, pressed).toImage());
    }

    void failedDetectionKeepsTheBarBehindItsBox()
    {
        Harness h; // no pages: every load fails
        Login& l = start(h);
        typeAlias(l, QStringLiteral("Owl"));
        bool detectingBehindBox = false;
        h.boxes->whileOpen = [&](const Box&) { detectingBehindBox = h.forms->isShown(QStringLiteral("Form1")); };
        QTest::mouseClick(l.Image5, Qt::LeftButton);
        QVERIFY(detectingBehindBox);
        QVERIFY(h.forms->history().contains(QStringLiteral("hide Login"))); // until news hands back
    }

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
};

QTEST_MAIN(LoginTest)
#include "tst_login.moc"
