#pragma once

#include <QByteArray>
#include <QCache>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QString>
#include <QStringList>
#include <QThreadPool>

#include <functional>
#include <optional>
#include <vector>

// The maps' pictures, as the games keep them: levelshots/<map>.jpg or .tga inside the .pk3 (zip)
// files of the game data folders given. The folders' files are listed once, at start; a picture
// is read and scaled to a thumbnail on a thread of its own the first time it is asked for, and
// kept while it is among the most recently asked, up to `cacheBytes` in all. A later pak file
// wins over an earlier one, as in the games.
class MapPictures final {
public:
    static constexpr int width = 320, height = 240;
    // A picture wider or higher is refused before it is decoded: real levelshots are 512 at most.
    static constexpr int largest = 4096;

    explicit MapPictures(const QStringList& folders = {}, qint64 cacheBytes = 8 << 20);
    ~MapPictures();
    bool has(const QString& map) const;
    // The thumbnail as JPEG when it is made (empty: the map's picture cannot be read); nullopt
    // while it is still to be made.
    std::optional<QByteArray> made(const QString& map);
    // Makes it, then tells `done` on the caller's thread, unless `context` is gone by then.
    using Done = std::function<void(const QByteArray& jpeg)>;
    void make(const QString& map, QObject* context, Done done);
    qint64 keptBytes() const { return kept_.totalCost(); }

    // A picture's bytes as a thumbnail; empty when they are no picture or too large a one.
    static QByteArray thumbnail(const QByteArray& data, const char* format);
    // Where the host serves a map's picture, below its pages' path.
    static QString file(const QString& map);
    // The map's name from such a file's name; empty when it is none.
    static QString mapOf(const QString& file);

private:
    struct Where {
        QString pak, entry;
    };
    QHash<QString, Where> where_; // by the map's name, in lower case
    QCache<QString, QByteArray> kept_;
    QHash<QString, std::vector<std::pair<QPointer<QObject>, Done>>> waiting_;
    QObject replies_;    // on the caller's thread: where the made pictures arrive
    QThreadPool makers_; // last: its work is done before the rest goes
};
