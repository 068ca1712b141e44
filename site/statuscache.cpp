#include "statuscache.h"

#include <QNetworkDatagram>
#include <QTimer>

#include <sys/socket.h>

StatusCache::StatusCache(int timeoutMs, int maxAgeMs, QObject* parent)
    : QObject(parent), timeoutMs_(timeoutMs), maxAgeMs_(maxAgeMs) {
    // One socket for both families; a machine without IPv6 gets an IPv4 one.
    if (!socket_.bind(QHostAddress::Any, 0)) socket_.bind(QHostAddress::AnyIPv4, 0);
    // Qt lets its UDP sockets send to broadcast addresses; a question to one would go to every
    // machine of a network, so the system is told to refuse.
    const int off = 0;
    ::setsockopt(int(socket_.socketDescriptor()), SOL_SOCKET, SO_BROADCAST, &off, sizeof off);
    connect(&socket_, &QUdpSocket::readyRead, this, &StatusCache::readReplies);
}

Status StatusCache::of(const Server& s) {
    Entry& e = entries_[key(s)];
    ask(s, e);
    return e.status;
}

void StatusCache::refresh(const std::vector<Server>& all, bool beat) {
    for (const Server& s : all)
        ask(s, entries_[key(s)], beat);
}

void StatusCache::ask(const Server& s, Entry& e, bool beat) {
    const Game* game = catalogue::byCode(s.code.toStdString());
    e.protocol = game ? game->protocol : Protocol::None;
    if (e.protocol == status::Protocol::None || e.answer)
        return;        // status unknown for good, or a question already out
    if (s.resolving) { // asked once its name's answer is in
        if (e.status.state == Status::State::Unknown) e.status.state = Status::State::Asking;
        return;
    }
    // A round of the loop comes a round after the last, and the answer then was up to a timeout
    // after its question: measured from the question, with that timeout to spare.
    const qint64 age = beat ? e.askedAt.elapsed() + timeoutMs_ : e.settledAt.elapsed();
    if (e.settledAt.isValid() && age < maxAgeMs_) return;
    e.askedAt.start();
    e.port = status::queryPort(s.code.toStdString(), s.port, s.queryPort).value_or(0);
    const int gameSpyPort = s.port + game->gameSpyOffset; // a QueryPort of its own is the one asked
    e.gameSpyPort =
        game->gameSpyOffset && !s.queryPort && gameSpyPort <= 65535 ? quint16(gameSpyPort) : 0;
    e.colourCodes = game->colourCodes;
    if (e.status.state == Status::State::Unknown) e.status.state = Status::State::Asking;
    e.answer.emplace(e.protocol, e.colourCodes);
    e.gameSpy.reset();
    const int question = ++e.question;
    // Quake III engine servers drop questions that come too often from one address, so a
    // silence is only believed after a second question, still within the timeout.
    auto later = [this, k = key(s), question](bool last) {
        auto at = entries_.find(k);
        if (at == entries_.end() || at->second.question != question || !at->second.answer) return;
        Entry* it = &at->second;
        if (!last && !it->info()) return send(*it, true);
        if (last) settle(*it, it->info() ? it->status : Status{Status::State::Silent, {}, -1});
    };
    QTimer::singleShot(timeoutMs_ / 2, Qt::PreciseTimer, this, [later] { later(false); });
    QTimer::singleShot(timeoutMs_, Qt::PreciseTimer, this, [later] { later(true); });
    e.addresses = s.addresses;
    e.page = s.pageName();
    send(e, false);
}

// Only to addresses that name one machine: never a broadcast, multicast or unspecified one.
void StatusCache::send(Entry& e, bool again) {
    e.sentAt.start();
    if (again && e.gameSpyPort && !e.gameSpy)
        e.gameSpy.emplace(status::Protocol::GameSpy, e.colourCodes);
    for (const QHostAddress& a : e.addresses) {
        if (!ServerList::singleHost(a)) continue;
        socket_.writeDatagram(status::request(e.protocol), a, e.port);
        if (e.gameSpy)
            socket_.writeDatagram(status::request(status::Protocol::GameSpy), a, e.gameSpyPort);
    }
}

void StatusCache::readReplies() {
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram d = socket_.receiveDatagram(status::MaxReply + 1);
        for (auto& [k, e] : entries_) {
            const bool own = e.answer && e.port == d.senderPort(),
                       gameSpy = e.gameSpy && e.gameSpyPort == d.senderPort();
            if (!own && !gameSpy) continue; // no question out to that port
            if (std::any_of(e.addresses.begin(), e.addresses.end(), [&](const QHostAddress& a) {
                    return a.isEqual(d.senderAddress(), QHostAddress::TolerantConversion);
                }))
                answered(e, own ? *e.answer : *e.gameSpy, d.senderAddress(),
                         quint16(d.senderPort()), d.data());
        }
    }
}

void StatusCache::answered(Entry& e, status::Question& a, const QHostAddress& from, quint16 port,
                           const QByteArray& data) {
    const bool hadInfo = e.info().has_value();
    std::vector<QByteArray> next;
    const status::Question::Step step = a.take(data, &next);
    if (step == status::Question::Step::Ignored)
        return; // not its answer: the question stays open until its timeout
    for (const QByteArray& packet : next)
        socket_.writeDatagram(packet, from, port);
    if (a.info()) {
        const int rtt = hadInfo ? e.status.roundTripMs : int(e.sentAt.elapsed());
        e.status = {Status::State::Answering, *a.info(), rtt};
    }
    if (step == status::Question::Step::Done) settle(e, e.status);
}

void StatusCache::settle(Entry& e, const Status& st) {
    e.status = st;
    e.answer.reset();
    e.gameSpy.reset();
    e.settledAt.start();
    if (settled_) settled_(e.page, e.status);
}
