// kvelnor-bench: the game's speed, start-up, memory and idle load, each beside its floor.
#include "bench/bench_options.hpp"
#include "bench/click_replay.hpp"
#include "bench/core_replay.hpp"
#include "bench/idle_probe.hpp"
#include "bench/scenario_file.hpp"
#include "bench/startup_probe.hpp"
#include "bench/statistics.hpp"
#include "bench/walkthrough_memory.hpp"
#include "bench/work_directory.hpp"

#include <QApplication>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <exception>
#include <filesystem>
#include <string>
#include <vector>

namespace {

constexpr int kExitFailed = 1;
constexpr int kExitUsage = 2;
constexpr double kFrameMs = 16.0;
constexpr double kStartupRatioTarget = 1.5;
constexpr double kClickRatioTarget = 1.5;
constexpr int kClickFactors[] = {1, 2};  // the layout at its designed size and at twice it
constexpr double kIdleProcessorTarget = 0.5;  // percent of one core: near zero
constexpr double kKiBPerMiB = 1024.0;

// A file of the source tree by its path in the tree, any other as given.
std::string shownPath(const std::string& path) {
    const std::string tree = KVELNOR_SOURCE_DIR "/";
    return path.starts_with(tree) ? path.substr(tree.size()) : path;
}

std::string programPath() { return std::filesystem::read_symlink("/proc/self/exe").string(); }

int runChildPart(int argc, char** argv) {
    const std::string part = argv[2];
    if (part == "startup-game") return bench::runGameToFirstFrame(argc, argv);
    if (part == "startup-floor") return bench::runBareWindowToFirstFrame(argc, argv);
    if (part == "idle" && argc > 3) return bench::runIdleAtPausePoint(argc, argv, std::atoi(argv[3]));
    if (part == "memory" && argc > 3) return bench::runWalkthroughForMemory(argc, argv, argv[3]);
    std::fprintf(stderr, "kvelnor-bench: unknown child part %s\n", part.c_str());
    return kExitUsage;
}

const char* verdict(bool met) { return met ? "met" : "MISSED"; }

struct Verdicts {
    std::vector<std::string> lines;
    bool allMet = true;
    void add(const std::string& target, bool met) {
        lines.push_back("  " + target + ": " + verdict(met));
        allMet = allMet && met;
    }
};

std::int32_t benchCore(const std::vector<script::Action>& actions, int runs) {
    std::vector<double> wall;
    bench::CoreReplay last;
    for (int run = 0; run < runs; ++run) {
        last = bench::replayCore(actions);
        wall.push_back(last.wallMs);
    }
    const double medianMs = bench::median(wall);
    std::printf("\nHeadless core: the whole scenario through script::Session (%d runs)\n", runs);
    std::printf("  whole story replayed       %10.2f ms   (%.1f min of game time, to tick %d)\n", medianMs,
                static_cast<double>(last.storyMs) / 60000.0, last.lastStoryTick);
    std::printf("  actions per second         %10.0f\n", static_cast<double>(actions.size()) / (medianMs / 1000.0));
    return last.lastStoryTick;
}

void listClicks(std::vector<bench::ClickTiming> clicks) {
    std::sort(clicks.begin(), clicks.end(), [](const auto& a, const auto& b) { return a.gameMs > b.gameMs; });
    std::printf("  every click of the last run, slowest first (game, floor ms):\n");
    for (const bench::ClickTiming& click : clicks)
        std::printf("  %8.2f %8.2f  %-28s %s%s\n", click.gameMs, click.floorMs, click.action.c_str(), click.picture.c_str(),
                    click.repainted ? "" : "  (nothing repainted)");
}

void benchClicks(const std::vector<script::Action>& actions, int runs, int factor, std::int32_t coreTick, bool list,
                 Verdicts& verdicts) {
    std::vector<bench::Spread> game;
    std::vector<bench::Spread> floor;
    std::size_t clicks = 0;
    std::size_t repainted = 0;
    bench::ClickReplay replay;
    for (int run = 0; run < runs; ++run) {
        replay = bench::replayClicks(actions, factor);
        if (coreTick != 0 && replay.lastStoryTick != coreTick)
            std::printf("  WARNING: the window ended at tick %d, the core at tick %d\n", replay.lastStoryTick, coreTick);
        std::vector<double> gameMs;
        std::vector<double> floorMs;
        repainted = 0;
        for (const bench::ClickTiming& click : replay.clicks) {
            gameMs.push_back(click.gameMs);
            floorMs.push_back(click.floorMs);
            repainted += click.repainted ? 1 : 0;
        }
        clicks = replay.clicks.size();
        game.push_back(bench::spreadOf(gameMs));
        floor.push_back(bench::spreadOf(floorMs));
    }
    const bench::Spread g = bench::medianSpread(game);
    const bench::Spread f = bench::medianSpread(floor);
    std::printf("\nDesktop clicks at %dx, offscreen: event to repainted frame (%d runs x %zu clicks, %zu repainted)\n",
                factor, runs, clicks, repainted);
    std::printf("                                   p50        p99        max\n");
    std::printf("  game window                %10.2f %10.2f %10.2f ms\n", g.p50, g.p99, g.max);
    std::printf("  floor: QImage decode+paint %10.2f %10.2f %10.2f ms   (the picture painted at %dx)\n", f.p50, f.p99,
                f.max, factor);
    std::printf("  p99 ratio                  %10.2f\n", g.p99 / f.p99);
    if (list) listClicks(replay.clicks);
    const std::string at = " at " + std::to_string(factor) + "x";
    verdicts.add("click handled and painted within one frame (16 ms) at p99" + at, g.p99 <= kFrameMs);
    verdicts.add("click p99 within 1.5 times its floor" + at, g.p99 <= kClickRatioTarget * f.p99);
}

void benchStartup(const std::string& self, int runs, Verdicts& verdicts) {
    bench::writeCheckpoint("0");  // no start-up message box in the way of the first frame
    const bench::StartupFigures figures = bench::measureStartup(self, runs);
    bench::removeCheckpoint();
    std::printf("\nStart-up: process start to the first painted frame (%d runs each, after a warm-up)\n", runs);
    if (!figures.error.empty()) {
        std::printf("  FAILED: %s\n", figures.error.c_str());
        verdicts.add("start-up measured", false);
        return;
    }
    const double ratio = figures.gameMs / figures.floorMs;
    std::printf("  game main window           %10.2f ms\n", figures.gameMs);
    std::printf("  floor: bare QMainWindow    %10.2f ms   (same size, one 800 x 600 picture)\n", figures.floorMs);
    std::printf("  ratio                      %10.2f\n", ratio);
    verdicts.add("start-up within 1.5 times the bare window", ratio <= kStartupRatioTarget);
}

void benchMemory(const std::string& self, const std::string& scenario, Verdicts& verdicts) {
    const bench::WalkthroughMemory memory = bench::measureWalkthroughMemory(self, scenario);
    std::printf("\nMemory: the desktop window after the whole scenario, in a fresh process\n");
    if (!memory.error.empty()) {
        std::printf("  FAILED: %s\n", memory.error.c_str());
        verdicts.add("memory measured", false);
        return;
    }
    std::printf("  peak resident              %10.1f MiB   (at the end: %.1f MiB, %.0f clicks)\n",
                memory.peakResidentKiB / kKiBPerMiB, memory.residentKiB / kKiBPerMiB, memory.clicks);
}

void benchIdle(const std::string& self, int seconds, Verdicts& verdicts) {
    const bench::IdleFigures idle = bench::measureIdle(self, seconds * 1000);
    std::printf("\nIdle: the game (real clock, sound and windows) at the checkpoint's pause point\n");
    if (!idle.error.empty()) {
        std::printf("  FAILED: %s\n", idle.error.c_str());
        verdicts.add("idle measured", false);
        return;
    }
    const double percent = 100.0 * idle.processorMs / idle.idleMs;
    std::printf("  processor over %.1f s      %10.2f ms   (%.3f %% of one core)\n", idle.idleMs / 1000.0,
                idle.processorMs, percent);
    std::printf("  timer events, repaints     %10.0f %10.0f\n", idle.timerEvents, idle.paintEvents);
    std::printf("  resident at the pause      %10.1f MiB   (peak %.1f MiB)\n", idle.residentKiB / kKiBPerMiB,
                idle.peakResidentKiB / kKiBPerMiB);
    verdicts.add("idle: near-zero processor, no timer events, no repaints",
                 percent <= kIdleProcessorTarget && idle.timerEvents == 0 && idle.paintEvents == 0);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc > 2 && std::string(argv[1]) == "--child") return runChildPart(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");

    const std::string self = programPath();
    bench::Options defaults;
    defaults.data = (std::filesystem::path(self).parent_path() / "data").string();
    defaults.scenario = KVELNOR_SOURCE_DIR "/tests/scenarios/walkthrough.kvs";
    const bench::Options options = bench::parseOptions(std::vector<std::string>(argv + 1, argv + argc), defaults);
    if (options.help) {
        std::fputs(bench::kUsage, stdout);
        return 0;
    }
    if (!options.error.empty()) {
        std::fprintf(stderr, "kvelnor-bench: %s\n%s", options.error.c_str(), bench::kUsage);
        return kExitUsage;
    }
    const std::string scenarioPath = std::filesystem::absolute(options.scenario).string();
    const bench::Scenario scenario = bench::readScenario(scenarioPath);
    if (!scenario.error.empty()) {
        std::fprintf(stderr, "kvelnor-bench: %s\n", scenario.error.c_str());
        return kExitUsage;
    }

    try {
        bench::WorkDirectory work(options.data);
        QApplication application(argc, argv);
        std::size_t clicks = 0;
        for (const script::Action& action : scenario.actions) clicks += bench::isPlayerClick(action) ? 1 : 0;
        std::printf("kvelnor-bench: %s, %zu actions, %zu clicks; Qt platform %s\n", shownPath(scenarioPath).c_str(),
                    scenario.actions.size(), clicks, qgetenv("QT_QPA_PLATFORM").constData());
        std::fflush(stdout);

        Verdicts verdicts;
        std::int32_t coreTick = 0;
        if (options.parts.contains("core")) coreTick = benchCore(scenario.actions, options.coreRuns);
        if (options.parts.contains("clicks"))
            for (const int factor : kClickFactors)
                benchClicks(scenario.actions, options.clickRuns, factor, coreTick, options.listClicks, verdicts);
        if (options.parts.contains("startup")) benchStartup(self, options.startupRuns, verdicts);
        if (options.parts.contains("memory")) benchMemory(self, scenarioPath, verdicts);
        if (options.parts.contains("idle")) benchIdle(self, options.idleSeconds, verdicts);
        if (!verdicts.lines.empty()) {
            std::printf("\nTargets\n");
            for (const std::string& line : verdicts.lines) std::printf("%s\n", line.c_str());
        }
        return 0;
    } catch (const std::exception& failure) {
        std::fprintf(stderr, "kvelnor-bench: %s\n", failure.what());
        return kExitFailed;
    }
}
