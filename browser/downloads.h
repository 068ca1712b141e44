#pragma once

#include <QDir>
#include <QString>

#include <functional>

// Where a downloaded file lands and under which names, without any window: the name the answer
// gives is made safe, a name already in the folder is never taken, and the file is written
// under a temporary name until it is whole.
namespace downloads {

// The most a name may take in bytes, its temporary suffix included, as the file systems allow.
inline constexpr qsizetype maxNameBytes = 255;

// The last part of the name only (no folders), without control characters or leading dots and
// blanks, cut to fit with its temporary suffix (its extension kept); "download" when nothing
// is left.
QString safeName(const QString& suggested);
// The first of "name.ext", "name (1).ext", "name (2).ext"... that taken() does not refuse.
QString freeName(const QString& name, const std::function<bool(const QString&)>& taken);
// The name a file is written under until it is whole.
QString partName(const QString& name);
// The name a new download takes in the folder: the suggested name made safe, then the first of
// its variants that neither a file, a file being written, nor a running download has.
QString chooseName(const QDir& folder, const QString& suggested,
                   const std::function<bool(const QString&)>& running);
// Gives the whole file at `part` the first free variant of `name`, never over another file;
// the name it got, empty when it could not be moved.
QString finish(const QDir& folder, const QString& part, const QString& name);
// The member's download folder, or the home folder when there is none.
QString folder();

} // namespace downloads
