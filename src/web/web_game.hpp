// The game as the page drives it: the main window model on a clock the page advances, the
// About window's slide-in on a clock of its own, and the page's pointer, list, button and
// menu input forwarded through the same input path the desktop uses.
#pragma once

#include "app/data_files.hpp"
#include "app/main_form.hpp"
#include "info/about_slide_in.hpp"
#include "ui/virtual_clock.hpp"
#include "web/browser.hpp"
#include "web/web_platform.hpp"

#include <memory>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace web {

// What lies under the pointer: the cursor number to show and the hint, if any.
struct PointerLook {
    int cursor = 0;
    std::string hint;
};

class WebGame {
public:
    // Builds the window; nothing runs until start().
    explicit WebGame(Browser& browser);

    // Finds the languages with a catalogue and shows the game in the one given when it has one
    // (else in Czech); nothing runs yet.
    void prepare(const std::string& language);
    // Runs the start-up handler (which may open a box).
    void start();

    // Shows the game in a language from its catalogue in catalogueDirectory ("cs" needs none).
    // Empty when done, else why not (the game stays in its language).
    std::string setLanguage(const std::string& language);
    // The languages the player can choose, each named in itself ("Čeština", "English"), Czech first.
    [[nodiscard]] const std::vector<std::pair<std::string, std::string>>& languages() const { return languages_; }
    std::string catalogueDirectory = app::kCatalogueDirectory;

    // Pointer input in layout coordinates. A click is a press and a release on the same
    // component, as the desktop counts it; while a cutscene, caption or remark can be hurried, a
    // click on the scene advances it instead.
    PointerLook move(int x, int y);
    void press(int x, int y);
    void release(int x, int y);
    // A click on the text panel: advances the story while it can be hurried.
    void panelClick();
    [[nodiscard]] PointerLook lookAt(int x, int y) const;

    // A menu item chosen by name: a disabled one does nothing; a top-level menu being opened
    // delivers its open notification. False when there is no such item.
    bool menu(const std::string& name);
    // The same item reached by its shortcut key; false when there is no such item.
    bool shortcut(const std::string& name);
    // A click in the list: an entry, or the empty area below them (nullopt).
    void listClick(std::optional<int> entry);
    // The second press of a double click on an entry, the first having come as a click.
    void listDoubleClick(int entry);
    // A button by its component name; hidden or disabled ones do nothing.
    void button(const std::string& name);

    // The player's pace: Space or Enter advances the current line, Esc skips or, in a pause,
    // does what Zpět does (the rules decide when each applies).
    void advanceStory() { form.advance(); }
    void escape() { form.escape(); }

    // The saved positions, as the slot window lists them (the automatic slot first).
    [[nodiscard]] std::vector<app::TfrmHlavni::SlotSummary> slots() const { return form.slotSummaries(); }
    // Saves into or loads a chosen slot with the game's own questions and messages; true when done.
    // Saving needs a game in progress (a shortcut key can ask at any moment).
    bool savePosition(int slot);
    bool loadPosition(int slot);
    // The page is going away (closed or reloaded): a game in progress goes into the automatic
    // slot, as when the desktop's window is closed. Nothing can be asked any more.
    void pageClosing();
    // The game's message for a save whose file the browser would not keep (full or refused).
    [[nodiscard]] std::string slotNotKept(int slot) const;

    // Lets the page's real time pass on the game's clock.
    void advance(std::int64_t ms);
    // Runs the clock until the player has control (used by the browser test to skip waiting).
    void settle();
    // The point a player would click on the named component; nullopt for an unknown name.
    [[nodiscard]] std::optional<ui::Point> aimPoint(const std::string& name) const;

    // The About window was opened at that width; its slide-in clock moves with the page's time.
    void activateAbout(int windowWidth);
    void advanceAbout(std::int64_t ms);

    [[nodiscard]] std::uint64_t changes() const { return form.changes.value; }

    ui::VirtualClock clock;
    WebPlatform platform;
    app::TfrmHlavni form;
    ui::VirtualClock aboutClock;
    info::AboutSlideIn about{aboutClock};

private:
    ui::Component* pressed_ = nullptr;
    std::vector<std::pair<std::string, std::string>> languages_;
};

}  // namespace web
