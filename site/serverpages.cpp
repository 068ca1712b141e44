#include "serverpages.h"

#include "mappictures.h"
#include "games/catalogue.h"
#include "games/community.h"

#include <QFile>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

#include <span>

namespace serverpages {
namespace {
// The game's short name, as the list shows it; nothing for a row of no known game.
QByteArray shortNameOf(const Server& s) {
    const Game* g = catalogue::byCode(s.code.toStdString());
    return g ? g->shortName : "";
}

const QByteArray pagesPath = community::pages;

// A padlock drawn inline, so that no font need have the sign, with the word a screen reader says.
const QByteArray lock = "<svg class=\"lock\" role=\"img\" aria-label=\"Password\" width=\"10\" "
                        "height=\"12\" viewBox=\"0 0 10 12\"><title>Password</title><path "
                        "d=\"M2 5V3.5a3 3 0 0 1 6 0V5\" fill=\"none\" stroke=\"currentColor\" "
                        "stroke-width=\"1.5\"/><rect y=\"5\" width=\"10\" height=\"7\" rx=\"1\" "
                        "fill=\"currentColor\"/></svg>";

QByteArray html(const QString& s) {
    return s.toHtmlEscaped().toUtf8();
}
QByteArray num(int n) {
    return QByteArray::number(n);
}

// The word for a state, and the class that colours its mark.
std::pair<QByteArray, QByteArray> stateOf(const Status& st) {
    switch (st.state) {
    case Status::State::Answering:
        return {"answering", "up"};
    case Status::State::Silent:
        return {"no answer", "down"};
    case Status::State::Asking:
        return {"asking", "asking"};
    case Status::State::Unknown:
        break;
    }
    return {"status unknown", "unknown"};
}

bool answering(const Status& st) {
    return st.state == Status::State::Answering;
}
bool locked(const Status& st) {
    return answering(st) && st.info.password;
}

// The template's {{KEY}}s filled in one pass, so that no text a server sent is ever read as one.
QByteArray fill(const QString& page, const QHash<QByteArray, QByteArray>& values) {
    const QByteArray t = resource(page);
    QByteArray out;
    qsizetype at = 0;
    for (qsizetype open; (open = t.indexOf("{{", at)) >= 0;) {
        const qsizetype close = t.indexOf("}}", open);
        if (close < 0) break;
        out += t.sliced(at, open - at) + values.value(t.sliced(open + 2, close - open - 2));
        at = close + 2;
    }
    return out + t.mid(at);
}

} // namespace

QByteArray resource(const QString& name) {
    QFile f(QStringLiteral(":/pages/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// What both pages show of a server's answer; nothing while it is not answering.
struct Cells {
    QByteArray map, players, roundTrip;
};
Cells cellsOf(const Status& st, const std::function<QByteArray(const QString&)>& picture = {}) {
    if (!answering(st)) return {};
    return {picture ? picture(st.info.map) : html(st.info.map),
            num(st.info.players) + "/" + num(st.info.maxPlayers), num(st.roundTripMs) + " ms"};
}

QByteArray picture(const QString& map, bool has, bool big) {
    if (map.isEmpty()) return {};
    if (!has) return big ? "<p class=\"mapname\">" + html(map) + "</p>" : html(map);
    const QByteArray src = pagesPath + html(MapPictures::file(map));
    if (!big)
        return "<img class=\"shot\" src=\"" + src +
               "\" alt=\"\" width=\"40\" height=\"30\" loading=\"lazy\"> " + html(map);
    return "<figure class=\"map\"><img src=\"" + src + "\" alt=\"The map " + html(map) +
           "\" width=\"" + num(MapPictures::width) + "\" height=\"" + num(MapPictures::height) +
           "\"><figcaption>" + html(map) + "</figcaption></figure>";
}

QByteArray list(const std::vector<Server>& servers,
                const std::function<Status(const Server&)>& statusOf,
                const std::function<QByteArray(const QString& map)>& picture) {
    QByteArray rows;
    for (const Server& s : servers) {
        const Status st = statusOf(s);
        const auto [word, cls] = stateOf(st);
        const Cells c = cellsOf(st, picture);
        // What the list page's script sorts, filters and searches by.
        QByteArray who;
        for (const status::Player& p :
             c.players.isEmpty() ? std::span<const status::Player>() : std::span(st.info.list))
            who += html(p.name) + "&#10;";
        rows += "<tr data-page=\"" + html(s.pageName()) + "\" data-players=\"" +
                (answering(st) ? num(st.info.players) : "") + "\" data-max=\"" +
                (answering(st) ? num(st.info.maxPlayers) : "") + "\" data-ping=\"" +
                (answering(st) ? num(st.roundTripMs) : "") + "\" data-who=\"" + who + "\"" +
                (locked(st) ? " data-locked=\"1\"" : "") + ">" + "<td class=\"mark " + cls +
                "\" title=\"" + word + "\">&#9679;</td><td class=\"name\"><a href=\"" + pagesPath +
                html(s.pageName()) + "\">" + html(s.name) + "</a>" +
                (locked(st) ? " " + lock : QByteArray()) + "</td><td>" + shortNameOf(s) +
                "</td><td class=\"addr\">" + html(s.address) + "</td><td class=\"map\">" + c.map +
                "</td><td>" + c.players + "</td><td>" + c.roundTrip + "</td></tr>\n";
    }
    return fill(QStringLiteral("viewservers.htm"), {{"SERVERS", rows}});
}

QByteArray json(const std::vector<Server>& servers,
                const std::function<Status(const Server&)>& statusOf) {
    QJsonArray all;
    for (const Server& s : servers) {
        const Status st = statusOf(s);
        const bool up = answering(st);
        QJsonArray players;
        for (const status::Player& p :
             std::span(st.info.list)
                 .first(up ? std::min<size_t>(st.info.list.size(), status::MaxPlayers) : 0))
            players.append(QJsonObject{{"name", p.name},
                                       {"score", p.score ? QJsonValue(*p.score) : QJsonValue()},
                                       {"ping", p.ping >= 0 ? QJsonValue(p.ping) : QJsonValue()}});
        auto ifUp = [up](const QJsonValue& v) { return up ? v : QJsonValue(); };
        all.append(QJsonObject{{"name", s.name},
                               {"game", s.code},
                               {"address", s.address},
                               {"page", s.pageName()},
                               {"state", QString::fromLatin1(stateOf(st).first)},
                               {"hostName", ifUp(st.info.host)},
                               {"map", ifUp(st.info.map)},
                               {"players", ifUp(st.info.players)},
                               {"maxPlayers", ifUp(st.info.maxPlayers)},
                               {"roundTripMs", ifUp(st.roundTripMs)},
                               {"password", locked(st)},
                               {"playerList", players}});
    }
    return QJsonDocument(QJsonObject{{"servers", all}}).toJson(QJsonDocument::Compact) + '\n';
}

QByteArray server(const Server& s, const Status& st, const QHash<QByteArray, QByteArray>& more) {
    const Game* g = catalogue::byCode(s.code.toStdString());
    const bool up = answering(st);
    const auto [word, cls] = stateOf(st);
    const Cells c = cellsOf(st);
    const QByteArray details =
        "<tr><th>Status</th><td class=\"" + cls + "\">" + word +
        "</td></tr>\n<tr><th>Host name</th><td>" + (up ? html(st.info.host) : QByteArray()) +
        "</td></tr>\n<tr><th>Map</th><td>" + c.map + "</td></tr>\n<tr><th>Players</th><td>" +
        c.players + "</td></tr>\n<tr><th>Round trip</th><td>" + c.roundTrip + "</td></tr>";
    QByteArray players;
    const auto shown = up ? std::min<size_t>(st.info.list.size(), status::MaxPlayers) : 0;
    for (const status::Player& p : std::span(st.info.list).first(shown))
        players += "<tr><td>" + html(p.name) + "</td><td>" +
                   (p.score ? num(*p.score) : QByteArray()) + "</td><td>" +
                   (p.ping >= 0 ? num(p.ping) + " ms" : QByteArray()) + "</td></tr>\n";
    if (up && players.isEmpty())
        players = "<tr><td colspan=\"3\" class=\"none\">Nobody is playing.</td></tr>\n";
    QHash<QByteArray, QByteArray> values = more;
    values.insert(QHash<QByteArray, QByteArray>{
        {"NAME", html(s.pageName())},
        {"GAME", html(QString::fromLatin1(g ? g->section : ""))},
        {"ADDRESS", html(s.address)},
        {"PASSWORD",
         locked(st) ? "<p class=\"big\">Password: required " + lock + "</p>" : QByteArray()},
        {"JOIN", html(community::joinLink(s.code, s.address))},
        {"DETAILS", details},
        {"PLAYERS", players},
        {"SERVER", html(s.name)}});
    return fill(QStringLiteral("server.htm"), values);
}

} // namespace serverpages
