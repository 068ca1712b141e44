// Draws the pictures the program keeps in itself, when it is built:
//   tovo-art OUTDIR NAME...   writes OUTDIR/NAME.png and OUTDIR/NAME@2x.png for each name.
// Every stored picture must be named, so that none is missing from the program.
#include "platform/art.h"

#include <QDir>
#include <QGuiApplication>
#include <QImage>

#include <cstdio>

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen"); // no display needed to draw
    QGuiApplication app(argc, argv);
    QStringList names = app.arguments().mid(2);
    if (names.isEmpty()) {
        std::fprintf(stderr, "usage: tovo-art OUTDIR NAME...\n");
        return 2;
    }
    for (const QString& name : art::storedNames())
        if (!names.contains(name)) {
            std::fprintf(stderr, "tovo-art: the picture %s is not named\n", qPrintable(name));
            return 1;
        }
    const QDir out(app.arguments().at(1));
    QDir().mkpath(out.path());
    for (const QString& name : names)
        for (int scale : {1, 2}) {
            const QPixmap p = art::drawStored(name, scale);
            const QString file = out.filePath(name + (scale > 1 ? "@2x.png" : ".png"));
            if (p.isNull() || !p.save(file)) {
                std::fprintf(stderr, "tovo-art: could not draw %s\n", qPrintable(file));
                return 1;
            }
        }
}
