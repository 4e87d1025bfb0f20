#include "explore/game.hpp"

#include "app/settle.hpp"
#include "explore/actions.hpp"

#include <sstream>

namespace explore {

namespace {

constexpr int kEndTick = 740;

}  // namespace

Game::Game() : form(clock, platform) {
    form.checkpointPath = app::kNoCheckpointPath;
    form.FormCreate();
}

void Game::settle() { app::settle(form, clock); }

void Game::runOutCountdown() { app::runOutCountdown(form, clock); }

bool Game::atEndTitles() const { return form.state.storyTick == kEndTick && !form.Timer.enabled(); }

void begin(Game& game, const Options& options) {
    if (options.catalogue) game.form.setCatalogue(*options.catalogue);
    if (options.start == Start::NewGame)
        game.form.mmNovaClick();
    else
        game.form.mmNahratClick();
    game.settle();
    if (options.prepare) options.prepare(game.form);
}

std::string beginLines(const Options& options) {
    const std::string language = options.catalogue ? "language " + options.catalogue->language() + "\n" : "";
    return language + (options.start == Start::NewGame ? "new" : "continue") + "\nsettle";
}

std::string describe(const app::TfrmHlavni& f) {
    std::ostringstream s;
    s << "storyStage " << f.state.storyStage << ", storyTick " << f.state.storyTick << ", sceneId " << f.state.sceneId
      << ", pictureId " << f.state.pictureId << ", held";
    bool any = false;
    for (int k = 1; k <= app::kHeldFlagCount; ++k)
        if (f.holding(k)) {
            s << " " << k;
            any = true;
        }
    if (!any) s << " nothing";
    s << ", inventory [";
    for (int p = 0; p < f.lbPredmety.count(); ++p) s << (p ? ", " : "") << f.lbPredmety.caption(p);
    s << "], enabled:";
    for (const auto& c : f.stack.all())
        if (isSpot(c->name()) && c->enabled()) s << " " << c->name();
    if (f.TimerDead.enabled()) s << ", countdown running";
    return s.str();
}

}  // namespace explore
