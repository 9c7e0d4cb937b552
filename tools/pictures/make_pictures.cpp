// Makes the game's pictures: every picture the game names, painted by the
// game's own code and stored as a PNG at one and at two device pixels per
// window pixel, where the window's picture store reads them.
//
//   make_pictures FOLDER    writes FOLDER/NAME.png and FOLDER/NAME@2x.png
//                           for every picture name of the game
//
// It needs no display: the offscreen platform is forced.
#include <QDir>
#include <QGuiApplication>
#include <QImageWriter>
#include <cstdio>

#include "qt/picture_recipes.h"

int main(int argc, char* argv[]) {
    using namespace dravonelle;
    if (argc != 2) {
        std::fprintf(stderr, "usage: make_pictures FOLDER\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);

    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!folder.mkpath(QStringLiteral("."))) {
        std::fprintf(stderr, "make_pictures: cannot make the folder %s\n", argv[1]);
        return 1;
    }
    for (const std::string& name : allPictureNames()) {
        for (const int scale : kStoredScales) {
            const QString path = folder.filePath(pictureFileName(name, scale));
            QImageWriter writer(path, "png");
            if (!writer.write(paintPicture(name, scale).toImage())) {
                std::fprintf(stderr, "make_pictures: cannot write %s: %s\n", qPrintable(path),
                             qPrintable(writer.errorString()));
                return 1;
            }
        }
    }
    return 0;
}
