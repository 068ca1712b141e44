#include "slotwait.h"

#include "listing.h"
#include "platform/services.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

SlotWait::SlotWait(Services& services, const QString& page, const QString& serverName,
                   std::function<void()> start, int periodMs, int mostMs)
    : QWidget(nullptr, Qt::Dialog), services_(services), page_(page), serverName_(serverName),
      start_(std::move(start)), mostMs_(mostMs) {
    setObjectName(QStringLiteral("SlotWait"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Waiting for a free slot"));
    lblWait = new QLabel(tr("Waiting for a free slot on %1...").arg(serverName), this);
    lblWait->setObjectName(QStringLiteral("lblWait"));
    lblWait->setTextFormat(Qt::PlainText);
    cmdCancel = new QPushButton(tr("Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(lblWait);
    layout->addWidget(cmdCancel, 0, Qt::AlignRight);
    connect(cmdCancel, &QPushButton::clicked, this, &SlotWait::cmdCancel_Click);
    timer_ = new QTimer(this);
    connect(timer_, &QTimer::timeout, this, &SlotWait::look);
    timer_->start(periodMs);
    since_.start();
}

void SlotWait::cmdCancel_Click() {
    close();
}

void SlotWait::look() {
    if (since_.elapsed() >= mostMs_) {
        services_.notify(tr("No slot came free on %1 in 30 minutes.").arg(serverName_), {});
        return void(close());
    }
    asker_.ask(services_, this, [this](std::optional<std::vector<listing::Server>> servers) {
        if (servers) seen(*servers);
    });
}

void SlotWait::seen(const std::vector<listing::Server>& servers) {
    const listing::Server* s = listing::byPage(servers, page_);
    if (!s || !s->answering || s->full()) return; // still full, or not known now: the wait goes on
    timer_->stop();
    services_.notify(tr("A slot is free on %1 (%2/%3): the game starts.")
                         .arg(serverName_)
                         .arg(s->players)
                         .arg(s->maxPlayers),
                     {});
    const auto start = start_;
    close();
    start();
}
