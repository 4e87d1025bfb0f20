// What the game asks of the outside world, done with Qt: pictures, sound, boxes, windows, quitting.
#pragma once

#include "desktop/picture_store.hpp"
#include "desktop/qt_clock.hpp"
#include "desktop/sound_player.hpp"
#include "ui/platform.hpp"

#include <QPointer>
#include <QWidget>

#include <functional>

namespace desktop {

inline constexpr const char* kApplicationTitle = "Kvelnor";

class QtPlatform final : public ui::Platform {
public:
    QtPlatform(QtClock& clock, PictureStore& pictures, SoundPlayer& sound);

    // The window the boxes belong to, and the two information windows.
    void setBoxParent(QWidget* parent) { boxParent_ = parent; }
    void setInfoWindows(QWidget* controls, QWidget* about);

    ui::FileHealth checkFile(const std::string& path) override;
    bool loadPicture(const std::string& path) override;
    bool playSound(const std::string& path) override;
    void inform(const std::string& text) override;
    bool ask(const std::string& caption, const std::string& text) override;
    void showWindow(ui::InfoWindow which) override;
    void quit() override;

    // Runs before a box opens, so the window shows the state the handler has reached.
    std::function<void()> beforeBox;

private:
    QtClock& clock_;
    PictureStore& pictures_;
    SoundPlayer& sound_;
    QPointer<QWidget> boxParent_;
    QPointer<QWidget> controls_;
    QPointer<QWidget> about_;
};

}  // namespace desktop
