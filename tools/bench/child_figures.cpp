#include "bench/child_figures.hpp"

#include "bench/child_process.hpp"

#include <cstdio>
#include <sstream>

namespace bench {

void printFigure(const std::string& name, double value) {
    std::printf("%s %.3f\n", name.c_str(), value);
    std::fflush(stdout);
}

std::map<std::string, double> parseFigures(const std::string& output) {
    std::map<std::string, double> figures;
    std::istringstream lines(output);
    std::string line;
    while (std::getline(lines, line)) {
        std::istringstream words(line);
        std::string name;
        double value = 0;
        std::string rest;
        if (words >> name >> value && !(words >> rest)) figures[name] = value;
    }
    return figures;
}

ChildFigures runChildForFigures(const std::string& self, const std::vector<std::string>& arguments, int timeoutMs,
                                const std::string& required, const std::string& what) {
    const ChildRun run = runChild(self, arguments, timeoutMs);
    ChildFigures figures{.values = parseFigures(run.output)};
    if (run.exitCode != 0 || !figures.values.contains(required))
        figures.error = what + " (exit " + std::to_string(run.exitCode) + ")";
    return figures;
}

}  // namespace bench
