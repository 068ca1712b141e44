#pragma once

#include <QString>
#include <QStringList>

#include <filesystem>

// The member's friends: the player names kept in friends.con in the client's folder, section
// [Friends], keys 1, 2, ... each one name. A name is compared as the community's pages show a
// player: colour codes and control characters gone, at most 64 characters, without regard to
// case, so "^1Raven" on a server is the friend "raven".
namespace friendlist {

inline constexpr int MostFriends = 500;

QString shown(const QString& name);
bool same(const QString& a, const QString& b);

// The names in the file's order; a missing or unreadable file is no friends.
QStringList read(const std::filesystem::path& file);
// Replaces the file whole (never half written); false when it cannot be written.
bool write(const std::filesystem::path& file, const QStringList& names);

} // namespace friendlist
