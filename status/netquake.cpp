// NetQuake's status: control packets (a big-endian 0x8000 flag and length, then the command
// byte). CCREQ_SERVER_INFO is answered by CCREP_SERVER_INFO; then one CCREQ_PLAYER_INFO per
// player, each answered by its CCREP_PLAYER_INFO.
#include "statusfamily.h"

#include <QList>

#include <algorithm>

namespace status {
namespace {

bool control(const QByteArray& reply, quint8 command) {
    return reply.size() >= 5 && quint8(reply[0]) == 0x80 && quint8(reply[1]) == 0x00 &&
           ((quint8(reply[2]) << 8) | quint8(reply[3])) == reply.size() &&
           quint8(reply[4]) == command;
}

// NUL-ended strings from `at` on; false when one is not ended.
bool strings(const QByteArray& reply, qsizetype& at, QList<QByteArray>& out, int count) {
    for (int k = 0; k < count; ++k) {
        const qsizetype end = reply.indexOf('\0', at);
        if (end < 0) return false;
        out << reply.sliced(at, end - at);
        at = end + 1;
    }
    return true;
}

qint32 littleLong(const QByteArray& b, qsizetype at) {
    return qint32(quint32(quint8(b[at])) | quint32(quint8(b[at + 1])) << 8 |
                  quint32(quint8(b[at + 2])) << 16 | quint32(quint8(b[at + 3])) << 24);
}

// Quake's own letters: the upper half of its character set repeats the lower in another
// colour, and among the lower's pictures are the brackets (0x10, 0x11) and the digits
// (0x12-0x1B) that players write names with.
QByteArray quakeLetters(QByteArray text) {
    for (char& ch : text) {
        const quint8 b = quint8(ch) & 0x7f;
        ch = char(b >= 0x12 && b <= 0x1b ? '0' + (b - 0x12)
                  : b == 0x10            ? '['
                  : b == 0x11            ? ']'
                                         : b);
    }
    return text;
}

class NetQuakeReader final : public Reader {
public:
    using Reader::Reader;
    Question::Step take(const QByteArray& d, std::vector<QByteArray>* next) override {
        if (info) return player(d);
        QList<QByteArray> texts; // server address, host name, level name
        qsizetype at = 5;
        if (!control(d, 0x83) || !strings(d, at, texts, 3) || at + 2 > d.size())
            return Question::Step::Ignored;
        info = Info{
            text(quakeLetters(texts[1])), text(texts[2]), quint8(d[at]), quint8(d[at + 1]), {}};
        const int asked = std::min({info->players, info->maxPlayers, MaxPlayers});
        seen_.assign(size_t(asked), false);
        for (int n = 0; next && n < asked; ++n)
            next->push_back(QByteArray("\x80\x00\x00\x06\x03", 5) + char(quint8(n)));
        return asked ? Question::Step::More : Question::Step::Done;
    }

private:
    // The player's number, name, colours, frags, connect time and address.
    Question::Step player(const QByteArray& d) {
        QList<QByteArray> name;
        qsizetype at = 6;
        if (!control(d, 0x84) || d.size() < 6 || !strings(d, at, name, 1) || at + 12 > d.size())
            return Question::Step::Ignored;
        const size_t index = quint8(d[5]);
        if (index >= seen_.size() || seen_[index]) return Question::Step::Ignored;
        seen_[index] = true;
        info->list.push_back({text(quakeLetters(name[0])), littleLong(d, at + 4), -1});
        finish(*info);
        return std::all_of(seen_.begin(), seen_.end(), [](bool b) { return b; })
                   ? Question::Step::Done
                   : Question::Step::More;
    }

    std::vector<bool> seen_; // which player replies are in
};

} // namespace

const Family netQuake{
    [] { return QByteArray("\x80\x00\x00\x0c\x02QUAKE\x00\x03", 12); },
    [](bool c) -> std::unique_ptr<Reader> { return std::make_unique<NetQuakeReader>(c); }};

} // namespace status
