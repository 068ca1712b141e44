// Hostile status replies, in one datagram or several: the readers never crash, ask no more than a
// server's players, and keep only short texts free of control characters.
#include "status/status.h"

#include <QStringList>

#include <algorithm>
#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    if (size == 0) return 0;
    // Every family, and no query at all.
    const auto protocol = status::Protocol(data[0] % protocolCount);
    // Several datagrams, split at 0xFE: GameSpy's parts, NetQuake's player replies.
    const QByteArray replies(reinterpret_cast<const char*>(data + 1), qsizetype(size - 1));
    status::Question answer(protocol, data[0] & 0x80);
    std::vector<QByteArray> next;
    for (const QByteArray& d : replies.split('\xfe'))
        answer.take(d, &next);
    if (next.size() > size_t(status::MaxPlayers)) std::abort();
    if (const auto& info = answer.info()) {
        QStringList texts{info->host, info->map};
        for (const status::Player& p : info->list)
            texts << p.name;
        for (const QString& text : texts)
            if (text.size() > status::MaxText || std::any_of(text.begin(), text.end(), [](QChar c) {
                    return c.category() == QChar::Other_Control || c == QChar::ReplacementCharacter;
                }))
                std::abort();
        if (info->list.size() > size_t(status::MaxPlayers) || info->players < 0 ||
            info->maxPlayers < 0)
            std::abort();
    }
    return 0;
}
