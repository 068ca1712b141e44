#include "watch.h"

#include "friendlist.h"
#include "listing.h"
#include "games/catalogue.h"
#include "games/community.h"
#include "platform/services.h"

FriendWatch::FriendWatch(Services& services, std::filesystem::path friendsFile, int periodMs,
                         QObject* parent)
    : QObject(parent), services_(services), friendsFile_(std::move(friendsFile)) {
    connect(&timer_, &QTimer::timeout, this, &FriendWatch::look);
    timer_.start(periodMs);
}

void FriendWatch::look() {
    if (friendlist::read(friendsFile_).isEmpty()) return;
    asker_.ask(services_, this, [this](std::optional<std::vector<listing::Server>> servers) {
        if (servers) seen(*servers); // not known now: nobody is told, nobody forgotten
    });
}

void FriendWatch::seen(const std::vector<listing::Server>& servers) {
    const QStringList friends = friendlist::read(friendsFile_);
    QSet<QString> now;
    for (const listing::Server& s : servers) {
        const Game* game = catalogue::byCode(s.game.toStdString());
        if (!s.answering || !game) continue;
        for (const QString& player : s.playerNames)
            for (const QString& f : friends) {
                if (!friendlist::same(player, f)) continue;
                const QString key = friendlist::shown(f).toLower() + QLatin1Char('\n') + s.page;
                if (now.contains(key)) continue;
                now.insert(key);
                if (!playing_.contains(key))
                    //: A friend, the game, the server, its players and its limit
                    services_.notify(tr("%1 is playing %2 on %3 (%4/%5)")
                                         .arg(friendlist::shown(player),
                                              QString::fromLatin1(game->shortName), s.name)
                                         .arg(s.players)
                                         .arg(s.maxPlayers),
                                     community::joinLink(s.game, s.address));
            }
    }
    playing_ = now; // one who left is told again when they come back
}
