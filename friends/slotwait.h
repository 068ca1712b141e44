#pragma once

#include "listing.h"

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>

#include <functional>

class QLabel;
class QPushButton;
struct Services;

// The wait for a free slot on a full server: its status is read every periodMs, and when a slot
// is free the game starts, with a notification. The member can cancel it; it ends by itself
// after mostMs. A small window of its own says what it waits for.
class SlotWait final : public QWidget {
    Q_OBJECT
public:
    SlotWait(Services& services, const QString& page, const QString& serverName,
             std::function<void()> start, int periodMs = 10000, int mostMs = 30 * 60 * 1000);
    void cmdCancel_Click();

    QLabel* lblWait;
    QPushButton* cmdCancel;

private:
    void look();
    void seen(const std::vector<listing::Server>& servers);

    Services& services_;
    QString page_, serverName_;
    std::function<void()> start_;
    int mostMs_;
    QTimer* timer_; // its own child: a look at the status each period
    QElapsedTimer since_;
    listing::Asker asker_;
};
