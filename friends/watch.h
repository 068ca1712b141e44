#pragma once

#include "listing.h"

#include <QObject>
#include <QSet>
#include <QTimer>

#include <filesystem>

struct Services;

// While the client runs, looks once a minute (only while the member has friends) at who plays
// on the community's servers, and tells the member when a friend has started playing on one:
// "Raven is playing Quake III on Night Owls Arena (5/16)", with a Join. Friends already playing
// when it starts are told at once; each friend once per server they join.
class FriendWatch final : public QObject {
    Q_OBJECT
public:
    FriendWatch(Services& services, std::filesystem::path friendsFile, int periodMs = 60000,
                QObject* parent = nullptr);
    void look(); // now, and then every period

private:
    void seen(const std::vector<listing::Server>& servers);

    Services& services_;
    std::filesystem::path friendsFile_;
    QTimer timer_;
    listing::Asker asker_;
    QSet<QString> playing_; // "friend\npage" as last seen
};
