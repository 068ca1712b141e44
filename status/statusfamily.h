#pragma once

// What the protocol families' files share: the reader each one makes, and the pieces of reading
// common to them.
#include "status.h"

#include <QHash>

namespace status {

class Reader {
public:
    explicit Reader(bool colourCodes) : colourCodes_(colourCodes) {}
    virtual ~Reader() = default;
    virtual Question::Step take(const QByteArray& datagram, std::vector<QByteArray>* next) = 0;
    std::optional<Info> info;
    QString text(QByteArrayView raw) const { return clean(raw, colourCodes_); }

protected:
    // One datagram that is the whole answer.
    Question::Step whole(std::optional<Info> i) {
        if (!i) return Question::Step::Ignored;
        info = std::move(i);
        return Question::Step::Done;
    }

private:
    bool colourCodes_;
};

// A family: the question it asks and a reader for one answer.
struct Family {
    QByteArray (*question)();
    std::unique_ptr<Reader> (*reader)(bool colourCodes);
};
extern const Family quake3, moh, quake2, gameSpy, netQuake;

inline const QByteArray oob("\xff\xff\xff\xff", 4);

int number(QByteArrayView v);                             // 0..MaxCount, 0 when no number
std::optional<int> signedNumber(QByteArrayView v);        // any number, within an int
QHash<QByteArray, QByteArray> pairs(QByteArrayView info); // "\key\value...", keys in lower case
void finish(Info& i);                                     // best score first, at most MaxPlayers
bool locked(QByteArrayView flag);                         // a password flag's value says yes
// The Quake engines' answer, one datagram: its header, the info string (some servers put lines
// of text before it), then one line per player; the slots under maxKey, the password's flag
// under lockKey.
std::unique_ptr<Reader> quakeReader(bool colourCodes, const QByteArray& header,
                                    const QByteArray& maxKey, const QByteArray& lockKey);

} // namespace status
