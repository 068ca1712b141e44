#pragma once

#include <QObject>
#include <QString>

#include <functional>
#include <memory>

// The desktop's keyring (its Secret Service: GNOME Keyring, KWallet, KeePassXC), which keeps the
// passwords of locked servers by the server's page name. The program never writes a password to
// a file of its own; where no keyring answers, the member types it each time.
class Keyring {
public:
    virtual ~Keyring() = default;

    enum class Found { Password, Nothing, NoKeyring };
    // done(found, password) later, and never once `context` is gone.
    virtual void read(const QString& page, QObject* context,
                      std::function<void(Found found, const QString& password)> done) = 0;
    virtual void keep(const QString& page, const QString& password) = 0;
    // Every server's password the program has kept.
    virtual void forgetAll() = 0;
};

// The desktop's own, through QtKeychain.
std::unique_ptr<Keyring> desktopKeyring();
