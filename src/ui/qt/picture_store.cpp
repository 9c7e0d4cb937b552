#include "ui/qt/picture_store.h"

#include "ui/qt/placeholder_pictures.h"

namespace dravonelle {

const QPixmap& PictureStore::pixmap(const std::string& name) {
    auto it = cache_.find(name);
    if (it == cache_.end()) it = cache_.emplace(name, load(name)).first;
    return it->second;
}

QPixmap PictureStore::load(const std::string& name) const { return placeholderPicture(name); }

}  // namespace dravonelle
