#include "lastseen.h"

#include <QCoreApplication>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace lastseen {

std::optional<QHash<QString, Seen>> parse(const QByteArray& json) {
    const QJsonDocument doc = QJsonDocument::fromJson(json.left(8 << 20));
    if (!doc.isObject() || !doc.object().value(QLatin1String("players")).isArray())
        return std::nullopt;
    QHash<QString, Seen> out;
    for (const QJsonValue& v : doc.object().value(QLatin1String("players")).toArray()) {
        const QJsonObject o = v.toObject();
        const QString name = o.value(QLatin1String("name")).toString();
        const QString server = o.value(QLatin1String("server")).toString();
        if (name.isEmpty() || out.contains(name.toCaseFolded())) continue;
        out.insert(name.toCaseFolded(),
                   {o.value(QLatin1String("playing")).toBool(),
                    server.isEmpty() ? o.value(QLatin1String("page")).toString() : server,
                    qint64(o.value(QLatin1String("secondsAgo")).toDouble())});
    }
    return out;
}

namespace {

QString ago(qint64 seconds) {
    // Counted apart: lupdate loses its way in a division among translate()'s arguments.
    const int minutes = int(seconds / 60), hours = int(seconds / 3600), days = int(seconds / 86400);
    if (minutes < 1) return QCoreApplication::translate("lastseen", "just now");
    if (hours < 1)
        return QCoreApplication::translate("lastseen", "%n minute(s) ago", nullptr, minutes);
    if (days < 1) return QCoreApplication::translate("lastseen", "%n hour(s) ago", nullptr, hours);
    return QCoreApplication::translate("lastseen", "%n day(s) ago", nullptr, days);
}

} // namespace

QString shown(const QString& name, const std::optional<QHash<QString, Seen>>& seen) {
    if (!seen) return name;
    const auto at = seen->constFind(name.toCaseFolded());
    if (at == seen->constEnd())
        return QCoreApplication::translate("lastseen", "%1: not seen yet").arg(name);
    if (at->playing)
        return QCoreApplication::translate("lastseen", "%1: playing now on %2")
            .arg(name, at->server);
    //: %2 is how long ago: "just now", "2 hours ago"; %3 the server's name
    return QCoreApplication::translate("lastseen", "%1: last seen %2 on %3")
        .arg(name, ago(at->secondsAgo), at->server);
}

} // namespace lastseen
