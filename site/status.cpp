#include "status.h"

#include <QHash>
#include <QList>

#include <algorithm>
#include <array>
#include <climits>

namespace status {
namespace {

struct Row {
    const char* code;
    Game game;
};

// Each game's query, its usual game port, and where its servers answer the question.
constexpr std::array<Row, 12> rows{{
    {"mohaa", {Protocol::Moh, 12203, 0, 0, "MOH:AA"}},
    {"mohsh", {Protocol::Moh, 12203, 0, 0, "MOH:SH"}},
    {"mohbt", {Protocol::Moh, 12203, 0, 0, "MOH:BT"}},
    {"untor", {Protocol::GameSpy, 7777, 1, 0, "UT"}},
    {"qkone", {Protocol::NetQuake, 26000, 0, 0, "Quake"}},
    {"qktwo", {Protocol::Quake2, 27910, 0, 0, "Quake II"}},
    {"qktre", {Protocol::Quake3, 27960, 0, 0, "Quake III"}},
    {"night", {Protocol::GameSpy, 26015, 0, 6550, "Night Fire"}},
    {"rwolf", {Protocol::Quake3, 27960, 0, 0, "RtCW"}},
    {"sofon", {Protocol::Quake2, 28910, 0, 0, "SoF"}},
    {"softw", {Protocol::Quake3, 20100, 0, 0, "SoF II"}},
    {"jedio", {Protocol::Quake3, 28070, 0, 0, "JK II"}},
}};

const QByteArray oob("\xff\xff\xff\xff", 4);

int number(QByteArrayView v)
{
    bool ok = false;
    const int n = v.trimmed().toInt(&ok);
    return ok ? std::clamp(n, 0, 4096) : 0;
}

std::optional<int> signedNumber(QByteArrayView v)
{
    bool ok = false;
    const int n = v.trimmed().toInt(&ok);
    return ok ? std::optional<int>(std::clamp(n, -99999, 99999)) : std::nullopt;
}

// "\key\value\key\value": the pairs, keys in lower case; the first of a key wins.
QHash<QByteArray, QByteArray> pairs(QByteArrayView info)
{
    QHash<QByteArray, QByteArray> out;
    const QList<QByteArray> parts = info.toByteArray().mid(info.startsWith('\\') ? 1 : 0).split('\\');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        if (const QByteArray k = parts[i].toLower(); !out.contains(k))
            out.insert(k, parts[i + 1]);
    return out;
}

void finish(Info& i)
{
    std::stable_sort(i.list.begin(), i.list.end(), [](const Player& a, const Player& b) {
        return a.score.value_or(INT_MIN) > b.score.value_or(INT_MIN);
    });
    if (i.list.size() > size_t(MaxPlayers))
        i.list.resize(MaxPlayers);
}

// A Quake player line: numbers (score and ping, or only the ping), then the quoted name.
Player playerLine(const QByteArray& line)
{
    const qsizetype quote = line.indexOf('"');
    const qsizetype end = line.lastIndexOf('"');
    Player p;
    p.name = clean(quote >= 0 && end > quote ? QByteArrayView(line).sliced(quote + 1, end - quote - 1) : QByteArrayView());
    QList<QByteArray> numbers = line.left(quote < 0 ? line.size() : quote).simplified().split(' ');
    numbers.removeAll(QByteArray());
    if (numbers.size() >= 2)
        p.score = signedNumber(numbers[0]);
    if (!numbers.isEmpty())
        p.ping = number(numbers.last());
    return p;
}

// The Quake engines' answer: a header line, the info string (some servers put lines of text
// before it), then one line per player.
std::optional<Info> infoAndPlayers(const QByteArray& reply, QByteArrayView header, QByteArrayView maxKey)
{
    if (!reply.startsWith(header.toByteArray()))
        return std::nullopt;
    const QList<QByteArray> lines = reply.mid(header.size()).split('\n');
    const auto infoLine = std::find_if(lines.begin(), lines.end(), [](const QByteArray& l) { return l.startsWith('\\'); });
    if (infoLine == lines.end())
        return std::nullopt;
    const QHash<QByteArray, QByteArray> kv = pairs(*infoLine);
    Info i;
    i.host = clean(kv.value("sv_hostname", kv.value("hostname")));
    i.map = clean(kv.value("mapname"));
    i.maxPlayers = number(kv.value(maxKey.toByteArray()));
    for (auto l = infoLine + 1; l != lines.end(); ++l)
        if (!l->trimmed().isEmpty()) {
            ++i.players;
            if (i.list.size() < 4096)
                i.list.push_back(playerLine(*l));
        }
    i.players = std::min(i.players, 4096);
    finish(i);
    return i;
}

// GameSpy's whole answer, its parts joined: the server's keys, then player_N, frags_N, ping_N.
std::optional<Info> gameSpy(const QByteArray& joined)
{
    const QHash<QByteArray, QByteArray> kv = pairs(joined);
    if (!kv.contains("hostname"))
        return std::nullopt;
    Info i{clean(kv.value("hostname")), clean(kv.value("mapname")), number(kv.value("numplayers")),
           number(kv.value("maxplayers")), {}};
    for (int n = 0; n < 4096; ++n) {
        const QByteArray k = QByteArray::number(n);
        const QByteArray name = kv.value("player_" + k, kv.value("playername_" + k));
        if (name.isNull()) {
            if (n >= i.players)
                break;
            continue; // a gap where a player left between the parts
        }
        const QByteArray score = kv.value("frags_" + k, kv.value("score_" + k));
        i.list.push_back({clean(name), score.isNull() ? std::nullopt : signedNumber(score),
                          kv.contains("ping_" + k) ? number(kv.value("ping_" + k)) : -1});
    }
    finish(i);
    return i;
}

// NetQuake's control packets: a big-endian 0x8000 flag and length, then the command byte.
bool netQuakeControl(const QByteArray& reply, quint8 command)
{
    return reply.size() >= 5 && quint8(reply[0]) == 0x80 && quint8(reply[1]) == 0x00 &&
           ((quint8(reply[2]) << 8) | quint8(reply[3])) == reply.size() && quint8(reply[4]) == command;
}

// NUL-ended strings from `at` on; false when one is not ended.
bool strings(const QByteArray& reply, qsizetype& at, QList<QByteArray>& out, int count)
{
    for (int k = 0; k < count; ++k) {
        const qsizetype end = reply.indexOf('\0', at);
        if (end < 0)
            return false;
        out << reply.sliced(at, end - at);
        at = end + 1;
    }
    return true;
}

std::optional<Info> netQuakeInfo(const QByteArray& reply)
{
    QList<QByteArray> texts; // server address, host name, level name
    qsizetype at = 5;
    if (!netQuakeControl(reply, 0x83) || !strings(reply, at, texts, 3) || at + 2 > reply.size())
        return std::nullopt;
    return Info{clean(texts[1]), clean(texts[2]), quint8(reply[at]), quint8(reply[at + 1]), {}};
}

qint32 littleLong(const QByteArray& b, qsizetype at)
{
    return qint32(quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 | quint32(quint8(b[at + 2])) << 16 |
                  quint32(quint8(b[at + 3])) << 24);
}

} // namespace

std::optional<Game> gameOf(std::string_view code)
{
    auto it = std::find_if(rows.begin(), rows.end(), [&](const Row& r) { return code == r.code; });
    return it == rows.end() ? std::nullopt : std::optional<Game>(it->game);
}

std::optional<quint16> queryPort(std::string_view code, quint16 gamePort, quint16 configured)
{
    if (configured)
        return configured;
    const std::optional<Game> g = gameOf(code);
    if (!g)
        return std::nullopt;
    if (g->queryPort)
        return g->queryPort;
    const int port = gamePort + g->queryOffset;
    return port > 0 && port <= 65535 ? std::optional<quint16>(quint16(port)) : std::nullopt;
}

QByteArray request(Protocol p)
{
    switch (p) {
    case Protocol::Quake3:
        return oob + "getstatus";
    case Protocol::Moh:
        return oob + "\x02getstatus";
    case Protocol::Quake2:
        return oob + "status";
    case Protocol::GameSpy:
        return "\\status\\";
    case Protocol::NetQuake:
        return QByteArray("\x80\x00\x00\x0c\x02QUAKE\x00\x03", 12);
    case Protocol::None:
        break;
    }
    return {};
}

QByteArray playerRequest(int index) { return QByteArray("\x80\x00\x00\x06\x03", 5) + char(quint8(index)); }

Answer::Step Answer::take(const QByteArray& d, std::vector<QByteArray>* next)
{
    if (d.size() > MaxReply)
        return Step::Ignored;
    auto whole = [this](std::optional<Info> i) {
        if (!i)
            return Step::Ignored;
        info_ = std::move(i);
        return Step::Done;
    };
    switch (protocol_) {
    case Protocol::Quake3:
        return whole(infoAndPlayers(d, oob + "statusResponse\n", "sv_maxclients"));
    case Protocol::Moh:
        return whole(infoAndPlayers(d, oob + "\x01statusResponse\n", "sv_maxclients"));
    case Protocol::Quake2:
        return whole(infoAndPlayers(d, oob + "print\n", "maxclients"));
    case Protocol::GameSpy:
        return gameSpyPart(d);
    case Protocol::NetQuake:
        if (!info_) {
            if (!(info_ = netQuakeInfo(d)))
                return Step::Ignored;
            const int asked = std::min({info_->players, info_->maxPlayers, MaxPlayers});
            playerSeen_.assign(size_t(asked), false);
            for (int n = 0; next && n < asked; ++n)
                next->push_back(playerRequest(n));
            return asked ? Step::More : Step::Done;
        }
        return netQuakePlayer(d);
    case Protocol::None:
        break;
    }
    return Step::Ignored;
}

// Parts come in any order, may come twice, and a second question's parts carry another id: each
// id's parts are kept apart, and the answer is the first id whose parts are all in.
Answer::Step Answer::gameSpyPart(const QByteArray& part)
{
    if (info_ || !part.startsWith('\\'))
        return Step::Ignored;
    const qsizetype q = part.lastIndexOf("\\queryid\\");
    QByteArray body = q < 0 ? part : part.left(q);
    const QByteArray id = q < 0 ? QByteArray("1.1") : part.mid(q + 9).split('\\').first();
    const bool final = body.contains("\\final\\") || part.mid(q < 0 ? part.size() : q).contains("\\final\\");
    body.replace("\\final\\", "\\");
    const qsizetype dot = id.lastIndexOf('.');
    bool ok = false;
    const int number = id.mid(dot + 1).toInt(&ok);
    if (dot < 0 || !ok || number < 1 || number > 32 || (!parts_.contains(id.left(dot)) && parts_.size() >= 4))
        return Step::Ignored;
    Parts& mine = parts_[id.left(dot)];
    mine.bodies.insert(number, body);
    if (final)
        mine.last = number;
    if (!mine.last || mine.bodies.size() < mine.last || mine.bodies.lastKey() > mine.last)
        return Step::More;
    QByteArray joined;
    for (const QByteArray& b : mine.bodies)
        joined += b.endsWith('\\') ? b.chopped(1) : b;
    info_ = gameSpy(joined);
    return info_ ? Step::Done : Step::Ignored;
}

// CCREP_PLAYER_INFO: the player's number, name, colours, frags, connect time and address.
Answer::Step Answer::netQuakePlayer(const QByteArray& d)
{
    QList<QByteArray> name;
    qsizetype at = 6;
    if (!netQuakeControl(d, 0x84) || d.size() < 6 || !strings(d, at, name, 1) || at + 12 > d.size())
        return Step::Ignored;
    const size_t index = quint8(d[5]);
    if (index >= playerSeen_.size() || playerSeen_[index])
        return Step::Ignored;
    playerSeen_[index] = true;
    info_->list.push_back({clean(name[0]), std::clamp(littleLong(d, at + 4), -99999, 99999), -1});
    finish(*info_);
    return std::all_of(playerSeen_.begin(), playerSeen_.end(), [](bool b) { return b; }) ? Step::Done : Step::More;
}

QString clean(QByteArrayView raw)
{
    QString out;
    const QString text = QString::fromUtf8(raw.first(std::min<qsizetype>(raw.size(), MaxReply)));
    for (qsizetype i = 0; i < text.size() && out.size() < MaxText; ++i) {
        const QChar c = text[i];
        if (c == QLatin1Char('^') && i + 1 < text.size() && text[i + 1] != QLatin1Char('^')) {
            ++i; // a colour code
            continue;
        }
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format || c == QChar::ReplacementCharacter)
            continue;
        out += c;
    }
    return out.trimmed();
}

} // namespace status
