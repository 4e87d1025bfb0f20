// The main window TfrmHlavni: the game state, every component, the menu, the timers and
// every handler of the game. Handlers are implemented in the file of their area.
#pragma once

#include "app/game_state.hpp"
#include "app/story_names.hpp"
#include "ui/catalogue.hpp"
#include "ui/component.hpp"
#include "ui/component_stack.hpp"
#include "ui/menu.hpp"
#include "ui/platform.hpp"
#include "ui/sorted_list.hpp"
#include "ui/timer.hpp"

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <initializer_list>
#include <set>
#include <string>
#include <vector>

namespace story {
struct ScriptEntry;
using Script = std::vector<ScriptEntry>;
}  // namespace story

namespace app {

constexpr int kHotspotCount = 47;
constexpr int kMapSpotCount = 4;
constexpr int kHeldPictureCount = 17;

// The timers' intervals in milliseconds.
constexpr int kIntervalHigh = 1000;    // "Vysoká"
constexpr int kIntervalMedium = 1300;  // "Střední", the setting at start
constexpr int kIntervalLow = 1600;     // "Nízká"
constexpr int kTimerXInterval = 100;
constexpr int kTimerDeadInterval = 1000;

enum class HeldPictureSet { Starting, Checkpoint };

// The two typed location captions: the square on arrival, the pub on the second morning.
enum class LocationCaption { Square, Pub };

// The lines of both location captions, each once, as Czech source texts.
std::vector<std::string> locationCaptionTexts();
// How many characters of a caption are typed in the catalogue's language (one a step).
int typedCaptionLength(LocationCaption caption, const ui::Catalogue& catalogue);

class TfrmHlavni {
public:
    // The clock and platform outlive the form. The script defaults to the game's three chapters.
    TfrmHlavni(ui::Clock& clock, ui::Platform& platform);
    TfrmHlavni(const TfrmHlavni&) = delete;
    TfrmHlavni& operator=(const TfrmHlavni&) = delete;
    ~TfrmHlavni();

    // --- start-up and the menu (src/app)
    void FormCreate();
    // Looks at every picture and sound file once; what is missing or unreadable is named in one
    // box, and later loads of those files do not box again.
    void checkDataFiles();
    void disableAllHotspots();
    void mmNovaClick();
    void mmKonecClick();
    // Asks "Opravdu chcete skončit?" as Konec does; true once the player has said Yes, and from
    // then on without asking again (the window's own close follows a confirmed Konec).
    bool confirmQuit();
    void mmVysokaClick();
    void mmStredniClick();
    void mmNizkaClick();
    void mmNastaveniClick();
    void mmZvukyClick();
    void mmOvladaniClick();
    void mmOprogramuClick();

    // --- the checkpoint (src/checkpoint)
    void readCheckpointFile();
    void writeCheckpointFile();
    void mmNahratClick();

    // --- saved positions (src/checkpoint)
    // From the first tick of a game to the end titles: what the automatic slot keeps at the end.
    [[nodiscard]] bool gameInProgress() const;
    // Saves the running game into a slot, 1 to 8 (asking before it replaces a saved game) or
    // checkpoint::kAutoSlot. False when it was not saved (No, or a box named the slot and why).
    bool savePosition(int slot);
    // The front end's words for the present moment, kept with a saved position (the core never
    // reads the time itself); none: the position is saved without them.
    std::function<std::string()> savedAtText;
    // Replaces the running game by a slot's position, after asking while a game runs. A missing,
    // damaged or foreign file is named in a box and changes nothing. True when loaded.
    bool loadPosition(int slot);
    // The automatic save as the game ends: only with a game in progress. Empty when saved (or
    // nothing to save), else why not, in Czech.
    std::string autosave();
    // The desktop session ends (logout): the game is kept in the automatic slot, and the window
    // then closes without the question, which nobody could answer any more.
    void sessionEnding();
    // Each slot's place ("1. den – hospoda"), "" for an empty slot, or a note that it is damaged.
    struct SlotSummary {
        int slot = 0;
        bool used = false;
        bool readable = false;
        std::string place;
        std::string savedAt;
        std::string picture;  // the scene picture of the position
    };
    [[nodiscard]] std::vector<SlotSummary> slotSummaries() const;

    // --- the story clock (src/story)
    void TimerTimer();
    // storyTick := N, Timer and the shield on; the first tick run is N + 1.
    void startCutscene(int startValue);
    // Timer and the shield on, storyTick unchanged.
    void resumeStoryClock();
    // A pause point: stop Timer and lower the shield.
    void pauseStory();
    // The player's pace (Space, Enter or a click on the scene or the text panel; Esc). Neither
    // does anything while paused, during the death countdown or while a box holds the clock.
    // The current line is done: the clock runs the following ticks at once until the line
    // changes or the story pauses; the first advance on a typing caption types it out, the next
    // ends it; on a remark it ends the remark.
    void advance();
    // The clock runs at once until the player has control again.
    void skip();
    // Esc: a skip while a cutscene, caption or remark runs; in a pause, Zpět while Zpět can be
    // pressed and something is being examined (after Průzkum) or the map is open.
    void escape();
    // True while advance and skip would run ticks.
    [[nodiscard]] bool canHurry() const;
    // Replaces the script, for tests of the mechanism.
    void setScript(const story::Script* script) { script_ = script; }

    // --- timed sequences (src/sequences)
    void TimerXTimer();
    void Timer2Timer();
    void TimerDeadTimer();
    // remarkFrame := F, Timer2 and the shield on.
    void startRemark(int startFrame);
    // lblX and TimerX on, sequenceStep at the caption's first step, the shield on until it is typed.
    void startLocationCaption(LocationCaption caption);
    void startDeathCountdown();
    // True while TimerX runs a caption that is not yet typed out.
    [[nodiscard]] bool captionBeingTyped() const;
    // Shows the location caption as far as sequenceStep has typed it, in the chosen language.
    void retypeLocationCaption();

    // --- inventory (src/inventory)
    void appendInventoryEntry(const std::string& caption);
    void addInventoryItem(const std::string& caption);
    void removeInventoryItem(const std::string& caption, int depth);
    void clearInventory();
    void loadHeldPictures(HeldPictureSet set);
    void lbPredmetyClick();
    void lbPredmetyDblClick();
    void imgHlavniMouseMove(int x, int y);  // x, y within imgHlavni
    void hideHeldPicture();
    void dropHeldItem();
    void btnPruzkumClick();
    void btnZpetClick();
    void btnSpojitClick();
    void removeCombinedParts();

    // --- scenes (src/scenes)
    void setExaminePictureId();
    void imgCur1Click();
    void imgCur2Click();
    void imgCur3Click();
    void imgCur4Click();
    void imgCur5Click();
    void imgCur6Click();
    void imgCur7Click();
    void imgCur8Click();
    void imgCur9Click();
    void imgCur10Click();
    void imgCur11Click();
    void imgCur12Click();
    void imgCur13Click();
    void imgCur14Click();
    void imgCur15Click();
    void imgCur16Click();
    void imgCur17Click();
    void imgCur18Click();
    void imgCur19Click();
    void imgCur20Click();
    void imgCur21Click();
    void imgCur22Click();
    void imgCur23Click();
    void imgCur24Click();
    void imgCur25Click();
    void imgCur26Click();
    void imgCur27Click();
    void imgCur28Click();
    void imgCur29Click();
    void imgCur30Click();
    void imgCur31Click();
    void imgCur32Click();
    void imgCur33Click();
    void imgCur34Click();
    void imgCur35Click();
    void imgCur36Click();
    void imgCur37Click();
    void imgCur38Click();
    void imgCur39Click();
    void imgCur40Click();
    void imgCur41Click();
    void imgCur42Click();
    void imgCur43Click();
    void imgCur44Click();
    void imgCur45Click();
    void imgCur46Click();
    void imgCur47Click();
    void imgMap1Click();
    void imgMap2Click();
    void imgMap3Click();
    void imgMap4Click();
    // The mouse-move handler of hotspot n (1 to 47): its cursor, then hideHeldPicture.
    void imgCurMouseMove(int n);
    // The mouse-move handler of map spot n (1 to 4).
    void imgMapMouseMove(int n);

    // --- shared helpers
    ui::Component& cur(int n) { return *imgCur.at(static_cast<std::size_t>(n)); }
    ui::Component& map(int n) { return *imgMap.at(static_cast<std::size_t>(n)); }
    ui::Component& inv(int n) { return *imgInv.at(static_cast<std::size_t>(n)); }
    // Loads a picture file into a component; a file that cannot be read is reported once
    // by name and the handler carries on.
    void loadPicture(ui::Component& target, const std::string& path);
    void showPicture(const std::string& path) { loadPicture(*imgHlavni, path); }
    // Shows a dialogue line (Czech, as the script writes it) in the chosen language; a new line
    // that is not empty goes into the dialogue history.
    void setLine(const std::string& text);
    // Every line shown since the last "Nová" or "Nahrát", oldest first, as Czech source texts
    // (tr() shows them in the chosen language).
    [[nodiscard]] const std::deque<std::string>& dialogueHistory() const { return history_; }
    void clearDialogueHistory() { history_.clear(); }
    // A loaded position brings the lines its game had shown.
    void setDialogueHistory(std::deque<std::string> lines) { history_ = std::move(lines); }
    // The hotspots and map spots a click would reach now, in stacking order: visible, enabled,
    // not wholly covered by a higher component, and none while the shield is up.
    [[nodiscard]] std::vector<const ui::Component*> reachableSpots() const;
    // The language the player reads: every text on screen changes at once, the line being
    // shown and the caption being typed included.
    void setCatalogue(ui::Catalogue catalogue);
    [[nodiscard]] const ui::Catalogue& catalogue() const { return catalogue_; }
    // A Czech text in the chosen language.
    [[nodiscard]] const std::string& tr(const std::string& source) const { return catalogue_.translate(source); }
    // Plays a sound only while sounds are on.
    void playSound(const std::string& path);
    // Plays a sound once: only while sounds are on and the guard is 0, then sets the guard.
    void playGuardedSound(const std::string& path, std::int32_t& guard);
    // True while the item of that held flag is in the hand.
    [[nodiscard]] bool holding(int flag) const { return state.heldFlags.at(static_cast<std::size_t>(flag)) == 1; }
    void setHeld(int flag, std::int32_t value) { state.heldFlags.at(static_cast<std::size_t>(flag)) = value; }
    // True while a cutscene, caption or remark runs (Timer, TimerX or Timer2).
    [[nodiscard]] bool sequenceRunning() const;
    // Enables and shows, or disables and hides, the three buttons and the inventory list.
    void setPlayerControls(bool shown);
    // Clears what the previous scene left on screen, for a fresh start: the line, the till's
    // digits, the objects lying in scenes and the map's factory marker.
    void clearLeftovers();
    // Enables or disables (and with it shows or hides) an overlay hotspot.
    void showOverlay(int n, bool shown);
    void enableHotspots(std::initializer_list<int> hotspots);
    void disableHotspots(std::initializer_list<int> hotspots);
    // Picks up an object lying in the scene: its taken flag set, the hand emptied, the entry
    // added and the object's overlay hidden.
    void pickUp(std::int32_t& takenFlag, const std::string& caption, int overlay);
    // A step into a place: sceneId + 1, pictureId + 2 and the place's picture ("" keeps the last one).
    void stepInto(const std::string& picture);

    // --- the model: state, components, menu, timers
    ui::Clock& clock;
    ui::Platform& platform;
    GameState state;
    std::string checkpointPath = "data.dat";

    ui::ChangeCounter changes;
    ui::ComponentStack stack{changes};
    ui::Component* imgHlavni = nullptr;
    ui::Component* imgClona = nullptr;
    ui::Component* lblX = nullptr;
    ui::Component* lblkasa1 = nullptr;
    ui::Component* lblkasa2 = nullptr;
    std::array<ui::Component*, kHotspotCount + 1> imgCur{};      // 1 to 47
    std::array<ui::Component*, kMapSpotCount + 1> imgMap{};      // 1 to 4
    std::array<ui::Component*, kHeldPictureCount + 1> imgInv{};  // 1 to 17

    // The child windows above the picture stack: the text panel's label, buttons, list.
    ui::Component lblText;
    ui::Component btnZpet;
    ui::Component btnPruzkum;
    ui::Component btnSpojit;
    ui::SortedList lbPredmety;

    ui::Menu mm{changes};
    ui::MenuItem* mmHra = nullptr;
    ui::MenuItem* mmNova = nullptr;
    ui::MenuItem* mmNahrat = nullptr;
    ui::MenuItem* mmKonec = nullptr;
    ui::MenuItem* mmNastaveni = nullptr;
    ui::MenuItem* mmRychlost = nullptr;
    ui::MenuItem* mmVysoka = nullptr;
    ui::MenuItem* mmStredni = nullptr;
    ui::MenuItem* mmNizka = nullptr;
    ui::MenuItem* mmZvuky = nullptr;
    ui::MenuItem* mmInformace = nullptr;
    ui::MenuItem* mmOvladani = nullptr;
    ui::MenuItem* mmOprogramu = nullptr;

    ui::Timer Timer;
    ui::Timer TimerX;
    ui::Timer Timer2;
    ui::Timer TimerDead;

private:
    void buildComponents();
    void buildMenu();
    void wireHandlers();
    void setSpeed(ui::MenuItem& item, int intervalMs);
    // Plays a sound file; a file that cannot be played is reported once by name. While ticks run
    // at once only the last sound asked for is kept, and played when they are done.
    void playFile(const std::string& path);
    // Runs the due ticks at once until done() holds (see ui::runTicksNow).
    void hurry(const std::function<bool()>& done);
    [[nodiscard]] bool closeUpOrMapShown() const;

    ui::Catalogue catalogue_;
    const story::Script* script_;
    std::set<std::string> reportedMissing_;
    std::deque<std::string> history_;
    int hurrying_ = 0;
    std::optional<std::string> heldBackSound_;
    bool quitConfirmed_ = false;
};

}  // namespace app
