// GameSpy's status: "\status\" answered by "\key\value" pairs in numbered parts, each ending in
// "\queryid\<id>.<part>", the last one saying "\final\"; the players as player_N, frags_N, ping_N.
#include "statusfamily.h"

#include <QMap>

namespace status {
namespace {

std::optional<Info> fields(const Reader& r, const QByteArray& joined)
{
    const QHash<QByteArray, QByteArray> kv = pairs(joined);
    if (!kv.contains("hostname"))
        return std::nullopt;
    Info i{r.text(kv.value("hostname")), r.text(kv.value("mapname")), number(kv.value("numplayers")),
           number(kv.value("maxplayers")), {}};
    for (int n = 0; n < MaxCount; ++n) {
        const QByteArray k = QByteArray::number(n);
        const QByteArray name = kv.value("player_" + k, kv.value("playername_" + k));
        if (name.isNull()) {
            if (n >= i.players)
                break;
            continue; // a gap where a player left between the parts
        }
        const QByteArray score = kv.value("frags_" + k, kv.value("score_" + k));
        i.list.push_back({r.text(name), score.isNull() ? std::nullopt : signedNumber(score),
                          kv.contains("ping_" + k) ? number(kv.value("ping_" + k)) : -1});
    }
    finish(i);
    return i;
}

// Parts come in any order, may come twice, and a second question's parts carry another id: each
// id's parts are kept apart, and the answer is the first id whose parts are all in.
class GameSpyReader final : public Reader {
public:
    using Reader::Reader;
    Answer::Step take(const QByteArray& part, std::vector<QByteArray>*) override
    {
        if (info || !part.startsWith('\\'))
            return Answer::Step::Ignored;
        const qsizetype q = part.lastIndexOf("\\queryid\\");
        QByteArray body = q < 0 ? part : part.left(q);
        const QByteArray id = q < 0 ? QByteArray("1.1") : part.mid(q + 9).split('\\').first();
        const bool final = body.contains("\\final\\") || part.mid(q < 0 ? part.size() : q).contains("\\final\\");
        body.replace("\\final\\", "\\");
        const qsizetype dot = id.lastIndexOf('.');
        bool ok = false;
        const int number = id.mid(dot + 1).toInt(&ok);
        if (dot < 0 || !ok || number < 1 || number > 32 || (!parts_.contains(id.left(dot)) && parts_.size() >= 4))
            return Answer::Step::Ignored;
        Parts& mine = parts_[id.left(dot)];
        mine.bodies.insert(number, body);
        if (final)
            mine.last = number;
        if (!mine.last || mine.bodies.size() < mine.last || mine.bodies.lastKey() > mine.last)
            return Answer::Step::More;
        QByteArray joined;
        for (const QByteArray& b : mine.bodies)
            joined += b.endsWith('\\') ? b.chopped(1) : b;
        info = fields(*this, joined);
        return info ? Answer::Step::Done : Answer::Step::Ignored;
    }

private:
    struct Parts {
        QMap<int, QByteArray> bodies; // by part number
        int last = 0;                 // the number of the part that said \final\, once seen
    };
    QMap<QByteArray, Parts> parts_; // by query id
};

} // namespace

const Family gameSpy{[] { return QByteArray("\\status\\"); },
                     [](bool c) -> std::unique_ptr<Reader> { return std::make_unique<GameSpyReader>(c); }};

} // namespace status
