#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

// One client per member and display: a second start hands what it was started with (a join
// link, or nothing) to the running one over a local socket and ends.
class OneClient final : public QObject {
    Q_OBJECT
public:
    explicit OneClient(QObject* parent = nullptr);

    // The socket's name for this member and display.
    static QString name();
    // Gives `message` to a running client; false when none is running.
    static bool handOver(const QString& message);
    // Becomes the running client; false when the socket cannot be made.
    bool listen();

signals:
    // What a second start handed over: a link, or empty for "come to the front".
    void received(const QString& message);

private:
    QLocalServer server_;
};
