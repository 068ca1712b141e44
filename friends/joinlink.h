#pragma once

#include <QString>

// A link that joins a server from anywhere (a forum post, a chat, a notification), as
// community::joinLink makes it: tovo://join/<game code>/<address>, the address as the game's
// +connect takes it.
namespace joinlink {

struct Join {
    QString code, address;
    QString problem; // why the link cannot be followed, as the member is told; empty when it can
};
Join read(const QString& link);

} // namespace joinlink
