#include "desktop/game_directory.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace desktop {

bool enterGameDirectory(const QString& installedData) {
    if (QFileInfo(QStringLiteral("data")).isDir()) return true;
    const QFileInfo data(installedData);
    if (!data.isDir()) return false;
    const QString home = QStandardPaths::writableLocation(QStandardPaths::AppDataLocation);
    if (home.isEmpty() || !QDir().mkpath(home)) return false;
    const QString link = home + QStringLiteral("/data");
    const QFileInfo existing(link);
    if (existing.isSymLink() && existing.symLinkTarget() != data.absoluteFilePath()) QFile::remove(link);
    if (!QFileInfo(link).exists() && !QFile::link(data.absoluteFilePath(), link)) return false;
    return QDir::setCurrent(home);
}

}  // namespace desktop
