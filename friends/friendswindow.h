#pragma once

#include "platform/forms.h"

#include <filesystem>

class QLineEdit;
class QListWidget;
class QPushButton;

// The member's friends, by the player names they use on the community's servers: added and
// removed here, kept in friends.con at once.
class Friends final : public Form {
    Q_OBJECT
public:
    explicit Friends(Forms& forms);

    void Form_Load() override;
    void cmdAdd_Click();
    void cmdRemove_Click();
    void cmdClose_Click();

    QListWidget* lstFriends;
    QLineEdit* txtFriend;
    QPushButton *cmdAdd, *cmdRemove, *cmdClose;

private:
    std::filesystem::path file() const;
    QStringList names() const;
    void save(const QStringList& names);
};
