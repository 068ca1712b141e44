#include "serverpassword.h"

#include "launch/password.h"
#include "platform/controls.h"
#include "platform/services.h"

#include <QCheckBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcut>
#include <QVBoxLayout>

ServerPassword::ServerPassword(Forms& forms)
    : Form(forms, QStringLiteral("ServerPassword"), Kind::TopLevel, tr("Server Password"), 5400,
           2520) {
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                   Qt::WindowCloseButtonHint);
    setFixedSize(size());
    setFrameClosable(true); // closing the frame is Cancel
    auto* layout = new QVBoxLayout(this);
    auto* caption =
        new Label(this, QStringLiteral("Label1"), tr("This server asks for a password:"));
    lblServer = new QLabel(this);
    lblServer->setObjectName(QStringLiteral("lblServer"));
    lblServer->setTextFormat(
        Qt::PlainText); // a name is shown as the server gives it, never as markup
    lblServer->setFont(look::sansSerif(8.25, true));
    txtPassword = new QLineEdit(this);
    txtPassword->setObjectName(QStringLiteral("txtPassword"));
    txtPassword->setEchoMode(QLineEdit::Password);
    txtPassword->setAccessibleName(tr("Password"));
    chkRemember = new QCheckBox(tr("Remember on this computer"), this);
    chkRemember->setObjectName(QStringLiteral("chkRemember"));
    lblNoKeyring = new QLabel(tr("This computer has no keyring to keep the password "
                                 "in, so it is asked each time."),
                              this);
    lblNoKeyring->setObjectName(QStringLiteral("lblNoKeyring"));
    lblNoKeyring->setWordWrap(true);
    for (QWidget* w :
         std::initializer_list<QWidget*>{caption, lblServer, lblNoKeyring, chkRemember})
        look::setTextColour(w, look::value);
    cmdOK = new QPushButton(tr("OK"), this);
    cmdOK->setObjectName(QStringLiteral("cmdOK"));
    cmdOK->setDefault(true);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(cmdOK);
    buttons->addWidget(cmdCancel);
    layout->addWidget(caption);
    layout->addWidget(lblServer);
    layout->addWidget(txtPassword);
    layout->addWidget(chkRemember);
    layout->addWidget(lblNoKeyring);
    layout->addStretch();
    layout->addLayout(buttons);
    connect(cmdOK, &QPushButton::clicked, this, &ServerPassword::cmdOK_Click);
    connect(txtPassword, &QLineEdit::returnPressed, this, &ServerPassword::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &ServerPassword::cmdCancel_Click);
    connect(new QShortcut(QKeySequence(Qt::Key_Escape), this), &QShortcut::activated, this,
            &ServerPassword::cmdCancel_Click);
    connect(txtPassword, &QLineEdit::textChanged, this,
            [this](const QString& text) { cmdOK->setEnabled(!text.isEmpty()); });
}

std::optional<ServerPassword::Answer> ServerPassword::ask(const QString& server, bool canRemember) {
    answer_.reset();
    const int room = width() - 2 * layout()->contentsMargins().left();
    lblServer->setText(lblServer->fontMetrics().elidedText(server, Qt::ElideRight, room));
    lblServer->setToolTip(server);
    txtPassword->clear();
    cmdOK->setEnabled(false);
    canRemember_ = canRemember;
    chkRemember->setVisible(canRemember);
    chkRemember->setChecked(canRemember);
    lblNoKeyring->setVisible(!canRemember);
    txtPassword->setFocus();
    forms().showModal(objectName());
    return answer_;
}

// A password the game would read as commands is explained, and the member may type it again.
void ServerPassword::cmdOK_Click() {
    const QString typed = txtPassword->text();
    if (typed.isEmpty()) return;
    if (const QString why = password::problem(typed); !why.isEmpty()) {
        services().msg(why, msgbox::Buttons::Ok, msgbox::Icon::Critical,
                       tr("Password not accepted."));
        txtPassword->selectAll();
        return;
    }
    answer_ = Answer{typed, canRemember_ && chkRemember->isChecked()};
    forms().hide(objectName());
}

void ServerPassword::cmdCancel_Click() {
    answer_.reset();
    forms().hide(objectName());
}

void withPassword(Forms& forms, const QString& page, const QString& server, QObject* context,
                  std::function<void(const QString& password)> go) {
    auto ask = [&forms, page, server, go](bool canRemember) {
        const auto answer =
            forms.as<ServerPassword>(QStringLiteral("ServerPassword")).ask(server, canRemember);
        if (!answer) return;
        if (answer->remember && forms.services().keyring)
            forms.services().keyring->keep(page, answer->password);
        go(answer->password);
    };
    Keyring* keyring = forms.services().keyring.get();
    if (!keyring) return ask(false);
    keyring->read(page, context, [ask, go](Keyring::Found found, const QString& kept) {
        if (found == Keyring::Found::Password && password::problem(kept).isEmpty()) return go(kept);
        ask(found != Keyring::Found::NoKeyring);
    });
}
