// Where the window keeps its data files: the folder that `--data-dir DIR`
// names, or else the player's own data folder (Qt's AppDataLocation for the
// application "Dravonelle": ~/.local/share/Dravonelle), so that every user
// of the machine has records of their own.
#pragma once

#include "qt/layer.h"

#include <QStringList>
#include <filesystem>
#include <optional>

namespace dravonelle {

// The folder for the program's ARGUMENTS (QCoreApplication::arguments(),
// `--data-dir DIR` or `--data-dir=DIR`), made if it is missing. One that
// cannot be made is answered all the same: the game then tells the player
// that nothing can be kept there. nullopt when --data-dir has no folder.
std::optional<std::filesystem::path> dataFolder(const QStringList& arguments);

}  // namespace dravonelle
