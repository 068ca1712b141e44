#include "lastseen.h"

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
    auto unit = [](qint64 n, const char* one) {
        return QStringLiteral("%1 %2%3 ago")
            .arg(n)
            .arg(QLatin1String(one), n == 1 ? QString() : QStringLiteral("s"));
    };
    if (seconds < 60) return QStringLiteral("just now");
    if (seconds < 3600) return unit(seconds / 60, "minute");
    if (seconds < 86400) return unit(seconds / 3600, "hour");
    return unit(seconds / 86400, "day");
}

} // namespace

QString shown(const QString& name, const std::optional<QHash<QString, Seen>>& seen) {
    if (!seen) return name;
    const auto at = seen->constFind(name.toCaseFolded());
    if (at == seen->constEnd()) return name + QStringLiteral(": not seen yet");
    if (at->playing) return name + QStringLiteral(": playing now on ") + at->server;
    return name + QStringLiteral(": last seen ") + ago(at->secondsAgo) + QStringLiteral(" on ") +
           at->server;
}

} // namespace lastseen
