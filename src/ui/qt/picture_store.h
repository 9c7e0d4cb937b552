// The one place where a picture name of the game becomes something to draw.
//
// Every picture is painted by the game's own code the first time it is
// asked for, at the screen's resolution, and kept: nothing is read from
// disk, and a high-resolution screen gets pictures as sharp as its pixels.
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
    std::map<std::string, QPixmap, std::less<>> cache_;
};

// The picture NAME painted for a screen of PIXELRATIO device pixels per
// window pixel; null for a name the game does not know.
QPixmap paintPicture(const std::string& name, qreal pixelRatio);

}  // namespace dravonelle
