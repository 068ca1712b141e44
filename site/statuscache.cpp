#include "statuscache.h"

#include <QHostInfo>
#include <QNetworkDatagram>

StatusCache::StatusCache(int timeoutMs, int maxAgeMs, QObject* parent)
    : QObject(parent), timeoutMs_(timeoutMs), maxAgeMs_(maxAgeMs)
{
    socket_.bind(QHostAddress::AnyIPv4, 0);
    connect(&socket_, &QUdpSocket::readyRead, this, &StatusCache::readReplies);
    sweep_.setInterval(std::max(10, timeoutMs / 10));
    connect(&sweep_, &QTimer::timeout, this, &StatusCache::expire);
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
    sweep_.start();
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

void StatusCache::expire()
{
    bool open = false;
    for (Entry& e : entries_) {
        if (!e.askedAt.isValid())
            continue;
        if (e.askedAt.elapsed() < timeoutMs_) {
            open = true;
            continue;
        }
        e.status = {Status::State::Silent, {}, -1};
        e.askedAt.invalidate();
        e.settledAt.start();
        emit changed();
    }
    if (!open)
        sweep_.stop();
}
