#include "explore/explorer.hpp"

#include "app/main_form.hpp"
#include "app/settle.hpp"
#include "ui/silent_platform.hpp"
#include "ui/virtual_clock.hpp"

#include <algorithm>
#include <deque>
#include <functional>
#include <sstream>
#include <unordered_map>

namespace explore {

namespace {

constexpr int kEndTick = 740;
// What a player waits for the countdown to run out; the scripts write it as one wait.
constexpr const char* kRunOut = "wait 17000";

// One game on a virtual clock; it never touches the disk.
class Game {
public:
    Game() : form(clock, platform) {
        form.checkpointPath = app::kNoCheckpointPath;
        form.FormCreate();
    }

    void settle() { app::settle(form, clock); }
    void runOutCountdown() { app::runOutCountdown(form, clock); }

    ui::VirtualClock clock;
    ui::SilentPlatform platform;
    app::TfrmHlavni form;
};

struct Candidate {
    std::string line;  // the action as a kvelnor-script line
    std::function<void(Game&)> run;
};

bool isSpot(const std::string& name) { return name.rfind("imgCur", 0) == 0 || name.rfind("imgMap", 0) == 0; }

std::vector<Candidate> candidates(const app::TfrmHlavni& form) {
    std::vector<Candidate> out;
    for (const auto& owned : form.stack.all()) {
        const ui::Component& c = *owned;
        if (!isSpot(c.name()) || !c.enabled() || !c.visible()) continue;
        const std::optional<ui::Point> point = form.stack.clickablePoint(c);
        if (!point) continue;
        out.push_back({"click " + std::to_string(point->x) + " " + std::to_string(point->y) + "  # " + c.name(),
                       [p = *point](Game& g) { g.form.stack.click(p.x, p.y); }});
    }
    const ui::SortedList& list = form.lbPredmety;
    if (list.enabled() && list.visible()) {
        for (int p = 0; p < list.count(); ++p) {
            const std::string entry = "#" + std::to_string(p) + "  # " + list.caption(p);
            out.push_back({"select " + entry, [p](Game& g) { g.form.lbPredmety.click(p); }});
            out.push_back({"dblclick " + entry, [p](Game& g) { g.form.lbPredmety.doubleClick(p); }});
        }
        out.push_back({"select none", [](Game& g) { g.form.lbPredmety.click(std::nullopt); }});
    }
    const std::pair<const ui::Component*, const char*> buttons[] = {
        {&form.btnZpet, "Zpět"}, {&form.btnPruzkum, "Průzkum"}, {&form.btnSpojit, "Spojit"}};
    for (const auto& [button, caption] : buttons) {
        if (!button->enabled() || !button->visible()) continue;
        const std::string name = button->name();
        out.push_back({std::string("button ") + caption, [name](Game& g) {
                           ui::Component& b = name == "btnZpet" ? g.form.btnZpet
                                              : name == "btnPruzkum" ? g.form.btnPruzkum
                                                                     : g.form.btnSpojit;
                           if (b.onClick) b.onClick();
                       }});
    }
    return out;
}

struct Node {
    int parent = -1;
    int candidate = -1;    // which of the parent's actions leads here
    bool ranOut = false;   // and whether the countdown was then let run out
    std::string action;  // the script lines that lead here from the parent
    std::vector<int> next;
    bool goal = false;
    bool expanded = false;
};

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

void begin(Game& game, const Options& options) {
    if (options.start == Start::NewGame)
        game.form.mmNovaClick();
    else
        game.form.mmNahratClick();
    game.settle();
    if (options.prepare) options.prepare(game.form);
}

}  // namespace

Report explore(const Options& options) {
    Game game;
    begin(game, options);
    const std::string startLine = options.start == Start::NewGame ? "new" : "continue";

    std::vector<Node> nodes;
    std::unordered_map<std::string, int> index;
    std::deque<std::pair<int, app::FormSnapshot>> frontier;
    Report report;

    const auto discover = [&](int parent, int candidate, bool ranOut, const std::string& action) {
        app::FormSnapshot snap = app::takeSnapshot(game.form);
        std::string key = app::progressKey(snap);
        auto [it, fresh] = index.try_emplace(std::move(key), static_cast<int>(nodes.size()));
        if (fresh) {
            Node n;
            n.parent = parent;
            n.candidate = candidate;
            n.ranOut = ranOut;
            n.action = action;
            n.goal = game.form.state.storyTick == kEndTick && !game.form.Timer.enabled();
            const auto stage = static_cast<std::size_t>(std::max(0, game.form.state.storyStage));
            if (report.statesPerStage.size() <= stage) report.statesPerStage.resize(stage + 1);
            ++report.statesPerStage[stage];
            nodes.push_back(std::move(n));
            frontier.emplace_back(it->second, std::move(snap));
        }
        if (parent >= 0) nodes[static_cast<std::size_t>(parent)].next.push_back(it->second);
    };

    discover(-1, -1, false, startLine + "\nsettle");
    while (!frontier.empty()) {
        if (options.maxStates != 0 && nodes.size() >= options.maxStates) break;
        auto [id, snap] = std::move(frontier.front());
        frontier.pop_front();
        nodes[static_cast<std::size_t>(id)].expanded = true;
        if (nodes[static_cast<std::size_t>(id)].goal) continue;
        app::restoreSnapshot(game.form, snap);
        const std::vector<Candidate> actions = candidates(game.form);
        for (std::size_t c = 0; c < actions.size(); ++c) {
            app::restoreSnapshot(game.form, snap);
            actions[c].run(game);
            ++report.actions;
            game.settle();
            const std::string action = actions[c].line + "\nsettle";
            discover(id, static_cast<int>(c), false, action);
            if (game.form.TimerDead.enabled()) {
                game.runOutCountdown();
                discover(id, static_cast<int>(c), true, action + "\n" + kRunOut);
            }
        }
    }

    // Everything that can still reach the end titles, or might (states left unexpanded).
    std::vector<std::vector<int>> back(nodes.size());
    for (std::size_t i = 0; i < nodes.size(); ++i)
        for (int j : nodes[i].next) back[static_cast<std::size_t>(j)].push_back(static_cast<int>(i));
    std::vector<bool> hopeful(nodes.size(), false);
    std::deque<int> work;
    for (std::size_t i = 0; i < nodes.size(); ++i)
        if (nodes[i].goal || !nodes[i].expanded) {
            hopeful[i] = true;
            work.push_back(static_cast<int>(i));
            if (nodes[i].goal) ++report.goals;
            if (!nodes[i].expanded) ++report.unexpanded;
        }
    while (!work.empty()) {
        const int n = work.front();
        work.pop_front();
        for (int p : back[static_cast<std::size_t>(n)])
            if (!hopeful[static_cast<std::size_t>(p)]) {
                hopeful[static_cast<std::size_t>(p)] = true;
                work.push_back(p);
            }
    }
    for (std::size_t i = 0; i < nodes.size(); ++i) {
        if (hopeful[i]) continue;
        DeadEnd d;
        std::vector<int> chain;
        for (int n = static_cast<int>(i); n >= 0; n = nodes[static_cast<std::size_t>(n)].parent) chain.push_back(n);
        for (auto it = chain.rbegin(); it != chain.rend(); ++it) d.path.push_back(nodes[static_cast<std::size_t>(*it)].action);
        // Only dead ends are described: play the path again to see where it leads.
        Game replay;
        begin(replay, options);
        for (auto it = chain.rbegin() + 1; it != chain.rend(); ++it) {
            const Node& step = nodes[static_cast<std::size_t>(*it)];
            candidates(replay.form).at(static_cast<std::size_t>(step.candidate)).run(replay);
            replay.settle();
            if (step.ranOut) replay.runOutCountdown();
        }
        d.description = describe(replay.form);
        report.deadEnds.push_back(std::move(d));
    }
    report.states = nodes.size();
    return report;
}

}  // namespace explore
