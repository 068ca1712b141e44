#include "serverlist.h"

#include "files/profile.h"
#include "games/catalogue.h"
#include "games/serveraddress.h"
#include "status/status.h"

#include <QHostInfo>
#include <QRegularExpression>
#include <QSet>

#include <arpa/inet.h>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <sys/stat.h>

namespace {

// A file system's time stamps can be as coarse as 2 s (FAT), so an edit within that time of the
// one before can leave size and time stamp as they were.
constexpr time_t stampGrain = 2;

std::string contentsOf(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

} // namespace

bool ServerList::validAddress(const QString& address) {
    return validServerAddress(address.toStdString());
}

ServerList::ServerList(std::filesystem::path file, Lookup lookup)
    : file_(std::move(file)), lookup_(std::move(lookup)) {
    if (!lookup_)
        lookup_ = [](const QString& name, QObject* context,
                     std::function<void(const QList<QHostAddress>&)> done) {
            QHostInfo::lookupHost(name, context,
                                  [done](const QHostInfo& info) { done(info.addresses()); });
        };
}

// IPv4's broadcast addresses are taken as those ending in 255: the subnet's own is not known.
bool ServerList::singleHost(const QHostAddress& address) {
    bool v4 = false;
    const quint32 ip = address.toIPv4Address(&v4);
    if (v4) return ip != 0 && (ip >> 28) != 0xe && (ip & 0xff) != 0xff;
    return address.protocol() == QAbstractSocket::IPv6Protocol && !address.isMulticast() &&
           address != QHostAddress::AnyIPv6;
}

namespace {

// The addresses questions go to: the first IPv6 and the first IPv4 that name one machine.
QList<QHostAddress> usable(const QList<QHostAddress>& found) {
    QList<QHostAddress> out;
    for (auto family : {QAbstractSocket::IPv6Protocol, QAbstractSocket::IPv4Protocol}) {
        const auto a = std::find_if(found.begin(), found.end(), [family](const QHostAddress& h) {
            return h.protocol() == family && ServerList::singleHost(h);
        });
        if (a != found.end()) out << *a;
    }
    return out;
}

// Leads only to addresses of many. A name that leads nowhere now is kept: its server is only
// silent until it does.
bool nowhere(const QList<QHostAddress>& found) {
    return !found.isEmpty() && usable(found).isEmpty();
}

void leftOut(const std::filesystem::path& file, const QString& section, const char* problem) {
    std::fprintf(stderr, "tovo-site: %s: [%s] left out: %s\n", file.string().c_str(),
                 section.toUtf8().constData(), problem);
}

const char* const manyHosts =
    "its Address leads only to broadcast, multicast or unspecified addresses";

// Sections whose name came before (in any case): the client reads only the first.
QStringList repeated(const std::string& contents) {
    static const QRegularExpression header(QStringLiteral("^[ \\t]*\\[([^\\]\\n]*)\\]"),
                                           QRegularExpression::MultilineOption);
    QSet<QString> seen;
    QStringList twice;
    const QString text = QString::fromUtf8(contents).replace(QLatin1Char('\r'), QLatin1Char('\n'));
    for (auto it = header.globalMatch(text); it.hasNext();) {
        const QString name = it.next().captured(1).trimmed();
        if (!name.isEmpty() && seen.contains(name.toLower())) twice << name;
        seen.insert(name.toLower());
    }
    return twice;
}

} // namespace

std::vector<Server> ServerList::parse(const std::string& contents,
                                      const std::filesystem::path& file) {
    const profile::Contents con(contents);
    std::vector<Server> out;
    for (const QString& name : repeated(contents))
        std::fprintf(
            stderr,
            "tovo-site: %s: a second [%s] left out: a section of that name comes before it\n",
            file.string().c_str(), name.toUtf8().constData());
    for (const std::string& section : con.sections()) {
        const std::string code = con.read(section, "Game", "", 256);
        const QString address = QString::fromUtf8(con.read(section, "Address", "", 256));
        const QString host = address.section(QLatin1Char(':'), 0, 0);
        const QString port = address.section(QLatin1Char(':'), 1, 1);
        const quint16 gamePort =
            port.isEmpty() ? (catalogue::byCode(code) ? catalogue::byCode(code)->port : quint16(0))
                           : quint16(port.toUInt());
        const std::string queryText = con.read(section, "QueryPort", "", 16);
        const uint configured = QByteArray::fromStdString(queryText).toUInt();
        const bool queryPort = configured <= 65535 && (queryText.empty() || configured != 0) &&
                               status::queryPort(code, gamePort, quint16(configured));
        // A number is read as the resolver reads it, so the short forms ("0", "4294967295",
        // "0xe0.1") are caught too; a name is looked up later.
        in_addr number{};
        const bool literal = inet_aton(host.toLatin1().constData(), &number);
        const QList<QHostAddress> addresses =
            literal ? usable({QHostAddress(ntohl(number.s_addr))}) : QList<QHostAddress>();
        const char* problem = !catalogue::byCode(code) ? "its Game is no game code the client knows"
                              : address.isEmpty()      ? "it has no Address"
                              : !validAddress(address) ? "its Address is not host[:port]"
                              : !queryPort             ? "it has no usable query port"
                              : literal && addresses.isEmpty() ? manyHosts
                                                               : nullptr;
        if (problem) {
            leftOut(file, QString::fromUtf8(section), problem);
            continue;
        }
        out.push_back({.name = QString::fromUtf8(section),
                       .code = QString::fromLatin1(code),
                       .address = address,
                       .host = host,
                       .port = gamePort,
                       .queryPort = quint16(configured),
                       .addresses = addresses,
                       .resolving = !literal});
    }
    return out;
}

bool ServerList::Seen::operator==(const Seen& o) const {
    auto same = [](timespec a, timespec b) {
        return a.tv_sec == b.tv_sec && a.tv_nsec == b.tv_nsec;
    };
    return exists == o.exists && device == o.device && inode == o.inode && size == o.size &&
           same(modified, o.modified) && same(changed, o.changed);
}

ServerList::Seen ServerList::look(const std::filesystem::path& file) {
    struct stat st {};
    if (::stat(file.c_str(), &st) != 0) return {};
    return {true, st.st_dev, st.st_ino, st.st_size, st.st_mtim, st.st_ctim};
}

// One stat per look. Only while the file is younger than its time stamps' grain is it read and
// compared byte by byte, since only then can an edit leave size and stamps unchanged; then a
// changed file is parsed again once, and its names looked up anew.
void ServerList::readFile() {
    const Seen now = look(file_);
    if (read_ && now == seen_ && !young_) return;
    std::string contents = now.exists ? contentsOf(file_) : std::string();
    if (!read_ || !(now == seen_) || contents != contents_) {
        rows_ = parse(contents, file_);
        names_.clear();
        ++generation_;
        build();
    }
    read_ = true;
    seen_ = now;
    young_ = now.exists &&
             std::time(nullptr) - std::max(now.modified.tv_sec, now.changed.tv_sec) <= stampGrain;
    contents_ = young_ ? std::move(contents) : std::string(); // kept only while it may be needed
}

// Each name not known, or known for too long, is asked for; an answer always comes through the
// event loop, so a page being built never sees its list change.
void ServerList::lookUp() {
    for (const Server& row : rows_) {
        if (!row.resolving) continue;
        Name& n = names_[row.host];
        if (n.asking || (n.found && n.at.elapsed() < nameMaxAgeMs)) continue;
        n.asking = true;
        lookup_(
            row.host, &context_,
            [this, name = row.host, generation = generation_](const QList<QHostAddress>& found) {
                QMetaObject::invokeMethod(
                    &context_, [=, this] { answered(name, generation, found); },
                    Qt::QueuedConnection);
            });
    }
}

void ServerList::answered(const QString& name, int generation, const QList<QHostAddress>& found) {
    if (generation != generation_ || !names_.contains(name)) return;
    Name& n = names_[name];
    const bool wasNowhere = n.found && nowhere(*n.found);
    n.found = found;
    n.at.start();
    n.asking = false;
    if (nowhere(found) && !wasNowhere)
        for (const Server& row : rows_)
            if (row.resolving && row.host == name) leftOut(file_, row.name, manyHosts);
    build();
    if (resolved_) resolved_();
}

void ServerList::build() {
    servers_.clear();
    pages_.clear();
    for (Server s : rows_) {
        const auto n = names_.constFind(s.host);
        if (s.resolving && n != names_.constEnd() && n->found) {
            if (nowhere(*n->found)) continue;
            s.addresses = usable(*n->found);
            s.resolving = false;
        }
        servers_.push_back(std::move(s));
    }
    for (std::size_t i = servers_.size(); i-- > 0;)
        pages_.insert(servers_[i].pageName(), i); // of two rows with one page, the first
}

const std::vector<Server>& ServerList::servers() {
    readFile();
    lookUp();
    return servers_;
}

const Server* ServerList::byPage(const QString& pageName) {
    const std::vector<Server>& all = servers();
    const auto at = pages_.constFind(pageName);
    return at == pages_.constEnd() ? nullptr : &all[*at];
}
