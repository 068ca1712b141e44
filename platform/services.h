#pragma once

#include "keyring.h"
#include "msgbox.h"
#include "files/drives.h"
#include "games/community.h"
#include "games/start.h"

#include <QLocale>
#include <QString>
#include <QTime>
#include <QUrl>

#include <filesystem>
#include <functional>
#include <memory>

class BrowserPane;
class QMenu;
class QObject;
class QWidget;

// Everything the windows do to the world outside them goes through here, so that a test can
// put its own in place: the program directory and the community's web host, message boxes, the
// keyring, the browser pane, the clock and the member's locale, the drive table, a start and a
// Wine prefix got ready, the host's servers.json and players.json, desktop notifications, the
// settings window's search, the member's own programs, pop-up menus and the program's end. The
// table of them, with what the tests put in their place, is in docs/ARCHITECTURE.md.
struct Services {
    std::filesystem::path programDir; // the folder that holds the program file
    QString host = QString::fromLatin1(community::defaultHost); // the community's web host
    std::unique_ptr<msgbox::Boxes> boxes;
    std::unique_ptr<Keyring> keyring; // none: no keyring, every password is asked
    std::function<BrowserPane*(QWidget* parent)> makeBrowser;
    std::function<QTime()> now;
    QLocale locale; // the member's regional settings
    DriveTable drives;
    // Starts a game's batch file, or a downloaded program, the way the game's launcher starts it
    // (the program wires the real one: it reads the launchers' records).
    std::function<batch::Outcome(const batch::Start& start)> startBatch;
    // Gets a Wine prefix ready for a game's start with the Wine that runs it, in the background;
    // nothing by default.
    std::function<void(const Runner& runner)> warmWine = [](const Runner&) {};
    // The community's servers.json as its host gives it now: done(bytes, ok) comes later, and
    // never once `context` is gone. None by default: the servers' status is not known.
    std::function<void(QObject* context, std::function<void(const QByteArray& json, bool ok)> done)>
        fetchListing;
    // The host's players.json for these names (where each was last seen), the same way.
    std::function<void(QObject* context, const QStringList& names,
                       std::function<void(const QByteArray& json, bool ok)> done)>
        fetchPlayers;
    // A desktop notification; `link`, when given, is the join link its "Join" follows.
    std::function<void(const QString& text, const QString& link)> notify = [](const QString&,
                                                                              const QString&) {};
    // The settings window's search for the member's games, its window already shown (the program
    // wires it: the server list cannot see the settings window).
    std::function<void()> findGamesQuietly;
    // The member's own programs for what is no page of the community: another site, mail, a
    // download's folder.
    std::function<void(const QUrl& url)> openUrl;
    std::function<void(QMenu* menu)> popup; // a pop-up menu at the mouse pointer
    std::function<void()> endProgram;       // ends the process at once

    // The real world: the system clock, the Wine drives (the program puts the browser engine's
    // pane and the game's start in, from the layers above this one). An
    // installed client (files in the member's folder) also takes its web host from
    // systemConfig/host.con when the member's folder has none.
    static Services real(const std::filesystem::path& programDir,
                         const std::filesystem::path& systemConfig = {});

    // The web host named by host.con in the program directory ([Web] Host=), else the default.
    static QString hostFrom(const std::filesystem::path& programDir, const QString& fallback);
    // What the page addresses begin with, for a Host= setting: "host[:port]" or
    // "https://host[:port]".
    static QString hostAddress(const QString& setting, const QString& fallback);

    msgbox::Answer msg(const QString& prompt, msgbox::Buttons b, msgbox::Icon i,
                       const QString& title) const {
        return boxes->show(prompt, b, i, title);
    }
    std::filesystem::path file(std::string_view winRelative) const;
};
