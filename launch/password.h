#pragma once

#include "games/start.h"

#include <QString>

#include <string>
#include <vector>

// A locked server's password on its way to the game. The game's console reads its command line
// as commands: a ";" ends one, a "+" starts the next, a quotation mark or a blank breaks a word,
// "//" starts a remark, and a backslash splits the player's settings as the server reads them.
// A password holding any of them would run as the game's own commands, so it is refused, never
// quoted.
namespace password {

inline constexpr int MostCharacters = 64;

// Why the game cannot be given this password, in the member's words; empty when it can.
QString problem(const QString& password);

// The game's arguments with the password where the game takes it (before "+connect", or on the
// server's address).
std::vector<std::string> added(std::vector<std::string> arguments, PasswordBy by,
                               const std::string& password);

} // namespace password
