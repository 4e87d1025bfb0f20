#include "desktop/game_directory.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>

namespace desktop {

namespace {

// What a checkpoint file holds before the checkpoint is reached.
constexpr char kNoCheckpoint[] = "0";

bool linkData(const QString& directory, const QString& installedData) {
    const QFileInfo data(installedData);
    if (!data.isDir()) return false;
    const QString target = data.canonicalFilePath();
    const QString link = directory + QStringLiteral("/data");
    const QFileInfo existing(link);
    // A link left by an older installation elsewhere, or one whose target has gone.
    if (existing.isSymLink() && QFileInfo(existing.symLinkTarget()).canonicalFilePath() != target) QFile::remove(link);
    if (QFileInfo(link).exists()) return true;  // our link, or data the player put there
    return QFile::link(target, link);
}

}  // namespace

void makeFirstCheckpoint(const QString& directory) {
    QFile checkpoint(directory + QStringLiteral("/data.dat"));
    if (checkpoint.exists()) return;
    // NewOnly: a file that appeared meanwhile is not overwritten either.
    if (checkpoint.open(QIODevice::WriteOnly | QIODevice::NewOnly)) checkpoint.write(kNoCheckpoint);
}

QString playerDirectory() {
    const QString shared = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return shared.isEmpty() ? QString() : shared + QStringLiteral("/kvelnor");
}

bool enterPlayerDirectory(const QString& installedData) {
    const QString home = playerDirectory();
    if (home.isEmpty() || !QDir().mkpath(home)) return false;
    // Without its data the game still starts and names what it misses; so the directory is entered.
    linkData(home, installedData);
    makeFirstCheckpoint(home);
    return QDir::setCurrent(home);
}

bool enterGameDirectory(const QString& installedData) {
    if (QFileInfo(QStringLiteral("data")).isDir()) return true;
    if (!QFileInfo(installedData).isDir()) return false;
    return enterPlayerDirectory(installedData);
}

}  // namespace desktop
