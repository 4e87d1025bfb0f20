// The view choices and the window's place are kept between runs, in a settings file of the
// test's own; the game's own settings still start as documented.
#include "desktop/view_menu.hpp"
#include "desktop/view_settings.hpp"
#include "desktop_fixture.hpp"

#include <memory>

namespace {

std::unique_ptr<QSettings> settingsIn(const kvdesk::TempDir& dir) {
    return std::make_unique<QSettings>(QString::fromStdString((dir.path() / "view.ini").string()), QSettings::IniFormat);
}

TEST(ViewSettings, NothingKeptMeansTheDocumentedStart) {
    kvdesk::TempDir dir;
    const desktop::RememberedView view = desktop::readView(*settingsIn(dir));
    EXPECT_TRUE(view.geometry.isEmpty());
    EXPECT_EQ(view.options, desktop::ViewOptions{});
}

TEST(ViewSettings, ChoicesAndTheWindowsPlaceComeBackInTheNextRun) {
    kvdesk::TempDir dir;
    kvdesk::DesktopWindow first;
    first.window->setGeometry(40, 50, 1100, 900);
    first.window->setViewOptions({.fullScreen = false, .sharpPixels = true, .largerText = true});
    desktop::writeView(*settingsIn(dir), *first.window);

    kvdesk::DesktopWindow second;
    second.window->hide();
    desktop::showAsRemembered(*second.window, desktop::readView(*settingsIn(dir)));
    QApplication::processEvents();
    EXPECT_EQ(second.window->viewOptions(), (desktop::ViewOptions{.fullScreen = false, .sharpPixels = true, .largerText = true}));
    EXPECT_TRUE(second.window->viewMenu().sharpPixels().isChecked());
    EXPECT_EQ(second.window->size(), QSize(1100, 900));
    EXPECT_FALSE(second.window->windowState().testFlag(Qt::WindowMaximized));
}

TEST(ViewSettings, FullScreenIsKeptToo) {
    kvdesk::TempDir dir;
    kvdesk::DesktopWindow first;
    first.window->setViewOptions({.fullScreen = true});
    desktop::writeView(*settingsIn(dir), *first.window);
    EXPECT_TRUE(desktop::readView(*settingsIn(dir)).options.fullScreen);

    kvdesk::DesktopWindow second;
    second.window->hide();
    desktop::showAsRemembered(*second.window, desktop::readView(*settingsIn(dir)));
    EXPECT_TRUE(second.window->windowState().testFlag(Qt::WindowFullScreen));
    EXPECT_TRUE(second.window->viewMenu().fullScreen().isChecked());
}

}  // namespace
