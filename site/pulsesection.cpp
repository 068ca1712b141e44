#include "pulsesection.h"

#include "history/graphs.h"

#include <QDateTime>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>

namespace pulsesection {
namespace {

QByteArray html(const QString& s) {
    return s.toHtmlEscaped().toUtf8();
}

QString iso(qint64 t) {
    return QDateTime::fromSecsSinceEpoch(t, Qt::UTC).toString(Qt::ISODate);
}

// The week's uptime and the record, in words.
QByteArray facts(const history::Pulse& p) {
    const QByteArray uptime =
        p.watchedSeconds > 0
            ? QByteArray::number(100.0 * double(p.upSeconds) / double(p.watchedSeconds), 'f', 1) +
                  "% of the " + graphs::duration(p.watchedSeconds) + " watched"
            : QByteArray("not known yet");
    const QByteArray record = p.record > 0 ? QByteArray::number(p.record) + " players, " +
                                                 html(graphs::when(p.recordAt, "d MMMM yyyy")) +
                                                 " at " + html(graphs::when(p.recordAt, "HH:mm"))
                                           : QByteArray("no players seen yet");
    return "<table class=\"details\">\n<tr><th>Up this week</th><td>" + uptime +
           "</td></tr>\n<tr><th>Record</th><td>" + record + "</td></tr>\n</table>\n";
}

QByteArray today(const history::Pulse& p) {
    QByteArray rows;
    for (const history::Played& who : p.today)
        rows += "<tr><td>" + html(who.name) + "</td><td>" + graphs::duration(who.seconds) +
                "</td><td>" +
                (who.playing ? QByteArray("playing now")
                             : "until " + html(graphs::when(who.lastSeen, "HH:mm"))) +
                "</td></tr>\n";
    if (p.todayMore > 0)
        rows += "<tr><td colspan=\"3\" class=\"none\">and " + QByteArray::number(p.todayMore) +
                " more</td></tr>\n";
    if (rows.isEmpty())
        rows = "<tr><td colspan=\"3\" class=\"none\">Nobody has played here today.</td></tr>\n";
    return "<h3>Played here today</h3>\n<table class=\"players today\"><tr><th>Name</th><th>Time "
           "today</th><th></th></tr>\n" +
           rows + "</table>\n";
}

} // namespace

QByteArray section(const std::optional<history::Pulse>& p) {
    if (!p) return "<h2>Pulse</h2>\n<p class=\"none history\">History unavailable</p>\n";
    return "<h2>Pulse</h2>\n" + facts(*p) + graphs::day(*p) + graphs::week(*p) +
           graphs::busiest(*p) + today(*p);
}

QByteArray json(const QString& page, const std::optional<history::Pulse>& p) {
    QJsonObject o{{"page", page}, {"available", p.has_value()}};
    if (p) {
        QJsonArray day, week, busiest, played;
        for (const history::Step& s : p->day)
            day.append(
                QJsonObject{{"at", iso(s.at)},
                            {"players", s.players >= 0 ? QJsonValue(s.players) : QJsonValue()}});
        for (int peak : p->week)
            week.append(peak >= 0 ? QJsonValue(peak) : QJsonValue());
        for (int d = 0; d < 7; ++d) {
            QJsonArray hours;
            for (int h = 0; h < 24; ++h) {
                const double mean = p->busiest[size_t(d * 24 + h)];
                hours.append(mean >= 0 ? QJsonValue(qRound(mean * 10) / 10.0) : QJsonValue());
            }
            busiest.append(hours);
        }
        for (const history::Played& who : p->today)
            played.append(QJsonObject{
                {"name", who.name}, {"seconds", who.seconds}, {"playing", who.playing}});
        o.insert("now", iso(p->now));
        o.insert("slots", p->slotLimit);
        o.insert("day", day);
        o.insert("week", week);
        o.insert("busiest", busiest);
        o.insert("upSeconds", p->upSeconds);
        o.insert("watchedSeconds", p->watchedSeconds);
        o.insert("record", p->record);
        o.insert("recordAt", p->record > 0 ? QJsonValue(iso(p->recordAt)) : QJsonValue());
        o.insert("today", played);
        o.insert("todayMore", p->todayMore);
    }
    return QJsonDocument(o).toJson(QJsonDocument::Compact) + '\n';
}

} // namespace pulsesection
