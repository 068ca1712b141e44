#include "mappictures.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QRegularExpression>
#include <QUrl>
#include <quazip.h>
#include <quazipfile.h>

#include <cstdio>

namespace {

constexpr qint64 mostBytes = 16 << 20; // a levelshot is tens of KB; more is no picture
const QString prefix = QStringLiteral("levelshots/");

} // namespace

MapPictures::MapPictures(const QStringList& folders) {
    static const QRegularExpression shot(QStringLiteral("^levelshots/([^/]+)\\.(jpg|tga)$"),
                                         QRegularExpression::CaseInsensitiveOption);
    for (const QString& folder : folders) {
        const QDir dir(folder);
        QStringList paks = dir.entryList({QStringLiteral("*.pk3")}, QDir::Files | QDir::Readable);
        paks.sort(Qt::CaseInsensitive);
        if (!dir.exists())
            std::fprintf(stderr, "tovo-site: --maps: %s is no folder\n", qPrintable(folder));
        for (const QString& name : paks) {
            const QString pak = dir.filePath(name);
            QuaZip zip(pak);
            if (!zip.open(QuaZip::mdUnzip)) {
                std::fprintf(stderr, "tovo-site: %s cannot be read as a pak file\n",
                             qPrintable(pak));
                continue;
            }
            for (const QString& entry : zip.getFileNameList()) {
                const auto m = shot.match(entry);
                if (m.hasMatch()) where_[m.captured(1).toLower()] = {pak, entry};
            }
        }
    }
}

bool MapPictures::has(const QString& map) const {
    return where_.contains(map.toLower());
}

QByteArray MapPictures::thumbnail(const QString& map) {
    const QString key = map.toLower();
    if (const auto made = made_.constFind(key); made != made_.constEnd()) return *made;
    QByteArray& out = made_[key];
    const auto at = where_.constFind(key);
    if (at == where_.constEnd()) return out;
    QuaZipFile f(at->pak, at->entry);
    if (!f.open(QIODevice::ReadOnly) || f.usize() > mostBytes) return out;
    const QImage image = QImage::fromData(
        f.readAll(),
        at->entry.endsWith(QLatin1String(".tga"), Qt::CaseInsensitive) ? "TGA" : "JPG");
    if (image.isNull()) return out;
    QBuffer buffer(&out);
    buffer.open(QIODevice::WriteOnly);
    image.scaled(width, height, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
        .convertToFormat(QImage::Format_RGB32)
        .save(&buffer, "JPG", 85);
    return out;
}

QString MapPictures::file(const QString& map) {
    return prefix + QString::fromLatin1(QUrl::toPercentEncoding(map.toLower())) +
           QStringLiteral(".jpg");
}

QString MapPictures::mapOf(const QString& file) {
    if (!file.startsWith(prefix) || !file.endsWith(QLatin1String(".jpg"))) return {};
    const QString map = file.mid(prefix.size(), file.size() - prefix.size() - 4);
    return map.contains(QLatin1Char('/')) ? QString() : map;
}
