#pragma once

#include <QString>

// What the client and the community's web host agree on: the folder of the web host that holds
// the community's pages (the detection page, the content pages, the server list and the server
// pages), the web host a client of this build talks to when no host.con names another, and how
// a server's page is named, which is how Connect to Server knows the game and the address.
namespace community {

inline constexpr char pages[] = "/ilnightowls/servers/";
inline constexpr char defaultHost[] = TOVO_DEFAULT_HOST; // set when the program is configured

// A server page's name is five characters of game code, the server's address, and a
// four-character tail: "qktre127.0.0.1:27960.htm". The server list page's name begins with
// "views".
QString pageName(const QString& code, const QString& address);

struct PageName {
    QString code;    // Text3
    QString address; // Text1
    QString full;    // Text2
};
// The cut the client makes of the name of the page its pane shows. Names shorter than nine
// characters, or too long for a 16-bit count (over 32771), give an empty code, which matches
// no game, so that "Connect to Server" does nothing for them.
PageName cutPageName(const QString& locationName);

// The link that joins a server from anywhere: tovo://join/<game code>/<address>.
inline constexpr char joinLinks[] = "tovo://join/";
QString joinLink(const QString& code, const QString& address);

} // namespace community
