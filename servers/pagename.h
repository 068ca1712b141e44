#pragma once

#include <QString>

// A server page's name is five characters of game code, the server's address, and a
// four-character tail that is dropped: "qktre127.0.0.1:27960.htm". The server list page's name
// begins with "views".
struct PageName {
    QString code;    // Text3
    QString address; // Text1
    QString full;    // Text2
};

// Names shorter than nine characters, or too long for a 16-bit count (over 32771), give an
// empty code, which matches no game, so that "Connect to Server" does nothing for them.
PageName cutPageName(const QString& locationName);
