#include "joinlink.h"

#include "games/catalogue.h"
#include "games/community.h"
#include "games/serveraddress.h"

#include <QCoreApplication>
#include <QUrl>

namespace joinlink {

Join read(const QString& link) {
    // Shown to the member, so never more than a line of it.
    auto said = [](const QString& s) {
        return s.size() > 64 ? s.left(61) + QStringLiteral("...") : s;
    };
    const QString start = QLatin1String(community::joinLinks);
    if (!link.startsWith(start, Qt::CaseInsensitive))
        return {{},
                {},
                QCoreApplication::translate("joinlink", "This is no TOVO join link: %1")
                    .arg(said(link))};
    const QString rest = QUrl::fromPercentEncoding(link.mid(start.size()).toUtf8());
    const QString code = rest.section(QLatin1Char('/'), 0, 0);
    QString address = rest.section(QLatin1Char('/'), 1);
    if (address.endsWith(QLatin1Char('/'))) address.chop(1); // as some programs hand a link over
    if (!catalogue::byCode(code.toStdString()))
        return {code, address,
                QCoreApplication::translate("joinlink",
                                            "The join link names no game TOVO knows: \"%1\".")
                    .arg(said(code))};
    if (!validServerAddress(address.toStdString()))
        return {code, address,
                QCoreApplication::translate(
                    "joinlink", "The join link's server address cannot be used: \"%1\".")
                    .arg(said(address))};
    return {code, address, {}};
}

} // namespace joinlink
