#include "statuscache.h"

#include <QHostInfo>
#include <QNetworkDatagram>
#include <QTimer>

StatusCache::StatusCache(int timeoutMs, int maxAgeMs, QObject* parent)
    : QObject(parent), timeoutMs_(timeoutMs), maxAgeMs_(maxAgeMs)
{
    // One socket for both families; a machine without IPv6 gets an IPv4 one.
    if (!socket_.bind(QHostAddress::Any, 0))
        socket_.bind(QHostAddress::AnyIPv4, 0);
    connect(&socket_, &QUdpSocket::readyRead, this, &StatusCache::readReplies);
    lookup_ = [](const QString& name, QObject* context, std::function<void(QList<QHostAddress>)> done) {
        QHostInfo::lookupHost(name, context, [done](const QHostInfo& info) { done(info.addresses()); });
    };
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
    e.protocol = status::gameOf(s.code.toStdString()).value_or(status::Game{}).protocol;
    if (e.protocol == status::Protocol::None || e.answer)
        return; // status unknown for good, or a question already out
    if (e.settledAt.isValid() && e.settledAt.elapsed() < maxAgeMs_)
        return;
    e.port = status::queryPort(s.code.toStdString(), s.port, s.queryPort).value_or(0);
    if (e.status.state == Status::State::Unknown)
        e.status.state = Status::State::Asking;
    e.answer.emplace(e.protocol);
    const int question = ++e.question;
    // Quake III engine servers drop questions that come too often from one address, so a
    // silence is only believed after a second question, still within the timeout.
    auto later = [this, k = key(s), question](bool last) {
        auto it = entries_.find(k);
        if (it == entries_.end() || it->question != question || !it->answer)
            return;
        if (!last && !it->answer->info())
            return send(*it);
        if (last)
            settle(*it, it->answer->info() ? it->status : Status{Status::State::Silent, {}, -1});
    };
    QTimer::singleShot(timeoutMs_ / 2, Qt::PreciseTimer, this, [later] { later(false); });
    QTimer::singleShot(timeoutMs_, Qt::PreciseTimer, this, [later] { later(true); });
    if (QHostAddress a(s.host); !a.isNull()) {
        e.addresses = {a};
        return send(e);
    }
    // A host name: the question goes out once the name is known; the timeout runs meanwhile.
    lookup_(s.host, this, [this, k = key(s), question](const QList<QHostAddress>& found) {
        auto it = entries_.find(k);
        if (it == entries_.end() || it->question != question || !it->answer)
            return;
        it->addresses.clear();
        for (auto family : {QAbstractSocket::IPv6Protocol, QAbstractSocket::IPv4Protocol}) {
            auto a = std::find_if(found.begin(), found.end(), [family](const QHostAddress& h) { return h.protocol() == family; });
            if (a != found.end())
                it->addresses << *a;
        }
        send(*it);
    });
}

void StatusCache::send(Entry& e)
{
    e.sentAt.start();
    for (const QHostAddress& a : e.addresses)
        socket_.writeDatagram(status::request(e.protocol), a, e.port);
}

void StatusCache::readReplies()
{
    while (socket_.hasPendingDatagrams()) {
        const QNetworkDatagram d = socket_.receiveDatagram(status::MaxReply + 1);
        for (Entry& e : entries_) {
            if (!e.answer || e.port != d.senderPort())
                continue; // no question out to that port
            if (std::any_of(e.addresses.begin(), e.addresses.end(), [&](const QHostAddress& a) {
                    return a.isEqual(d.senderAddress(), QHostAddress::TolerantConversion);
                }))
                answered(e, d.senderAddress(), quint16(d.senderPort()), d.data());
        }
    }
}

void StatusCache::answered(Entry& e, const QHostAddress& from, quint16 port, const QByteArray& data)
{
    const bool hadInfo = e.answer->info().has_value();
    std::vector<QByteArray> next;
    const status::Answer::Step step = e.answer->take(data, &next);
    if (step == status::Answer::Step::Ignored)
        return; // not its answer: the question stays open until its timeout
    for (const QByteArray& packet : next)
        socket_.writeDatagram(packet, from, port);
    if (e.answer->info()) {
        const int rtt = hadInfo ? e.status.roundTripMs : int(e.sentAt.elapsed());
        e.status = {Status::State::Answering, *e.answer->info(), rtt};
    }
    if (step == status::Answer::Step::Done)
        settle(e, e.status);
    else if (e.answer->info())
        emit changed();
}

void StatusCache::settle(Entry& e, const Status& st)
{
    e.status = st;
    e.answer.reset();
    e.settledAt.start();
    emit changed();
}
