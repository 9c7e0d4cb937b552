// Makes the game's icon for the desktop's icon theme, from the same drawing
// the window shows (qt/picture_icon.h):
//
//   make_icons FOLDER ID    writes FOLDER/hicolor/NxN/apps/ID.png for each
//                           size of kSizes, and the scalable
//                           FOLDER/hicolor/scalable/apps/ID.svg
//
// It needs no display: the offscreen platform is forced.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <cstdio>

#include "qt/picture_icon.h"

namespace {
constexpr int kSizes[] = {48, 64, 128, 256};

bool write(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    return QDir().mkpath(QFileInfo(path).path()) && file.open(QIODevice::WriteOnly) &&
           file.write(bytes) == bytes.size() && file.flush();
}
}  // namespace

int main(int argc, char* argv[]) {
    using namespace dravonelle;
    if (argc != 3) {
        std::fprintf(stderr, "usage: make_icons FOLDER ID\n");
        return 2;
    }
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QDir folder(QDir(QString::fromLocal8Bit(argv[1])).filePath(QStringLiteral("hicolor")));
    const QString id = QString::fromLocal8Bit(argv[2]);

    for (const int size : kSizes) {
        QImage image(size, size, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        {
            QPainter p(&image);
            art::paintIcon(p, size);
        }
        const QString path = folder.filePath(QStringLiteral("%1x%1/apps/%2.png").arg(size).arg(id));
        if (!QDir().mkpath(QFileInfo(path).path()) || !image.save(path, "PNG")) {
            std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    const QString svg = folder.filePath(QStringLiteral("scalable/apps/%1.svg").arg(id));
    if (!write(svg, QByteArray::fromStdString(art::iconSvg()))) {
        std::fprintf(stderr, "make_icons: cannot write %s\n", qPrintable(svg));
        return 1;
    }
    return 0;
}
