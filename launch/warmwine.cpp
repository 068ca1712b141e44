#include "warmwine.h"

#include "games/catalogue.h"
#include "games/dirfile.h"
#include "games/wine.h"

#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>

#include <algorithm>

namespace warmwine {

std::vector<Runner> prefixesToWarm(const std::filesystem::path& programDir,
                                   const DriveTable& drives) {
    std::vector<Runner> out;
    const std::filesystem::path systemWine =
        QStandardPaths::findExecutable(QStringLiteral("wine")).toStdString();
    for (const Game& g : catalogue::games()) {
        const dirfile::Record r = dirfile::read(programDir, g);
        if (!dirfile::isSet(r.path) || !r.runner.steamApp.empty()) continue;
        const Runner w{r.runner.prefix.empty() ? DriveTable::defaultPrefix() : r.runner.prefix,
                       r.runner.wine.empty() ? systemWine : r.runner.wine,
                       {}};
        const auto folder =
            DriveTable::forGame(r.runner.prefix, drives).toHost(dirfile::folderOf(r.dir));
        if (folder && wine::machineOf(*folder / r.file) != 0 &&
            std::find(out.begin(), out.end(), w) == out.end() &&
            wine::keepsPrefix(w.wine, w.prefix))
            out.push_back(w);
    }
    return out;
}

void warm(const Runner& runner) {
    const QString wineserver =
        QString::fromLocal8Bit((runner.wine.parent_path() / "wineserver").c_str());
    const QString wine = QString::fromLocal8Bit(runner.wine.c_str());
    if (runner.wine.empty() || !QFileInfo(wineserver).isExecutable()) return;
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("WINEPREFIX"), QString::fromLocal8Bit(runner.prefix.c_str()));
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
