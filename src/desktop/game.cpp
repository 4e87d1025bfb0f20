#include "desktop/game.hpp"

#include "app/data_files.hpp"
#include "desktop/after_first_frame.hpp"
#include "desktop/desktop_texts.hpp"
#include "desktop/game_icon.hpp"
#include "desktop/pace_menu.hpp"
#include "desktop/qt_language.hpp"
#include "desktop/view_menu.hpp"
#include "desktop/view_settings.hpp"

#include <QApplication>
#include <QSessionManager>

#include <optional>
#include <utility>
#include <vector>

namespace desktop {

namespace {

constexpr const char* kLanguageKey = "language";

// Each language with a catalogue, named in itself ("Čeština", "English").
std::vector<std::pair<std::string, std::string>> languageNames() {
    std::vector<std::pair<std::string, std::string>> names;
    for (const std::string& language : ui::availableLanguages(app::kCatalogueDirectory)) {
        std::string error;
        const std::optional<ui::Catalogue> catalogue = ui::loadCatalogue(language, error, app::kCatalogueDirectory);
        names.emplace_back(language, catalogue ? catalogue->translate(ui::kLanguageName) : language);
    }
    return names;
}

}  // namespace

Game::Game(std::unique_ptr<QSettings> settings) : settings_(std::move(settings)) {
    languageMenu_ = std::make_unique<LanguageMenu>(*mainWindow.menu().menuOf(*form.mmNastaveni), languageNames());
    languageMenu_->onChoose = [this](const std::string& language) { setLanguage(language); };
    languageMenu_->show(ui::kSourceLanguage, QString::fromUtf8(kLanguageMenuCaption));
    platform.setBoxParent(&mainWindow);
    platform.setInfoWindows(&controls, &about);
    platform.beforeBox = [this] { mainWindow.refresh(); };
    clock.afterTick = [this] { mainWindow.refresh(); };
    mainWindow.runAsBox = [this](const std::function<void()>& box) {
        ClockHold hold(clock);
        mainWindow.refresh();
        box();
    };
    mainWindow.afterViewChange = [this] { rememberView(); };
    mainWindow.afterMenuInput = [this] { rememberGameSettings(); };
    positions.afterChoice = [this] {
        mainWindow.refresh();
        // A loaded position brings its speed and sounds, which the menu now shows.
        rememberGameSettings();
    };
    // However the program ends with a game in progress, the game is kept in the automatic slot:
    // Konec and the close button save on the player's Yes, these catch every other end.
    QObject::connect(qGuiApp, &QGuiApplication::commitDataRequest, &mainWindow,
                     [this](QSessionManager&) { form.sessionEnding(); });
    QObject::connect(qApp, &QCoreApplication::aboutToQuit, &mainWindow, [this] { form.autosave(); });
}

Game::~Game() {
    rememberView();
    rememberGameSettings();
}


void Game::start() {
    started_ = true;
    // The language chosen in an earlier run; Czech whatever the system's locale otherwise.
    if (settings_ != nullptr && form.catalogue().language() == ui::kSourceLanguage) {
        const std::string remembered = settings_->value(kLanguageKey).toString().toStdString();
        if (!remembered.empty() && remembered != ui::kSourceLanguage) setLanguage(remembered);
    }
    if (settings_ != nullptr)
        showAsRemembered(mainWindow, readView(*settings_));
    else
        mainWindow.showMaximized();
    form.FormCreate();
    if (settings_ != nullptr) {
        keptGame_ = readGameSettings(*settings_);
        restoreGameSettings(form, keptGame_);
    }
    mainWindow.refresh();
    afterFirstFrame(mainWindow.view(), [] { QApplication::setWindowIcon(gameIcon()); });
}

void Game::rememberGameSettings() {
    if (settings_ == nullptr || !started_) return;
    const GameSettings now = gameSettingsOf(form);
    if (now == keptGame_) return;
    writeGameSettings(*settings_, now);
    keptGame_ = now;
}

bool Game::setLanguage(const std::string& language) {
    std::string error;
    std::optional<ui::Catalogue> catalogue = ui::loadCatalogue(language, error, app::kCatalogueDirectory);
    if (!catalogue) {
        platform.inform(error);
        languageMenu_->show(form.catalogue().language(), QString::fromStdString(form.tr(kLanguageMenuCaption)));
        return false;
    }
    form.setCatalogue(std::move(*catalogue));
    useQtLanguage(*QCoreApplication::instance(), language);
    mainWindow.viewMenu().retranslate(form.catalogue());
    mainWindow.paceMenu().retranslate(form.catalogue());
    positions.retranslate(form.catalogue());
    languageMenu_->show(language, QString::fromStdString(form.tr(kLanguageMenuCaption)));
    controls.retranslate(form.catalogue());
    about.retranslate(form.catalogue());
    mainWindow.refresh();
    if (settings_ != nullptr) settings_->setValue(kLanguageKey, QString::fromStdString(language));
    return true;
}

void Game::rememberView() {
    // A window never shown has no place worth keeping.
    if (settings_ != nullptr && started_) writeView(*settings_, mainWindow);
}

}  // namespace desktop
