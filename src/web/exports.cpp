// The functions the page calls: one game for the page's lifetime, input in layout coordinates,
// and the state to draw as JSON (valid until the next call).
#include "web/page_bridge.hpp"
#include "web/view_json.hpp"
#include "web/web_game.hpp"

#include <emscripten.h>

#include <memory>
#include <string>

namespace {

web::PageBridge bridge;
std::unique_ptr<web::WebGame> game;
std::string reply;

const char* answer(std::string text) {
    reply = std::move(text);
    return reply.c_str();
}

}  // namespace

extern "C" {

// The game in the language the player chose on an earlier visit ("cs" the first time); nothing
// runs until kv_start.
EMSCRIPTEN_KEEPALIVE void kv_create(const char* language) {
    game = std::make_unique<web::WebGame>(bridge);
    game->prepare(language);
}
EMSCRIPTEN_KEEPALIVE void kv_start() { game->start(); }
// Empty when the game now shows that language, else why not.
EMSCRIPTEN_KEEPALIVE const char* kv_set_language(const char* language) { return answer(game->setLanguage(language)); }

EMSCRIPTEN_KEEPALIVE double kv_changes() { return static_cast<double>(game->changes()); }
EMSCRIPTEN_KEEPALIVE const char* kv_view() { return answer(web::viewJson(*game)); }
EMSCRIPTEN_KEEPALIVE const char* kv_looks() { return answer(web::looksJson(*game)); }

EMSCRIPTEN_KEEPALIVE const char* kv_move(int x, int y) { return answer(web::pointerJson(game->move(x, y))); }
EMSCRIPTEN_KEEPALIVE const char* kv_look_at(int x, int y) { return answer(web::pointerJson(game->lookAt(x, y))); }
EMSCRIPTEN_KEEPALIVE void kv_press(int x, int y) { game->press(x, y); }
EMSCRIPTEN_KEEPALIVE void kv_release(int x, int y) { game->release(x, y); }

EMSCRIPTEN_KEEPALIVE void kv_panel_click() { game->panelClick(); }
EMSCRIPTEN_KEEPALIVE void kv_story_advance() { game->advanceStory(); }
EMSCRIPTEN_KEEPALIVE void kv_escape() { game->escape(); }
EMSCRIPTEN_KEEPALIVE const char* kv_reachable() { return answer(web::reachableJson(*game)); }
EMSCRIPTEN_KEEPALIVE const char* kv_history() { return answer(web::historyJson(*game)); }
// A menu item's shortcut key: the menus above it hear they are opened first.
EMSCRIPTEN_KEEPALIVE int kv_shortcut(const char* name) { return game->shortcut(name) ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int kv_menu(const char* name) { return game->menu(name) ? 1 : 0; }
// entry < 0: the empty area below the entries.
EMSCRIPTEN_KEEPALIVE void kv_list_click(int entry) {
    game->listClick(entry >= 0 ? std::optional<int>(entry) : std::nullopt);
}
EMSCRIPTEN_KEEPALIVE void kv_list_double_click(int entry) { game->listDoubleClick(entry); }
EMSCRIPTEN_KEEPALIVE void kv_button(const char* name) { game->button(name); }

// The saved positions: mode 0 saving, 1 loading. Saving and loading may ask (they wait for the page).
EMSCRIPTEN_KEEPALIVE const char* kv_slots(int mode) {
    return answer(web::slotWindowJson(*game, mode == 0 ? desktop::SlotWindowMode::Save : desktop::SlotWindowMode::Load));
}
EMSCRIPTEN_KEEPALIVE int kv_save_position(int slot) { return game->savePosition(slot) ? 1 : 0; }
EMSCRIPTEN_KEEPALIVE int kv_load_position(int slot) { return game->loadPosition(slot) ? 1 : 0; }
// The browser would not keep a slot's file: the game's message for a save not written.
EMSCRIPTEN_KEEPALIVE const char* kv_slot_not_written(int slot) { return answer(game->slotNotKept(slot)); }
EMSCRIPTEN_KEEPALIVE void kv_page_closing() { game->pageClosing(); }

EMSCRIPTEN_KEEPALIVE void kv_advance(double ms) { game->advance(static_cast<std::int64_t>(ms)); }
EMSCRIPTEN_KEEPALIVE void kv_settle() { game->settle(); }
EMSCRIPTEN_KEEPALIVE const char* kv_aim(const char* name) {
    const std::optional<ui::Point> point = game->aimPoint(name);
    return answer(point ? "[" + std::to_string(point->x) + "," + std::to_string(point->y) + "]" : "null");
}

EMSCRIPTEN_KEEPALIVE void kv_about_activate(int width) { game->activateAbout(width); }
EMSCRIPTEN_KEEPALIVE const char* kv_about_advance(double ms) {
    game->advanceAbout(static_cast<std::int64_t>(ms));
    return answer(web::aboutJson(*game));
}

}  // extern "C"
