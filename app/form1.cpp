#include "form1.h"

#include "login.h"
#include "games/community.h"
#include "platform/art.h"
#include "platform/controls.h"
#include "platform/services.h"
#include "platform/timer.h"
#include "browser/browserpane.h"

#include <QCloseEvent>
#include <QComboBox>
#include <QLineEdit>
#include <QProgressBar>

Form1::Form1(Forms& forms)
    : Form(forms, QStringLiteral("Form1"), Kind::TopLevel, tr("Detecting Network"), 2685, 1740) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    setFixedSize(size());
    const QString connecting = tr("Connecting to Network");
    setBackgroundPicture(art::words(connecting, 179, 66, 10));
    setAccessibleDescription(connecting); // the words drawn on the window

    // Everything but the bar lies beyond the window's edges, where it is never seen.
    Text1 = new QLineEdit(QStringLiteral("yes"), this);
    Text1->setObjectName(QStringLiteral("Text1"));
    placeTwips(Text1, 3000, 0, 1200, 285);
    cboAddress = new QComboBox(this);
    cboAddress->setObjectName(QStringLiteral("cboAddress"));
    cboAddress->setEditable(true);
    cboAddress->setEditText(services().host + QLatin1String(community::pages) +
                            QStringLiteral("detect.htm"));
    placeTwips(cboAddress, 3000, 360, 3000, 315);
    Timer1 = new Timer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    ProgressBar1 = new QProgressBar(this);
    ProgressBar1->setObjectName(QStringLiteral("ProgressBar1"));
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setAccessibleName(tr("Detecting network"));
    placeTwips(ProgressBar1, 240, 1080, 2175, 135);
    brwWebBrowser = services().makeBrowser(this);
    brwWebBrowser->setObjectName(QStringLiteral("brwWebBrowser"));
    placeTwips(brwWebBrowser, 3000, 720, 3000, 2000);

    connect(Timer1, &Timer::tick, this, &Form1::Timer1_Timer);
    connect(brwWebBrowser, &BrowserPane::DocumentComplete, this,
            &Form1::brwWebBrowser_DocumentComplete);
    connect(brwWebBrowser, &BrowserPane::NavigateError, this, &Form1::brwWebBrowser_NavigateError);
}

void Form1::Form_Load() {
    Timer1->setEnabled(true);
    Timer1->setInterval(100); // the progress bar's sweep: a step every tenth of a second
    brwWebBrowser->Navigate(cboAddress->currentText());
    forms().as<Login>(QStringLiteral("Login")).Text4->setText(QStringLiteral("no"));
}

void Form1::Timer1_Timer() {
    if (value_ == 100.0f) value_ = 0;
    value_ = value_ + 1.0f;
    ProgressBar1->setValue(int(value_));
}

void Form1::brwWebBrowser_DocumentComplete() {
    forms().hide(QStringLiteral("Form1"));
    forms().show(QStringLiteral("news"));
    Timer1->setEnabled(false);
}

void Form1::brwWebBrowser_NavigateError() {
    Text1->setText(QStringLiteral("no"));
    services().msg(
        tr("Unabled to connect to network, either our servers are busy our your not online."),
        msgbox::Buttons::Ok, msgbox::Icon::Critical, tr("IL Owls - Network Unavailable"));
    forms().hide(QStringLiteral("Form1"));
    forms().hide(QStringLiteral("Login"));
    Timer1->setEnabled(false);
}

void Form1::closeEvent(QCloseEvent* e) {
    // The detection ends only by its page: closing the window would leave the login waiting.
    e->ignore();
}
