// Where the game reads its own files: the pictures (pictures/), the sound
// effects (NAME.wav) and our web pages (*.htm).
#pragma once

#include "qt/layer.h"

#include <QString>

namespace dravonelle {

// Beside the program when they are there (the build folder, where the build
// puts them); otherwise, installed, share/dravonelle next to the program's
// folder (PREFIX/games/dravonelle reads PREFIX/share/dravonelle), so an
// installed tree works wherever it is moved. The program's folder when
// neither holds them: a missing picture is then painted, a sound silent.
QString gameFilesFolder();

}  // namespace dravonelle
