#include "pagewindow.h"

#include "games/community.h"
#include "platform/art.h"
#include "platform/clock.h"
#include "platform/controls.h"
#include "platform/services.h"
#include "platform/timer.h"
#include "browser/browserpane.h"
#include "browser/downloadwindow.h"
#include "app/form1.h"
#include "app/login.h"

#include <QComboBox>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>

namespace pages {

const std::vector<PageRow>& rows() {
    using S = PageRow::Step;
    static const std::vector<PageRow> table{
        {.name = "news",
         .caption = QT_TRANSLATE_NOOP("PageWindow", "News"),
         .page = "news.htm",
         .widthTwips = 11385,
         .heightTwips = 7560,
         .aliasLabel = "Label4",
         .clockLabel = "Label7",
         .load = {S::NetworkCheckOn, S::Alias, S::ClockOn, S::Navigate, S::ShowPane},
         .paneHiddenBeforeLoad = true,
         .networkCheck = true},
        {.name = "events",
         .caption = QT_TRANSLATE_NOOP("PageWindow", "Events"),
         .page = "events.htm",
         .widthTwips = 11385,
         .heightTwips = 7440,
         .aliasLabel = "Label4",
         .clockLabel = "Label7",
         .load = {S::Alias, S::Navigate, S::ClockOn},
         .paneHiddenBeforeLoad = false,
         .networkCheck = false},
        {.name = "update",
         .caption = QT_TRANSLATE_NOOP("PageWindow", "Patches / Update"),
         .page = "patches.htm",
         .widthTwips = 11475,
         .heightTwips = 7425,
         .aliasLabel = "Label9",
         .clockLabel = "Label7",
         .load = {S::Alias, S::Navigate, S::ClockOn},
         .paneHiddenBeforeLoad = false,
         .networkCheck = false},
        {.name = "discuss",
         .caption = QT_TRANSLATE_NOOP("PageWindow", "Discuss"),
         .page = "discuss.htm",
         .widthTwips = 11385,
         .heightTwips = 7365,
         .aliasLabel = "Label4",
         .clockLabel = "Label10",
         .load = {S::Alias, S::Navigate, S::ClockOn},
         .paneHiddenBeforeLoad = false,
         .networkCheck = false},
        {.name = "viewservers",
         .caption = QT_TRANSLATE_NOOP("PageWindow", "View Servers"),
         .page = "viewservers.htm",
         .widthTwips = 11460,
         .heightTwips = 7545,
         .aliasLabel = "Label4",
         .clockLabel = "Label3",
         .load = {S::ClockOn, S::Alias, S::Navigate},
         .paneHiddenBeforeLoad = false,
         .networkCheck = false},
    };
    return table;
}

const PageRow& row(const QString& name) {
    for (const PageRow& r : rows())
        if (name == QLatin1String(r.name)) return r;
    Q_UNREACHABLE();
}

} // namespace pages

PageWindow::PageWindow(Forms& forms, const PageRow& row)
    : Form(forms, QString::fromLatin1(row.name), Kind::MdiChild, tr(row.caption), row.widthTwips,
           row.heightTwips),
      row_(row) {
    setBackgroundPicture(art::background(false));
    // The address box lies exactly under the pane, so it is never seen.
    cboAddress = new QComboBox(this);
    cboAddress->setObjectName(QStringLiteral("cboAddress"));
    cboAddress->setEditable(true);
    cboAddress->setEditText(services().host + QLatin1String(community::pages) +
                            QLatin1String(row.page));
    placeTwips(cboAddress, 840, 960, 3795, 315);
    brwWebBrowser = services().makeBrowser(this);
    brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    placeTwips(brwWebBrowser, 840, 960, 10545, 5535);
    brwWebBrowser->setVisible(!row.paneHiddenBeforeLoad);
    Image1 = new Picture(this, QStringLiteral("Image1"));
    Image1->setPicture(art::roundedFrame(747, 45));
    placeTwips(Image1, 0, 6720, 11205, 675);
    Timer1 = new Timer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setWholeSeconds(true); // the status line's clock
    connect(Timer1, &Timer::tick, this, &PageWindow::Timer1_Timer);
    if (row.networkCheck) {
        Timer2 = new Timer(this);
        Timer2->setObjectName(QStringLiteral("Timer2"));
        connect(Timer2, &Timer::tick, this, &PageWindow::Timer2_Timer);
    }
    connect(brwWebBrowser, &BrowserPane::NavigateError, this,
            &PageWindow::brwWebBrowser_NavigateError);
    brwWebBrowser->takeDownload = [this](std::unique_ptr<Download> d) {
        DownloadWindow::start(this->forms(), std::move(d));
    };
    // A page's new window: the community's own pages open in this pane; other sites, and mail,
    // in the member's own browser or mail program.
    brwWebBrowser->newWindow = [this](const QUrl& url) {
        const QUrl home = QUrl::fromUserInput(services().host);
        auto port = [](const QUrl& u) {
            return u.port(u.scheme() == QLatin1String("https") ? 443 : 80);
        };
        if (url.scheme().startsWith(QLatin1String("http")) && url.host() == home.host() &&
            port(url) == port(home))
            return true;
        services().openUrl(url);
        return false;
    };
    makeStatusLine();
    makePageButtons();
}

void PageWindow::makeStatusLine() {
    struct Def {
        QString name, text;
        int left, width, height;
        bool caption;
    };
    const Def defs[] = {
        {QStringLiteral("Label1"), tr("Connected as:"), 360, 1695, 255, true},
        {QString::fromLatin1(row_.aliasLabel), {}, 2040, 2775, 375, false},
        {QStringLiteral("Label5"), tr("Member sign:"), 4920, 1455, 375, true},
        {QStringLiteral("Label6"), tr("None", "no member sign"), 6480, 1095, 375, false},
        {QStringLiteral("Label2"), tr("Online time:"), 8400, 1335, 375, true},
        {QString::fromLatin1(row_.clockLabel), {}, 9720, 1215, 375, false},
    };
    for (const Def& s : defs) {
        auto* l = new Label(this, s.name, s.text);
        l->setFont(look::sansSerif(9.75, s.caption));
        look::setTextColour(l, s.caption ? look::caption : look::value);
        placeTwips(l, s.left, 6960, s.width, s.height);
        if (s.name == QLatin1String(row_.aliasLabel))
            aliasLabel_ = l;
        else if (s.name == QLatin1String(row_.clockLabel))
            clockLabel_ = l;
    }
}

void PageWindow::makePageButtons() {
    struct Def {
        const char* name;
        const char* caption;
        int left, width;
        const char* target; // the page window it moves to; none for "<" and ">"
    };
    static const Def defs[] = {
        {"Command7", "<", 2880, 375, nullptr},
        {"Command8", ">", 3240, 375, nullptr},
        {"Command2", QT_TR_NOOP("News"), 3960, 1210, "news"},
        {"Command9", QT_TR_NOOP("Discuss"), 5160, 1210, "discuss"},
        {"Command3", QT_TR_NOOP("View Servers"), 6360, 1210, "viewservers"},
        {"Command4", QT_TR_NOOP("Events"), 7560, 1210, "events"},
        {"Command5", QT_TR_NOOP("Patch/Update"), 8760, 1210, "update"},
    };
    for (const Def& s : defs) {
        auto* b = new QPushButton(s.target ? tr(s.caption) : QString::fromLatin1(s.caption), this);
        b->setObjectName(QString::fromLatin1(s.name));
        placeTwips(b, s.left, 240, s.width, 375);
        if (s.target) {
            connect(b, &QPushButton::clicked, this,
                    [this, t = QString::fromLatin1(s.target)] { pageButton_Click(t); });
        }
    }
    auto* back = findChild<QPushButton*>(QStringLiteral("Command7"));
    auto* forward = findChild<QPushButton*>(QStringLiteral("Command8"));
    back->setAccessibleName(tr("Back"));
    forward->setAccessibleName(tr("Forward"));
    // Back and forward in this window's own pane; where there is no earlier or later page the
    // pane stays where it is.
    connect(back, &QPushButton::clicked, brwWebBrowser, &BrowserPane::GoBack);
    connect(forward, &QPushButton::clicked, brwWebBrowser, &BrowserPane::GoForward);
}

void PageWindow::Form_Load() {
    using S = PageRow::Step;
    for (S step : row_.load) {
        switch (step) {
        case S::NetworkCheckOn:
            Timer2->setInterval(QStringLiteral("1").toInt());
            Timer2->setEnabled(true);
            break;
        case S::Alias:
            aliasLabel_->setText(forms().as<Login>(QStringLiteral("Login")).Text1->text());
            break;
        case S::ClockOn:
            Timer1->setInterval(QStringLiteral("1").toInt());
            break;
        case S::Navigate:
            brwWebBrowser->Navigate(cboAddress->currentText());
            break;
        case S::ShowPane:
            brwWebBrowser->setVisible(true);
            break;
        }
    }
}

void PageWindow::Timer1_Timer() {
    const QString now = timeText(services().now(), services().locale);
    if (clockLabel_->text() != now) // repaint only when the text changes
        clockLabel_->setText(now);
}

void PageWindow::Timer2_Timer() {
    // The detection window always exists before news does; should it not, its flag has its
    // first value, "yes", and reading it must not start a detection.
    const bool failed =
        forms().exists(QStringLiteral("Form1")) &&
        forms().as<Form1>(QStringLiteral("Form1")).Text1->text() == QLatin1String("no");
    if (failed) {
        brwWebBrowser->Stop();
        forms().hide(objectName());
        forms().show(QStringLiteral("Login"));
    }
    Timer2->setEnabled(false);
}

void PageWindow::brwWebBrowser_NavigateError() {
    services().msg(
        tr("Unabled to connect to network, either our servers are busy our your not online."),
        msgbox::Buttons::Ok, msgbox::Icon::Critical, tr("IL Owls - Network Unavailable"));
}

void PageWindow::pageButton_Click(const QString& target) {
    const QString self = objectName();
    if (target == self) return; // a window's button for its own page does nothing
    if (self == QLatin1String("viewservers") && target == QLatin1String("news")) {
        forms().hide(self);
        forms().show(target);
        return;
    }
    forms().show(target);
    forms().hide(self);
}

void PageWindow::Form_MouseDown(int button) {
    if (button == RightButton)
        services().popup(
            forms().get(QStringLiteral("popmnu")).findChild<QMenu*>(QStringLiteral("test")));
}
