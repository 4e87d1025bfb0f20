#include "desktop/sound_player.hpp"

#include "ui/data_file_check.hpp"

#include <QAudioDevice>
#include <QFileInfo>
#include <QMediaDevices>
#include <QUrl>

namespace desktop {

SoundPlayer::~SoundPlayer() = default;

bool SoundPlayer::play(const std::string& path) {
    // A WAV file whose format and data are all there; the sound is decoded while it starts playing.
    if (ui::checkDataFile(path) != ui::FileHealth::Readable) return false;
    const QFileInfo file(QString::fromStdString(path));
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
