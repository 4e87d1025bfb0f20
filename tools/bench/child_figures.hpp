// Figures a measuring child process hands back: one "name value" line each on standard output.
#pragma once

#include <map>
#include <string>

namespace bench {

void printFigure(const std::string& name, double value);
// The figures of a child's output; lines that are not "name number" are skipped.
std::map<std::string, double> parseFigures(const std::string& output);

}  // namespace bench
