#include "playerpages.h"

#include "history/graphs.h"
#include "games/community.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace playerpages {
namespace {

QByteArray html(const QString& s) {
    return s.toHtmlEscaped().toUtf8();
}

QByteArray unit(qint64 n, const char* one) {
    return QByteArray::number(n) + ' ' + one + (n == 1 ? "" : "s") + " ago";
}

// A server named as the list names it, linked to its page; its page name once it is gone.
QByteArray serverLink(const QString& page, const NameOf& nameOf) {
    const QString name = nameOf(page);
    if (name.isEmpty()) return html(page);
    return "<a href=\"" + QByteArray(community::pages) + html(page) + "\">" + html(name) + "</a>";
}

} // namespace

QByteArray ago(qint64 seconds) {
    if (seconds < 60) return "just now";
    if (seconds < 3600) return unit(seconds / 60, "minute");
    if (seconds < 86400) return unit(seconds / 3600, "hour");
    return unit(seconds / 86400, "day");
}

QByteArray page(const QString& find, const std::optional<history::Found>& seen, qint64 now,
                const NameOf& nameOf) {
    QByteArray rows;
    if (!seen)
        rows = "<tr><td colspan=\"3\" class=\"none\">History unavailable</td></tr>\n";
    else if (seen->names.empty())
        rows = "<tr><td colspan=\"3\" class=\"none\">Not seen yet.</td></tr>\n";
    for (const history::Seen& s : seen ? seen->names : std::vector<history::Seen>()) {
        QByteArray week;
        for (const history::Seen::Week& w : s.week)
            week += serverLink(w.server, nameOf) + " " + graphs::duration(w.seconds) + "<br>";
        rows += "<tr><td>" + html(s.name) + "</td><td>" +
                (s.playing ? QByteArray("playing now on ")
                           : ago(now - s.lastSeen) + " (" +
                                 html(graphs::when(s.lastSeen, "d MMM HH:mm")) + ") on ") +
                serverLink(s.server, nameOf) + "</td><td>" + week + "</td></tr>\n";
    }
    if (seen && seen->more > 0)
        rows += "<tr><td colspan=\"3\" class=\"none\">and " + QByteArray::number(seen->more) +
                " more</td></tr>\n";
    return "<!DOCTYPE html>\n<html><head><meta charset=\"utf-8\"><title>players.htm</title><link "
           "rel=\"stylesheet\" href=\"" +
           QByteArray(community::pages) +
           "style.css\"></head>\n<body><h1>Players</h1><p class=\"sub\">When and where a name "
           "was last seen, and its time on each server this week.</p>\n<form class=\"finder\" "
           "method=\"get\" action=\"players.htm\"><label for=\"name\">Name</label> <input "
           "type=\"search\" id=\"name\" name=\"name\" maxlength=\"64\" value=\"" +
           html(find) +
           "\"> <button type=\"submit\">Find</button></form>\n<table class=\"players\"><tr><th>"
           "Name</th><th>Last seen</th><th>This week</th></tr>\n" +
           rows + "</table>\n<p><a href=\"" + QByteArray(community::pages) +
           "viewservers.htm\">Back to the server list</a></p>\n</body></html>\n";
}

QByteArray json(const std::optional<history::Found>& seen, qint64 now, const NameOf& nameOf) {
    QJsonArray players;
    for (const history::Seen& s : seen ? seen->names : std::vector<history::Seen>()) {
        QJsonArray week;
        for (const history::Seen::Week& w : s.week)
            week.append(QJsonObject{
                {"page", w.server}, {"server", nameOf(w.server)}, {"seconds", w.seconds}});
        players.append(QJsonObject{
            {"name", s.name},
            {"playing", s.playing},
            {"page", s.server},
            {"server", nameOf(s.server)},
            {"lastSeen", QDateTime::fromSecsSinceEpoch(s.lastSeen, Qt::UTC).toString(Qt::ISODate)},
            {"secondsAgo", std::max<qint64>(0, now - s.lastSeen)},
            {"week", week}});
    }
    return QJsonDocument(QJsonObject{{"available", seen.has_value()},
                                     {"players", players},
                                     {"more", seen ? seen->more : 0}})
               .toJson(QJsonDocument::Compact) +
           '\n';
}

} // namespace playerpages
