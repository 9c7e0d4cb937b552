#include "qt/game_files.h"

#include <QCoreApplication>
#include <QDir>

namespace dravonelle {

QString gameFilesFolder() {
    const QDir program(QCoreApplication::applicationDirPath());
    if (program.exists(QStringLiteral("pictures"))) return program.path();
    const QString installed = QDir::cleanPath(program.filePath(QStringLiteral("../share/dravonelle")));
    if (QDir(installed).exists(QStringLiteral("pictures"))) return installed;
    return program.path();
}

}  // namespace dravonelle
