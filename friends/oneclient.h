#pragma once

#include <QLocalServer>
#include <QObject>
#include <QString>

// One client per member and display: a second start hands what it was started with (a join
// link, or nothing) to the running one over a local socket and ends. The socket lives in a folder
// only the member can enter, and each end checks the other is the member's own process: no one
// else on the machine can stop a start this way, nor be handed its links.
class OneClient final : public QObject {
    Q_OBJECT
public:
    explicit OneClient(QObject* parent = nullptr);

    // The socket's path for this member and display; empty when no folder of the member's own
    // can be had (the client then runs alone, unreachable).
    static QString name();
    // Gives `message` to the member's running client; false when none is running, or when what
    // answers is not the member's.
    static bool handOver(const QString& message);
    // Becomes the running client; false when the socket cannot be made, or another client of the
    // member's answers on it already.
    bool listen();

signals:
    // What a second start handed over: a link, or empty for "come to the front".
    void received(const QString& message);

private:
    QLocalServer server_;
};
