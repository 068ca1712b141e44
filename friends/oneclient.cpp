#include "oneclient.h"

#include <QLocalSocket>

#include <unistd.h>

namespace {
constexpr qint64 MostMessage = 16384; // a link; anything longer is no one's
}

OneClient::OneClient(QObject* parent) : QObject(parent) {
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_.nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            connect(s, &QLocalSocket::readyRead, s, [this, s] {
                if (s->bytesAvailable() > MostMessage) return s->abort();
                if (!s->canReadLine()) return;
                const QString message = QString::fromUtf8(s->readLine()).trimmed();
                s->disconnectFromServer();
                emit received(message);
            });
        }
    });
}

QString OneClient::name() {
    QString display = qEnvironmentVariable("WAYLAND_DISPLAY", qEnvironmentVariable("DISPLAY"));
    for (QChar& c : display)
        if (!c.isLetterOrNumber()) c = QLatin1Char('_');
    return QStringLiteral("tovo-%1-%2").arg(::getuid()).arg(display);
}

bool OneClient::handOver(const QString& message) {
    QLocalSocket s;
    s.connectToServer(name());
    if (!s.waitForConnected(2000)) return false;
    s.write(message.toUtf8().left(MostMessage - 1) + '\n');
    s.waitForBytesWritten(2000);
    s.waitForDisconnected(2000); // the running client has read it
    return true;
}

bool OneClient::listen() {
    // Only the member may speak to it.
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (server_.listen(name())) return true;
    // A socket left by a client that ended without removing it: no one answered on it above.
    QLocalServer::removeServer(name());
    return server_.listen(name());
}
