// GameSpy's status: "\status\" answered by "\key\value" pairs in numbered parts, each ending in
// "\queryid\<id>.<part>", the last one saying "\final\"; the players as player_N, frags_N, ping_N.
#include "statusfamily.h"

#include <QMap>

namespace status {
namespace {

// Players are numbered by the slot they hold, with gaps where slots are free: every player_N
// part is read, whatever its N, in slot order.
std::optional<Info> fields(const Reader& r, const QByteArray& joined) {
    const QHash<QByteArray, QByteArray> kv = pairs(joined);
    if (!kv.contains("hostname")) return std::nullopt;
    Info i{r.text(kv.value("hostname")),
           r.text(kv.value("mapname")),
           number(kv.value("numplayers")),
           number(kv.value("maxplayers")),
           {},
           locked(kv.value("password"))};
    QMap<int, QByteArray> seats; // slot -> its number as sent
    for (auto it = kv.begin(); it != kv.end() && seats.size() < MaxCount; ++it) {
        const QByteArray& k = it.key();
        const qsizetype cut = k.startsWith("player_") ? 7 : k.startsWith("playername_") ? 11 : -1;
        bool ok = false;
        const int slot = cut < 0 ? -1 : k.mid(cut).toInt(&ok);
        if (ok && slot >= 0) seats.insert(slot, k.mid(cut));
    }
    for (const QByteArray& n : std::as_const(seats)) {
        const QByteArray name = kv.value("player_" + n, kv.value("playername_" + n));
        const QByteArray score = kv.value("frags_" + n, kv.value("score_" + n));
        i.list.push_back({r.text(name), score.isNull() ? std::nullopt : signedNumber(score),
                          kv.contains("ping_" + n) ? number(kv.value("ping_" + n)) : -1});
    }
    finish(i);
    return i;
}

// Parts come in any order, may come twice, and a second question's parts carry another id: each
// id's parts are kept apart, and the answer is the first id whose parts are all in.
class GameSpyReader final : public Reader {
public:
    using Reader::Reader;
    Question::Step take(const QByteArray& part, std::vector<QByteArray>*) override {
        if (info || !part.startsWith('\\')) return Question::Step::Ignored;
        const qsizetype q = part.lastIndexOf("\\queryid\\");
        QByteArray body = q < 0 ? part : part.left(q);
        const QByteArray id = q < 0 ? QByteArray("1.1") : part.mid(q + 9).split('\\').first();
        const bool final =
            body.contains("\\final\\") || part.mid(q < 0 ? part.size() : q).contains("\\final\\");
        body.replace("\\final\\", "\\");
        const qsizetype dot = id.lastIndexOf('.');
        bool ok = false;
        const int number = id.mid(dot + 1).toInt(&ok);
        if (dot < 0 || !ok || number < 1 || number > 32 ||
            (!parts_.contains(id.left(dot)) && parts_.size() >= 4))
            return Question::Step::Ignored;
        Parts& mine = parts_[id.left(dot)];
        mine.bodies.insert(number, body);
        if (final) mine.last = number;
        if (!mine.last || mine.bodies.size() < mine.last || mine.bodies.lastKey() > mine.last)
            return Question::Step::More;
        QByteArray joined;
        for (const QByteArray& b : mine.bodies)
            joined += b.endsWith('\\') ? b.chopped(1) : b;
        info = fields(*this, joined);
        return info ? Question::Step::Done : Question::Step::Ignored;
    }

private:
    struct Parts {
        QMap<int, QByteArray> bodies; // by part number
        int last = 0;                 // the number of the part that said \final\, once seen
    };
    QMap<QByteArray, Parts> parts_; // by query id
};

} // namespace

const Family gameSpy{
    [] { return QByteArray("\\status\\"); },
    [](bool c) -> std::unique_ptr<Reader> { return std::make_unique<GameSpyReader>(c); }};

} // namespace status
