// Where the window keeps its data files: the folder that `--data-dir DIR`
// names, or else the player's own data folder (Qt's AppDataLocation for the
// application "Dravonelle": ~/.local/share/Dravonelle), so that every user
// of the machine has records of their own.
#pragma once

#include "qt/layer.h"

#include <filesystem>
#include <string>

namespace dravonelle {

// The folder CHOSEN on the command line, or the player's own when it is
// empty, made if it is missing. One that cannot be made is answered all the
// same: the game then tells the player that nothing can be kept there.
std::filesystem::path dataFolder(const std::string& chosen);

}  // namespace dravonelle
