#include "qt/data_folder.h"

#include <QDir>
#include <QStandardPaths>
#include <system_error>

namespace dravonelle {

std::filesystem::path dataFolder(const std::string& chosenOnTheCommandLine) {
    QString chosen = QString::fromStdString(chosenOnTheCommandLine);
    if (chosen.isEmpty()) {
        chosen = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
        // No home to speak of: a folder under "/" that a player cannot make,
        // and is told so, rather than the current folder.
        if (chosen.isEmpty()) chosen = QDir::homePath() + QStringLiteral("/.local/share/Dravonelle");
    }
    const std::filesystem::path folder = std::filesystem::absolute(chosen.toStdString());
    std::error_code ignored;  // the game finds out and says so
    std::filesystem::create_directories(folder, ignored);
    return folder;
}

}  // namespace dravonelle
