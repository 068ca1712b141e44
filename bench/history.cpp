// The history at a community's scale: a simulated year of 100 servers and 20,000 names written
// through the store, and a day of one server showing 64 new names every round; then the store's
// size, the time of the server page, history.json and a players search (median and worst), the
// store's side making the pulses, and the status loop's time with and without the store, against
// 100 stand-in servers on loopback.
//   tovo-bench-history [DAYS]   (365 by default)
#include "site/host.h"
#include "site/simulation.h"
#include "site/statuscache.h"

#include <QCoreApplication>
#include <QDateTime>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTemporaryDir>
#include <QTimer>
#include <QUrlQuery>

#include <algorithm>
#include <arpa/inet.h>
#include <atomic>
#include <cstdio>
#include <poll.h>
#include <sys/socket.h>
#include <thread>
#include <time.h>
#include <unistd.h>

namespace {

constexpr int servers = 100, rounds = 30;

// 100 Quake III servers on one thread, each answering with eight players, one of whom changes
// every tenth answer: the sessions opened and closed as a busy community's are.
struct StandIns {
    std::vector<int> fds;
    std::vector<quint16> ports;
    std::atomic<bool> stop{false};
    std::thread thread;
    StandIns() {
        for (int i = 0; i < servers; ++i) {
            const int fd = ::socket(AF_INET, SOCK_DGRAM, 0);
            sockaddr_in a{};
            a.sin_family = AF_INET;
            a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
            ::bind(fd, reinterpret_cast<sockaddr*>(&a), sizeof a);
            socklen_t n = sizeof a;
            ::getsockname(fd, reinterpret_cast<sockaddr*>(&a), &n);
            fds.push_back(fd);
            ports.push_back(ntohs(a.sin_port));
        }
        thread = std::thread([this] { serve(); });
    }
    ~StandIns() {
        stop = true;
        thread.join();
        for (int fd : fds)
            ::close(fd);
    }
    void serve() {
        std::vector<pollfd> p;
        for (int fd : fds)
            p.push_back({fd, POLLIN, 0});
        std::vector<unsigned> turns(fds.size());
        while (!stop) {
            if (::poll(p.data(), p.size(), 100) <= 0) continue;
            for (const pollfd& x : p) {
                if (!(x.revents & POLLIN)) continue;
                unsigned& turn = turns[size_t(&x - p.data())];
                char buffer[2048];
                sockaddr_in from{};
                socklen_t n = sizeof from;
                if (::recvfrom(x.fd, buffer, sizeof buffer, 0, reinterpret_cast<sockaddr*>(&from),
                               &n) <= 0)
                    continue;
                QByteArray reply = "\xff\xff\xff\xffstatusResponse\n\\sv_hostname\\Owls\\mapname"
                                   "\\oa_dm1\\sv_maxclients\\16\n";
                ++turn;
                for (unsigned k = 0; k < 8; ++k)
                    reply += "0 50 \"Player" +
                             QByteArray::number((k == 0 ? turn / 10 : k * 7 + x.fd) % 20000) +
                             "\"\n";
                ::sendto(x.fd, reply.constData(), size_t(reply.size()), 0,
                         reinterpret_cast<sockaddr*>(&from), n);
            }
        }
    }
};

qint64 folderBytes(const QString& dir) {
    qint64 total = 0;
    for (QDirIterator it(dir, {QStringLiteral(".history*")}, QDir::Files | QDir::Hidden);
         it.hasNext();)
        total += QFileInfo(it.next()).size();
    return total;
}

// Milliseconds for each round of the status loop: every server asked, every answer taken (and,
// with a store, handed to it).
double threadMs() {
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

// Each round's time on the loop's own thread (the store writes on a thread of its own), and
// from asking to the last answer.
std::pair<std::vector<double>, std::vector<double>> statusLoop(const QString& con,
                                                               const QString& database) {
    ServerList list(con.toStdString());
    StatusCache cache(1000, 0);
    std::unique_ptr<history::Store> store;
    if (!database.isEmpty())
        store = std::make_unique<history::Store>(
            history::Store::Options{.database = database, .journalName = QStringLiteral("bench")});
    int settled = 0;
    double recording = 0; // ms in the store's record, all rounds
    QEventLoop loop;
    cache.onSettled([&](const QString& page, const Status& st) {
        if (store) {
            QStringList names;
            for (const status::Player& p : st.info.list)
                names << p.name;
            const double before = threadMs();
            store->record(page, {.answering = st.state == Status::State::Answering,
                                 .players = st.info.players,
                                 .slotLimit = st.info.maxPlayers,
                                 .names = names});
            recording += threadMs() - before;
        }
        if (++settled == servers) loop.quit();
    });
    std::vector<double> cpu, wall;
    for (int r = 0; r < rounds; ++r) {
        settled = 0;
        QElapsedTimer t;
        t.start();
        const double before = threadMs();
        cache.refresh(list.servers(), true);
        QTimer::singleShot(2000, &loop, &QEventLoop::quit);
        loop.exec();
        cpu.push_back(threadMs() - before);
        wall.push_back(double(t.nsecsElapsed()) / 1e6);
    }
    if (store)
        std::printf("%-44s %8.3f ms a round\n", "the store's own part (record)",
                    recording / rounds);
    return {cpu, wall};
}

void print(const char* what, std::vector<double> v, const char* unit) {
    std::sort(v.begin(), v.end());
    std::printf("%-44s median %8.2f %s   worst %8.2f %s\n", what, v[v.size() / 2], unit, v.back(),
                unit);
}

// A server showing 64 names never seen before every ten seconds, for the day before `to`.
void churn(const QString& database, const QString& page, qint64 to) {
    auto clock = std::make_shared<std::atomic<qint64>>(to - 86400);
    history::Store store({.database = database,
                          .flushMs = 3600 * 1000,
                          .clock = [clock] { return clock->load(); },
                          .hostName = QStringLiteral("churn"),
                          .pulses = false});
    int n = 0;
    for (qint64 t = to - 86400; t < to; t += 10) {
        clock->store(t);
        QStringList names;
        for (int k = 0; k < 64; ++k)
            names << QStringLiteral("Bot%1").arg(++n);
        store.record(page, {.answering = true, .players = 64, .slotLimit = 64, .names = names});
        if (t % 3600 == 0) store.flush();
    }
    store.flush();
}

// The pages that read the history, each made as a member asks for it: the server page and
// history.json from the pulse kept in memory, the players search through the store's thread.
void historyPages(const QString& root, const QString& database, const QStringList& pages) {
    CommunityHost::Options o;
    o.root = root;
    o.database = database;
    o.watchMs = 3600 * 1000;
    CommunityHost host(o);
    for (const QString& page : pages)
        host.page(page); // asked for: its pulse is made from the next pass on
    QElapsedTimer made;
    made.start();
    host.history()->flush();
    std::printf("%-44s %8.2f ms a server\n", "the store's side making the pulses",
                double(made.nsecsElapsed()) / 1e6 / double(pages.size()));
    std::vector<double> page, json, search;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer p;
        p.start();
        const CommunityHost::Reply r = host.page(pages[i % servers]);
        page.push_back(double(p.nsecsElapsed()) / 1e6);
        if (i == 0 && !r.body.contains("Played here today"))
            std::printf("the server page has no pulse!\n");
        p.start();
        host.page(QStringLiteral("history.json"), QUrlQuery({{"page", pages[i % servers]}}));
        json.push_back(double(p.nsecsElapsed()) / 1e6);
    }
    for (int i = 0; i < 40; ++i) {
        QElapsedTimer p;
        p.start();
        QEventLoop wait;
        QByteArray body;
        host.later(QStringLiteral("players.htm"),
                   QUrlQuery({{"name", QStringLiteral("player%1").arg(i * 37 % 20000)}}), &wait,
                   [&](CommunityHost::Reply r) {
                       body = r.body;
                       wait.quit();
                   });
        wait.exec();
        search.push_back(double(p.nsecsElapsed()) / 1e6);
        if (i == 0 && !body.contains("Last seen")) std::printf("the players page is wrong!\n");
    }
    print("server page (goal: within 50 ms)", page, "ms");
    print("history.json (goal: within 50 ms)", json, "ms");
    print("players search, through the store's thread", search, "ms");
}

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    const int days = argc > 1 ? std::max(1, std::atoi(argv[1])) : 365;
    QTemporaryDir root;
    StandIns standIns;
    QByteArray con;
    QStringList pages;
    for (quint16 port : standIns.ports) {
        con += "[Server " + QByteArray::number(port) +
               "]\r\nGame=qktre\r\nAddress=127.0.0.1:" + QByteArray::number(port) + "\r\n";
        pages << QStringLiteral("qktre127.0.0.1:%1.htm").arg(port);
    }
    QFile f(root.filePath(QStringLiteral("servers.con")));
    f.open(QIODevice::WriteOnly);
    f.write(con);
    f.close();
    const QString database = root.filePath(QStringLiteral(".history.sqlite"));

    simulation::Plan plan;
    plan.pages = pages;
    plan.names = 20000;
    plan.to = QDateTime::currentSecsSinceEpoch();
    plan.from = plan.to - qint64(days) * 86400;
    QElapsedTimer t;
    t.start();
    simulation::run(database, plan);
    std::printf("simulated %d days of %d servers and %d names in %.1f s\n", days, servers,
                plan.names, double(t.elapsed()) / 1000);
    const double yearMb = double(folderBytes(root.path())) / 1e6;
    std::printf("store: %.1f MB after the %d days\n", yearMb, days);
    churn(database, pages[0], plan.to);
    std::printf("a day of 64 new names a round on one server added %.2f MB (goal: at most 2 MB)\n",
                double(folderBytes(root.path())) / 1e6 - yearMb);
    historyPages(root.path(), database, pages);
    const QString conFile = root.filePath(QStringLiteral("servers.con"));
    const auto [bare, bareWall] = statusLoop(conFile, {});
    const auto [kept, keptWall] = statusLoop(conFile, database);
    print("status loop of 100 servers, no store", bare, "ms of its thread");
    print("status loop of 100 servers, with the store", kept, "ms of its thread");
    print("the same, from asking to the last answer", bareWall, "ms (no store)");
    print("", keptWall, "ms (with the store)");
    return 0;
}
