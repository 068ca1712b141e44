#pragma once

#include "platform/forms.h"

#include <functional>
#include <optional>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

// The small window that asks for a locked server's password: the server's name, the password
// masked, and whether the desktop's keyring keeps it. Cancel starts nothing.
class ServerPassword final : public Form {
    Q_OBJECT
public:
    explicit ServerPassword(Forms& forms);

    struct Answer {
        QString password;
        bool remember = false;
    };
    // Shows the window modally for the server named `server`; nullopt when the member cancels.
    // Without a keyring the window says so, and nothing is remembered.
    std::optional<Answer> ask(const QString& server, bool canRemember);

    void cmdOK_Click();
    void cmdCancel_Click();

    QLabel *lblServer, *lblNoKeyring;
    QLineEdit* txtPassword;
    QCheckBox* chkRemember;
    QPushButton *cmdOK, *cmdCancel;

private:
    std::optional<Answer> answer_;
    bool canRemember_ = false;
};

// The password for a start on the locked server `server` (its page `page`): the one the keyring
// keeps, else the member's, asked once and kept when the member wants. `go` gets it; nothing
// happens when the member cancels.
void withPassword(Forms& forms, const QString& page, const QString& server, QObject* context,
                  std::function<void(const QString& password)> go);
