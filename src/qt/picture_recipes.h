// Every picture the game names, each with its size and the code that paints
// it: the one list that both the build (tools/pictures/make_pictures, which
// stores them as PNG files) and the window's picture store read, so the two
// never disagree about which pictures exist.
#pragma once

#include "qt/layer.h"

#include <QPixmap>
#include <QSize>
#include <QString>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace dravonelle {

// Every picture name the game uses ("GrosDésImage(13)", "Personnages(0)",
// "Halte", …), each once.
const std::vector<std::string>& allPictureNames();

// The size in device pixels of picture NAME made for a screen of PIXELRATIO
// device pixels per window pixel; nullopt for a name the game does not know.
std::optional<QSize> pictureSize(std::string_view name, qreal pixelRatio);

// The picture NAME painted for a screen of PIXELRATIO; null for a name the
// game does not know.
QPixmap paintPicture(std::string_view name, qreal pixelRatio);

// The stored pictures: NAME.png at 1 device pixel per window pixel and
// NAME@2x.png at 2.
constexpr int kStoredScales[] = {1, 2};
QString pictureFileName(std::string_view name, int scale);

}  // namespace dravonelle
