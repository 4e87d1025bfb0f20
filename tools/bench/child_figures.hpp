// Figures a measuring child process hands back: one "name value" line each on standard output.
#pragma once

#include <map>
#include <string>
#include <vector>

namespace bench {

void printFigure(const std::string& name, double value);
// The figures of a child's output; lines that are not "name number" are skipped.
std::map<std::string, double> parseFigures(const std::string& output);

// What a measuring child reported, or why it reported nothing usable.
struct ChildFigures {
    std::map<std::string, double> values;
    std::string error;  // "" when the child ended well and printed the figure it always prints
};

// Runs this program as a measuring child and reads its figures. A child that fails or does not
// print `required` gives the error "<what> (exit N)".
ChildFigures runChildForFigures(const std::string& self, const std::vector<std::string>& arguments, int timeoutMs,
                                const std::string& required, const std::string& what);

}  // namespace bench
