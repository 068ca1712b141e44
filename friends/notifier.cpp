#include "notifier.h"

#include <QApplication>
#include <QDBusConnection>
#include <QDBusMessage>
#include <QDBusPendingCallWatcher>
#include <QDBusPendingReply>
#include <QIcon>
#include <QSystemTrayIcon>

namespace {
const QString service = QStringLiteral("org.freedesktop.Notifications");
const QString path = QStringLiteral("/org/freedesktop/Notifications");
constexpr int AnswerMs = 2000; // longer, and the tray tells it

// Plain text as the body of a server that reads it as markup: a clan tag ("<OWL>Raven") and a
// server's "Frag & Beer" shown as written.
QString asMarkup(QString text) {
    return text.replace(QLatin1Char('&'), QLatin1String("&amp;"))
        .replace(QLatin1Char('<'), QLatin1String("&lt;"))
        .replace(QLatin1Char('>'), QLatin1String("&gt;"));
}
} // namespace

Notifier::Notifier(QObject* parent) : QObject(parent) {}

Notifier::~Notifier() = default;

void Notifier::tell(const QString& text, const QString& link) {
    if (capabilities_) return send({text, link});
    waiting_.append({text, link});
    askCapabilities();
}

void Notifier::whenAnswered(const QDBusPendingCall& call,
                            const std::function<void(QDBusPendingCall)>& done) {
    auto* watcher = new QDBusPendingCallWatcher(call, this);
    connect(watcher, &QDBusPendingCallWatcher::finished, this, [watcher, done] {
        watcher->deleteLater();
        done(*watcher);
    });
}

// Asked once, the answer kept. A notification server running, or one the bus starts when asked
// (as many desktops have theirs started); one that cannot be started, or does not answer in time,
// fails the call, and the tray tells what waited.
void Notifier::askCapabilities() {
    if (std::exchange(asking_, true)) return;
    QDBusConnection bus = QDBusConnection::sessionBus();
    if (bus.isConnected() && !std::exchange(listening_, true))
        bus.connect(service, path, service, QStringLiteral("ActionInvoked"), this,
                    SLOT(actionInvoked(uint, QString)));
    const auto ask =
        QDBusMessage::createMethodCall(service, path, service, QStringLiteral("GetCapabilities"));
    whenAnswered(bus.asyncCall(ask, AnswerMs), [this](const QDBusPendingCall& call) {
        asking_ = false;
        const QDBusPendingReply<QStringList> answer = call;
        if (!answer.isError()) capabilities_ = answer.value();
        for (const News& news : std::exchange(waiting_, {}))
            capabilities_ ? send(news) : toTray(news);
    });
}

void Notifier::send(const News& news) {
    QStringList actions;
    if (!news.link.isEmpty() && capabilities_->contains(QLatin1String("actions")))
        actions = {QStringLiteral("default"), tr("Join"), QStringLiteral("join"), tr("Join")};
    const QString body =
        capabilities_->contains(QLatin1String("body-markup")) ? asMarkup(news.text) : news.text;
    auto notify = QDBusMessage::createMethodCall(service, path, service, QStringLiteral("Notify"));
    notify << QStringLiteral("TOVO") << uint(0) << QStringLiteral("tovo") << QStringLiteral("TOVO")
           << body << actions << QVariantMap() << -1;
    whenAnswered(QDBusConnection::sessionBus().asyncCall(notify, AnswerMs),
                 [this, news, joins = !actions.isEmpty()](const QDBusPendingCall& call) {
                     const QDBusPendingReply<uint> id = call;
                     if (id.isError()) {
                         capabilities_.reset(); // the server has gone: the next is asked again
                         return toTray(news);
                     }
                     lastWay_ = Way::Desktop;
                     if (joins) links_.insert(id.value(), news.link);
                     // A notification closed is still joined from the server's history; the
                     // oldest go.
                     while (links_.size() > 64)
                         links_.erase(links_.begin());
                 });
}

// No notification server: the tray's balloon, which shows its text as plain text, a click on it
// joining.
void Notifier::toTray(const News& news) {
    if (!tray_) {
        tray_ = new QSystemTrayIcon(QApplication::windowIcon(), this);
        connect(tray_, &QSystemTrayIcon::messageClicked, this, [this] {
            if (!trayLink_.isEmpty()) emit join(trayLink_);
        });
        tray_->show();
    }
    trayLink_ = news.link;
    lastWay_ = Way::Tray;
    tray_->showMessage(QStringLiteral("TOVO"), news.text, QSystemTrayIcon::Information);
}

void Notifier::actionInvoked(uint id, const QString& action) {
    const QString link = links_.value(id);
    if (!link.isEmpty() &&
        (action == QLatin1String("join") || action == QLatin1String("default"))) {
        links_.remove(id);
        emit join(link);
    }
}
