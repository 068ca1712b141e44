// A member whose host.con names an HTTPS host: the real browser engine logs in and reaches the
// server list through the nginx front, its CA trusted in the member's own certificate store;
// behind a certificate nobody vouches for, the login fails as it does for a host that is down.
#include "app/login.h"
#include "platform/controls.h"
#include "platform/rendering.h"
#include "servers/viewservers.h"
#include "tests/fakes/fakes.h"

#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QTest>

namespace {
QProcess front;   // the community behind two fronts: trusted, and not
QString trusted, untrusted;

// The client's windows with the program's own services; only the message boxes are scripted.
struct Real : Harness {
    explicit Real(const QString& host)
    {
        writeFile(dir() / "host.con", "[Web]\r\nHost=" + host.toStdString() + "\r\n");
        auto scripted = std::move(services.boxes);
        services = Services::real(dir());
        services.boxes = std::move(scripted);
        forms->show(QStringLiteral("Login"));
        QTest::keyClicks(forms->as<Login>(QStringLiteral("Login")).Text1, QStringLiteral("Barn Owl"));
        QTest::keyClick(forms->as<Login>(QStringLiteral("Login")).Text1, Qt::Key_Return);
    }
};
} // namespace

class HttpsTest final : public QObject {
    Q_OBJECT

private slots:
    void hostSettings()
    {
        const std::pair<QString, QString> cases[] = { // the setting, what the page addresses begin with
            {"owls.example.net:8790", "owls.example.net:8790"}, {"HTTP://owls.example.net/", "owls.example.net"},
            {" https://owls.example.net/ ", "https://owls.example.net"}, {"ftp://owls.example.net", "fallback"}, {"https://", "fallback"}};
        for (const auto& [setting, pages] : cases)
            QCOMPARE(Services::hostAddress(setting, QStringLiteral("fallback")), pages);
    }

    void loginAndServerListOverHttps()
    {
        Real r(trusted);
        QTRY_VERIFY_WITH_TIMEOUT(r.forms->isShown(QStringLiteral("news")), 30000);
        QVERIFY(r.boxes->seen.empty());
        QTest::mouseClick(r.child<QPushButton>(QStringLiteral("news"), QStringLiteral("Command3")), Qt::LeftButton);
        auto& v = r.forms->as<viewservers>(QStringLiteral("viewservers"));
        QTRY_COMPARE_WITH_TIMEOUT(v.Text3->text(), QStringLiteral("views"), 30000);
    }

    void untrustedCertificateIsAnUnavailableHost()
    {
        Real r(untrusted);
        QTRY_COMPARE_WITH_TIMEOUT(r.boxes->seen.size(), size_t(1), 30000);
        QCOMPARE(r.boxes->seen[0].title, QStringLiteral("IL Owls - Network Unavailable"));
        QTRY_VERIFY_WITH_TIMEOUT(r.forms->isShown(QStringLiteral("Login")) && !r.forms->isShown(QStringLiteral("news")), 30000);
    }
};

int main(int argc, char** argv)
{
    // The member's certificate store is the engine's: $HOME/.pki/nssdb, read when it starts.
    QTemporaryDir home;
    qputenv("HOME", home.path().toUtf8());
    const QString db = "sql:" + home.path() + "/.pki/nssdb";
    QDir().mkpath(home.path() + "/.pki/nssdb");
    chooseRendering();
    QApplication app(argc, argv);
    front.start("python3", {QStringLiteral(TOVO_SOURCE "/tests/front/front.py"), qEnvironmentVariable("TOVO_SITE"),
                            QStringLiteral(TOVO_SOURCE "/packaging/nginx/tovo-site.conf"), "--serve"});
    while (!front.canReadLine() && front.waitForReadyRead(60000)) {
    }
    if (!front.canReadLine())
        qFatal("the front did not start: %s", front.readAllStandardError().constData());
    const QStringList got = QString::fromUtf8(front.readLine()).trimmed().split(' ');
    trusted = "https://127.0.0.1:" + got.value(0);
    untrusted = "https://127.0.0.1:" + got.value(1);
    if (QProcess::execute("certutil", {"-N", "--empty-password", "-d", db}) != 0 ||
        QProcess::execute("certutil", {"-A", "-n", "TOVO test CA", "-t", "C,,", "-i", got.value(2), "-d", db}) != 0)
        qFatal("certutil failed");
    HttpsTest t;
    const int failed = QTest::qExec(&t, argc, argv);
    front.closeWriteChannel();
    front.waitForFinished();
    return failed;
}
#include "tst_https.moc"
