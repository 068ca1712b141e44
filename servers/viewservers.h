#pragma once

#include "content/pagewindow.h"
#include "launch/batchrunner.h"

#include <QElapsedTimer>

class QLineEdit;
class QPushButton;

// The server list window: a page window that takes the chosen server from the name of the page
// its pane last finished, and starts the game connected to it.
class viewservers final : public PageWindow {
    Q_OBJECT
public:
    explicit viewservers(Forms& forms);

    void brwWebBrowser_DocumentComplete();
    void Command6_Click();
    void tellWhyNotStarted(batch::Outcome outcome, const Runner& runner);

    QPushButton* Command6;
protected:
    // While the member chooses a server, the Wine prefixes of the member's Windows games are got
    // ready, so that Connect to Server starts the game at once.
    void showEvent(QShowEvent* e) override;

private:
    QElapsedTimer sinceWarmed_; // a member paging back and forth gets them ready once a minute

public:
    QLineEdit *Text1, *Text2, *Text3, *Text4, *Text5, *Text6, *Text7;
};
