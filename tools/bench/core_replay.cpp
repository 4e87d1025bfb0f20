#include "bench/core_replay.hpp"

#include "bench/work_directory.hpp"
#include "script/session.hpp"

#include <chrono>

namespace bench {

CoreReplay replayCore(const std::vector<script::Action>& actions) {
    removeCheckpoint();
    const auto start = std::chrono::steady_clock::now();
    script::Session session;
    for (const script::Action& action : actions) session.execute(action);
    const auto end = std::chrono::steady_clock::now();
    return {.wallMs = std::chrono::duration<double, std::milli>(end - start).count(),
            .storyMs = session.clock.now(),
            .lastStoryTick = session.form->state.storyTick};
}

}  // namespace bench
