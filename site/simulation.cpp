#include "simulation.h"

#include "history/store.h"

#include <QDateTime>

#include <atomic>
#include <cmath>
#include <random>

namespace simulation {

void run(const QString& database, const Plan& plan) {
    auto clock = std::make_shared<std::atomic<qint64>>(plan.from);
    history::Store store({.database = database,
                          .keepDays = plan.keepDays,
                          .flushMs = 3600 * 1000,
                          .clock = [clock] { return clock->load(); },
                          .hostName = QStringLiteral("simulation"),
                          .pulses = false});
    std::mt19937 random(plan.seed);
    QStringList pool;
    for (int i = 0; i < plan.names; ++i)
        pool << QStringLiteral("Player%1").arg(i + 1);
    const int servers = int(plan.pages.size());
    std::vector<QStringList> on(static_cast<size_t>(servers));
    std::vector<double> liking(static_cast<size_t>(servers));
    for (double& l : liking)
        l = 0.4 + 0.6 * std::uniform_real_distribution<>()(random);
    qint64 flushed = plan.from;
    for (qint64 t = plan.from; t < plan.to; t += plan.stepSeconds) {
        clock->store(t);
        const QDateTime local = QDateTime::fromSecsSinceEpoch(t);
        const double hour = local.time().hour() + local.time().minute() / 60.0;
        const double evening = std::pow(std::max(0.0, std::sin(M_PI * (hour - 13) / 14)), 2);
        const double weekEnd = local.date().dayOfWeek() >= 5 ? 1.3 : 1.0;
        for (int s = 0; s < servers; ++s) {
            QStringList& who = on[size_t(s)];
            const int wanted = std::min(
                plan.slotLimit, int(plan.slotLimit * 0.8 * evening * weekEnd * liking[size_t(s)]));
            if (std::bernoulli_distribution(0.3)(random)) {
                if (int(who.size()) > wanted && !who.isEmpty())
                    who.removeAt(
                        std::uniform_int_distribution<int>(0, int(who.size()) - 1)(random));
                else if (int(who.size()) < wanted) {
                    const QString& name =
                        pool[std::uniform_int_distribution<int>(0, int(pool.size()) - 1)(random)];
                    if (!who.contains(name)) who << name;
                }
            }
            store.record(plan.pages[s], {.answering = true,
                                         .players = int(who.size()),
                                         .slotLimit = plan.slotLimit,
                                         .names = who});
        }
        if (t - flushed >= 3600) {
            store.flush();
            flushed = t;
        }
    }
    store.flush();
}

void demoWeek(const QString& database, const QString& page) {
    const qint64 now = QDateTime::currentSecsSinceEpoch();
    Plan plan;
    plan.pages = {page};
    plan.from = now - 7 * 86400;
    plan.to = now;
    plan.stepSeconds = 120;
    plan.slotLimit = 8; // as the demo's OpenArena server has
    run(database, plan);
}

} // namespace simulation
