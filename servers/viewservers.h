#pragma once

#include "games/dirfile.h"
#include "launch/batchrunner.h"
#include "content/pagewindow.h"

#include <QElapsedTimer>
#include <QPointer>

class QLineEdit;
class QPushButton;
class SlotWait;

// Follows a join link (tovo://join/<code>/<address>): an unusable one is explained and starts
// nothing; the member is logged in first.
void joinServer(Forms& forms, const QString& link);

// The server list window: a page window that takes the chosen server from the name of the page
// its pane last finished, and starts the game connected to it.
class viewservers final : public PageWindow {
    Q_OBJECT
public:
    explicit viewservers(Forms& forms);

    void brwWebBrowser_DocumentComplete();
    void Command6_Click();
    void tellWhyNotStarted(batch::Outcome outcome, const dirfile::Record& place);
    // Shows the server's page, as the list's link does, and once it is in, connects as a press
    // of Connect to Server does: the one road for a join link and a notification's Join.
    void join(const QString& code, const QString& address);

    QPushButton* Command6;

protected:
    // While the member chooses a server, the Wine prefixes of the member's Windows games are got
    // ready, so that Connect to Server starts the game at once.
    void showEvent(QShowEvent* e) override;

private:
    void joined(const QString& address);
    void startWhenFree(std::function<void(const QString& password)> start);

    QElapsedTimer sinceWarmed_; // a member paging back and forth gets them ready once a minute
    QString joining_;           // the page a join waits for
    QPointer<SlotWait> wait_;   // the wait for a free slot, while there is one

public:
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7;
};
