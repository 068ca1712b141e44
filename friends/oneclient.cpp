#include "oneclient.h"

#include <QDir>
#include <QFile>
#include <QLocalSocket>
#include <QRegularExpression>

#include <sys/socket.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {
constexpr qint64 MostMessage = 16384; // a link; anything longer is no one's

// A folder only the member can enter: a folder itself (not a link to one), theirs, and no one
// else's rights on it.
bool ownAndClosed(const QByteArray& path) {
    struct stat st {};
    return ::lstat(path.constData(), &st) == 0 && S_ISDIR(st.st_mode) && st.st_uid == ::getuid() &&
           (st.st_mode & 077) == 0;
}

// The desktop session's own folder where it is the member's; else one in the temporary folder,
// made for the member alone: anyone may make a file in /tmp, so it is used only once it checks
// out as the member's, whoever made it first.
QString folder() {
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && ownAndClosed(runtime)) return QFile::decodeName(runtime);
    const QByteArray own =
        QFile::encodeName(QDir::tempPath()) + "/tovo-" + QByteArray::number(::getuid());
    ::mkdir(own.constData(), 0700);
    return ownAndClosed(own) ? QFile::decodeName(own) : QString();
}

// The display this start is on: its name, and where its server's socket is a file here, that
// file's identity too. A display's name is given to the next server after a crash; a client left
// on the old one must not take the new session's starts.
QString display() {
    QString name = qEnvironmentVariable("WAYLAND_DISPLAY"), socket;
    if (!name.isEmpty()) {
        socket = name.startsWith(QLatin1Char('/'))
                     ? name
                     : qEnvironmentVariable("XDG_RUNTIME_DIR") + QLatin1Char('/') + name;
    } else {
        name = qEnvironmentVariable("DISPLAY");
        static const QRegularExpression local(QStringLiteral("^(?:unix)?:(\\d+)(?:\\.\\d+)?$"));
        if (const auto m = local.match(name); m.hasMatch())
            socket = QStringLiteral("/tmp/.X11-unix/X") + m.captured(1);
    }
    name = name.right(40);
    for (QChar& c : name)
        if (!c.isLetterOrNumber()) c = QLatin1Char('_');
    struct stat st {};
    if (!socket.isEmpty() && ::stat(QFile::encodeName(socket).constData(), &st) == 0)
        name += QStringLiteral("-%1-%2.%3")
                    .arg(st.st_ino, 0, 16)
                    .arg(st.st_ctim.tv_sec, 0, 16)
                    .arg(st.st_ctim.tv_nsec, 0, 16);
    return name;
}

// Whether the process at the other end of a connected local socket is the member's.
bool members(const QLocalSocket& s) {
    ucred who{};
    socklen_t size = sizeof who;
    return ::getsockopt(int(s.socketDescriptor()), SOL_SOCKET, SO_PEERCRED, &who, &size) == 0 &&
           who.uid == ::getuid();
}
} // namespace

OneClient::OneClient(QObject* parent) : QObject(parent) {
    connect(&server_, &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* s = server_.nextPendingConnection()) {
            connect(s, &QLocalSocket::disconnected, s, &QObject::deleteLater);
            if (!members(*s)) { // not a word read from, nor said to, anyone else
                s->abort();
                s->deleteLater();
                continue;
            }
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
    const QString in = folder();
    return in.isEmpty() ? QString() : in + QStringLiteral("/tovo-") + display();
}

bool OneClient::handOver(const QString& message) {
    const QString path = name();
    if (path.isEmpty()) return false;
    QLocalSocket s;
    s.connectToServer(path);
    if (!s.waitForConnected(2000)) return false;
    if (!members(s)) return false; // this start runs itself; the socket is left as it is
    s.write(message.toUtf8().left(MostMessage - 1) + '\n');
    s.waitForBytesWritten(2000);
    s.waitForDisconnected(2000); // the running client has read it
    return true;
}

bool OneClient::listen() {
    const QString path = name();
    if (path.isEmpty()) return false;
    // The folder keeps everyone else out already; the socket as well, should the folder be opened.
    server_.setSocketOptions(QLocalServer::UserAccessOption);
    if (server_.listen(path)) return true;
    // A client of the member's that came up since this one started keeps the socket; one left by
    // a client that ended without removing it, or anyone else's, goes.
    QLocalSocket probe;
    probe.connectToServer(path);
    if (probe.waitForConnected(500) && members(probe)) return false;
    probe.abort();
    QLocalServer::removeServer(path);
    return server_.listen(path);
}
