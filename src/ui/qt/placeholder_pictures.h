// Stand-in pictures drawn on the fly until the game has its picture set:
// die faces for the dice stores and a lamp for the dice lights, so that a
// throw can be read on screen.
#pragma once

#include <QPixmap>
#include <string>

namespace dravonelle {

// The stand-in for the store NAME, or a null pixmap for any other picture.
QPixmap placeholderPicture(const std::string& name);

}  // namespace dravonelle
