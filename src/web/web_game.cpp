#include "web/web_game.hpp"

#include "app/component_table.hpp"
#include "app/settle.hpp"
#include "checkpoint/position_file.hpp"
#include "checkpoint/position_texts.hpp"

namespace web {

WebGame::WebGame(Browser& browser) : platform(clock, browser), form(clock, platform) {
    form.savedAtText = [&browser] { return browser.savedAtNow(); };
}

void WebGame::prepare(const std::string& language) {
    // The names are read once: the catalogues do not change while the page is open.
    languages_.clear();
    for (const std::string& code : ui::availableLanguages(catalogueDirectory)) {
        std::string error;
        const std::optional<ui::Catalogue> catalogue = ui::loadCatalogue(code, error, catalogueDirectory);
        languages_.emplace_back(code, catalogue ? catalogue->translate(ui::kLanguageName) : code);
    }
    if (language != ui::kSourceLanguage) setLanguage(language);
}

void WebGame::start() { form.FormCreate(); }

std::string WebGame::setLanguage(const std::string& language) {
    std::string error;
    std::optional<ui::Catalogue> catalogue = ui::loadCatalogue(language, error, catalogueDirectory);
    if (!catalogue) return error;
    form.setCatalogue(std::move(*catalogue));
    return {};
}

PointerLook WebGame::lookAt(int x, int y) const {
    const ui::Component* under = form.stack.hitTest(x, y);
    if (under == nullptr) return {};
    return {.cursor = under->cursor(), .hint = under->hint()};
}

PointerLook WebGame::move(int x, int y) {
    form.stack.move(x, y);
    return lookAt(x, y);
}

void WebGame::press(int x, int y) { pressed_ = form.stack.hitTest(x, y); }

void WebGame::release(int x, int y) {
    ui::Component* pressed = pressed_;
    pressed_ = nullptr;
    if (form.canHurry()) {
        if (app::kSceneRect.contains(x, y)) form.advance();
        return;
    }
    ui::Component* under = form.stack.hitTest(x, y);
    if (under == nullptr || under != pressed || !under->onClick) return;
    form.stack.click(x, y);
}

void WebGame::panelClick() {
    if (form.canHurry()) form.advance();
}

bool WebGame::menu(const std::string& name) {
    ui::MenuItem* item = form.mm.find(name);
    if (item == nullptr) return false;
    ui::Menu::click(*item);
    return true;
}

bool WebGame::shortcut(const std::string& name) {
    ui::MenuItem* item = form.mm.find(name);
    if (item == nullptr) return false;
    ui::Menu::pressShortcut(*item);
    return true;
}

void WebGame::listClick(std::optional<int> entry) {
    ui::SortedList& list = form.lbPredmety;
    if (!list.visible() || !list.enabled()) return;
    if (entry && (*entry < 0 || *entry >= list.count())) entry.reset();
    list.click(entry);
}

void WebGame::listDoubleClick(int entry) {
    ui::SortedList& list = form.lbPredmety;
    if (!list.visible() || !list.enabled() || entry < 0 || entry >= list.count()) return;
    list.completeDoubleClick(entry);
}

void WebGame::button(const std::string& name) {
    for (ui::Component* b : {&form.btnZpet, &form.btnPruzkum, &form.btnSpojit})
        if (b->name() == name && b->enabled() && b->visible() && b->onClick) b->onClick();
}

bool WebGame::savePosition(int slot) { return form.gameInProgress() && form.savePosition(slot); }

bool WebGame::loadPosition(int slot) { return form.loadPosition(slot); }

void WebGame::pageClosing() {
    if (!platform.quitRequested()) form.autosave();
}

std::string WebGame::slotNotKept(int slot) const {
    using namespace checkpoint::text;
    return checkpoint::fillSlot(kCannotSave, kCannotSaveAuto, slot, form, {form.tr(kDiskWriteFailed)});
}

void WebGame::advance(std::int64_t ms) {
    if (ms > 0) clock.advance(ms);
}

void WebGame::settle() { app::settle(form, clock); }

std::optional<ui::Point> WebGame::aimPoint(const std::string& name) const {
    const ui::Component* target = form.stack.find(name);
    if (target == nullptr) return std::nullopt;
    return form.stack.aimPoint(*target);
}

void WebGame::activateAbout(int windowWidth) { about.FormActivate(windowWidth); }

void WebGame::advanceAbout(std::int64_t ms) {
    if (ms > 0) aboutClock.advance(ms);
}

}  // namespace web
