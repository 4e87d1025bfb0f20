// kvelnor-script [--check] [FILE]: plays the game headlessly from a list of actions.
#include "script/runner.hpp"
#include "script/template_catalogue.hpp"

#include <filesystem>
#include <fstream>
#include <iostream>
#include <string>

int main(int argc, char** argv) {
    // Standard input through a buffer of its own rather than one character at a time.
    std::ios::sync_with_stdio(false);
    script::RunOptions options;
    std::string file;
    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        if (arg == "--check") {
            options.check = true;
        } else if (arg == "--language" && i + 1 < argc) {
            options.language = argv[++i];
        } else if (arg == "--pot") {
            script::writeTemplateCatalogue(std::cout);
            return 0;
        } else if (arg == "--help" || arg == "-h") {
            std::cout << "usage: kvelnor-script [--check] [--language CODE] [FILE]\n"
                         "       kvelnor-script --pot\n"
                         "Reads one action per line from FILE or standard input and prints one JSON\n"
                         "object per dump. With --check, verifies the \"#> path value\" lines instead\n"
                         "(their Czech texts read in the chosen language). --language shows the game in\n"
                         "the language of data/lang/CODE.mo (cs, the default, needs none). --pot prints\n"
                         "the template of a translation catalogue: every text the game can show.\n";
            return 0;
        } else if (file.empty()) {
            file = arg;
        } else {
            std::cerr << "kvelnor-script: one file at most\n";
            return script::kExitMalformed;
        }
    }
    if (file.empty() || file == "-") return script::run(std::cin, std::cout, std::cerr, options);
    std::error_code ec;
    if (std::filesystem::is_directory(file, ec)) {
        std::cerr << "kvelnor-script: " << file << " is a directory, not a script\n";
        return script::kExitMalformed;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        std::cerr << "kvelnor-script: cannot read " << file << "\n";
        return script::kExitMalformed;
    }
    options.name = file;
    return script::run(in, std::cout, std::cerr, options);
}
