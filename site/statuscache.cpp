#include "statuscache.h"

#include <QHostInfo>
#include <QNetworkDatagram>
#include <QTimer>

StatusCache::StatusCache(int timeoutMs, int maxAgeMs, QObject* parent)
    : QObject(parent), timeoutMs_(timeoutMs), maxAgeMs_(maxAgeMs)
{
    socket_.bind(QHostAddress::AnyIPv4, 0);
    connect(&socket_, &QUdpSocket::readyRead, this, &StatusCache::readReplies);
}

Status StatusCache::of(const Server& s)
{
    Entry& e = entries_[key(s)];
    ask(s, e);
    return e.status;
}

void StatusCache::refresh(const std::vector<Server>& all)
{
    for (const Server& s : all)
        ask(s, entries_[key(s)]);
}

void StatusCache::ask(const Server& s, Entry& e)
{
    e.protocol = status::protocolFor(s.code.toStdString());
    if (e.protocol == status::Protocol::None || e.askedAt.isValid())
        return; // status unknown for good, or a question already out
    if (e.settledAt.isValid() && e.settledAt.elapsed() < maxAgeMs_)
        return;
    e.port = quint16(s.port + status::queryPortOffset(e.protocol));
    if (e.status.state == Status::State::Unknown)
        e.status.state = Status::State::Asking;
    e.askedAt.start();
    QTimer::singleShot(timeoutMs_, Qt::PreciseTimer, this, [this, k = key(s)] { expire(k); });
    if (QHostAddress a(s.host); !a.isNull()) {
        e.address = a;
        return send(e);
    }
    // A host name: the question goes out once the name is known; the timeout runs meanwhile.
    QHostInfo::lookupHost(s.host, this, [this, k = key(s)](const QHostInfo& info) {
        auto it = entries_.find(k);
        if (it == entries_.end() || !it->askedAt.isValid() || info.addresses().isEmpty())
            return;
        it->address = info.addresses().first();
        send(*it);
    });
}

void StatusCache::send(Entry& e) { socket_.writeDatagram(status::request(e.protocol), e.address, e.port); }

void StatusCache::readReplies()
{
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram d = socket_.receiveDatagram(status::MaxReply + 1);
        const QHostAddress from(d.senderAddress().toIPv4Address());
        for (Entry& e : entries_) {
            if (!e.askedAt.isValid() || e.port != d.senderPort() || QHostAddress(e.address.toIPv4Address()) != from)
                continue;
            auto info = status::parse(e.protocol, d.data());
            if (!info)
                continue; // not its answer: the question stays open until its timeout
            e.status = {Status::State::Answering, *info, int(e.askedAt.elapsed())};
            e.askedAt.invalidate();
            e.settledAt.start();
            emit changed();
        }
    }
}

void StatusCache::expire(const QString& k)
{
    auto it = entries_.find(k);
    // Answered meanwhile, or asked anew (that question has its own timeout).
    if (it == entries_.end() || !it->askedAt.isValid() || it->askedAt.elapsed() < timeoutMs_)
        return;
    it->status = {Status::State::Silent, {}, -1};
    it->askedAt.invalidate();
    it->settledAt.start();
    emit changed();
}
