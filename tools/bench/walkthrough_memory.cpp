#include "bench/walkthrough_memory.hpp"

#include "bench/child_figures.hpp"
#include "bench/child_process.hpp"
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
    WalkthroughMemory figures;
    const ChildRun run = runChild(self, {"--child", "memory", scenario}, kChildTimeoutMs);
    std::map<std::string, double> values = parseFigures(run.output);
    if (run.exitCode != 0 || !values.contains("peak_resident_kib")) {
        figures.error = "the walkthrough did not report its memory (exit " + std::to_string(run.exitCode) + ")";
        return figures;
    }
    figures.residentKiB = values["resident_kib"];
    figures.peakResidentKiB = values["peak_resident_kib"];
    figures.clicks = values["clicks"];
    return figures;
}

}  // namespace bench
