#pragma once

#include <QByteArray>
#include <QHash>
#include <QString>
#include <QStringList>

// The maps' pictures, as the games keep them: levelshots/<map>.jpg or .tga inside the .pk3 (zip)
// files of the game data folders given. The folders' files are listed once, at start; a picture
// is read, scaled to a thumbnail and kept the first time it is asked for. A later pak file wins
// over an earlier one, as in the games.
class MapPictures final {
public:
    static constexpr int width = 320, height = 240;

    explicit MapPictures(const QStringList& folders = {});
    bool has(const QString& map) const;
    // The thumbnail as JPEG; empty when the map has no picture that can be read.
    QByteArray thumbnail(const QString& map);
    // Where the host serves a map's picture, below its pages' path.
    static QString file(const QString& map);
    // The map's name from such a file's name; empty when it is none.
    static QString mapOf(const QString& file);

private:
    struct Where {
        QString pak, entry;
    };
    QHash<QString, Where> where_; // by the map's name, in lower case
    QHash<QString, QByteArray> made_;
};
