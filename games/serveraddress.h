#pragma once

#include <string_view>

// A game server's address as a game's +connect takes it and the client passes it on as one
// word: a host name or IPv4 address (a letter or digit first, then letters, digits, dots and
// dashes, 253 characters at most) and an optional port from 1 to 65535. The community's
// servers.con and a join link are both held to it, so neither can put a second word, a
// shell's character or an endless text on a game's command line.
bool validServerAddress(std::string_view address);
