#pragma once

#include <QString>
#include <QtGlobal>

#include <array>
#include <vector>

// What the history says of one server and of one name, as pages and data show it.
namespace history {

// A player count from a time on: players < 0 while the server did not answer.
struct Step {
    qint64 at = 0;
    int players = 0;
};

// A name's time on a server: `seconds` in the span asked for, `playing` while a session is open.
struct Played {
    QString name;
    qint64 seconds = 0;
    qint64 lastSeen = 0;
    bool playing = false;
};

struct Pulse {
    qint64 now = 0; // when it was made
    // When a page shows it: the day's last count still stands then, so the day is drawn to here.
    qint64 shownAt = 0;
    int slotLimit = 0; // the last slot limit the server gave
    // The counts over the last 24 hours: the one in force 24 hours ago first (if known), then each
    // change.
    std::vector<Step> day;
    // The last 7 days, hour by hour, oldest first: the most players in each hour, -1 where the
    // server never answered or nothing is known.
    std::array<int, 168> week{};
    // The busiest hours: the mean players by day of the week (Monday first) and hour, over the
    // last 8 weeks' summaries (-1: never seen).
    std::array<double, 7 * 24> busiest{};
    // The seconds the server answered in the last 7 days, of the seconds the host was watching.
    qint64 upSeconds = 0, watchedSeconds = 0;
    int record = 0;            // the most players ever seen together
    qint64 recordAt = 0;       // when first
    std::vector<Played> today; // since midnight (the host's time), the longest first
    int todayMore = 0;         // names played here today beyond those `today` lists
};

// A list shown whole up to this many, then "and N more".
inline constexpr int mostListed = 100;

// Where a name was last seen, and its time this week on each server.
struct Seen {
    QString name;
    QString server; // the server's page name, where last seen
    qint64 lastSeen = 0;
    bool playing = false;
    struct Week {
        QString server;
        qint64 seconds = 0;
    };
    std::vector<Week> week{}; // the most first
};

// The names a search found, and how many more it found than it lists.
struct Found {
    std::vector<Seen> names;
    int more = 0;
};

} // namespace history
