#include "status.h"

#include <QList>

#include <algorithm>
#include <array>

namespace status {
namespace {

struct Row {
    const char* code;
    Protocol protocol;
    quint16 port;
};

// The game port each game's servers use unless told otherwise.
constexpr std::array<Row, 12> rows{{
    {"mohaa", Protocol::Quake3, 12203}, {"mohsh", Protocol::Quake3, 12203},
    {"mohbt", Protocol::Quake3, 12203}, {"untor", Protocol::Unreal, 7777},
    {"qkone", Protocol::NetQuake, 26000}, {"qktwo", Protocol::Quake2, 27910},
    {"qktre", Protocol::Quake3, 27960}, {"night", Protocol::None, 26015},
    {"rwolf", Protocol::Quake3, 27960}, {"sofon", Protocol::Quake2, 28910},
    {"softw", Protocol::Quake3, 20100}, {"jedio", Protocol::Quake3, 28070},
}};

const Row* rowOf(std::string_view code)
{
    auto it = std::find_if(rows.begin(), rows.end(), [&](const Row& r) { return code == r.code; });
    return it == rows.end() ? nullptr : &*it;
}

const QByteArray oob("\xff\xff\xff\xff", 4);

int number(QByteArrayView v)
{
    bool ok = false;
    const int n = v.trimmed().toInt(&ok);
    return ok ? std::clamp(n, 0, 4096) : 0;
}

// "\key\value\key\value": the value of a key, without regard to case.
QByteArrayView value(QByteArrayView info, QByteArrayView key)
{
    const QList<QByteArrayView> parts = [&] {
        QList<QByteArrayView> l;
        qsizetype at = info.startsWith('\\') ? 1 : 0;
        while (at <= info.size()) {
            qsizetype next = info.indexOf('\\', at);
            if (next < 0)
                next = info.size();
            l << info.sliced(at, next - at);
            at = next + 1;
        }
        return l;
    }();
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        if (parts[i].compare(key, Qt::CaseInsensitive) == 0)
            return parts[i + 1];
    return {};
}

// The Quake engines' answer: a header line, the info string, then one line per player.
std::optional<Info> infoAndPlayers(const QByteArray& reply, QByteArrayView header, QByteArrayView maxKey)
{
    if (!reply.startsWith(oob + header.toByteArray()))
        return std::nullopt;
    const QList<QByteArray> lines = reply.mid(oob.size() + header.size()).split('\n');
    if (!lines[0].startsWith('\\'))
        return std::nullopt;
    Info i;
    const QByteArrayView info(lines[0]);
    i.host = clean(value(info, "sv_hostname").isEmpty() ? value(info, "hostname") : value(info, "sv_hostname"));
    i.map = clean(value(info, "mapname"));
    i.maxPlayers = number(value(info, maxKey));
    i.players = int(std::count_if(lines.begin() + 1, lines.end(), [](const QByteArray& l) { return !l.trimmed().isEmpty(); }));
    i.players = std::min(i.players, 4096);
    return i;
}

// NetQuake's control packets: a big-endian 0x8000 flag and length, then the command byte.
std::optional<Info> netQuake(const QByteArray& reply)
{
    if (reply.size() < 5 || quint8(reply[0]) != 0x80 || quint8(reply[1]) != 0x00 ||
        ((quint8(reply[2]) << 8) | quint8(reply[3])) != reply.size() || quint8(reply[4]) != 0x83)
        return std::nullopt;
    QList<QByteArray> texts; // server address, host name, level name
    qsizetype at = 5;
    for (int k = 0; k < 3; ++k) {
        const qsizetype end = reply.indexOf('\0', at);
        if (end < 0)
            return std::nullopt;
        texts << reply.sliced(at, end - at);
        at = end + 1;
    }
    if (at + 2 > reply.size())
        return std::nullopt;
    return Info{clean(texts[1]), clean(texts[2]), quint8(reply[at]), quint8(reply[at + 1])};
}

} // namespace

Protocol protocolFor(std::string_view gameCode)
{
    const Row* r = rowOf(gameCode);
    return r ? r->protocol : Protocol::None;
}

quint16 defaultPort(std::string_view gameCode)
{
    const Row* r = rowOf(gameCode);
    return r ? r->port : 0;
}

int queryPortOffset(Protocol p) { return p == Protocol::Unreal ? 1 : 0; }

QByteArray request(Protocol p)
{
    switch (p) {
    case Protocol::Quake3:
        return oob + "getstatus";
    case Protocol::Quake2:
        return oob + "status";
    case Protocol::Unreal:
        return "\\status\\";
    case Protocol::NetQuake:
        return QByteArray("\x80\x00\x00\x0c\x02QUAKE\x00\x03", 12);
    case Protocol::None:
        break;
    }
    return {};
}

std::optional<Info> parse(Protocol p, const QByteArray& reply)
{
    if (reply.size() > MaxReply)
        return std::nullopt;
    switch (p) {
    case Protocol::Quake3:
        return infoAndPlayers(reply, "statusResponse\n", "sv_maxclients");
    case Protocol::Quake2:
        return infoAndPlayers(reply, "print\n", "maxclients");
    case Protocol::Unreal: {
        if (!reply.startsWith('\\') || value(reply, "hostname").isNull())
            return std::nullopt;
        return Info{clean(value(reply, "hostname")), clean(value(reply, "mapname")),
                    number(value(reply, "numplayers")), number(value(reply, "maxplayers"))};
    }
    case Protocol::NetQuake:
        return netQuake(reply);
    case Protocol::None:
        break;
    }
    return std::nullopt;
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
