#include "viewservers.h"

#include "serverpassword.h"
#include "files/profile.h"
#include "games/catalogue.h"
#include "games/community.h"
#include "games/dirfile.h"
#include "launch/batchfile.h"
#include "launch/warmwine.h"
#include "platform/controls.h"
#include "platform/services.h"
#include "platform/text.h"
#include "friends/joinlink.h"
#include "friends/listing.h"
#include "friends/slotwait.h"
#include "browser/browserpane.h"

#include <QCoreApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QUrl>

viewservers::viewservers(Forms& forms)
    : PageWindow(forms, pages::row(QStringLiteral("viewservers"))) {
    Command6 = new QPushButton(tr("Connect to Server"), this);
    Command6->setObjectName(QStringLiteral("Command6"));
    placeTwips(Command6, 840, 240, 1695, 375);
    QLineEdit** boxes[] = {&Text1, &Text2, &Text3, &Text4, &Text5, &Text6, &Text7};
    const char* initial[] = {"", "", "", "", "Text5", "Text6", "Text7"};
    for (int i = 0; i < 7; ++i) {
        *boxes[i] = new QLineEdit(QString::fromLatin1(initial[i]), this);
        (*boxes[i])->setObjectName(QStringLiteral("Text%1").arg(i + 1));
        (*boxes[i])->hide();
    }
    connect(Command6, &QPushButton::clicked, this, &viewservers::Command6_Click);
    connect(brwWebBrowser, &BrowserPane::DocumentComplete, this, [this](const QString& address) {
        brwWebBrowser_DocumentComplete();
        joined(address);
    });
}

void viewservers::showEvent(QShowEvent* e) {
    PageWindow::showEvent(e);
    const std::vector<Runner> toWarm =
        warmwine::prefixesToWarm(services().programDir, services().drives);
    if (toWarm.empty() || (sinceWarmed_.isValid() && sinceWarmed_.elapsed() < 60000)) return;
    sinceWarmed_.start();
    for (const Runner& runner : toWarm)
        services().warmWine(runner);
}

void viewservers::brwWebBrowser_DocumentComplete() {
    const community::PageName p = community::cutPageName(brwWebBrowser->LocationName());
    Text2->setText(p.full);
    Text3->setText(p.code);
    Text1->setText(p.address);
}

void viewservers::Command6_Click() {
    Services& s = services();
    if (Text3->text() == QLatin1String("views")) {
        s.msg(tr("You must select a server to join."), msgbox::Buttons::Ok, msgbox::Icon::None,
              tr("Select Server."));
        return;
    }
    const Game* g = catalogue::byCode(toBytes(Text3->text()));
    if (!g) return;
    Text4->setText(fromBytes(dirfile::readPath(s.programDir, *g)));
    if (Text4->text() == QLatin1String("0")) {
        s.msg(tr("Please configure game directories, before connecting to game."),
              msgbox::Buttons::Ok, msgbox::Icon::None, tr("Directories not set."));
        forms().show(QStringLiteral("Settings"));
        // The games the member already has are looked for there at once.
        if (s.findGamesQuietly) s.findGamesQuietly();
        return;
    }
    // The game's place travels as one record to the start and to what is said of it; the
    // window's boxes show it, as they always have.
    const dirfile::Record place = dirfile::read(s.programDir, *g);
    Text5->setText(fromBytes(place.drive));
    Text6->setText(fromBytes(place.dir));
    Text7->setText(fromBytes(place.file));
    const auto file = catalogue::batchFile(s.programDir, *g);
    batch::write(file, g->section, place.drive, place.dir, place.file, toBytes(Text1->text()));
    startWhenFree([this, file, place, by = g->passwordBy](const QString& password) {
        batch::Start start;
        start.batchFile = file;
        start.runner = place.runner;
        start.password = toBytes(password);
        start.passwordBy = by;
        tellWhyNotStarted(services().startBatch(start), place);
    });
}

// A locked server's password is had first, so that a wait for a slot ends in the game at once.
// A server full in the host's servers.json is waited for, when the member wants; a server not
// full, or a status that cannot be read, starts the game as before.
void viewservers::startWhenFree(std::function<void(const QString& password)> start) {
    if (wait_) wait_->close(); // this press replaces a wait still going on
    listing::read(services(), this, [this, start, page = Text2->text()](auto servers) {
        const listing::Server* found = servers ? listing::byPage(*servers, page) : nullptr;
        const std::optional<listing::Server> sv =
            found ? std::optional<listing::Server>(*found) : std::nullopt;
        auto go = [this, start, page, sv](const QString& password) {
            if (!sv || !sv->full() ||
                services().msg(tr("The server is full (%1/%2). Wait for a free slot?")
                                   .arg(sv->players)
                                   .arg(sv->maxPlayers),
                               msgbox::Buttons::YesNo, msgbox::Icon::None,
                               tr("Server Full")) != msgbox::Answer::Yes)
                return start(password);
            wait_ =
                new SlotWait(services(), page, sv->name, [start, password] { start(password); });
            wait_->show();
        };
        if (sv && sv->password) return withPassword(forms(), page, sv->name, this, go);
        go({});
    });
}

void viewservers::join(const QString& code, const QString& address) {
    const QString page = community::pageName(code, address);
    auto show = [this, page] {
        joining_ = page;
        for (const char* other : {"news", "discuss", "update", "events"})
            if (forms().exists(QString::fromLatin1(other)))
                forms().hide(QString::fromLatin1(other));
        forms().show(QStringLiteral("viewservers"));
        brwWebBrowser->Navigate(services().host + QLatin1String(community::pages) + page);
    };
    // A server the community does not list is said plainly, rather than as a page that fails.
    listing::read(services(), this, [this, page, show](auto servers) {
        if (!servers || listing::byPage(*servers, page)) return show();
        services().msg(
            tr("The community's server list has no server %1.").arg(page.chopped(4).mid(5)),
            msgbox::Buttons::Ok, msgbox::Icon::Critical, tr("Cannot join"));
    });
}

// The list's own page may complete first; the join goes on with its server's page. A page that
// failed has been explained by the window already.
void viewservers::joined(const QString& address) {
    if (joining_.isEmpty() || !QUrl::fromPercentEncoding(address.toUtf8()).endsWith(joining_))
        return;
    if (std::exchange(joining_, {}) == Text2->text()) Command6_Click();
}

void joinServer(Forms& forms, const QString& link) {
    const joinlink::Join j = joinlink::read(link);
    if (!j.problem.isEmpty()) {
        forms.services().msg(j.problem, msgbox::Buttons::Ok, msgbox::Icon::Critical,
                             QCoreApplication::translate("viewservers", "Cannot join"));
        return;
    }
    auto go = [&forms, j] {
        forms.as<viewservers>(QStringLiteral("viewservers")).join(j.code, j.address);
    };
    if (forms.exists(QStringLiteral("news"))) return go();
    forms.whenShown(QStringLiteral("news"), go); // once the member is logged in
}

void viewservers::tellWhyNotStarted(batch::Outcome outcome, const dirfile::Record& place) {
    if (outcome == batch::Outcome::Started) return;
    // The directory file names the game's place; what is there may have changed since.
    const QString folder = fromBytes(dirfile::folderOf(place.dir));
    const QString starter = fromBytes(place.runner.wine.string());
    const batch::WhyNot why = batch::whyNotStarted(outcome, batch::Starting::Game,
                                                   fromBytes(place.file), folder, starter);
    services().msg(why.text, msgbox::Buttons::Ok, msgbox::Icon::Critical, why.title);
    if (why.setAgain) forms().show(QStringLiteral("Settings"));
}
