// The one place where a picture name of the game becomes something to draw.
#pragma once

#include <QPixmap>
#include <map>
#include <string>

namespace dravonelle {

class PictureStore {
public:
    // The picture known by NAME ("GrosDésImage(13)"), or a null pixmap when
    // the game has none by that name; a control then shows its plain face.
    const QPixmap& pixmap(const std::string& name);

private:
    QPixmap load(const std::string& name) const;

    std::map<std::string, QPixmap, std::less<>> cache_;
};

}  // namespace dravonelle
