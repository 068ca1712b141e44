// The client's windows with the real Qt WebEngine pane against the demo web host: everything
// but the message boxes, which a script answers. (The whole journey to a started game is the
// built program's own test, journey.py.)
#include "app/login.h"
#include "app/program.h"
#include "platform/controls.h"
#include "content/pagewindow.h"
#include "platform/browserpane.h"
#include "tests/fakes/fakes.h"

#include <QLineEdit>
#include <QProcess>
#include <QTcpServer>
#include <QTest>

namespace {

// The demo web host on a free port, with its request log.
struct Site {
    QProcess p;
    QString port;
    QStringList requests;
    Site()
    {
        p.start(qEnvironmentVariable("TOVO_SITE"), {"--port", "0", "--log"});
        p.waitForReadyRead(10000);
        port = QString::fromLatin1(p.readLine().trimmed());
        QObject::connect(&p, &QProcess::readyReadStandardOutput, &p, [this] {
            while (p.canReadLine())
                requests << QString::fromLatin1(p.readLine().trimmed());
        });
    }
    ~Site()
    {
        p.kill();
        p.waitForFinished();
    }
    QString host() const { return "127.0.0.1:" + port; }
};

// The real world, but for the boxes and where the program keeps its files.
struct Real : Harness {
    Real(const QString& host)
    {
        Services real = Services::real(dir());
        services.makeBrowser = real.makeBrowser;
        services.now = real.now;
        services.startBatch = real.startBatch;
        services.drives = real.drives;
        services.host = host;
        forms = std::make_unique<Forms>(services);
        addWindows(*forms);
    }
    Login& login()
    {
        forms->show("Login");
        return forms->as<Login>("Login");
    }
};

} // namespace

class EndToEndTest final : public QObject {
    Q_OBJECT

private slots:
    void detectionOpensNews()
    {
        Site site;
        QVERIFY(!site.port.isEmpty());
        Real r(site.host());
        Login& l = r.login();
        l.Text1->clear();
        QTest::keyClicks(l.Text1, "Night Owl");
        QTest::keyClick(l.Text1, Qt::Key_Return);
        QTRY_VERIFY_WITH_TIMEOUT(r.forms->isShown("news"), 30000);
        QVERIFY(!r.forms->isShown("Form1"));
        QTRY_VERIFY_WITH_TIMEOUT(site.requests.contains("GET /ilnightowls/servers/news.htm"), 30000);
        QCOMPARE(site.requests.first(), QStringLiteral("GET /ilnightowls/servers/detect.htm"));
        QVERIFY(site.requests.indexOf("GET /ilnightowls/servers/news.htm") > 0);
        QCOMPARE(r.forms->as<PageWindow>("news").aliasLabel()->text(), QStringLiteral("Night Owl"));
        QVERIFY(r.boxes->seen.empty());

        // Every page of the community loads in its window.
        const std::pair<const char*, const char*> titles[] = {
            {"news", "Iron Lantern / Night Owls - News"}, {"events", "Iron Lantern / Night Owls - Events"},
            {"update", "Iron Lantern / Night Owls - Patches"}, {"discuss", "Iron Lantern / Night Owls - Discuss"},
            {"viewservers", "viewservers.htm"}};
        for (auto [window, title] : titles)
            r.forms->show(window);
        for (auto [window, title] : titles)
            QTRY_COMPARE_WITH_TIMEOUT(r.forms->as<PageWindow>(window).brwWebBrowser->LocationName(),
                                      QString::fromLatin1(title), 30000);
        QVERIFY(r.boxes->seen.empty());
        // An HTTP error status is a failed page too.
        r.forms->as<PageWindow>("events").brwWebBrowser->Navigate(site.host() + "/ilnightowls/servers/gone.htm");
        QTRY_COMPARE_WITH_TIMEOUT(r.boxes->seen.size(), size_t(1), 30000);
        QCOMPARE(r.boxes->seen[0].title, QStringLiteral("IL Owls - Network Unavailable"));
    }

    void noHostSendsTheMemberBackToLogin()
    {
        QTcpServer probe; // a port nobody listens on
        probe.listen(QHostAddress::LocalHost);
        const QString host = "127.0.0.1:" + QString::number(probe.serverPort());
        probe.close();
        Real r(host);
        Login& l = r.login();
        l.Text1->setText("Owl");
        QTest::mouseClick(l.Image5, Qt::LeftButton);
        QCOMPARE(r.boxes->seen.size(), size_t(1));
        QCOMPARE(r.boxes->seen[0].title, QStringLiteral("IL Owls - Network Unavailable"));
        QTRY_VERIFY_WITH_TIMEOUT(r.forms->isShown("Login"), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(r.forms->exists("news"), 30000);
        QTRY_VERIFY_WITH_TIMEOUT(r.forms->isShown("Login") && !r.forms->isShown("news"), 30000);
    }
};

QTEST_MAIN(EndToEndTest)
#include "tst_e2e.moc"
