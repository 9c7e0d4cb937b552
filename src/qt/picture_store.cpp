#include "qt/picture_store.h"
#include "qt/game_files.h"

#include <QCoreApplication>
#include <QDir>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>

namespace dravonelle {

PictureStore::PictureStore(QString folder)
    : folder_(folder.isEmpty()
                  ? QDir(gameFilesFolder()).filePath(QStringLiteral("pictures"))
                  : std::move(folder)) {}

QPixmap loadPicture(const QString& folder, const std::string& name, qreal pixelRatio) {
    const int scale = pixelRatio > 1 ? 2 : 1;
    const auto size = pictureSize(name, scale);
    if (!size) return {};
    QImageReader reader(QDir(folder).filePath(pictureFileName(name, scale)), "png");
    const QImage image = reader.read();
    if (image.size() != *size) return {};  // also a missing or unreadable file
    QPixmap pixmap = QPixmap::fromImage(image);
    pixmap.setDevicePixelRatio(scale);
    return pixmap;
}

const QPixmap& PictureStore::pixmap(const std::string& name) {
    auto it = cache_.find(name);
    if (it == cache_.end()) {
        const qreal ratio = qGuiApp ? qGuiApp->devicePixelRatio() : 1.0;
        QPixmap picture = loadPicture(folder_, name, ratio);
        if (picture.isNull()) picture = paintPicture(name, ratio);
        it = cache_.emplace(name, std::move(picture)).first;
    }
    return it->second;
}

}  // namespace dravonelle
