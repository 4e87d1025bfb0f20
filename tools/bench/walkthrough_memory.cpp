#include "bench/walkthrough_memory.hpp"

#include "bench/child_figures.hpp"
#include "bench/click_replay.hpp"
#include "bench/process_usage.hpp"
#include "bench/scenario_file.hpp"

#include <QApplication>

#include <cstdio>
#include <map>

namespace bench {

namespace {
constexpr int kChildTimeoutMs = 300'000;
constexpr int kExitBadScenario = 2;
}  // namespace

int runWalkthroughForMemory(int argc, char** argv, const std::string& scenario) {
    QApplication application(argc, argv);
    const Scenario actions = readScenario(scenario);
    if (!actions.error.empty()) {
        std::fprintf(stderr, "kvelnor-bench: %s\n", actions.error.c_str());
        return kExitBadScenario;
    }
    const ClickReplay replay = replayClicks(actions.actions);
    const MemoryUse memory = memoryUse();
    printFigure("clicks", static_cast<double>(replay.clicks.size()));
    printFigure("resident_kib", static_cast<double>(memory.residentKiB));
    printFigure("peak_resident_kib", static_cast<double>(memory.peakResidentKiB));
    return 0;
}

WalkthroughMemory measureWalkthroughMemory(const std::string& self, const std::string& scenario) {
    ChildFigures child = runChildForFigures(self, {"--child", "memory", scenario}, kChildTimeoutMs,
                                            "peak_resident_kib", "the walkthrough did not report its memory");
    if (!child.error.empty()) return {.error = child.error};
    std::map<std::string, double>& v = child.values;
    return {.residentKiB = v["resident_kib"], .peakResidentKiB = v["peak_resident_kib"], .clicks = v["clicks"]};
}

}  // namespace bench
