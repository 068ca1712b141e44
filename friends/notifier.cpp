#include "notifier.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusConnectionInterface>
#include <QDBusInterface>
#include <QDBusReply>
#include <QIcon>
#include <QSystemTrayIcon>

namespace {
const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
} // namespace

Notifier::Notifier(QObject* parent) : QObject(parent) {
    QDBusConnection bus = QDBusConnection::sessionBus();
    bus.connect(service, path, service, QStringLiteral("ActionInvoked"), this,
                SLOT(actionInvoked(uint, QString)));
}

Notifier::~Notifier() = default;

void Notifier::tell(const QString& text, const QString& link) {
    // A notification server running, or one the bus starts when asked (as many desktops have
    // theirs started); one that cannot be started fails the call and the tray takes over.
    QDBusConnection bus = QDBusConnection::sessionBus();
    QDBusConnectionInterface* names = bus.isConnected() ? bus.interface() : nullptr;
    const bool there = names && (names->isServiceRegistered(service) ||
                                 names->activatableServiceNames().value().contains(service));
    if (there) {
        QDBusInterface notifications(service, path, service, bus);
        notifications.setTimeout(2000);
        const QDBusReply<QStringList> caps = notifications.call(QStringLiteral("GetCapabilities"));
        QStringList actions;
        if (!link.isEmpty() && caps.isValid() && caps.value().contains(QLatin1String("actions")))
            actions = {QStringLiteral("default"), QStringLiteral("Join"), QStringLiteral("join"),
                       QStringLiteral("Join")};
        const QDBusReply<uint> id = notifications.call(
            QStringLiteral("Notify"), QStringLiteral("TOVO"), uint(0), QStringLiteral("tovo"),
            QStringLiteral("TOVO"), text, actions, QVariantMap(), -1);
        if (id.isValid()) {
            lastWay_ = Way::Desktop;
            if (!actions.isEmpty()) links_.insert(id.value(), link);
            // A notification closed is still joined from the server's history; the oldest go.
            while (links_.size() > 64)
                links_.erase(links_.begin());
            return;
        }
    }
    // No notification server: the tray's balloon, a click on it joining.
    if (!tray_) {
        tray_ = new QSystemTrayIcon(QApplication::windowIcon(), this);
        connect(tray_, &QSystemTrayIcon::messageClicked, this, [this] {
            if (!trayLink_.isEmpty()) emit join(trayLink_);
        });
        tray_->show();
    }
    trayLink_ = link;
    lastWay_ = Way::Tray;
    tray_->showMessage(QStringLiteral("TOVO"), text, QSystemTrayIcon::Information);
}

void Notifier::actionInvoked(uint id, const QString& action) {
    const QString link = links_.value(id);
    if (!link.isEmpty() &&
        (action == QLatin1String("join") || action == QLatin1String("default"))) {
        links_.remove(id);
        emit join(link);
    }
}
