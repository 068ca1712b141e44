#include "reading.h"

#include "hours.h"
#include "schema.h"
#include "status/status.h"

#include <QDateTime>
#include <QSqlDatabase>
#include <QVariant>

#include <algorithm>
#include <map>

namespace history::reading {
namespace {

constexpr qint64 hour = 3600, day = 24 * hour, week = 7 * day;
constexpr int busiestWeeks = 8; // the strip's weeks: what members do now, not a year ago

qint64 hourOf(qint64 t) {
    return t - ((t % hour) + hour) % hour;
}

// The seconds of [since, until] that fall in [from, to].
qint64 overlap(qint64 since, qint64 until, qint64 from, qint64 to) {
    return std::max<qint64>(0, std::min(until, to) - std::max(since, from));
}

} // namespace

std::optional<Pulse> pulse(QSqlDatabase& db, const QString& server, qint64 now, QString* why) {
    Pulse p;
    p.now = now;
    p.week.fill(-1);
    p.busiest.fill(-1);
    QList<QVariantList> id;
    if (!schema::rows(db, QStringLiteral("SELECT id FROM servers WHERE page = ?"), {server}, &id,
                      why))
        return std::nullopt;
    if (id.isEmpty()) return p;
    const QVariant sid = id[0][0];
    const qint64 thisHour = hourOf(p.now), weekFrom = thisHour - 167 * hour, dayFrom = p.now - day;
    const qint64 rolled = schema::meta(db, QStringLiteral("rolled")).toLongLong();
    // The counts not yet summed up, and the last day's: read once, from the earlier of the two.
    const qint64 tailFrom = std::max(weekFrom, std::min(hourOf(dayFrom), rolled + hour));
    QList<QVariantList> before, counts, hours, best, busy, sessions;
    if (!schema::rows(db,
                      QStringLiteral("SELECT at, players, slots FROM counts WHERE server = ? AND "
                                     "at < ? ORDER BY at DESC LIMIT 1"),
                      {sid, tailFrom}, &before, why) ||
        !schema::rows(db,
                      QStringLiteral("SELECT at, players, slots FROM counts WHERE server = ? AND "
                                     "at >= ? ORDER BY at"),
                      {sid, tailFrom}, &counts, why) ||
        !schema::rows(db,
                      QStringLiteral("SELECT hour, peak, up, watched FROM hours WHERE server = ? "
                                     "AND hour >= ?"),
                      {sid, weekFrom}, &hours, why) ||
        !schema::rows(db,
                      QStringLiteral("SELECT peak, hour FROM hours WHERE server = ? ORDER BY "
                                     "peak DESC, hour LIMIT 1"),
                      {sid}, &best, why))
        return std::nullopt;
    std::vector<Step> steps;
    Step standing{tailFrom, notWatching};
    for (const QVariantList& r : before) {
        standing.players = r[1].toInt();
        p.slotLimit = std::max(0, r[2].toInt());
    }
    for (const QVariantList& r : counts) {
        steps.push_back({r[0].toLongLong(), r[1].toInt()});
        if (r[2].toInt() > 0) p.slotLimit = r[2].toInt();
    }
    // The day: the count standing 24 hours ago, then each change.
    Step dayStart = standing;
    for (const Step& s : steps)
        if (s.at <= dayFrom) dayStart.players = s.players;
    if (dayStart.players != notWatching) p.day.push_back({dayFrom, dayStart.players});
    for (const Step& s : steps)
        if (s.at > dayFrom) p.day.push_back(s);
    // The week: the summaries, then the hours not yet summed up.
    for (const QVariantList& r : hours) {
        const qint64 at = r[0].toLongLong();
        if (at > rolled) continue;
        p.week[size_t((at - weekFrom) / hour)] = r[1].toInt();
        p.upSeconds += r[2].toLongLong();
        p.watchedSeconds += r[3].toLongLong();
    }
    for (const QVariantList& r : best) {
        p.record = std::max(0, r[0].toInt());
        p.recordAt = r[1].toLongLong();
    }
    int count = standing.players;
    auto next = steps.begin();
    for (qint64 h = std::max(tailFrom, rolled + hour); h <= thisHour; h += hour) {
        for (; next != steps.end() && next->at < h; ++next)
            count = next->players;
        const Hour sum = summarize({h, count}, steps, h, std::min(h + hour, p.now));
        p.week[size_t((h - weekFrom) / hour)] = sum.watched > 0 ? sum.peak : -1;
        p.upSeconds += sum.up;
        p.watchedSeconds += sum.watched;
    }
    for (const Step& s : steps)
        if (s.players > p.record) p.record = s.players, p.recordAt = s.at;
    // The busiest hours, by the host's own time of day: the summaries' hours of the week, Monday
    // first (1970 began on a Thursday).
    const qint64 offset = QDateTime::fromSecsSinceEpoch(p.now).offsetFromUtc();
    if (!schema::rows(db,
                      QStringLiteral("SELECT w, AVG(mean) FROM (SELECT ((hour + ?) / 3600) % 168 "
                                     "AS w, mean FROM hours WHERE server = ? AND hour >= ? AND "
                                     "watched > 0) AS h GROUP BY w"),
                      {offset, sid, thisHour - busiestWeeks * week}, &busy, why))
        return std::nullopt;
    for (const QVariantList& r : busy)
        p.busiest[size_t((r[0].toLongLong() + 3 * 24) % 168)] = r[1].toDouble();
    // Who played here today.
    const QDateTime local = QDateTime::fromSecsSinceEpoch(p.now);
    const qint64 midnight = local.date().startOfDay().toSecsSinceEpoch();
    if (!schema::rows(db,
                      QStringLiteral("SELECT name, folded, since, until, open FROM sessions "
                                     "WHERE server = ? AND until >= ? ORDER BY until"),
                      {sid, midnight}, &sessions, why))
        return std::nullopt;
    std::map<QString, Played> byName;
    for (const QVariantList& r : sessions) {
        Played& who = byName[r[1].toString()];
        who.name = r[0].toString();
        who.seconds += overlap(r[2].toLongLong(), r[3].toLongLong(), midnight, p.now);
        who.lastSeen = std::max(who.lastSeen, r[3].toLongLong());
        who.playing = who.playing || r[4].toInt() == 1;
    }
    for (auto& [k, who] : byName)
        p.today.push_back(who);
    std::stable_sort(p.today.begin(), p.today.end(),
                     [](const Played& a, const Played& b) { return a.seconds > b.seconds; });
    if (p.today.size() > size_t(mostListed)) {
        p.todayMore = int(p.today.size()) - mostListed;
        p.today.resize(size_t(mostListed));
    }
    return p;
}

std::optional<Found> seen(QSqlDatabase& db, const QString& where, const QVariantList& binds,
                          int most, qint64 now, QString* why) {
    const qint64 t = now, weekFrom = t - week;
    QList<QVariantList> names;
    // Beside each name, how many names matched in all.
    if (!schema::rows(db,
                      QStringLiteral("SELECT folded, MAX(until), COUNT(*) OVER () FROM sessions "
                                     "WHERE %1 GROUP BY folded ORDER BY MAX(until) DESC, folded "
                                     "LIMIT ?")
                          .arg(where),
                      binds + QVariantList{most}, &names, why))
        return std::nullopt;
    Found out;
    if (!names.isEmpty()) out.more = std::max(0, names[0][2].toInt() - int(names.size()));
    for (const QVariantList& n : names) {
        QList<QVariantList> last, played;
        if (!schema::rows(db,
                          QStringLiteral("SELECT s.name, v.page, s.until, s.open FROM sessions s "
                                         "JOIN servers v ON v.id = s.server WHERE s.folded = ? "
                                         "ORDER BY s.open DESC, s.until DESC LIMIT 1"),
                          {n[0]}, &last, why) ||
            !schema::rows(db,
                          QStringLiteral("SELECT v.page, s.since, s.until FROM sessions s JOIN "
                                         "servers v ON v.id = s.server WHERE s.folded = ? AND "
                                         "s.until >= ?"),
                          {n[0], weekFrom}, &played, why))
            return std::nullopt;
        if (last.isEmpty()) continue;
        Seen s{.name = last[0][0].toString(),
               .server = last[0][1].toString(),
               .lastSeen = last[0][2].toLongLong(),
               .playing = last[0][3].toInt() == 1};
        std::map<QString, qint64> perServer;
        for (const QVariantList& r : played)
            perServer[r[0].toString()] +=
                overlap(r[1].toLongLong(), r[2].toLongLong(), weekFrom, t);
        for (const auto& [page, seconds] : perServer)
            s.week.push_back({page, seconds});
        std::stable_sort(
            s.week.begin(), s.week.end(),
            [](const Seen::Week& a, const Seen::Week& b) { return a.seconds > b.seconds; });
        out.names.push_back(std::move(s));
    }
    return out;
}

} // namespace history::reading
