// The one place where a picture name of the game becomes something to draw.
//
// The pictures are painted by the game's own code (picture_art.h, named in
// picture_recipes.h) at build time: tools/pictures/make_pictures stores each
// as NAME.png and NAME@2x.png in the folder pictures/ beside the program
// (installed: share/dravonelle/pictures, qt/game_files.h).
// The store reads a picture's file the first time it is asked for, the @2x
// one on a screen of more than one device pixel per window pixel, and keeps
// it. A file that is missing, unreadable or not of the picture's size is
// painted at run time instead: the game never loses a picture to its files.
#pragma once

#include "qt/layer.h"

#include <QPixmap>
#include <QString>
#include <map>
#include <string>

#include "qt/picture_recipes.h"

namespace dravonelle {

class PictureStore {
public:
    // An empty folder means pictures/ in the game's files (qt/game_files.h).
    explicit PictureStore(QString folder = QString());

    // The picture known by NAME ("GrosDésImage(13)"), or a null pixmap when
    // the game has none by that name; a control then shows its plain face.
    const QPixmap& pixmap(const std::string& name);

private:
    QString folder_;
    std::map<std::string, QPixmap, std::less<>> cache_;
};

// The picture NAME read from its file in FOLDER for a screen of PIXELRATIO
// (the @2x file above 1); null when the game has no picture by that name or
// the file is missing, unreadable or not of the picture's size.
QPixmap loadPicture(const QString& folder, const std::string& name, qreal pixelRatio);

}  // namespace dravonelle
