#include "explore/search.hpp"

#include "explore/actions.hpp"
#include "explore/game.hpp"

#include <algorithm>
#include <atomic>
#include <deque>
#include <stdexcept>
#include <thread>

namespace explore {

namespace {

// States expanded between two merges; large enough that the threads rarely wait.
constexpr std::size_t kChunk = 2048;

// One state reached by one action, as a thread found it.
struct Successor {
    std::uint16_t action = 0;
    bool ranOut = false;
    bool goal = false;
    std::int32_t storyStage = 0;
    std::uint32_t known = StateStore::kMissing;  // its number if it was already known
    std::uint64_t hash = 0;
    std::uint32_t keyAt = 0;  // key and look in Expansion::bytes; the look only when not known
    std::uint32_t keyLength = 0;
    std::uint32_t lookAt = 0;
    std::uint32_t lookLength = 0;
};

struct Expansion {
    std::vector<Successor> successors;
    Bytes bytes;
    std::size_t actions = 0;
};

// One game of its own per thread.
class Worker {
public:
    Worker(const Options& options, SharedStrings& strings) : codec_(game_.form, strings), lister_(game_.form) {
        begin(game_, options);
    }

    StateCodec& codec() { return codec_; }
    Game& game() { return game_; }

    void expand(const StateStore& store, std::span<const std::uint8_t> key, std::span<const std::uint8_t> look,
                Expansion& out) {
        out.successors.clear();
        out.bytes.clear();
        out.actions = 0;
        codec_.decode(key, look, parent_);
        codec_.restore(parent_);
        lister_.list(game_.form, actions_);
        for (std::size_t a = 0; a < actions_.size(); ++a) {
            if (a != 0) codec_.restore(parent_);
            perform(game_.form, actions_[a]);
            ++out.actions;
            game_.settle();
            note(store, a, false, out);
            if (game_.form.TimerDead.enabled()) {
                game_.runOutCountdown();
                note(store, a, true, out);
            }
        }
    }

private:
    void note(const StateStore& store, std::size_t action, bool ranOut, Expansion& out) {
        Successor s;
        s.action = static_cast<std::uint16_t>(action);
        s.ranOut = ranOut;
        s.keyAt = static_cast<std::uint32_t>(out.bytes.size());
        codec_.key(out.bytes);
        s.keyLength = static_cast<std::uint32_t>(out.bytes.size() - s.keyAt);
        const std::span<const std::uint8_t> key(out.bytes.data() + s.keyAt, s.keyLength);
        s.hash = hashBytes(key);
        s.known = store.find(key, s.hash);
        if (s.known != StateStore::kMissing) {
            out.bytes.resize(s.keyAt);
        } else {
            s.goal = game_.atEndTitles();
            s.storyStage = game_.form.state.storyStage;
            s.lookAt = static_cast<std::uint32_t>(out.bytes.size());
            codec_.look(out.bytes);
            s.lookLength = static_cast<std::uint32_t>(out.bytes.size() - s.lookAt);
        }
        out.successors.push_back(s);
    }

    Game game_;
    StateCodec codec_;
    ActionLister lister_;
    DecodedState parent_;
    std::vector<Action> actions_;
};

class Search {
public:
    explicit Search(const Options& options) : options_(options) {
        unsigned threads = options.threads != 0 ? options.threads : std::thread::hardware_concurrency();
        result_.threads = std::max(1U, threads);
        for (unsigned t = 0; t < result_.threads; ++t)
            workers_.push_back(std::make_unique<Worker>(options, *result_.strings));
        expansions_.resize(kChunk);
    }

    SearchResult run() {
        Bytes key;
        workers_.front()->codec().key(key);
        workers_.front()->codec().look(result_.firstLook);
        addState(key, hashBytes(key), result_.firstLook, StateNode{.goal = workers_.front()->game().atEndTitles()},
                 workers_.front()->game().form.state.storyStage);

        std::size_t next = 0;  // the first state not yet expanded; states are expanded in order
        bool limitReached = false;
        while (next < result_.nodes.size() && !limitReached) {
            const std::size_t end = std::min(result_.nodes.size(), next + kChunk);
            expandInParallel(next, end);
            for (; next < end; ++next) {
                if (options_.maxStates != 0 && result_.nodes.size() >= options_.maxStates) {
                    limitReached = true;
                    break;
                }
                merge(next, expansions_[next % kChunk]);
            }
        }
        while (result_.edgeStart.size() <= result_.nodes.size())
            result_.edgeStart.push_back(static_cast<std::uint32_t>(result_.edges.size()));
        return std::move(result_);
    }

private:
    void expandInParallel(std::size_t first, std::size_t end) {
        std::atomic<std::size_t> claimed{first};
        const auto work = [&](Worker& worker) {
            for (std::size_t s = claimed++; s < end; s = claimed++) {
                if (result_.nodes[s].goal) continue;
                const auto state = static_cast<std::uint32_t>(s);
                worker.expand(result_.store, result_.store.key(state), looks_[s - lookBase_], expansions_[s % kChunk]);
            }
        };
        std::vector<std::thread> helpers;
        const std::size_t wanted = std::min<std::size_t>(workers_.size(), end - first);
        for (std::size_t t = 1; t < wanted; ++t) helpers.emplace_back(work, std::ref(*workers_[t]));
        work(*workers_.front());
        for (std::thread& h : helpers) h.join();
    }

    void merge(std::size_t s, Expansion& e) {
        const auto state = static_cast<std::uint32_t>(s);
        if (result_.edges.size() >= StateStore::kMissing) throw std::length_error("explorer: too many actions between states");
        result_.nodes[s].expanded = 1;
        result_.edgeStart.push_back(static_cast<std::uint32_t>(result_.edges.size()));
        // Its look is no longer needed: it is the front of the queue.
        lookBytes_ -= looks_.front().size();
        looks_.pop_front();
        ++lookBase_;
        if (result_.nodes[s].goal) return;
        result_.actions += e.actions;
        targets_.clear();
        for (const Successor& n : e.successors) {
            std::uint32_t target = n.known;
            if (target == StateStore::kMissing) {
                const std::span<const std::uint8_t> key(e.bytes.data() + n.keyAt, n.keyLength);
                target = result_.store.find(key, n.hash);
                if (target == StateStore::kMissing)
                    target = addState(key, n.hash, std::span<const std::uint8_t>(e.bytes.data() + n.lookAt, n.lookLength),
                                      StateNode{.parent = state, .action = n.action, .ranOut = n.ranOut, .goal = n.goal},
                                      n.storyStage);
            }
            if (target != state) targets_.push_back(target);
        }
        std::sort(targets_.begin(), targets_.end());
        targets_.erase(std::unique(targets_.begin(), targets_.end()), targets_.end());
        for (const std::uint32_t t : targets_) result_.edges.push_back(t);
    }

    std::uint32_t addState(std::span<const std::uint8_t> key, std::uint64_t hash, std::span<const std::uint8_t> look,
                           StateNode node, std::int32_t storyStage) {
        const std::uint32_t state = result_.store.add(key, hash);
        result_.nodes.push_back(node);
        looks_.emplace_back(look.begin(), look.end());
        lookBytes_ += look.size();
        result_.peakLookBytes = std::max(result_.peakLookBytes, lookBytes_);
        const auto stage = static_cast<std::size_t>(std::max(0, storyStage));
        if (result_.statesPerStage.size() <= stage) result_.statesPerStage.resize(stage + 1);
        ++result_.statesPerStage[stage];
        return state;
    }

    const Options& options_;
    SearchResult result_;
    std::vector<std::unique_ptr<Worker>> workers_;
    std::vector<Expansion> expansions_;  // by state number modulo kChunk
    std::deque<Bytes> looks_;            // of the states not yet expanded, in order
    std::size_t lookBase_ = 0;           // the state of looks_.front()
    std::size_t lookBytes_ = 0;
    std::vector<std::uint32_t> targets_;
};

}  // namespace

SearchResult search(const Options& options) { return Search(options).run(); }

}  // namespace explore
