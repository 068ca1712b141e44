#include "viewservers.h"

#include "games/catalogue.h"
#include "games/dirfile.h"
#include "launch/warmwine.h"
#include "browser/browserpane.h"
#include "platform/controls.h"
#include "files/profile.h"
#include "platform/services.h"
#include "platform/text.h"
#include "launch/batchfile.h"
#include "servers/pagename.h"

#include <QLineEdit>
#include <QPushButton>

viewservers::viewservers(Forms& forms) : PageWindow(forms, pages::row(QStringLiteral("viewservers")))
{
    Command6 = new QPushButton(QStringLiteral("Connect to Server"), this);
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
    connect(brwWebBrowser, &BrowserPane::DocumentComplete, this,
            &viewservers::brwWebBrowser_DocumentComplete);
}

void viewservers::showEvent(QShowEvent* e)
{
    PageWindow::showEvent(e);
    const std::vector<Runner> prefixes = warmwine::prefixesToWarm(services().programDir, services().drives);
    if (prefixes.empty() || (sinceWarmed_.isValid() && sinceWarmed_.elapsed() < 60000))
        return;
    sinceWarmed_.start();
    for (const Runner& prefix : prefixes)
        services().warmWine(prefix);
}

void viewservers::brwWebBrowser_DocumentComplete()
{
    const PageName p = cutPageName(brwWebBrowser->LocationName());
    Text2->setText(p.full);
    Text3->setText(p.code);
    Text1->setText(p.address);
}

void viewservers::Command6_Click()
{
    Services& s = services();
    if (Text3->text() == QLatin1String("views")) {
        s.msg(QStringLiteral("You must select a server to join."), msgbox::Buttons::Ok,
              msgbox::Icon::None, QStringLiteral("Select Server."));
        return;
    }
    const Game* g = catalogue::byCode(toBytes(Text3->text()));
    if (!g)
        return;
    Text4->setText(fromBytes(dirfile::readPath(s.programDir, *g)));
    if (Text4->text() == QLatin1String("0")) {
        s.msg(QStringLiteral("Please configure game directories, before connecting to game."),
              msgbox::Buttons::Ok, msgbox::Icon::None, QStringLiteral("Directories not set."));
        forms().show(QStringLiteral("Settings"));
        // The games the member already has are looked for there at once.
        QMetaObject::invokeMethod(&forms().get(QStringLiteral("Settings")), "findGamesQuietly");
        return;
    }
    const dirfile::Record r = dirfile::read(s.programDir, *g);
    Text5->setText(fromBytes(r.drive));
    Text6->setText(fromBytes(r.dir));
    Text7->setText(fromBytes(r.file));
    const auto batch = catalogue::batchFile(s.programDir, *g);
    batchfile::write(batch, g->section, toBytes(Text5->text()), toBytes(Text6->text()),
                     toBytes(Text7->text()), toBytes(Text1->text()));
    tellWhyNotStarted(s.startBatch({batch, {}, r.runner}), r.runner);
}

void viewservers::tellWhyNotStarted(batch::Outcome outcome, const Runner& runner)
{
    if (outcome == batch::Outcome::Started)
        return;
    // The directory file names the game's place; what is there may have changed since.
    const QString folder = fromBytes(dirfile::folderOf(toBytes(Text6->text())));
    const QString starter = fromBytes(runner.wine.string());
    const batch::WhyNot why = batch::whyNotStarted(outcome, folder, Text7->text(), starter);
    services().msg(why.text, msgbox::Buttons::Ok, msgbox::Icon::Critical, why.title);
    if (why.setAgain)
        forms().show(QStringLiteral("Settings"));
}
