#include "hours.h"

#include <algorithm>

namespace history {

Hour summarize(Step inForce, const std::vector<Step>& steps, qint64 from, qint64 to) {
    Hour h;
    double players = 0;
    auto span = [&](int count, qint64 a, qint64 b) {
        if (b <= a || count == notWatching) return;
        h.watched += b - a;
        if (count < 0) return;
        h.up += b - a;
        h.peak = std::max(h.peak, count);
        players += double(count) * double(b - a);
    };
    qint64 at = from;
    int count = inForce.players;
    for (const Step& s : steps) {
        if (s.at < from || s.at >= to) continue;
        span(count, at, s.at);
        at = s.at;
        count = s.players;
    }
    span(count, at, to);
    h.mean = h.watched > 0 ? players / double(h.watched) : 0;
    return h;
}

} // namespace history
