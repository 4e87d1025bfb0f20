// The page's side of the Browser port, through calls into the page's script (Module.page).
// A box waits for the player without blocking the browser: the call unwinds to the page and
// resumes when the dialog is closed (Asyncify).
#include "web/page_bridge.hpp"

#include <emscripten.h>

#include <cstdlib>

namespace {

EM_JS(int, pageHasFile, (const char* path), { return Module.page.hasFile(UTF8ToString(path)) ? 1 : 0; });
EM_JS(void, pagePlaySound, (const char* path), { Module.page.playSound(UTF8ToString(path)); });
EM_ASYNC_JS(int, pageAsk, (const char* caption, const char* text, int question), {
    return await Module.page.dialog(UTF8ToString(caption), UTF8ToString(text), question !== 0) ? 1 : 0;
});
EM_JS(void, pageShowWindow, (int which), { Module.page.showWindow(which); });
EM_JS(void, pageQuit, (), { Module.page.quit(); });
// The text is handed over in memory the caller frees.
EM_JS(char*, pageSavedAtNow, (), {
    const text = Module.page.savedAtNow();
    const size = lengthBytesUTF8(text) + 1;
    const memory = _malloc(size);
    stringToUTF8(text, memory, size);
    return memory;
});

}  // namespace

namespace web {

bool PageBridge::hasFile(const std::string& path) { return pageHasFile(path.c_str()) != 0; }

void PageBridge::playSound(const std::string& path) { pagePlaySound(path.c_str()); }

void PageBridge::inform(const std::string& text) { pageAsk("Kvelnor", text.c_str(), 0); }

bool PageBridge::ask(const std::string& caption, const std::string& text) {
    return pageAsk(caption.c_str(), text.c_str(), 1) != 0;
}

void PageBridge::showWindow(ui::InfoWindow which) { pageShowWindow(which == ui::InfoWindow::Controls ? 0 : 1); }

void PageBridge::quit() { pageQuit(); }

std::string PageBridge::savedAtNow() {
    char* text = pageSavedAtNow();
    std::string out(text);
    std::free(text);
    return out;
}

}  // namespace web
