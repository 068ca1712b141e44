#include "mappictures.h"

#include <QBuffer>
#include <QDir>
#include <QImage>
#include <QImageReader>
#include <QRegularExpression>
#include <QUrl>
#include <quazip.h>
#include <quazipfile.h>

#include <cstdio>

namespace {

constexpr qint64 mostBytes = 16 << 20; // a levelshot is tens of KB; more is no picture
const QString prefix = QStringLiteral("levelshots/");

} // namespace

MapPictures::MapPictures(const QStringList& folders, qint64 cacheBytes)
    : kept_(qsizetype(cacheBytes)) {
    makers_.setMaxThreadCount(1);
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

MapPictures::~MapPictures() {
    makers_.waitForDone();
}

bool MapPictures::has(const QString& map) const {
    return where_.contains(map.toLower());
}

std::optional<QByteArray> MapPictures::made(const QString& map) {
    const QString key = map.toLower();
    if (!where_.contains(key)) return QByteArray(); // only the maps a pak holds are remembered
    const QByteArray* jpeg = kept_.object(key);
    return jpeg ? std::optional<QByteArray>(*jpeg) : std::nullopt;
}

void MapPictures::make(const QString& map, QObject* context, Done done) {
    const QString key = map.toLower();
    auto& waiting = waiting_[key];
    waiting.emplace_back(context, std::move(done));
    if (waiting.size() > 1) return; // already being made
    makers_.start([this, key, at = where_.value(key)] {
        QByteArray jpeg;
        QuaZipFile f(at.pak, at.entry);
        if (f.open(QIODevice::ReadOnly) && f.usize() <= mostBytes)
            jpeg = thumbnail(f.readAll(),
                             at.entry.endsWith(QLatin1String(".tga"), Qt::CaseInsensitive) ? "TGA"
                                                                                           : "JPG");
        QMetaObject::invokeMethod(&replies_, [this, key, jpeg] {
            kept_.insert(key, new QByteArray(jpeg), std::max<qsizetype>(1, jpeg.size()));
            for (auto& [context, told] : waiting_.take(key))
                if (context) told(jpeg);
        });
    });
}

QByteArray MapPictures::thumbnail(const QByteArray& data, const char* format) {
    QBuffer in;
    in.setData(data);
    // Qt reads a Targa only with the footer of its second version, which the games' own tools
    // never wrote: an empty one is added.
    static const QByteArray footer = QByteArray(8, '\0') + QByteArray("TRUEVISION-XFILE.", 18);
    if (qstrcmp(format, "TGA") == 0 && !data.endsWith(footer)) in.setData(data + footer);
    QImageReader reader(&in, format);
    const QSize size = reader.size(); // from the header, before anything is decoded
    if (!size.isValid() || size.width() > largest || size.height() > largest) return {};
    const QImage image = reader.read();
    if (image.isNull()) return {};
    QByteArray out;
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
