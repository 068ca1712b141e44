#include "fakes.h"

#include "platform/language.h"
#include "servers/viewservers.h"
#include "program/program.h"

#include <QLineEdit>
#include <QLocale>
#include <QMenu>
#include <QNetworkDatagram>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <fstream>
#include <iterator>

FakePane::FakePane(QWidget* parent, FakeWeb& web) : BrowserPane(parent), web_(web) {}

void FakePane::Navigate(const QString& address) {
    web_.requests << address;
    const int gen = ++generation_;
    QPointer<FakePane> self(this);
    QTimer::singleShot(0, this, [this, self, gen, address] {
        if (gen != generation_) return; // stopped
        if (!web_.names.contains(address)) {
            name_ = address;
            emit NavigateError(address, 0);
            if (self)
                QTimer::singleShot(0, this, [this, address] { emit DocumentComplete(address); });
            return;
        }
        name_ = web_.names.value(address);
        emit DocumentComplete(address);
    });
}

msgbox::Answer ScriptedBoxes::show(const QString& prompt, msgbox::Buttons b, msgbox::Icon i,
                                   const QString& title) {
    seen.push_back({prompt, title, b, i});
    if (whileOpen) whileOpen(seen.back());
    if (!answers.empty()) {
        msgbox::Answer a = answers.front();
        answers.erase(answers.begin());
        return a;
    }
    return b == msgbox::Buttons::YesNo ? msgbox::Answer::Yes : msgbox::Answer::Ok;
}

Harness::Harness(const QString& programDir) {
    services.programDir = (programDir.isEmpty() ? tmp.path() : programDir).toStdString();
    services.host = QStringLiteral("owls.test");
    auto b = std::make_unique<ScriptedBoxes>();
    boxes = b.get();
    services.boxes = std::move(b);
    auto k = std::make_unique<FakeKeyring>();
    keyring = k.get();
    services.keyring = std::move(k);
    services.makeBrowser = [this](QWidget* parent) { return new FakePane(parent, web); };
    services.now = [this] { return clock; };
    services.locale = QLocale(QLocale::English, QLocale::UnitedStates);
    // The program's English, its plural forms included; a language a test chose stays.
    if (!language::translated()) language::use(services.locale);
    services.drives = DriveTable({{'z', "/"}});
    services.startBatch = [this](const batch::Start& s) {
        started.push_back(s);
        return outcome;
    };
    services.notify = [this](const QString& text, const QString& link) {
        told << text + " | " + link;
    };
    services.openUrl = [](const QUrl&) {}; // never the member's own programs
    services.popup = [this](QMenu* m) { popups.push_back(m->parentWidget()->objectName()); };
    // The real end never returns; here the exit window goes away so that its modal wait ends.
    services.endProgram = [this] {
        ++ended;
        forms->hide(QStringLiteral("closeprog"));
    };
    forms = std::make_unique<Forms>(services);
    addWindows(*forms);
}

void whenShown(QWidget& w, std::function<void()> act) {
    auto* t = new QTimer(&w);
    QObject::connect(t, &QTimer::timeout, &w, [t, &w, act] {
        if (!w.isVisible()) return;
        t->deleteLater();
        t->stop();
        act();
    });
    t->start(5);
}

void FakeKeyring::read(const QString& page, QObject* context,
                       std::function<void(Found, const QString&)> done) {
    const Found f = !available            ? Found::NoKeyring
                    : kept.contains(page) ? Found::Password
                                          : Found::Nothing;
    QTimer::singleShot(0, context, [f, done, pw = kept.value(page)] { done(f, pw); });
}
void FakeKeyring::keep(const QString& page, const QString& password) {
    if (available) kept[page] = password;
}

Site::Site(QStringList args) {
    p.start(qEnvironmentVariable("TOVO_SITE"), args + QStringList{"--port", "0", "--log"});
    while (!p.canReadLine() && p.waitForReadyRead(10000)) {
    }
    port = quint16(p.readLine().trimmed().toUInt());
    host = "127.0.0.1:" + QString::number(port);
    QObject::connect(&p, &QProcess::readyReadStandardOutput, &p, [this] {
        while (p.canReadLine())
            requests << p.readLine().trimmed();
    });
}

void Harness::connectOn(const QString& pageName) {
    page("/ilnightowls/servers/s.htm", pageName);
    auto& v = forms->as<viewservers>("viewservers");
    v.brwWebBrowser->Navigate(services.host + "/ilnightowls/servers/s.htm");
    QTRY_COMPARE(v.Text3->text(), pageName.left(5));
    QTest::mouseClick(v.Command6, Qt::LeftButton);
}

void Harness::allPages() {
    for (const char* p : {"detect", "news", "events", "patches", "discuss"})
        page(QStringLiteral("/ilnightowls/servers/%1.htm").arg(QLatin1String(p)), QLatin1String(p));
    page(QStringLiteral("/ilnightowls/servers/viewservers.htm"), QStringLiteral("viewservers.htm"));
}

QByteArray readFile(const std::filesystem::path& p) {
    std::ifstream in(p, std::ios::binary);
    if (!in || !std::filesystem::is_regular_file(p)) return "<missing>";
    try {
        return QByteArray::fromStdString(std::string(std::istreambuf_iterator<char>(in), {}));
    } catch (const std::ios_base::failure&) { // a process gone while its /proc file is read
        return "<missing>";
    }
}

QByteArray netQuake(const QByteArray& body) {
    const int n = int(body.size()) + 4;
    return QByteArray("\x80\x00", 2) + char(n >> 8) + char(n & 0xff) + body;
}

std::unique_ptr<QUdpSocket> standIn(std::function<QByteArray(const QByteArray&)> answer,
                                    const QHostAddress& at) {
    auto s = std::make_unique<QUdpSocket>();
    if (!s->bind(at, 0)) qFatal("no UDP port for a stand-in server");
    QObject::connect(s.get(), &QUdpSocket::readyRead, s.get(), [u = s.get(), answer] {
        while (u->hasPendingDatagrams()) {
            const QNetworkDatagram d = u->receiveDatagram();
            if (const QByteArray a = answer(d.data()); !a.isEmpty())
                u->writeDatagram(a, d.senderAddress(), d.senderPort());
        }
    });
    return s;
}

void writeProgram(const std::filesystem::path& p, const std::string& bytes,
                  std::filesystem::perms perms) {
    writeFile(p, bytes);
    std::filesystem::permissions(p, perms);
}

void writeFile(const std::filesystem::path& p, const std::string& bytes) {
    std::filesystem::create_directories(p.parent_path());
    std::ofstream(p, std::ios::binary) << bytes;
}
