#include "graphs.h"

#include "hours.h"

#include <QDateTime>

#include <algorithm>
#include <cmath>

namespace graphs {
namespace {

using history::Pulse;
using history::Step;

constexpr double left = 48, base = 170, tall = 160;
constexpr qint64 hour = 3600;
const char* const dayNames[] = {"Mon", "Tue", "Wed", "Thu", "Fri", "Sat", "Sun"};

QByteArray n(double v) {
    const double r = std::round(v * 10) / 10;
    return r == std::floor(r) ? QByteArray::number(qint64(r)) : QByteArray::number(r, 'f', 1);
}

QByteArray text(const QString& s) {
    return s.toHtmlEscaped().toUtf8();
}

QByteArray open(const char* id, int height, const QByteArray& title, const QByteArray& desc) {
    return QByteArray("<figure class=\"graph\"><svg xmlns=\"http://www.w3.org/2000/svg\" "
                      "role=\"img\" viewBox=\"0 0 780 ") +
           QByteArray::number(height) + "\" aria-labelledby=\"" + id + "-t " + id +
           "-d\"><title id=\"" + id + "-t\">" + title + "</title><desc id=\"" + id + "-d\">" +
           desc + "</desc>\n";
}

// The scale's top: the slot limit, or the most players if the server took more.
int top(const Pulse& p, int most) {
    return std::max({p.slotLimit, most, 1});
}

double y(int players, int scaleTop) {
    return base - tall * players / scaleTop;
}

// The frame: the axis, the slot limit's dashed line, the scale's numbers.
QByteArray frame(const Pulse& p, int scaleTop, double width) {
    QByteArray out = "<path class=\"axis\" d=\"M" + n(left) + " 10V" + n(base) + "H" +
                     n(left + width) +
                     "\"/>\n<text class=\"scale\" x=\"42\" y=\"174\" "
                     "text-anchor=\"end\">0</text><text class=\"scale\" x=\"42\" y=\"14\" "
                     "text-anchor=\"end\">" +
                     QByteArray::number(scaleTop) + "</text>\n";
    if (p.slotLimit > 0)
        out += "<path class=\"slots\" d=\"M" + n(left) + " " + n(y(p.slotLimit, scaleTop)) + "H" +
               n(left + width) + "\"/><text class=\"scale\" x=\"" + n(left + width) + "\" y=\"" +
               n(y(p.slotLimit, scaleTop) - 3) + "\" text-anchor=\"end\">" +
               QByteArray::number(p.slotLimit) + " slots</text>\n";
    return out;
}

// The most players in each of the last 24 hours, from the day's counts; -1: no answer all hour.
// The day ends when the page shows it: its last count stands until then.
qint64 dayEnd(const Pulse& p) {
    return std::max(p.now, p.shownAt);
}

std::vector<int> dayPeaks(const Pulse& p) {
    std::vector<int> out;
    const qint64 from = dayEnd(p) - 24 * hour;
    Step standing{from, history::notWatching};
    std::vector<Step> later;
    for (const Step& s : p.day)
        (s.at <= from ? standing : later.emplace_back()) = s;
    for (int i = 0; i < 24; ++i) {
        const qint64 a = from + i * hour;
        const history::Hour h = history::summarize(standing, later, a, a + hour);
        out.push_back(h.peak);
        for (const Step& s : later)
            if (s.at >= a && s.at < a + hour) standing.players = s.players;
    }
    return out;
}

QByteArray table(const QByteArray& caption, const QByteArray& heads, const QByteArray& rows) {
    return "<table class=\"sr\"><caption>" + caption + "</caption><tr>" + heads + "</tr>\n" + rows +
           "</table></figure>\n";
}

QByteArray peakCell(int peak) {
    return peak < 0 ? QByteArray("no answer") : QByteArray::number(peak);
}

} // namespace

QString when(qint64 t, const char* format) {
    return QDateTime::fromSecsSinceEpoch(t).toString(QString::fromLatin1(format));
}

QByteArray duration(qint64 seconds) {
    const qint64 minutes = seconds / 60;
    if (minutes < 1) return "less than a minute";
    if (minutes < 60) return QByteArray::number(minutes) + " min";
    return QByteArray::number(minutes / 60) + " h " + QByteArray::number(minutes % 60) + " min";
}

QByteArray day(const Pulse& p) {
    const qint64 end = dayEnd(p), from = end - 24 * hour;
    int most = 0;
    for (const Step& s : p.day)
        most = std::max(most, s.players);
    const int scaleTop = top(p, most);
    const int now = p.day.empty() ? -1 : p.day.back().players;
    const QByteArray desc =
        p.day.empty()
            ? QByteArray("Nothing is known of the last 24 hours yet.")
            : "At most " + QByteArray::number(most) + " players" +
                  (p.slotLimit > 0 ? " of " + QByteArray::number(p.slotLimit) + " slots"
                                   : QByteArray()) +
                  "; " +
                  (now < 0 ? QByteArray("no answer now.") : QByteArray::number(now) + " now.");
    QByteArray out =
        open("day", 200, "Players over the last 24 hours", desc) + frame(p, scaleTop, 720);
    // Hour marks, each labelled every third hour by the host's clock.
    for (qint64 h = from - from % hour + hour; h <= end; h += hour) {
        const QByteArray x = n(left + double(h - from) / 120);
        out += "<path class=\"tick\" d=\"M" + x + " " + n(base) + "v4\"/>";
        if (QDateTime::fromSecsSinceEpoch(h).time().hour() % 3 == 0)
            out += "<text class=\"scale\" x=\"" + x + "\" y=\"188\" text-anchor=\"middle\">" +
                   text(when(h, "HH:mm")) + "</text>";
    }
    // The count as a line while the server answered, a band below the axis while it did not.
    QByteArray line, silent;
    for (size_t i = 0; i < p.day.size(); ++i) {
        const Step& s = p.day[i];
        const double a = left + double(std::max(s.at, from) - from) / 120;
        const double b = left + double((i + 1 < p.day.size() ? p.day[i + 1].at : end) - from) / 120;
        const bool joined = i > 0 && p.day[i - 1].players >= 0; // a step up or down, drawn
        if (s.players >= 0)
            line += (joined ? "V" + n(y(s.players, scaleTop))
                            : "M" + n(a) + " " + n(y(s.players, scaleTop))) +
                    "H" + n(b);
        else if (s.players == history::notAnswering)
            silent += "<rect class=\"silent\" x=\"" + n(a) + "\" y=\"172\" width=\"" + n(b - a) +
                      "\" height=\"4\"/>";
    }
    out += "\n<path class=\"players\" d=\"" + line + "\"/>" + silent + "</svg>\n";
    QByteArray rows;
    const std::vector<int> peaks = dayPeaks(p);
    for (int i = 0; i < 24; ++i)
        rows += "<tr><td>" + text(when(from + i * hour, "HH:mm")) + "</td><td>" +
                peakCell(peaks[size_t(i)]) + "</td></tr>\n";
    return out + table("Players over the last 24 hours, hour by hour",
                       "<th>From</th><th>Most players</th>", rows);
}

QByteArray week(const Pulse& p) {
    const int most = *std::max_element(p.week.begin(), p.week.end());
    const int scaleTop = top(p, most);
    const qint64 first = p.now - p.now % hour - 167 * hour;
    const QByteArray desc = most < 0 ? QByteArray("Nothing is known of the last 7 days yet.")
                                     : "At most " + QByteArray::number(most) +
                                           " players in an hour of the last 7 days.";
    QByteArray out =
        open("week", 200, "Players over the last 7 days", desc) + frame(p, scaleTop, 672);
    QByteArray rows;
    for (int d = 0; d < 7; ++d) {
        int dayMost = -1;
        for (int h = 0; h < 24; ++h)
            dayMost = std::max(dayMost, p.week[size_t(d * 24 + h)]);
        rows += "<tr><td>" + text(when(first + d * 24 * hour, "ddd HH:mm")) + "</td><td>" +
                peakCell(dayMost) + "</td></tr>\n";
    }
    for (int i = 0; i < 168; ++i) {
        const qint64 at = first + i * hour;
        const QByteArray x = n(left + 4 * i);
        if (QDateTime::fromSecsSinceEpoch(at).time().hour() == 0)
            out += "<path class=\"tick\" d=\"M" + x + " 10V174\"/><text class=\"scale\" x=\"" +
                   n(left + 4 * i + 48) + "\" y=\"188\" text-anchor=\"middle\">" +
                   text(when(at, "ddd")) + "</text>";
        const int peak = p.week[size_t(i)];
        if (peak > 0)
            out += "<rect class=\"bar\" x=\"" + x + "\" y=\"" + n(y(peak, scaleTop)) +
                   "\" width=\"4\" height=\"" + n(base - y(peak, scaleTop)) + "\"/>";
    }
    return out + "</svg>\n" +
           table("Players over the last 7 days, 24 hours at a time from",
                 "<th>From</th><th>Most players</th>", rows);
}

QByteArray busiest(const Pulse& p) {
    const double most = std::max(*std::max_element(p.busiest.begin(), p.busiest.end()), 0.0);
    int day = 0, at = 0;
    for (int i = 0; i < 168; ++i)
        if (p.busiest[size_t(i)] > p.busiest[size_t(day * 24 + at)]) day = i / 24, at = i % 24;
    const QByteArray desc = most <= 0 ? QByteArray("No players seen yet in the weeks kept.")
                                      : "Busiest: " + QByteArray(dayNames[day]) + " from " +
                                            QByteArray::number(at).rightJustified(2, '0') +
                                            ":00, " + n(most) + " players on average.";
    QByteArray out = open("busy", 150, "The busiest hours of the week", desc);
    QByteArray rows;
    for (int d = 0; d < 7; ++d) {
        out += "<text class=\"scale\" x=\"42\" y=\"" + n(20 + 16 * d + 12) +
               "\" text-anchor=\"end\">" + dayNames[d] + "</text>";
        rows += "<tr><th>" + QByteArray(dayNames[d]) + "</th>";
        for (int h = 0; h < 24; ++h) {
            const double mean = p.busiest[size_t(d * 24 + h)];
            const double shade = most > 0 && mean > 0 ? 0.15 + 0.85 * mean / most : 0;
            out += "<rect class=\"" + QByteArray(mean < 0 ? "unseen" : "busy") + "\" x=\"" +
                   n(left + 24 * h) + "\" y=\"" + n(20 + 16 * d) + "\" width=\"23\" height=\"15\"" +
                   (mean < 0 ? QByteArray() : " fill-opacity=\"" + n(shade) + "\"") + "/>";
            rows += "<td>" + (mean < 0 ? QByteArray() : n(mean)) + "</td>";
        }
        rows += "</tr>\n";
    }
    for (int h = 0; h < 24; h += 3)
        out += "<text class=\"scale\" x=\"" + n(left + 24 * h) + "\" y=\"146\">" +
               QByteArray::number(h).rightJustified(2, '0') + ":00</text>";
    QByteArray heads = "<th>Day</th>";
    for (int h = 0; h < 24; ++h)
        heads += "<th>" + QByteArray::number(h).rightJustified(2, '0') + "</th>";
    return out + "</svg>\n" +
           table("Players on average by day and hour, over the last 8 weeks", heads, rows);
}

} // namespace graphs
