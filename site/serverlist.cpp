#include "serverlist.h"

#include "games/catalogue.h"
#include "files/profile.h"
#include "status.h"

#include <QHostInfo>
#include <QRegularExpression>
#include <QSet>

#include <arpa/inet.h>
#include <sys/stat.h>

#include <cstdio>
#include <fstream>
#include <iterator>

namespace {

// A file system's time stamps can be as coarse as 2 s (FAT), so an edit within that time of the
// one before can leave size and time stamp as they were.
constexpr time_t stampGrain = 2;

std::string contentsOf(const std::filesystem::path& file)
{
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

bool ServerList::validAddress(const QString& address)
{
    static const QRegularExpression form(QStringLiteral("^[A-Za-z0-9](?:[A-Za-z0-9.-]{0,252})(?::(\\d{1,5}))?$"));
    const QRegularExpressionMatch m = form.match(address);
    return m.hasMatch() && (m.captured(1).isEmpty() || (m.captured(1).toInt() > 0 && m.captured(1).toInt() < 65536));
}

ServerList::ServerList(std::filesystem::path file, Resolve resolve) : file_(std::move(file)), resolve_(std::move(resolve))
{
    if (!resolve_)
        resolve_ = [](const QString& name) { return QHostInfo::fromName(name).addresses(); };
}

// IPv4's broadcast addresses are taken as those ending in 255: the subnet's own is not known.
bool ServerList::singleHost(const QHostAddress& address)
{
    bool v4 = false;
    const quint32 ip = address.toIPv4Address(&v4);
    if (v4)
        return ip != 0 && (ip >> 28) != 0xe && (ip & 0xff) != 0xff;
    return address.protocol() == QAbstractSocket::IPv6Protocol && !address.isMulticast() && address != QHostAddress::AnyIPv6;
}

namespace {

// The addresses a row's host stands for: a number read as the resolver reads it, so the short
// forms ("0", "4294967295", "0xe0.1") are caught too; else what the name resolves to.
QList<QHostAddress> addressesOf(const QString& host, const ServerList::Resolve& resolve)
{
    in_addr a{};
    if (inet_aton(host.toLatin1().constData(), &a))
        return {QHostAddress(ntohl(a.s_addr))};
    return resolve(host);
}

// Sections whose name came before (in any case): the client reads only the first.
QStringList repeated(const std::string& contents)
{
    static const QRegularExpression header(QStringLiteral("^[ \\t]*\\[([^\\]\\n]*)\\]"),
                                           QRegularExpression::MultilineOption);
    QSet<QString> seen;
    QStringList twice;
    const QString text = QString::fromUtf8(contents).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (auto it = header.globalMatch(text); it.hasNext();) {
        const QString name = it.next().captured(1).trimmed();
        if (!name.isEmpty() && seen.contains(name.toLower()))
            twice << name;
        seen.insert(name.toLower());
    }
    return twice;
}

} // namespace

std::vector<Server> ServerList::parse(const std::string& contents, const std::filesystem::path& file, const Resolve& resolve)
{
    const profile::Contents con(contents);
    std::vector<Server> out;
    for (const QString& name : repeated(contents))
        std::fprintf(stderr, "tovo-site: %s: a second [%s] left out: a section of that name comes before it\n",
                     file.string().c_str(), name.toUtf8().constData());
    for (const std::string& section : con.sections()) {
        const QString name = QString::fromUtf8(section);
        const std::string code = con.read(section, "Game", "", 256);
        const QString address = QString::fromUtf8(con.read(section, "Address", "", 256));
        const QString host = address.section(QLatin1Char(':'), 0, 0);
        const QString port = address.section(QLatin1Char(':'), 1, 1);
        const quint16 gamePort = port.isEmpty() ? (catalogue::byCode(code) ? catalogue::byCode(code)->port : quint16(0)) : quint16(port.toUInt());
        const std::string queryText = con.read(section, "QueryPort", "", 16);
        const uint configured = QByteArray::fromStdString(queryText).toUInt();
        const std::optional<quint16> query =
            configured <= 65535 ? status::queryPort(code, gamePort, quint16(configured)) : std::nullopt;
        // A name that leads nowhere now is kept: its server is only silent until it does.
        auto nowhere = [&] {
            const QList<QHostAddress> found = addressesOf(host, resolve);
            return !found.isEmpty() && std::none_of(found.begin(), found.end(), [](const QHostAddress& a) { return singleHost(a); });
        };
        const char* problem = !catalogue::byCode(code) ? "its Game is no game code the client knows"
                              : address.isEmpty()       ? "it has no Address"
                              : !validAddress(address)  ? "its Address is not host[:port]"
                              : (!queryText.empty() && configured == 0) || !query
                                  ? "it has no usable query port"
                              : nowhere() ? "its Address leads only to broadcast, multicast or unspecified addresses"
                                          : nullptr;
        if (problem) {
            std::fprintf(stderr, "tovo-site: %s: [%s] left out: %s\n", file.string().c_str(), section.c_str(), problem);
            continue;
        }
        Server s{name, QString::fromLatin1(code), address, host, gamePort, *query};
        out.push_back(std::move(s));
    }
    return out;
}

bool ServerList::Seen::operator==(const Seen& o) const
{
    auto same = [](timespec a, timespec b) { return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec; };
    return exists == o.exists && device == o.device && inode == o.inode && size == o.size &&
           same(modified, o.modified) && same(changed, o.changed);
}

ServerList::Seen ServerList::look(const std::filesystem::path& file)
{
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0)
        return {};
    return {true, st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
}

// One stat per look. Only while the file is younger than its time stamps' grain is it read and
// compared byte by byte, since only then can an edit leave size and stamps unchanged; then a
// changed file is parsed again once.
const std::vector<Server>& ServerList::servers()
{
    const Seen now = look(file_);
    if (read_ && now == seen_ && !young_)
        return servers_;
    std::string contents = now.exists ? contentsOf(file_) : std::string();
    if (!read_ || !(now == seen_) || contents != contents_) {
        servers_ = parse(contents, file_, resolve_);
        pages_.clear();
        for (std::size_t i = servers_.size(); i-- > 0;)
            pages_.insert(servers_[i].pageName(), i); // of two rows with one page, the first
    }
    read_ = true;
    seen_ = now;
    young_ = now.exists && std::time(nullptr) - std::max(now.modified.tv_sec, now.changed.tv_sec) <= stampGrain;
    contents_ = young_ ? std::move(contents) : std::string(); // kept only while it may be needed
    return servers_;
}

const Server* ServerList::byPage(const QString& pageName)
{
    const std::vector<Server>& all = servers();
    const auto at = pages_.constFind(pageName);
    return at == pages_.constEnd() ? nullptr : &all[*at];
}
