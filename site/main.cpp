// The demo community web host: serves the community's pages under /ilnightowls/servers/ on a
// loopback address, so that the client can be tried and tested without the real site.
//   tovo-site [--port N] [--log] [--delay MS]
//   N = 0 picks a free port; the port is printed on stdout. --delay holds every answer back.

#include <QCoreApplication>
#include <QFile>
#include <QHostAddress>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTimer>
#include <QUrl>

#include <cstdio>

namespace {

QByteArray contentType(const QString& path)
{
    if (path.endsWith(QLatin1String(".css")))
        return "text/css";
    if (path.endsWith(QLatin1String(".png")))
        return "image/png";
    return "text/html; charset=utf-8";
}

struct GameServer {
    const char* code;    // the game's five-letter code
    const char* game;
    const char* name;
    const char* address; // as the game's +connect takes it
    const char* maps;
};

// A server page is named by the game's code, the address and ".htm", and that name is also its
// title, which is how the client recognises the game and the address of the page shown.
const GameServer servers[] = {
    {"qktre", "Quake III", "Night Owls Arena", "127.0.0.1:27960", "q3dm17, q3tourney2, q3ctf4"},
    {"mohaa", "Medal of Honor - Allied Assault", "Iron Lantern Objective", "127.0.0.1:12203", "V2 Rocket, Bazaar, Stalingrad"},
    {"untor", "Unreal Tournament", "Owl Tower Deathmatch", "127.0.0.1:7777", "Deck16][, Facing Worlds"},
    {"rwolf", "Return to Castle Wolfenstein", "Lantern Stopwatch", "127.0.0.1:27961", "Beach, Base, Depot"},
    {"jedio", "JKII - Jedi Outcast", "Saber Hall", "127.0.0.1:28070", "Bespin, Kejim"},
    {"sofon", "Soldier of Fortune", "Night Shift", "127.0.0.1:28910", "Iraq, Kosovo"},
};

QString pageName(const GameServer& s)
{
    return QString::fromLatin1(s.code) + QString::fromLatin1(s.address) + QStringLiteral(".htm");
}

QByteArray resource(const QString& name)
{
    QFile f(QStringLiteral(":/pages/") + name);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// The list page and the server pages are made from the table above.
QByteArray page(const QString& name)
{
    if (name == QLatin1String("viewservers.htm")) {
        QByteArray rows;
        for (const GameServer& s : servers)
            rows += "<tr><td><a href=\"/ilnightowls/servers/" + pageName(s).toUtf8() + "\">" + s.name +
                    "</a></td><td>" + s.game + "</td><td class=\"addr\">" + s.address + "</td></tr>\n";
        return resource(name).replace("{{SERVERS}}", rows);
    }
    for (const GameServer& s : servers) {
        if (name == pageName(s)) {
            return resource(QStringLiteral("server.htm"))
                .replace("{{NAME}}", pageName(s).toUtf8())
                .replace("{{SERVER}}", s.name)
                .replace("{{GAME}}", s.game)
                .replace("{{ADDRESS}}", s.address)
                .replace("{{MAPS}}", s.maps);
        }
    }
    return name == QLatin1String("server.htm") ? QByteArray() : resource(name);
}

QByteArray response(int status, const QByteArray& reason, const QByteArray& type, const QByteArray& body)
{
    return "HTTP/1.1 " + QByteArray::number(status) + ' ' + reason + "\r\nContent-Type: " + type +
           "\r\nContent-Length: " + QByteArray::number(body.size()) +
           "\r\nCache-Control: no-store\r\nConnection: close\r\n\r\n" + body;
}

QByteArray answer(const QByteArray& request, bool log)
{
    const QList<QByteArray> words = request.left(request.indexOf("\r\n")).split(' ');
    if (words.size() < 2 || (words[0] != "GET" && words[0] != "HEAD"))
        return response(405, "Method Not Allowed", "text/plain", "GET only\n");
    QByteArray target = words[1];
    if (const qsizetype q = target.indexOf('?'); q >= 0)
        target.truncate(q);
    const QString path = QUrl::fromPercentEncoding(target);
    if (log) {
        std::printf("GET %s\n", path.toUtf8().constData());
        std::fflush(stdout);
    }
    const QString prefix = QStringLiteral("/ilnightowls/servers/");
    QString name = path == QLatin1String("/") ? QStringLiteral("index.htm") : path;
    if (name.startsWith(prefix))
        name = name.mid(prefix.size());
    if (name.contains(QLatin1String("..")) || name.contains(QLatin1Char('/')))
        return response(404, "Not Found", "text/plain", "not found\n");
    const QByteArray body = page(name);
    if (body.isEmpty())
        return response(404, "Not Found", "text/html",
                        "<html><head><title>Not found</title></head><body>Not found</body></html>\n");
    return response(200, "OK", contentType(name), words[0] == "HEAD" ? QByteArray() : body);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    quint16 port = 8790;
    if (int i = args.indexOf(QStringLiteral("--port")); i >= 0 && i + 1 < args.size())
        port = quint16(args[i + 1].toUInt());
    const bool log = args.contains(QStringLiteral("--log"));
    int delay = 0;
    if (int i = args.indexOf(QStringLiteral("--delay")); i >= 0 && i + 1 < args.size())
        delay = args[i + 1].toInt();

    QTcpServer server;
    if (!server.listen(QHostAddress::LocalHost, port)) {
        std::fprintf(stderr, "tovo-site: cannot listen on 127.0.0.1:%u: %s\n", unsigned(port),
                     server.errorString().toLocal8Bit().constData());
        return 1;
    }
    std::printf("%u\n", unsigned(server.serverPort()));
    std::fflush(stdout);
    QObject::connect(&server, &QTcpServer::newConnection, &server, [&server, log, delay] {
        while (QTcpSocket* socket = server.nextPendingConnection()) {
            QObject::connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
            QObject::connect(socket, &QTcpSocket::readyRead, socket, [socket, log, delay] {
                QByteArray seen = socket->property("seen").toByteArray() + socket->readAll();
                socket->setProperty("seen", seen);
                if (!seen.contains("\r\n\r\n") || socket->property("answered").toBool())
                    return;
                socket->setProperty("answered", true);
                QTimer::singleShot(delay, socket, [socket, seen, log] {
                    socket->write(answer(seen, log));
                    socket->disconnectFromHost();
                });
            });
        }
    });
    return app.exec();
}
