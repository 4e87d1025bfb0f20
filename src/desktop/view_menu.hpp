// The menu "Zobrazení": full screen, sharp pixels and larger text, with their keys from the menu
// key table. It belongs to the window, not to the game: the game's own menu is the model's.
#pragma once

#include "desktop/desktop_texts.hpp"
#include "desktop/view_options.hpp"
#include "ui/catalogue.hpp"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

#include <functional>

namespace desktop {

class ViewMenu {
public:
    // Adds the menu to the bar (or the items to a "Zobrazení" menu already there).
    explicit ViewMenu(QMenuBar& bar);
    ViewMenu(const ViewMenu&) = delete;
    ViewMenu& operator=(const ViewMenu&) = delete;

    // Shows the choices as checked or not.
    void show(const ViewOptions& options);
    // Shows the captions in the catalogue's language.
    void retranslate(const ui::Catalogue& catalogue);

    // Runs with the choices as the player changed them.
    std::function<void(const ViewOptions&)> onChange;

    [[nodiscard]] QMenu& menu() { return *menu_; }
    [[nodiscard]] QAction& fullScreen() { return *fullScreen_; }
    [[nodiscard]] QAction& sharpPixels() { return *sharpPixels_; }
    [[nodiscard]] QAction& largerText() { return *largerText_; }

private:
    QAction* addChoice(const char* name, const char* caption);
    void changed();

    QMenu* menu_ = nullptr;
    QAction* fullScreen_ = nullptr;
    QAction* sharpPixels_ = nullptr;
    QAction* largerText_ = nullptr;
};

// The "Zobrazení" menu of the bar, made when there is none yet; other parts of the window add
// their items to the same menu (dressed with dressAction, so they get their keys too).
QMenu& viewMenuOf(QMenuBar& bar);

}  // namespace desktop
