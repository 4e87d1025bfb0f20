#include "monkey/monkey.hpp"

#include "app/component_table.hpp"
#include "app/main_form.hpp"
#include "app/settle.hpp"
#include "ui/silent_platform.hpp"
#include "ui/virtual_clock.hpp"

#include <algorithm>
#include <deque>
#include <vector>
#include <random>
#include <sstream>

namespace monkey {

namespace {

constexpr std::size_t kHistory = 40;

class Player {
public:
    explicit Player(std::uint64_t seed) : rng_(seed), form_(clock_, platform_) {
        form_.checkpointPath = app::kNoCheckpointPath;
        form_.FormCreate();
        // Průzkum raises the shield until Zpět, also with an empty hand.
        auto examine = form_.btnPruzkum.onClick;
        form_.btnPruzkum.onClick = [this, examine] {
            examine();
            examining_ = form_.imgClona->enabled();
        };
    }

    std::string act() {
        std::ostringstream what;
        const int kind = pick(0, 99);
        if (kind < 20) {
            // Aim at something that takes clicks, as a player mostly does.
            std::vector<const ui::Component*> targets;
            for (const auto& c : form_.stack.all())
                if (c->enabled() && c->visible() && c->onClick) targets.push_back(c.get());
            if (!targets.empty()) {
                const ui::Rect r = targets[static_cast<std::size_t>(pick(0, static_cast<int>(targets.size()) - 1))]->rect();
                const int x = r.left + r.width / 2;
                const int y = r.top + r.height / 2;
                what << "click " << x << " " << y;
                clickWindow(x, y);
            }
        } else if (kind < 40) {
            const int x = pick(0, app::kWindowWidth - 1);
            const int y = pick(0, app::kWindowHeight - 1);
            what << "click " << x << " " << y;
            clickWindow(x, y);
        } else if (kind < 50) {
            const int x = pick(112, 911);
            const int y = pick(0, 599);
            what << "move " << x << " " << y;
            form_.stack.move(x, y);
        } else if (kind < 68) {
            const int count = form_.lbPredmety.count();
            const int p = pick(-1, count + 1);
            if (pick(0, 3) == 0 && p >= 0) {
                what << "dblclick #" << p;
                form_.lbPredmety.doubleClick(p);
            } else if (p >= 0 && p < count) {
                what << "select #" << p;
                form_.lbPredmety.click(p);
            } else {
                what << "select none";
                form_.lbPredmety.click(std::nullopt);
            }
        } else if (kind < 80) {
            ui::Component* buttons[] = {&form_.btnZpet, &form_.btnPruzkum, &form_.btnSpojit};
            ui::Component& b = *buttons[pick(0, 2)];
            what << "button " << b.name();
            press(b);
        } else if (kind < 86) {
            what << menuAction();
        } else {
            const int ms = pick(0, 3) == 0 ? pick(0, 20000) : pick(0, 1500);
            what << "wait " << ms;
            clock_.advance(ms);
        }
        afterAction();
        return what.str();
    }

    int stage() const { return form_.state.storyStage; }

    // Empty when every invariant holds, else what broke.
    std::string check() const {
        int held = 0;
        for (int k = 1; k <= app::kHeldFlagCount; ++k) {
            const int v = form_.state.heldFlags.at(static_cast<std::size_t>(k));
            if (v != 0 && v != 1) return "heldFlags[" + std::to_string(k) + "] is " + std::to_string(v);
            held += v;
        }
        if (held > 1) return std::to_string(held) + " items in the hand at once";
        if (form_.holding(app::held::Unused)) return "heldFlags[6] was set";
        if (auto sel = form_.lbPredmety.selected(); sel && (*sel < 0 || *sel >= form_.lbPredmety.count()))
            return "list selection out of range";
        if (form_.imgClona->enabled() && !shieldExpected())
            return "the shield is raised while nothing runs (storyTick " + std::to_string(form_.state.storyTick) +
                   ", storyStage " + std::to_string(form_.state.storyStage) + ")";
        return {};
    }

private:
    int pick(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(rng_); }

    static bool inside(const ui::Rect& r, int x, int y) { return r.contains(x, y); }

    // The child windows lie above the picture stack; the text panel takes clicks and does nothing.
    void clickWindow(int x, int y) {
        for (ui::Component* b : {&form_.btnZpet, &form_.btnPruzkum, &form_.btnSpojit})
            if (b->visible() && inside(b->rect(), x, y)) {
                press(*b);
                return;
            }
        if (form_.lbPredmety.visible() && inside(form_.lbPredmety.rect(), x, y)) {
            const int p = (y - form_.lbPredmety.rect().top) / 16;  // about one entry per 16 pixels
            form_.lbPredmety.click(p < form_.lbPredmety.count() ? std::optional<int>(p) : std::nullopt);
            return;
        }
        if (inside(app::kPanelRect, x, y)) return;
        form_.stack.click(x, y);
    }

    static void press(ui::Component& b) {
        if (b.enabled() && b.visible() && b.onClick) b.onClick();
    }

    std::string menuAction() {
        // New game and "Nahrát" throw the game back, so they come seldom; the rest often.
        int choice = pick(0, 49);
        if (choice > 7) choice = 2 + choice % 6;
        switch (choice) {
            case 0:
                platform_.answer = pick(0, 1) == 1;
                ui::Menu::click(*form_.mmNova);
                return std::string("new (answer ") + (platform_.answer ? "yes" : "no") + ")";
            case 1: ui::Menu::click(*form_.mmNahrat); return "continue";
            case 2: ui::Menu::click(*form_.mmVysoka); return "speed high";
            case 3: ui::Menu::click(*form_.mmStredni); return "speed medium";
            case 4: ui::Menu::click(*form_.mmNizka); return "speed low";
            case 5: ui::Menu::click(*form_.mmNastaveni); ui::Menu::click(*form_.mmZvuky); return "settings, sound";
            case 6:
                // Reaching the checkpoint in a random game is rare: let "Nahrát" be used anyway.
                form_.mmNahrat->setEnabled(true);
                return "(checkpoint reached)";
            default: ui::Menu::click(*form_.mmOprogramu); return "about";
        }
    }

    void afterAction() {
        if (!form_.imgClona->enabled()) examining_ = false;
    }

    // The intro keeps the shield raised until the first cutscene.
    bool shieldExpected() const {
        return form_.sequenceRunning() || examining_ || form_.state.storyTick == 0;
    }

    std::mt19937_64 rng_;
    ui::VirtualClock clock_;
    ui::SilentPlatform platform_;
    app::TfrmHlavni form_;
    bool examining_ = false;
};

}  // namespace

Result play(std::uint64_t seed, long actions) {
    Result result;
    result.seed = seed;
    Player player(seed);
    std::deque<std::string> history;
    for (long i = 0; i < actions; ++i) {
        history.push_back(player.act());
        if (history.size() > kHistory) history.pop_front();
        ++result.actions;
        result.deepestStage = std::max(result.deepestStage, player.stage());
        result.failure = player.check();
        if (!result.failure.empty()) break;
    }
    for (const std::string& h : history) result.lastActions += h + "\n";
    return result;
}

}  // namespace monkey
