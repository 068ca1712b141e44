#pragma once

#include <QList>
#include <QMap>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QDBusPendingCall;
class QSystemTrayIcon;

// Tells the member something on the desktop: through the desktop's notification server
// (org.freedesktop.Notifications over the session bus), with a "Join" button where the server
// offers actions, a click on the notification joining too; where no notification server answers
// within two seconds, as the tray icon's message. The text reaches the member as written: a server
// that reads the body as markup gets it escaped. No call waits: the windows go on meanwhile.
class Notifier final : public QObject {
    Q_OBJECT
public:
    explicit Notifier(QObject* parent = nullptr);
    ~Notifier() override;

    // `link`: the join link the notification's Join follows; none, no Join.
    void tell(const QString& text, const QString& link);
    enum class Way { Desktop, Tray };
    // How the last news told was shown, once the notification server has answered or not.
    Way lastWay() const { return lastWay_; }

signals:
    void join(const QString& link);

private:
    struct News {
        QString text, link;
    };
    void askCapabilities();
    void send(const News& news);
    void toTray(const News& news);
    // Runs `done` with the call's answer, or with an error after two seconds without one.
    void whenAnswered(const QDBusPendingCall& call,
                      const std::function<void(QDBusPendingCall)>& done);
    // The bus calls this by name: D-Bus signals reach Qt only through a slot.
    Q_SLOT void actionInvoked(uint id, const QString& action);

    std::optional<QStringList> capabilities_; // the server's answer, once it has given one
    bool asking_ = false;
    bool listening_ = false;    // to the server's actions
    QList<News> waiting_;       // told while the capabilities are asked
    QMap<uint, QString> links_; // notification id -> its join link
    QSystemTrayIcon* tray_ = nullptr;
    QString trayLink_;
    Way lastWay_ = Way::Desktop;
};
