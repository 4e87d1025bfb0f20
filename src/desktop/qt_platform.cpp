#include "desktop/qt_platform.hpp"

#include "ui/data_file_check.hpp"

#include <QCoreApplication>
#include <QMessageBox>

namespace desktop {

QtPlatform::QtPlatform(QtClock& clock, PictureStore& pictures, SoundPlayer& sound)
    : clock_(clock), pictures_(pictures), sound_(sound) {}

void QtPlatform::setInfoWindows(QWidget* controls, QWidget* about) {
    controls_ = controls;
    about_ = about;
}

ui::FileHealth QtPlatform::checkFile(const std::string& path) {
    const ui::FileHealth health = ui::checkDataFile(path);
    if (health != ui::FileHealth::Readable) return health;
    const bool picture = path.size() >= 4 && path.compare(path.size() - 4, 4, ".bmp") == 0;
    return picture && !pictureFits(path) ? ui::FileHealth::Unreadable : ui::FileHealth::Readable;
}

bool QtPlatform::loadPicture(const std::string& path) { return pictures_.decode(path); }

bool QtPlatform::playSound(const std::string& path) { return sound_.play(path); }

void QtPlatform::inform(const std::string& text) {
    ClockHold hold(clock_);
    if (beforeBox) beforeBox();
    QMessageBox box(QMessageBox::NoIcon, kApplicationTitle, QString::fromStdString(text), QMessageBox::Ok, boxParent_);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}

bool QtPlatform::ask(const std::string& caption, const std::string& text) {
    ClockHold hold(clock_);
    if (beforeBox) beforeBox();
    QMessageBox box(QMessageBox::Question, QString::fromStdString(caption), QString::fromStdString(text),
                    QMessageBox::Yes | QMessageBox::No, boxParent_);
    box.setTextFormat(Qt::PlainText);
    box.setDefaultButton(QMessageBox::Yes);
    return box.exec() == QMessageBox::Yes;
}

void QtPlatform::showWindow(ui::InfoWindow which) {
    // Shown modally without a nested event loop: the menu handler returns at once and the
    // game's timers go on behind the window.
    QWidget* window = which == ui::InfoWindow::Controls ? controls_.data() : about_.data();
    if (window != nullptr) window->show();
}

void QtPlatform::quit() {
    // Queued, so the handler that asked finishes first.
    QMetaObject::invokeMethod(QCoreApplication::instance(), &QCoreApplication::quit, Qt::QueuedConnection);
}

}  // namespace desktop
