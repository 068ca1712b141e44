#pragma once

#include <QMap>
#include <QObject>
#include <QString>

class QSystemTrayIcon;

// Tells the member something on the desktop: through the desktop's notification server
// (org.freedesktop.Notifications over the session bus), with a "Join" button where the server
// offers actions, a click on the notification joining too; where no notification server answers,
// as the tray icon's message.
class Notifier final : public QObject {
    Q_OBJECT
public:
    explicit Notifier(QObject* parent = nullptr);
    ~Notifier() override;

    // `link`: the join link the notification's Join follows; none, no Join.
    void tell(const QString& text, const QString& link);
    enum class Way { Desktop, Tray };
    Way lastWay() const { return lastWay_; }

signals:
    void join(const QString& link);

private:
    // The bus calls this by name: D-Bus signals reach Qt only through a slot.
    Q_SLOT void actionInvoked(uint id, const QString& action);

    QMap<uint, QString> links_; // notification id -> its join link
    QSystemTrayIcon* tray_ = nullptr;
    QString trayLink_;
    Way lastWay_ = Way::Desktop;
};
