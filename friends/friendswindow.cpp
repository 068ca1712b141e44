#include "friendswindow.h"

#include "friendlist.h"
#include "platform/controls.h"
#include "platform/services.h"

#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

Friends::Friends(Forms& forms)
    : Form(forms, QStringLiteral("Friends"), Kind::MdiChild, tr("Friends"), 5400, 5520) {
    setFrameClosable(true);
    auto* caption = new Label(this, QStringLiteral("Label1"), tr("Your friends' player names:"));
    caption->setFont(look::sansSerif(8.25, true));
    look::setTextColour(caption, look::value);
    placeTwips(caption, 240, 180, 4800, 285);
    lstFriends = new QListWidget(this);
    lstFriends->setObjectName(QStringLiteral("lstFriends"));
    placeTwips(lstFriends, 240, 480, 3480, 3600);
    txtFriend = new QLineEdit(this);
    txtFriend->setObjectName(QStringLiteral("txtFriend"));
    txtFriend->setPlaceholderText(tr("Player name"));
    txtFriend->setAccessibleName(tr("Player name"));
    txtFriend->setMaxLength(64);
    placeTwips(txtFriend, 240, 4260, 3480, 315);
    auto button = [this](QPushButton*& b, const char* name, const QString& text, int top) {
        b = new QPushButton(text, this);
        b->setObjectName(QString::fromLatin1(name));
        placeTwips(b, 3900, top, 1260, 375);
    };
    button(cmdAdd, "cmdAdd", tr("Add"), 4230);
    button(cmdRemove, "cmdRemove", tr("Remove"), 480);
    button(cmdClose, "cmdClose", tr("Close"), 4860);
    connect(cmdAdd, &QPushButton::clicked, this, &Friends::cmdAdd_Click);
    connect(txtFriend, &QLineEdit::returnPressed, this, &Friends::cmdAdd_Click);
    connect(cmdRemove, &QPushButton::clicked, this, &Friends::cmdRemove_Click);
    connect(cmdClose, &QPushButton::clicked, this, &Friends::cmdClose_Click);
    connect(&again_, &QTimer::timeout, this, &Friends::lookUp);
}

std::filesystem::path Friends::file() const {
    return services().file("friends.con");
}

void Friends::Form_Load() {
    show(friendlist::read(file()));
    lookUp();
    again_.start(60 * 1000);
}

// Each row is a friend's name and where the host last saw them; the name is kept beside it.
void Friends::show(const QStringList& names) {
    lstFriends->clear();
    for (const QString& name : names) {
        auto* row = new QListWidgetItem(lastseen::shown(name, seen_), lstFriends);
        row->setData(Qt::UserRole, name);
    }
}

void Friends::lookUp() {
    const QStringList all = names();
    if (asking_ || all.isEmpty() || !services().fetchPlayers) return;
    asking_ = true;
    services().fetchPlayers(this, all, [this](const QByteArray& json, bool ok) {
        asking_ = false;
        if (!ok) return; // the host is away: what was known stays
        seen_ = lastseen::parse(json);
        const int row = lstFriends->currentRow();
        show(names());
        lstFriends->setCurrentRow(row);
    });
}

// The list shows what the member has, even where the file cannot be written.
QStringList Friends::names() const {
    QStringList out;
    for (int i = 0; i < lstFriends->count(); ++i)
        out << lstFriends->item(i)->data(Qt::UserRole).toString();
    return out;
}

void Friends::save(const QStringList& names) {
    show(names);
    if (!friendlist::write(file(), names))
        services().msg(
            tr("TOVO cannot save your friends in %1.").arg(QString::fromStdString(file().string())),
            msgbox::Buttons::Ok, msgbox::Icon::Critical, tr("Friends not saved."));
}

void Friends::cmdAdd_Click() {
    const QString name = friendlist::shown(txtFriend->text());
    const QStringList all = names();
    if (name.isEmpty() || all.size() >= friendlist::MostFriends ||
        std::any_of(all.begin(), all.end(),
                    [&](const QString& n) { return friendlist::same(n, name); }))
        return txtFriend->selectAll();
    txtFriend->clear();
    save(all + QStringList{name});
    lookUp(); // where the new friend was last seen
}

void Friends::cmdRemove_Click() {
    QStringList all = names();
    const int row = lstFriends->currentRow();
    if (row < 0 || row >= all.size()) return;
    all.removeAt(row);
    save(all);
}

void Friends::cmdClose_Click() {
    forms().hide(QStringLiteral("Friends"));
}
