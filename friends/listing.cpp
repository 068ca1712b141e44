#include "listing.h"

#include "games/community.h"
#include "platform/services.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QPointer>

namespace listing {

std::optional<std::vector<Server>> parse(const QByteArray& json) {
    const QJsonDocument doc = QJsonDocument::fromJson(json.left(MostBytes));
    if (!doc.isObject() || !doc.object().value(QLatin1String("servers")).isArray())
        return std::nullopt;
    std::vector<Server> out;
    for (const QJsonValue& v : doc.object().value(QLatin1String("servers")).toArray()) {
        const QJsonObject o = v.toObject();
        Server s{o.value(QLatin1String("name")).toString(),
                 o.value(QLatin1String("game")).toString(),
                 o.value(QLatin1String("address")).toString(),
                 o.value(QLatin1String("page")).toString(),
                 o.value(QLatin1String("state")).toString() == QLatin1String("answering"),
                 o.value(QLatin1String("players")).toInt(),
                 o.value(QLatin1String("maxPlayers")).toInt(),
                 o.value(QLatin1String("password")).toBool(),
                 {}};
        if (s.page.isEmpty() || s.game.isEmpty()) continue;
        for (const QJsonValue& p : o.value(QLatin1String("playerList")).toArray())
            if (s.playerNames.size() < MostPlayers &&
                p.toObject().value(QLatin1String("name")).isString())
                s.playerNames << p.toObject().value(QLatin1String("name")).toString();
        out.push_back(std::move(s));
        if (out.size() >= size_t(MostServers)) break;
    }
    return out;
}

const Server* byPage(const std::vector<Server>& servers, const QString& page) {
    for (const Server& s : servers)
        if (s.page == page) return &s;
    return nullptr;
}

void read(const Services& services, QObject* context, Seen seen) {
    if (!services.fetchListing) return seen(std::nullopt);
    services.fetchListing(context, [seen](const QByteArray& json, bool ok) {
        seen(ok ? parse(json) : std::nullopt);
    });
}

void Asker::ask(const Services& services, QObject* context, Seen seen) {
    if (asking_ || !services.fetchListing) return;
    asking_ = true;
    read(services, context, [this, seen](std::optional<std::vector<Server>> servers) {
        asking_ = false;
        seen(std::move(servers));
    });
}

void fetch(const QString& host, QObject* context,
           std::function<void(const QByteArray& json, bool ok)> done, const QString& page) {
    static auto* network = new QNetworkAccessManager(QCoreApplication::instance());
    QNetworkRequest request(QUrl::fromUserInput(host + QLatin1String(community::pages) + page));
    request.setTransferTimeout(10000);
    QNetworkReply* reply = network->get(request);
    QObject::connect(reply, &QNetworkReply::downloadProgress, reply,
                     [reply](qint64 received, qint64) {
                         if (received > MostBytes) reply->abort();
                     });
    QObject::connect(reply, &QNetworkReply::finished, context, [reply, done] {
        reply->deleteLater();
        const bool ok = reply->error() == QNetworkReply::NoError;
        done(ok ? reply->readAll() : QByteArray(), ok);
    });
    // Without its context the answer is dropped with the reply.
    QObject::connect(context, &QObject::destroyed, reply, [reply] {
        reply->abort();
        reply->deleteLater();
    });
}

} // namespace listing
