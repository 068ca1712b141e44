#include "friendlist.h"

#include "files/paths.h"
#include "files/profile.h"
#include "status/status.h"

namespace friendlist {

QString shown(const QString& name) {
    return status::clean(name.toUtf8(), true);
}

bool same(const QString& a, const QString& b) {
    return shown(a).compare(shown(b), Qt::CaseInsensitive) == 0;
}

QStringList read(const std::filesystem::path& file) {
    const profile::Contents con(paths::readAtMost(file, 1u << 20));
    QStringList names;
    for (int n = 1; n <= MostFriends; ++n)
        if (const QString name =
                shown(QString::fromStdString(con.read("Friends", std::to_string(n), "", 256)));
            !name.isEmpty())
            names << name;
    return names;
}

bool write(const std::filesystem::path& file, const QStringList& names) {
    QByteArray text = "[Friends]\r\n";
    int n = 0;
    for (const QString& name : names)
        if (const QString s = shown(name); !s.isEmpty() && n < MostFriends)
            text += QByteArray::number(++n) + '=' + s.toUtf8() + "\r\n";
    return paths::replaceFile(file, text.toStdString());
}

} // namespace friendlist
