#include "qt/data_folder.h"

#include <QDir>
#include <QStandardPaths>
#include <system_error>

namespace dravonelle {

std::optional<std::filesystem::path> dataFolder(const QStringList& arguments) {
    static const QString kOption = QStringLiteral("--data-dir");
    QString chosen;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        if (arguments[i] == kOption) {
            if (i + 1 >= arguments.size() || arguments[i + 1].isEmpty()) return std::nullopt;
            chosen = arguments[++i];
        } else if (arguments[i].startsWith(kOption + QLatin1Char('='))) {
            chosen = arguments[i].mid(kOption.size() + 1);
            if (chosen.isEmpty()) return std::nullopt;
        }
    }
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
