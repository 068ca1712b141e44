// The host's history: the store against SQLite in a folder of the test's, on a clock of the
// test's; the graphs' numbers; a store that fails leaves the pages serving.
#include "history/graphs.h"
#include "history/schema.h"
#include "history/store.h"
#include "site/host.h"
#include "site/playerpages.h"
#include "site/pulsesection.h"
#include "tests/fakes/fakes.h"

#include <QDir>
#include <QSqlDatabase>
#include <QTemporaryDir>
#include <QTest>

#include <atomic>
#include <ctime>

using history::Store;

namespace {

// Monday 4 March 2024, 00:00 UTC.
constexpr qint64 monday = 1709510400, hour = 3600;

struct Fixture {
    explicit Fixture(int keepDays = 90) : keepDays(keepDays) {}
    QTemporaryDir dir;
    std::atomic<qint64> now{monday};
    int keepDays;
    QString file() const { return dir.filePath("history.sqlite"); }
    std::unique_ptr<Store> open(const QString& host = "here", QString path = {}) {
        return std::make_unique<Store>(Store::Options{.database = path.isEmpty() ? file() : path,
                                                      .keepDays = keepDays,
                                                      .flushMs = 3600 * 1000,
                                                      .clock = [this] { return now.load(); },
                                                      .journalName = "tst_history",
                                                      .hostName = host});
    }
    void at(Store& s, qint64 t, const QString& server, const history::Reading& r) {
        now = t;
        s.record(server, r);
    }
};

history::Reading up(QStringList names, int slotLimit = 16) {
    return {
        .answering = true, .players = int(names.size()), .slotLimit = slotLimit, .names = names};
}

// The pulse as the store's side makes it once a server is asked for.
std::optional<history::Pulse> pulseOf(Store& s, const QString& server) {
    s.pulse(server);
    s.flush();
    return s.pulse(server);
}

// What the store's thread answers a search for `names` (one: names containing it).
std::optional<history::Found> seen(Store& s, const QStringList& names) {
    std::optional<std::optional<history::Found>> told;
    QObject context;
    auto done = [&](const std::optional<history::Found>& f) { told = f; };
    if (names.size() == 1 && names[0].startsWith('~'))
        s.seen(names[0].mid(1), history::mostListed, &context, done);
    else
        s.seen(names, &context, done);
    (void)QTest::qWaitFor([&] { return told.has_value(); }, 5000);
    return told.value_or(std::nullopt);
}

} // namespace

class HistoryTest final : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() {
        qputenv("TZ", "UTC");
        tzset();
    }

    // Players come and go and the server stops answering: their sessions, the day's counts, the
    // hours summed up, who played today, where a name was last seen; and the day drawn.
    void sessionsCountsAndTheDay() {
        Fixture f;
        auto store = f.open();
        f.at(*store, monday + 10 * hour, "srv", up({"Alice", "Bob"}));
        f.at(*store, monday + 10 * hour + 1800, "srv", up({"Alice", "Bob", "<b>Eve</b>"}));
        f.at(*store, monday + 11 * hour, "srv", up({"Bob"}));
        f.at(*store, monday + 11 * hour + 900, "srv", {false, 0, 0, {}});
        f.now = monday + 12 * hour;
        const auto p = pulseOf(*store, "srv");
        QVERIFY(p);
        QStringList today;
        for (const history::Played& who : p->today)
            today << who.name + " " + graphs::duration(who.seconds) + (who.playing ? " now" : "");
        QCOMPARE(today, QStringList({"Bob 1 h 15 min", "Alice 1 h 0 min", "<b>Eve</b> 30 min"}));
        QCOMPARE(p->week[165], 3);
        QCOMPARE(p->week[166], 1);
        QCOMPARE(p->week[164], -1);
        QCOMPARE(p->upSeconds, 4500);
        QCOMPARE(p->watchedSeconds, 7200);
        QCOMPARE(p->record, 3);
        QCOMPARE(p->slotLimit, 16);
        const QByteArray day = graphs::day(*p);
        QVERIFY2(day.contains("<path class=\"players\" d=\"M708 150H723V140H738V160H745.5\"/>"
                              "<rect class=\"silent\" x=\"745.5\" y=\"172\" width=\"22.5\" "
                              "height=\"4\"/>"),
                 day.constData());
        QVERIFY(day.contains("<path class=\"slots\" d=\"M48 10H768\"/>"));
        QVERIFY(day.contains("<desc id=\"day-d\">At most 3 players of 16 slots; no answer "
                             "now.</desc>"));
        QVERIFY(day.contains("<tr><td>10:00</td><td>3</td></tr>\n<tr><td>11:00</td><td>1</td>"));
        const QByteArray section = pulsesection::section(p);
        QVERIFY(section.contains("<td>&lt;b&gt;Eve&lt;/b&gt;</td><td>30 min</td><td>until 11:00"));
        QVERIFY(section.contains("<th>Up this week</th><td>62.5% of the 2 h 0 min watched"));
        QVERIFY(section.contains("<th>Record</th><td>3 players, 4 March 2024 at 10:00"));
        QVERIFY(!section.contains(" more</td>"));
        const auto bob = seen(*store, {"BOB", "nobody"});
        QVERIFY(bob && bob->names.size() == 1);
        QCOMPARE(bob->names.front().name, "Bob");
        QCOMPARE(bob->names.front().lastSeen, monday + 11 * hour + 900);
        QCOMPARE(bob->names.front().playing, false);
        QCOMPARE(bob->names.front().week.front().seconds, 4500);
        // A name found by a part of it: '%' and '_' are letters there, not patterns.
        QCOMPARE(seen(*store, {"~%"})->names.size(), size_t(0));
        QCOMPARE(seen(*store, {"~e"})->names.size(), size_t(2)); // Eve and Alice, Bob has no e
    }

    // Hours are summed up as they end, once the host moves on; sessions older than the admin
    // keeps go, the summaries stay: the record and the busiest hours outlive the sessions.
    void rollupsAndRetention() {
        Fixture f(2);
        auto store = f.open();
        f.at(*store, monday + 1 * hour, "srv", up({"Alice"}));
        f.at(*store, monday + 2 * hour, "srv", up({}));
        store->flush();
        QCOMPARE(seen(*store, {"alice"})->names.size(), size_t(1));
        f.now = monday + 4 * 24 * hour + hour + 1800; // Friday, 01:30
        store->flush();
        QCOMPARE(seen(*store, {"alice"})->names.size(), size_t(0));
        const auto p = pulseOf(*store, "srv");
        QCOMPARE(p->record, 1);
        QCOMPARE(p->busiest[1], 1.0);      // Monday 01:00
        QCOMPARE(p->busiest[2], 0.0);      // Monday 02:00: watched, empty
        QCOMPARE(p->busiest[0], -1.0);     // Monday 00:00: not watched
        QCOMPARE(p->busiest[4 * 24], 0.0); // Friday 00:00
        QVERIFY(graphs::busiest(*p).contains("Busiest: Mon from 01:00, 1 players on average."));
    }

    // A store of the previous version is brought up to this one: its sessions found by any
    // case of their names, its old counts summed up into hours.
    void anOlderStoreIsUpgraded() {
        Fixture f;
        {
            QSqlDatabase db = QSqlDatabase::addDatabase("QSQLITE", "old");
            db.setDatabaseName(f.file());
            QVERIFY(db.open());
            QString why;
            QVERIFY2(history::schema::makeVersion1(db, &why), qPrintable(why));
            for (const char* sql :
                 {"INSERT INTO servers (page) VALUES ('srv')",
                  "INSERT INTO counts VALUES (1, 1709514000, 4)",    // 01:00
                  "INSERT INTO counts VALUES (1, 1709517600, 0)",    // 02:00
                  "INSERT INTO meta VALUES ('alive', '1709517000')", // its host gone at 01:50
                  "INSERT INTO sessions (server, name, since, until, open) VALUES (1, 'Zoë', "
                  "1709514000, 1709517600, 0)"})
                QVERIFY(history::schema::run(db, sql, {}, &why));
            db.close();
        }
        QSqlDatabase::removeDatabase("old");
        f.now = monday + 3 * hour;
        auto store = f.open();
        store->flush();
        QVERIFY(store->available());
        const auto zoe = seen(*store, {"ZOË"});
        QVERIFY(zoe && zoe->names.size() == 1);
        QCOMPARE(zoe->names.front().name, "Zoë");
        QCOMPARE(pulseOf(*store, "srv")->record, 4);
        QCOMPARE(store->pulse("srv")->week[165], 4);         // 01:00, of the hours to 03:00
        QCOMPARE(store->pulse("srv")->watchedSeconds, 6600); // not watched 01:50 to 02:00
    }

    // A store that is no database: the pages go on, the pulse says so.
    void aBrokenStoreLeavesThePagesServing() {
        QTemporaryDir dir;
        writeFile(dir.filePath("servers.con").toStdString(),
                  "[Arena]\r\nGame=qktre\r\nAddress=127.0.0.1:9\r\n");
        const QString file = dir.filePath("store.sqlite");
        writeFile(file.toStdString(), std::string(8192, 'x'));
        CommunityHost::Options o;
        o.root = dir.path();
        o.database = file;
        CommunityHost host(o);
        host.history()->record("qktre127.0.0.1:9.htm", up({"Alice"}));
        host.history()->flush();
        QCOMPARE(host.page("viewservers.htm").status, 200);
        const CommunityHost::Reply page = host.page("qktre127.0.0.1:9.htm");
        QCOMPARE(page.status, 200);
        QVERIFY(page.body.contains("<p class=\"none history\">History unavailable</p>"));
        // A search asked of the store's thread, the text searched for shown as text.
        QByteArray found;
        QObject context;
        QVERIFY(host.later("players.htm", QUrlQuery{{"name", "\"><script>x</script>"}}, &context,
                           [&](CommunityHost::Reply r) { found = r.body; }));
        QTRY_VERIFY(!found.isEmpty());
        QVERIFY(found.contains("value=\"&quot;&gt;&lt;script&gt;x&lt;/script&gt;\">"));
        QVERIFY(found.contains("History unavailable"));
        QVERIFY(host.later("players.json", QUrlQuery{{"find", "a"}}, &context,
                           [&](CommunityHost::Reply r) { found = r.body; }));
        QTRY_COMPARE(found, "{\"available\":false,\"more\":0,\"players\":[]}\n");
    }

    // The host's status loop records a server that does not answer as silent from the start.
    void aSilentServerIsRecorded() {
        QTemporaryDir dir;
        writeFile(dir.filePath("servers.con").toStdString(),
                  "[A]\nGame=qktre\nAddress=127.0.0.1:9\n");
        CommunityHost host({.root = dir.path()});
        QTRY_VERIFY(host.page("viewservers.htm").body.contains("title=\"no answer\""));
        const auto p = pulseOf(*host.history(), "qktre127.0.0.1:9.htm");
        QVERIFY(p && !p->day.empty());
        QCOMPARE(p->day.back().players, -1);
    }

    // A server showing new names every round keeps 500 of them an hour and 5,000 a day as
    // sessions, the rest only counted; its lists show a hundred names and "and N more".
    void newNamesAndListsAreBounded() {
        Fixture f;
        auto store = f.open();
        int n = 0;
        auto hourOfBots = [&](int h) { // 512 new names
            for (int round = 0; round < 8; ++round) {
                QStringList names;
                for (int k = 0; k < 64; ++k)
                    names << QString("Bot%1").arg(++n);
                f.at(*store, monday + h * hour + round * 10, "churn", up(names, 64));
            }
        };
        auto kept = [&] {
            store->flush();
            const auto found = seen(*store, {"~bot"});
            return int(found->names.size()) + found->more;
        };
        hourOfBots(0);
        QCOMPARE(kept(), 500);
        for (int h = 1; h < 11; ++h)
            hourOfBots(h);
        QCOMPARE(kept(), 5000);
        const auto found = seen(*store, {"~bot"});
        auto nameOf = [](const QString&) { return QString(); };
        QVERIFY(playerpages::page("bot", found, f.now, nameOf).contains(">and 4900 more</td>"));
        QVERIFY(playerpages::json(found, f.now, nameOf).contains("\"more\":4900"));
        const auto p = pulseOf(*store, "churn");
        QCOMPARE(p->today.size() + found->names.size(), size_t(200));
        QVERIFY(pulsesection::section(p).contains(">and 4900 more</td>"));
        QVERIFY(pulsesection::json("churn", p).contains("\"todayMore\":4900"));
    }

    // A store that cannot be opened (its folder not there yet) is tried again 1 s later, then 2,
    // 4, ... 30 s apart, and opened once it can be: what was recorded meanwhile is written then.
    void aStoreThatFailsIsTriedAgain() {
        history::Retry r;
        for (qint64 wait : {1, 2, 4, 8, 16, 30, 30})
            QCOMPARE((r.failed(0), r.wait()), wait);
        Fixture f;
        auto store = f.open("here", f.dir.filePath("later/history.sqlite"));
        store->record("srv", up({"Alice"}));
        // Failed at the start and at +1 s; the folder made, the store is not tried before +3 s.
        for (qint64 t : {0, 1, 2, 3}) {
            f.now = monday + t;
            store->flush();
            QCOMPARE(store->available(), t == 3);
            if (t == 1) QVERIFY(QDir(f.dir.path()).mkdir("later"));
        }
        QCOMPARE(seen(*store, {"alice"})->names.size(), size_t(1));
    }
};

QTEST_GUILESS_MAIN(HistoryTest)
#include "tst_history.moc"
