#include "desktop/language_menu.hpp"

#include "desktop/desktop_texts.hpp"
#include "desktop/menu_keys.hpp"

namespace desktop {

LanguageMenu::LanguageMenu(QMenu& settingsMenu, const std::vector<std::pair<std::string, std::string>>& languages)
    : settings_(&settingsMenu), menu_(settingsMenu.addMenu(QString::fromUtf8(kLanguageMenuCaption))), group_(new QActionGroup(menu_)) {
    group_->setExclusionPolicy(QActionGroup::ExclusionPolicy::Exclusive);
    for (const auto& [code, name] : languages) {
        QAction* action = menu_->addAction(QString());
        recaptionAction(*action, QString::fromStdString(name), menu_->actions());
        action->setCheckable(true);
        group_->addAction(action);
        actions_.emplace_back(code, action);
        QObject::connect(action, &QAction::triggered, action, [this, language = code] {
            if (onChoose) onChoose(language);
        });
    }
}

void LanguageMenu::show(const std::string& language, const QString& caption) {
    recaptionAction(*menu_->menuAction(), caption, settings_->actions());
    for (const auto& [code, action] : actions_) action->setChecked(code == language);
}

QAction* LanguageMenu::actionOf(const std::string& language) const {
    for (const auto& [code, action] : actions_)
        if (code == language) return action;
    return nullptr;
}

}  // namespace desktop
