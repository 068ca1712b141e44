#include "filesfolder.h"

#include "services.h"

#include <QCoreApplication>
#include <QDir>

#include <system_error>
#include <unistd.h>

namespace {
bool underUsr(const std::filesystem::path& dir) {
    std::error_code ec;
    auto real = std::filesystem::weakly_canonical(dir, ec);
    if (ec) real = dir;
    auto part = real.begin();
    return part != real.end() && *part == "/" && ++part != real.end() && *part == "usr";
}
} // namespace

FilesFolder FilesFolder::choose(const std::filesystem::path& programDir,
                                const std::filesystem::path& dataHome) {
    if (!underUsr(programDir) && ::access(programDir.c_str(), W_OK) == 0)
        return {programDir, true, {}};
    FilesFolder f{dataHome / "tovo", false, {}};
    std::error_code ec;
    std::filesystem::create_directories(f.dir, ec);
    if (!std::filesystem::is_directory(f.dir))
        f.problem = QString::fromStdString(ec ? ec.message() : std::string("not a folder"));
    return f;
}

std::filesystem::path FilesFolder::dataHome() {
    const QString xdg = qEnvironmentVariable("XDG_DATA_HOME");
    if (QDir::isAbsolutePath(xdg)) return xdg.toStdString();
    return QDir::homePath().toStdString() + "/.local/share";
}

std::filesystem::path FilesFolder::browserCache() const {
    if (own) return dir / "browser" / "cache";
    const QString xdg = qEnvironmentVariable("XDG_CACHE_HOME");
    return (QDir::isAbsolutePath(xdg) ? xdg.toStdString()
                                      : QDir::homePath().toStdString() + "/.cache") +
           "/tovo/browser";
}

void FilesFolder::tell(const Services& services) const {
    if (problem.isEmpty()) return;
    services.msg(QCoreApplication::translate(
                     "FilesFolder",
                     "TOVO cannot make the folder for your files, %1 (%2).\n\n"
                     "It runs, but it cannot save your alias or where your games are.")
                     .arg(QString::fromStdString(dir.string()), problem),
                 msgbox::Buttons::Ok, msgbox::Icon::Critical,
                 QCoreApplication::translate("FilesFolder", "Cannot save"));
}
