#pragma once

#include "platform/forms.h"
#include "platform/msgbox.h"
#include "platform/services.h"
#include "browser/browserpane.h"
#include "program/program.h"

#include <QHostAddress>
#include <QMap>
#include <QProcess>
#include <QStringList>
#include <QTemporaryDir>
#include <QUdpSocket>

#include <functional>
#include <memory>
#include <vector>

QByteArray readFile(const std::filesystem::path& p); // "<missing>" when there is none
void writeFile(const std::filesystem::path& p, const std::string& bytes); // its folders made
// A file a program could be, with its permissions (the owner's all: it runs).
void writeProgram(const std::filesystem::path& p, const std::string& bytes = "MZ",
                  std::filesystem::perms perms = std::filesystem::perms::owner_all);
// The Quake engines' first four bytes; NetQuake's control packet (flag, length, body).
inline const QByteArray oob("\xff\xff\xff\xff", 4);
QByteArray netQuake(const QByteArray& body);
// A stand-in game server on `at`: each question it gets is answered with what `answer` gives for
// it (nothing, when that is empty).
std::unique_ptr<QUdpSocket> standIn(std::function<QByteArray(const QByteArray& question)> answer,
                                    const QHostAddress& at = QHostAddress(QHostAddress::LocalHost));

// The demo web host (or a folder of the test's) on a free port, with the requests it answered.
struct Site {
    explicit Site(QStringList args = {});
    ~Site() { p.kill(), p.waitForFinished(); }
    QProcess p;
    QString host; // 127.0.0.1:port
    quint16 port = 0;
    QStringList requests;
};

// The community's site as the tests want it: address -> page name, or a failure.
struct FakeWeb {
    QMap<QString, QString> names; // an address missing here fails to load
    QStringList requests;         // every Navigate, in order
};

// A browser pane that "loads" pages from a FakeWeb, raising its events through the event loop
// in the order the real pane does (an error, then the error page's completion).
class FakePane final : public BrowserPane {
public:
    FakePane(QWidget* parent, FakeWeb& web);
    void Navigate(const QString& address) override;
    void Stop() override { ++generation_; }
    void GoBack() override {} // the real engine's history: the journey covers it
    void GoForward() override {}
    QString LocationName() const override { return name_; }

private:
    FakeWeb& web_;
    QString name_;
    int generation_ = 0;
};

// Answers every message box from a script and records what each one said.
struct Box {
    QString prompt, title;
    msgbox::Buttons buttons;
    msgbox::Icon icon;
};
class ScriptedBoxes final : public msgbox::Boxes {
public:
    msgbox::Answer show(const QString& prompt, msgbox::Buttons b, msgbox::Icon i,
                        const QString& title) override;
    std::vector<Box> seen;
    std::vector<msgbox::Answer> answers;       // taken in order; Ok/Yes when none is left
    std::function<void(const Box&)> whileOpen; // runs "while the box is open"
};

// Runs `act` once the window shows (a modal window's nested wait runs it).
void whenShown(QWidget& window, std::function<void()> act);

// The desktop's keyring as a map of page names to passwords, answering through the event loop as
// the real one does; `available` false: no keyring answers, and nothing is kept.
class FakeKeyring final : public Keyring {
public:
    void read(const QString& page, QObject* context,
              std::function<void(Found, const QString&)> done) override;
    void keep(const QString& page, const QString& password) override;
    void forgetAll() override { kept.clear(); }
    QMap<QString, QString> kept;
    bool available = true;
};

// A program directory of its own, fake boxes, a fake web and a fake clock, and the windows.
struct Harness {
    explicit Harness(const QString& programDir = {});

    QTemporaryDir tmp;
    FakeWeb web;
    ScriptedBoxes* boxes;
    FakeKeyring* keyring;
    QTime clock = QTime(19, 5, 23);
    std::vector<batch::Start> started;                // starts asked for
    batch::Outcome outcome = batch::Outcome::Started; // what starting them gives
    std::vector<QString> popups;                      // menus popped up, by holder
    QStringList told;                                 // desktop notifications: "text | join link"
    int ended = 0;                                    // end-of-program requests
    Services services;
    std::unique_ptr<Forms> forms; // the first to go, before what the windows use

    std::filesystem::path dir() const { return services.programDir; }
    void page(const QString& path, const QString& name) { web.names[services.host + path] = name; }
    void allPages(); // the community's pages with their real names
    // Connect to Server on the list window showing a server's page by its name.
    void connectOn(const QString& pageName);
    template <class T> T* child(const QString& form, const QString& name) {
        return forms->get(form).findChild<T*>(name);
    }
};

// The program after its start: the community's pages there, the login window showing.
struct Started : Harness {
    Started() {
        allPages();
        forms->show(QStringLiteral("Login"));
    }
    QByteArray file(const std::string& name) { return readFile(dir() / "settings" / name); }
    QStringList since(qsizetype mark) const { return forms->history().mid(mark); } // shows, hides
};
