#include "desktop/view_settings.hpp"

#include "desktop/main_window.hpp"

namespace desktop {

namespace {
const QString kGeometryKey = QStringLiteral("view/geometry");
const QString kFullScreenKey = QStringLiteral("view/fullScreen");
const QString kSharpPixelsKey = QStringLiteral("view/sharpPixels");
const QString kLargerTextKey = QStringLiteral("view/largerText");
}  // namespace

std::unique_ptr<QSettings> playerSettings() {
    return std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope,
                                       QString::fromLatin1(kSettingsOrganisation), QString::fromLatin1(kSettingsApplication));
}

RememberedView readView(QSettings& settings) {
    RememberedView view;
    view.geometry = settings.value(kGeometryKey).toByteArray();
    view.options.fullScreen = settings.value(kFullScreenKey, false).toBool();
    view.options.sharpPixels = settings.value(kSharpPixelsKey, false).toBool();
    view.options.largerText = settings.value(kLargerTextKey, false).toBool();
    return view;
}

void writeView(QSettings& settings, const MainWindow& window) {
    settings.setValue(kGeometryKey, window.saveGeometry());
    settings.setValue(kFullScreenKey, window.viewOptions().fullScreen);
    settings.setValue(kSharpPixelsKey, window.viewOptions().sharpPixels);
    settings.setValue(kLargerTextKey, window.viewOptions().largerText);
    settings.sync();
}

void showAsRemembered(MainWindow& window, const RememberedView& remembered) {
    ViewOptions options = remembered.options;
    const bool fullScreen = options.fullScreen;
    options.fullScreen = false;
    window.setViewOptions(options);
    // A geometry that does not fit any screen any more is refused and the window opens maximised.
    if (remembered.geometry.isEmpty() || !window.restoreGeometry(remembered.geometry)) {
        window.showMaximized();
    } else if (!window.isVisible()) {
        window.show();
    }
    if (fullScreen) window.setViewOptions({.fullScreen = true, .sharpPixels = options.sharpPixels, .largerText = options.largerText});
}

}  // namespace desktop
