#include "serverlist.h"

#include "games/catalogue.h"
#include "platform/profile.h"
#include "status.h"

#include <QFileInfo>
#include <QRegularExpression>

#include <cstdio>

bool ServerList::validAddress(const QString& address)
{
    static const QRegularExpression form(QStringLiteral("^[A-Za-z0-9](?:[A-Za-z0-9.-]{0,252})(?::(\\d{1,5}))?$"));
    const QRegularExpressionMatch m = form.match(address);
    return m.hasMatch() && (m.captured(1).isEmpty() || (m.captured(1).toInt() > 0 && m.captured(1).toInt() < 65536));
}

std::vector<Server> ServerList::read(const std::filesystem::path& file)
{
    std::vector<Server> out;
    for (const std::string& section : profile::sections(file)) {
        const QString name = QString::fromUtf8(section);
        const std::string code = profile::read(section, "Game", "", 256, file);
        const QString address = QString::fromUtf8(profile::read(section, "Address", "", 256, file));
        const QString port = address.section(QLatin1Char(':'), 1, 1);
        const quint16 gamePort = port.isEmpty() ? status::gameOf(code).value_or(status::Game{}).port : quint16(port.toUInt());
        const std::string queryText = profile::read(section, "QueryPort", "", 16, file);
        const uint configured = QByteArray::fromStdString(queryText).toUInt();
        const std::optional<quint16> query =
            configured <= 65535 ? status::queryPort(code, gamePort, quint16(configured)) : std::nullopt;
        const char* problem = !catalogue::byCode(code) ? "its Game is no game code the client knows"
                              : address.isEmpty()       ? "it has no Address"
                              : !validAddress(address)  ? "its Address is not host[:port]"
                              : (!queryText.empty() && (configured == 0 || configured > 65535)) || !query
                                  ? "it has no usable query port"
                                  : nullptr;
        if (problem) {
            std::fprintf(stderr, "tovo-site: %s: [%s] left out: %s\n", file.string().c_str(), section.c_str(), problem);
            continue;
        }
        Server s{name, QString::fromLatin1(code), address, address.section(QLatin1Char(':'), 0, 0), gamePort, *query};
        out.push_back(std::move(s));
    }
    return out;
}

const std::vector<Server>& ServerList::servers()
{
    const QFileInfo info(QString::fromStdString(file_.string()));
    if (info.lastModified() != modified_ || info.size() != size_) {
        modified_ = info.lastModified();
        size_ = info.size();
        servers_ = read(file_);
    }
    return servers_;
}

const Server* ServerList::byPage(const QString& pageName)
{
    for (const Server& s : servers())
        if (s.pageName() == pageName)
            return &s;
    return nullptr;
}
