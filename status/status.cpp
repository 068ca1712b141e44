#include "statusfamily.h"

#include <QList>
#include <QStringDecoder>

#include <algorithm>
#include <climits>

namespace status {

std::optional<quint16> queryPort(std::string_view code, quint16 gamePort, quint16 configured) {
    if (configured) return configured;
    const Game* g = catalogue::byCode(code);
    if (!g) return std::nullopt;
    if (g->queryPort) return g->queryPort;
    const int port = gamePort + g->queryOffset;
    return port > 0 && port <= 65535 ? std::optional<quint16>(quint16(port)) : std::nullopt;
}

int number(QByteArrayView v) {
    bool ok = false;
    const int n = v.trimmed().toInt(&ok);
    return ok ? std::clamp(n, 0, MaxCount) : 0;
}

// Servers of these engines count scores in the millions: any number is kept, within an int.
std::optional<int> signedNumber(QByteArrayView v) {
    bool ok = false;
    const qlonglong n = v.trimmed().toLongLong(&ok);
    return ok ? std::optional<int>(int(std::clamp<qlonglong>(n, INT_MIN, INT_MAX))) : std::nullopt;
}

// The first of a key wins.
QHash<QByteArray, QByteArray> pairs(QByteArrayView info) {
    QHash<QByteArray, QByteArray> out;
    const QList<QByteArray> parts =
        info.toByteArray().mid(info.startsWith('\\') ? 1 : 0).split('\\');
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2)
        if (const QByteArray k = parts[i].toLower(); !out.contains(k)) out.insert(k, parts[i + 1]);
    return out;
}

// "1" or "true" locks a server. Quake II's needpass is a set of bits: 1 a player's password, 2
// a spectator's only, which does not keep a player out.
bool locked(QByteArrayView v) {
    const QByteArray flag = v.trimmed().toByteArray().toLower();
    bool number = false;
    const int bits = flag.toInt(&number);
    return number ? (bits & 1) != 0 : flag == "true" || flag == "yes";
}

void finish(Info& i) {
    std::stable_sort(i.list.begin(), i.list.end(), [](const Player& a, const Player& b) {
        return a.score.value_or(INT_MIN) > b.score.value_or(INT_MIN);
    });
    if (i.list.size() > size_t(MaxPlayers)) i.list.resize(MaxPlayers);
}

namespace {

// A Quake player line: the numbers, then the quoted name. One number is the ping (Medal of
// Honor); two are score and ping; a third, the team, follows them (Soldier of Fortune II).
Player playerLine(const Reader& r, const QByteArray& line) {
    const qsizetype quote = line.indexOf('"');
    const qsizetype end = line.lastIndexOf('"');
    Player p;
    p.name =
        r.text(quote >= 0 && end > quote ? QByteArrayView(line).sliced(quote + 1, end - quote - 1)
                                         : QByteArrayView());
    QList<QByteArray> numbers = line.left(quote < 0 ? line.size() : quote).simplified().split(' ');
    numbers.removeAll(QByteArray());
    if (numbers.size() >= 2) p.score = signedNumber(numbers[0]);
    if (!numbers.isEmpty()) p.ping = number(numbers[numbers.size() >= 2 ? 1 : 0]);
    return p;
}

std::optional<Info> quakeLines(const Reader& r, const QByteArray& reply, QByteArrayView header,
                               QByteArrayView maxKey, QByteArrayView lockKey) {
    if (!reply.startsWith(header.toByteArray())) return std::nullopt;
    const QList<QByteArray> lines = reply.mid(header.size()).split('\n');
    const auto infoLine = std::find_if(lines.begin(), lines.end(),
                                       [](const QByteArray& l) { return l.startsWith('\\'); });
    if (infoLine == lines.end()) return std::nullopt;
    const QHash<QByteArray, QByteArray> kv = pairs(*infoLine);
    Info i;
    i.host = r.text(kv.value("sv_hostname", kv.value("hostname")));
    i.map = r.text(kv.value("mapname"));
    i.maxPlayers = number(kv.value(maxKey.toByteArray()));
    i.password = locked(kv.value(lockKey.toByteArray()));
    for (auto l = infoLine + 1; l != lines.end(); ++l)
        if (!l->trimmed().isEmpty()) {
            ++i.players;
            if (i.list.size() < size_t(MaxCount)) i.list.push_back(playerLine(r, *l));
        }
    i.players = std::min(i.players, MaxCount);
    finish(i);
    return i;
}

class QuakeReader final : public Reader {
public:
    QuakeReader(bool colourCodes, const QByteArray& header, const QByteArray& maxKey,
                const QByteArray& lockKey)
        : Reader(colourCodes), header_(header), maxKey_(maxKey), lockKey_(lockKey) {}
    Question::Step take(const QByteArray& d, std::vector<QByteArray>*) override {
        return whole(quakeLines(*this, d, header_, maxKey_, lockKey_));
    }

private:
    QByteArray header_, maxKey_, lockKey_;
};

// Asks nothing and takes nothing: a game whose status is unknown.
class Nothing final : public Reader {
public:
    using Reader::Reader;
    Question::Step take(const QByteArray&, std::vector<QByteArray>*) override {
        return Question::Step::Ignored;
    }
};

const Family* family(Protocol p) {
    switch (p) {
    case Protocol::Quake3:
        return &quake3;
    case Protocol::Moh:
        return &moh;
    case Protocol::Quake2:
        return &quake2;
    case Protocol::GameSpy:
        return &gameSpy;
    case Protocol::NetQuake:
        return &netQuake;
    case Protocol::None:
        break;
    }
    return nullptr;
}

} // namespace

std::unique_ptr<Reader> quakeReader(bool colourCodes, const QByteArray& header,
                                    const QByteArray& maxKey, const QByteArray& lockKey) {
    return std::make_unique<QuakeReader>(colourCodes, header, maxKey, lockKey);
}

QByteArray request(Protocol p) {
    const Family* f = family(p);
    return f ? f->question() : QByteArray();
}

Question::Question(Protocol p, bool colourCodes)
    : reader_(family(p) ? family(p)->reader(colourCodes) : std::make_unique<Nothing>(colourCodes)) {
}
Question::~Question() = default;
Question::Question(Question&&) noexcept = default;
Question& Question::operator=(Question&&) noexcept = default;

Question::Step Question::take(const QByteArray& d, std::vector<QByteArray>* next) {
    return d.size() > MaxReply ? Step::Ignored : reader_->take(d, next);
}

const std::optional<Info>& Question::info() const {
    return reader_->info;
}

namespace {

// The letters Windows-1252 puts where Latin-1 has its second row of control characters; the
// five it leaves unused stay control characters, and go.
constexpr char16_t windows1252[32] = {
    0x20ac, 0x0081, 0x201a, 0x0192, 0x201e, 0x2026, 0x2020, 0x2021, 0x02c6, 0x2030, 0x0160,
    0x2039, 0x0152, 0x008d, 0x017d, 0x008f, 0x0090, 0x2018, 0x2019, 0x201c, 0x201d, 0x2022,
    0x2013, 0x2014, 0x02dc, 0x2122, 0x0161, 0x203a, 0x0153, 0x009d, 0x017e, 0x0178};

// These games send text as the player's Windows typed it, one byte a letter; newer servers send
// UTF-8. Bytes that read as UTF-8 are taken so, any others as Windows-1252.
QString decoded(QByteArrayView raw) {
    QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    QString text = utf8(raw);
    if (!utf8.hasError()) return text;
    text.resize(raw.size());
    for (qsizetype i = 0; i < raw.size(); ++i) {
        const auto b = quint8(raw[i]);
        text[i] = QChar(b >= 0x80 && b < 0xa0 ? windows1252[b - 0x80] : char16_t(b));
    }
    return text;
}

} // namespace

QString clean(QByteArrayView raw, bool colourCodes) {
    QString out;
    const QString text = decoded(raw.first(std::min<qsizetype>(raw.size(), MaxReply)));
    for (qsizetype i = 0; i < text.size() && out.size() < MaxText; ++i) {
        const QChar c = text[i];
        if (colourCodes && c == QLatin1Char('^') && i + 1 < text.size() &&
            text[i + 1] != QLatin1Char('^')) {
            ++i; // a colour code
            continue;
        }
        if (c.category() == QChar::Other_Control || c.category() == QChar::Other_Format ||
            c == QChar::ReplacementCharacter)
            continue;
        out += c;
    }
    return out.trimmed();
}

} // namespace status
