#include "warmwine.h"

#include "games/catalogue.h"
#include "games/dirfile.h"
#include "launch/wine.h"

#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

namespace warmwine {

std::vector<std::filesystem::path> prefixesToWarm(const std::filesystem::path& programDir, const DriveTable& drives)
{
    std::vector<std::filesystem::path> out;
    for (const Game& g : catalogue::games()) {
        const dirfile::Record r = dirfile::read(programDir, g);
        if (r.path == "0" || r.path == dirfile::Missing)
            continue;
        const std::filesystem::path prefix = r.prefix.empty() ? DriveTable::defaultPrefix() : std::filesystem::path(r.prefix);
        const DriveTable own = r.prefix.empty() ? drives : DriveTable::fromPrefix(prefix);
        const auto folder = own.toHost(dirfile::folderOf(r.dir));
        if (folder && wine::machineOf(*folder / r.file) != 0 && std::find(out.begin(), out.end(), prefix) == out.end())
            out.push_back(prefix);
    }
    return out;
}

void warm(const std::filesystem::path& prefix)
{
    const QString key = QString::fromLocal8Bit(prefix.c_str());
    const QString wineserver = QStandardPaths::findExecutable(QStringLiteral("wineserver"));
    const QString wine = QStandardPaths::findExecutable(QStringLiteral("wine"));
    if (wineserver.isEmpty() || wine.isEmpty())
        return;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("WINEPREFIX"), key);
    // The server first, so that it is the one kept a while; it leaves its foreground process as
    // soon as it listens. Then one program, which brings up Wine's services for the game.
    auto* server = new QProcess;
    server->setProcessEnvironment(env);
    QObject::connect(server, &QProcess::finished, server, [server, wine, env] {
        QProcess program;
        program.setProgram(wine);
        program.setArguments({QStringLiteral("cmd"), QStringLiteral("/c"), QStringLiteral("exit")});
        program.setProcessEnvironment(env);
        program.setStandardOutputFile(QProcess::nullDevice());
        program.setStandardErrorFile(QProcess::nullDevice());
        program.startDetached();
        server->deleteLater();
    });
    QObject::connect(server, &QProcess::errorOccurred, server, &QObject::deleteLater);
    server->start(wineserver, {QStringLiteral("-p%1").arg(KeepSeconds)});
}

} // namespace warmwine
