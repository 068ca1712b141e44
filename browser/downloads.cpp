#include "downloads.h"

#include <QFile>
#include <QStandardPaths>

namespace downloads {

namespace {

const QString partSuffix = QStringLiteral(".part");

// Cuts the stem, a character at a time, until stem + tail fits beside the temporary suffix.
QString fit(QString stem, const QString& tail) {
    const qsizetype room = maxNameBytes - partSuffix.toUtf8().size() - tail.toUtf8().size();
    while (!stem.isEmpty() && stem.toUtf8().size() > room)
        stem.chop(stem.back().isLowSurrogate() && stem.size() > 1 ? 2 : 1);
    return stem + tail;
}

// "name.ext" as "name" and ".ext"; a name without a dot past its first character has no extension.
std::pair<QString, QString> split(const QString& name) {
    const qsizetype dot = name.lastIndexOf(QLatin1Char('.'));
    if (dot <= 0 || name.size() - dot > 16) return {name, {}};
    return {name.left(dot), name.mid(dot)};
}

} // namespace

QString safeName(const QString& suggested) {
    QString name = suggested;
    name.replace(QLatin1Char('\\'), QLatin1Char('/')); // a Windows path names folders too
    name = name.mid(name.lastIndexOf(QLatin1Char('/')) + 1);
    name.removeIf([](QChar c) {
        return c.category() == QChar::Other_Control || c.category() == QChar::Other_Format;
    });
    qsizetype lead = 0;
    while (lead < name.size() && (name[lead] == QLatin1Char('.') || name[lead].isSpace()))
        ++lead;
    name = name.mid(lead).trimmed();
    if (name.isEmpty()) name = QStringLiteral("download");
    const auto [stem, ext] = split(name);
    return fit(stem, ext);
}

QString freeName(const QString& name, const std::function<bool(const QString&)>& taken) {
    const auto [stem, ext] = split(name);
    QString candidate = name;
    for (int n = 1; taken(candidate); ++n)
        candidate = fit(stem, QStringLiteral(" (%1)").arg(n) + ext);
    return candidate;
}

QString chooseName(const QDir& folder, const QString& suggested,
                   const std::function<bool(const QString&)>& running) {
    return freeName(safeName(suggested), [&](const QString& n) {
        return running(n) || folder.exists(n) || folder.exists(partName(n));
    });
}

QString partName(const QString& name) {
    return name + partSuffix;
}

QString finish(const QDir& folder, const QString& part, const QString& name) {
    // A rename that refuses to replace a file: another may have taken the name meanwhile.
    for (int tries = 0; tries < 100; ++tries) {
        const QString to = freeName(name, [&](const QString& n) { return folder.exists(n); });
        if (QFile::rename(folder.filePath(part), folder.filePath(to))) return to;
        if (!folder.exists(part)) return {};
    }
    return {};
}

QString folder() {
    const QString wanted = QStandardPaths::writableLocation(QStandardPaths::DownloadLocation);
    return !wanted.isEmpty() && QDir(wanted).exists() ? wanted : QDir::homePath();
}

} // namespace downloads
