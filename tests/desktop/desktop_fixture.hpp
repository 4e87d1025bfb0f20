// The real main window over a main window model on a virtual clock with a recording platform,
// data.dat in a temporary directory, and helpers to use the window as a player does.
#pragma once

#include "../support/temp_dir.hpp"
#include "app/component_table.hpp"
#include "app/main_form.hpp"
#include "desktop/cursors.hpp"
#include "desktop/main_window.hpp"
#include "ui/recording_platform.hpp"
#include "ui/virtual_clock.hpp"

#include <QApplication>
#include <QTest>

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

namespace kvdesk {

using kvtest::TempDir;

class DesktopWindow {
public:
    // checkpoint: the content of data.dat before start-up, none for no file.
    explicit DesktopWindow(const std::optional<std::string>& checkpoint = std::nullopt) {
        form.checkpointPath = (dir.path() / "data.dat").string();
        if (checkpoint) std::ofstream(form.checkpointPath) << *checkpoint;
        form.FormCreate();
        window = std::make_unique<desktop::MainWindow>(form, cursors, nullptr);
        window->show();
        showLayoutAt(1.0);
    }

    // Sizes the window so that its central area holds the layout exactly at that factor.
    void showLayoutAt(double factor) {
        const QWidget& area = *window->centralWidget();
        const QSize layout(static_cast<int>(std::ceil(app::kWindowWidth * factor)),
                           static_cast<int>(std::ceil(app::kWindowHeight * factor)));
        window->resize(window->size() - area.size() + layout);
        QApplication::processEvents();
    }

    // Where a pointer in the view lies over that point of the layout.
    [[nodiscard]] QPoint inView(int x, int y) const {
        return window->view().layoutScale().toLogical({x, y}).toPoint();
    }

    // A left click at design coordinates of the layout, through the real widget under it.
    void clickAt(int x, int y) { QTest::mouseClick(&window->view(), Qt::LeftButton, {}, inView(x, y)); }
    void moveTo(int x, int y) { QTest::mouseMove(&window->view(), inView(x, y)); }

    // Hands the player control: timers stopped, shield down, buttons and list shown.
    void takeControl() {
        form.Timer.setEnabled(false);
        form.imgClona->setEnabled(false);
        form.imgHlavni->setEnabled(true);
        for (ui::Component* button : {&form.btnZpet, &form.btnPruzkum, &form.btnSpojit}) {
            button->setEnabled(true);
            button->setVisible(true);
        }
        form.lbPredmety.setEnabled(true);
        form.lbPredmety.setVisible(true);
        window->refresh();
    }

    TempDir dir;
    ui::VirtualClock clock;
    ui::RecordingPlatform platform;
    app::TfrmHlavni form{clock, platform};
    desktop::CursorTable cursors;
    std::unique_ptr<desktop::MainWindow> window;
};

}  // namespace kvdesk
