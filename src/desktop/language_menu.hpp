// "Nastavení → Jazyk": one radio item per language with a catalogue, each named in itself.
#pragma once

#include <QAction>
#include <QActionGroup>
#include <QMenu>

#include <functional>
#include <string>
#include <utility>
#include <vector>

namespace desktop {

class LanguageMenu {
public:
    // Adds the submenu to the settings menu; languages are (code, own name) in menu order.
    LanguageMenu(QMenu& settingsMenu, const std::vector<std::pair<std::string, std::string>>& languages);
    LanguageMenu(const LanguageMenu&) = delete;
    LanguageMenu& operator=(const LanguageMenu&) = delete;

    // Shows the language in use as checked, and the submenu's caption in it.
    void show(const std::string& language, const QString& caption);
    [[nodiscard]] QMenu& menu() { return *menu_; }
    [[nodiscard]] QAction* actionOf(const std::string& language) const;

    // Runs with the code of the language the player chose.
    std::function<void(const std::string&)> onChoose;

private:
    QMenu* settings_;
    QMenu* menu_;
    QActionGroup* group_;
    std::vector<std::pair<std::string, QAction*>> actions_;
};

}  // namespace desktop
