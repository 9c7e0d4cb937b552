// Stand-in pictures drawn on the fly until the game has its picture set:
// die faces for the dice stores, a lamp for the dice lights, a sign for each
// tool and a figure for each character, so that the window can be read and
// played.
#pragma once

#include <QPixmap>
#include <string>

namespace dravonelle {

// The stand-in for the store NAME, or a null pixmap for any other picture.
QPixmap placeholderPicture(const std::string& name);

}  // namespace dravonelle
