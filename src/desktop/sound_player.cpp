#include "desktop/sound_player.hpp"

#include <QAudioDevice>
#include <QFile>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>

namespace desktop {

namespace {

// A RIFF file of the WAVE form; the sound itself is decoded while it starts playing.
bool isWaveFile(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) return false;
    const QByteArray header = file.read(12);
    return header.size() == 12 && header.startsWith("RIFF") && header.mid(8, 4) == "WAVE";
}

}  // namespace

SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::play(const std::string& path) {
    const QFileInfo file(QString::fromStdString(path));
    if (!file.isFile() || !isWaveFile(file.absoluteFilePath())) return false;
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull()) return true;
    if (!effect_ || effect_->audioDevice() != output) {
        effect_ = std::make_unique<QSoundEffect>(output);
    }
    effect_->stop();
    effect_->setSource(QUrl::fromLocalFile(file.absoluteFilePath()));
    effect_->play();
    lastStarted_ = path;
    return true;
}

}  // namespace desktop
