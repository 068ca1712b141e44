#pragma once

#include <QString>
#include <QStringList>

// A community's past made up and written through the history's store, as the host would have
// written it: the demo's week (its servers are made up, and say so) and the bench's year.
namespace simulation {

struct Plan {
    QStringList pages; // the servers' page names
    int names = 40;    // player names to draw from
    int slotLimit = 16;
    qint64 from = 0, to = 0; // seconds since 1970
    int stepSeconds = 300;   // how often the servers are read
    unsigned seed = 1;
    int keepDays = 90;
};

// The readings, server by server, every step: evenings and week-ends busier, nights empty.
void run(const QString& database, const Plan& plan);
// The week before now, for one server of the demo community.
void demoWeek(const QString& database, const QString& page);

} // namespace simulation
