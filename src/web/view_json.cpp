#include "web/view_json.hpp"

#include "app/localized_picture.hpp"
#include "checkpoint/position_texts.hpp"
#include "desktop/cursor_art.hpp"
#include "desktop/desktop_texts.hpp"
#include "desktop/held_view.hpp"
#include "web/page_texts.hpp"
#include "info/about_text.hpp"
#include "info/controls_text.hpp"
#include "inventory/combine_step.hpp"

#include <nlohmann/json.hpp>

namespace web {

namespace {

using nlohmann::json;

json rectJson(const ui::Rect& r) { return json::array({r.left, r.top, r.width, r.height}); }

json textJson(const info::PlacedText& t, const ui::Catalogue& catalogue) {
    return {{"rect", rectJson(t.rect)},
            {"text", catalogue.translate(t.text)},
            {"size", t.style.pixelSize},
            {"bold", t.style.bold},
            {"rgb", t.style.rgb}};
}

json menuJson(const ui::MenuItem& item) {
    json children = json::array();
    for (const ui::MenuItem* child : item.children) children.push_back(menuJson(*child));
    return {{"name", item.name()},
            {"caption", item.caption()},
            {"enabled", item.enabled()},
            {"checked", item.checked()},
            {"radio", item.radioGroup() != 0},
            {"children", children}};
}

// The page's own items, beside the game's: saving positions at the end of "Hra", the languages
// at the end of "Nastavení", and the menu "Zobrazení" before the last menu, as the desktop
// window adds them. Their names are the desktop's; the page answers them itself.

json pageItem(const char* name, const std::string& caption, bool enabled) {
    return {{"name", name}, {"caption", caption}, {"enabled", enabled}, {"checked", false},
            {"radio", false}, {"page", true}, {"children", json::array()}};
}

// "Jazyk": one radio item per language, named in itself; its name is "lang-" and the code.
json languageMenu(const WebGame& game) {
    const app::TfrmHlavni& form = game.form;
    json menu = pageItem("mmJazyk", form.tr(desktop::kLanguageMenuCaption), true);
    for (const auto& [code, name] : game.languages()) {
        json item = pageItem("", name, true);
        item["name"] = "lang-" + code;
        item["radio"] = true;
        item["checked"] = code == form.catalogue().language();
        menu["children"].push_back(item);
    }
    return menu;
}

json menuWithPageItems(const WebGame& game) {
    const app::TfrmHlavni& form = game.form;
    json menu = json::array();
    for (const ui::MenuItem* top : form.mm.topLevel()) menu.push_back(menuJson(*top));
    for (json& top : menu)
        if (top["name"] == "mmHra") {
            top["children"].push_back({{"separator", true}});
            const std::string ellipsis = "…";
            // Before a game there is nothing to save.
            top["children"].push_back(
                pageItem("mmUlozitPozici", form.tr(checkpoint::text::kSaveCaption) + ellipsis, form.gameInProgress()));
            top["children"].push_back(pageItem("mmNahratPozici", form.tr(checkpoint::text::kLoadCaption) + ellipsis, true));
        } else if (top["name"] == "mmNastaveni" && game.languages().size() > 1) {
            top["children"].push_back(languageMenu(game));
        }
    json view = pageItem("mmZobrazeni", form.tr(desktop::kViewMenuCaption), true);
    view["children"] = json::array({pageItem("mmHistorie", form.tr(desktop::kHistoryItemCaption), true),
                                    pageItem("mmAktivniMista", form.tr(desktop::kRevealItemCaption), true)});
    menu.insert(menu.empty() ? menu.end() : menu.end() - 1, view);
    return menu;
}

// A picture carrying the game's words is drawn in the language's own drawing; "picture" stays the
// file the game names, "shown" is the one drawn.
json componentJson(const ui::Component& c, const std::string& language) {
    return {{"name", c.name()},
            {"rect", rectJson(c.rect())},
            {"picture", c.picture()},
            {"shown", app::shownPicture(c.picture(), language)},
            {"text", c.text()}};
}

}  // namespace

std::string viewJson(const WebGame& game) {
    const app::TfrmHlavni& form = game.form;
    // Only what shows: a visible component with a picture or a text. The held picture stands
    // for what is in the hand and is drawn above the whole scene.
    const ui::Component* held = desktop::heldPicture(form);
    json stack = json::array();
    for (const auto& c : form.stack.all())
        if (c->visible() && c.get() != held && (!c->picture().empty() || !c->text().empty()))
            stack.push_back(componentJson(*c, form.catalogue().language()));
    if (held != nullptr && held->visible() && !held->picture().empty()) stack.push_back(componentJson(*held, form.catalogue().language()));

    json buttons = json::array();
    for (const ui::Component* b : {&form.btnZpet, &form.btnPruzkum, &form.btnSpojit})
        buttons.push_back({{"name", b->name()},
                           {"text", b->text()},
                           {"rect", rectJson(b->rect())},
                           {"enabled", b->enabled()},
                           {"visible", b->visible()}});

    // The list highlights the entry in the hand, as the desktop does; the model's own selection
    // outlives the hand and would look as if the item were still held.
    const ui::SortedList& list = form.lbPredmety;
    const std::optional<std::string> heldCaption = desktop::heldCaption(form);
    json highlighted = nullptr;
    for (int p = 0; heldCaption && p < list.count() && highlighted.is_null(); ++p)
        if (list.caption(p) == *heldCaption) highlighted = p;

    const json view = {{"changes", form.changes.value},
                       {"stack", stack},
                       {"line", form.lblText.text()},
                       {"buttons", buttons},
                       {"list",
                        {{"rect", rectJson(list.rect())},
                         {"enabled", list.enabled()},
                         {"visible", list.visible()},
                         {"items", list.shownCaptions()},
                         {"highlighted", highlighted}}},
                       {"menu", menuWithPageItems(game)},
                       {"storyTick", form.state.storyTick},
                       {"gameInProgress", form.gameInProgress()},
                       {"combinationArmed", inventory::combinationArmed(form)},
                       {"quit", game.platform.quitRequested()}};
    return view.dump();
}

std::string reachableJson(const WebGame& game) {
    json spots = json::array();
    for (const ui::Component* c : game.form.reachableSpots())
        spots.push_back({{"name", c->name()}, {"rect", rectJson(c->rect())}, {"hint", c->hint()}});
    return spots.dump();
}

std::string historyJson(const WebGame& game) {
    const app::TfrmHlavni& form = game.form;
    json lines = json::array();
    for (const std::string& line : form.dialogueHistory()) lines.push_back(line);
    return json{{"caption", form.tr(desktop::kHistoryCaption)},
                {"empty", form.tr(desktop::kHistoryEmpty)},
                {"close", form.tr(desktop::kCloseButton)},
                {"lines", lines}}
        .dump();
}

std::string slotWindowJson(const WebGame& game, desktop::SlotWindowMode mode) {
    const std::vector<app::TfrmHlavni::SlotSummary> summaries = game.slots();
    json slots = json::array();
    const app::TfrmHlavni& form = game.form;
    for (const app::TfrmHlavni::SlotSummary& slot : summaries)
        slots.push_back({{"slot", slot.slot},
                         {"lines", desktop::slotLines(slot, mode, form.catalogue())},
                         {"usable", desktop::slotUsable(slot, mode)},
                         {"picture", slot.picture}});
    const std::optional<std::size_t> ready = desktop::preselectedSlot(summaries, mode);
    return json{{"caption", form.tr(desktop::slotWindowCaption(mode))},
                {"choose", form.tr(desktop::slotChooseCaption(mode))},
                {"cancel", form.tr(desktop::kCancelButton)},
                {"slots", slots},
                {"preselected", ready ? json(*ready) : json(nullptr)}}
        .dump();
}

std::string pointerJson(const PointerLook& look) { return json{{"cursor", look.cursor}, {"hint", look.hint}}.dump(); }

std::string aboutJson(const WebGame& game) {
    json lines = json::array();
    for (int line = 0; line < info::kAboutLineCount; ++line) lines.push_back(game.about.lineLeft(static_cast<info::AboutLine>(line)));
    return json{{"groupBoxLeft", game.about.groupBoxLeft()}, {"lineLefts", lines}}.dump();
}

std::string looksJson(const WebGame& game) {
    const ui::Catalogue& catalogue = game.form.catalogue();
    const auto tr = [&](const char* source) { return catalogue.translate(source); };
    json cursors = json::array();
    for (const desktop::NamedCursorArt& art : desktop::cursorArt()) {
        json rows = json::array();
        for (std::string_view row : *art.rows) rows.push_back(std::string(row));
        cursors.push_back({{"number", art.number}, {"name", art.name}, {"rows", rows}, {"hotX", art.hotX}, {"hotY", art.hotY}});
    }
    json help = json::array();
    for (const info::PlacedText& t : info::kHelpLines) help.push_back(textJson(t, catalogue));
    json aboutLines = json::array();
    for (const info::PlacedText& t : info::kAboutLines) aboutLines.push_back(textJson(t, catalogue));
    const json looks = {
        {"cursors", cursors},
        {"language", catalogue.language()},
        {"ok", tr(info::kOkCaption)},
        {"yes", tr(kYes)},
        {"no", tr(kNo)},
        {"gameEnded", tr(kGameEnded)},
        {"playAgain", tr(kPlayAgain)},
        {"controls",
         {{"caption", tr(info::kControlsCaption)},
          {"window", rectJson(info::kControlsWindow)},
          {"heading", textJson(info::kControlsHeading, catalogue)},
          {"panel", rectJson(info::kHelpPanel)},
          {"lines", help},
          {"okButton", rectJson(info::kControlsOkButton)}}},
        {"about",
         {{"caption", tr(info::kAboutCaption)},
          {"window", rectJson(info::kAboutWindow)},
          {"groupBox", rectJson(info::kAboutGroupBox)},
          {"lines", aboutLines},
          {"okButton", rectJson(info::kAboutOkButton)}}},
    };
    return looks.dump();
}

}  // namespace web
