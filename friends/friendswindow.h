#pragma once

#include "lastseen.h"
#include "platform/forms.h"

#include <QTimer>

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

    // Where each friend was last seen, from the host: asked at load, then every minute.
    void lookUp();

private:
    std::filesystem::path file() const;
    void show(const QStringList& names);
    QStringList names() const;
    void save(const QStringList& names);

    std::optional<QHash<QString, lastseen::Seen>> seen_;
    QTimer again_;
    bool asking_ = false;
};
